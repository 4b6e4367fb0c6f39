#include "platform/ui/childwindow.h"
#include "support/fixture.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

class TestWindow : public platform::ChildWindow
{
public:
    explicit TestWindow(const QString &caption = QStringLiteral("Test"), bool fixedBorder = true)
        : ChildWindow(QStringLiteral("TestForm"), 2100, 2850, fixedBorder)
        , designCaption(caption)
    {
    }
    QString designCaption;
    int loads = 0;
    int unloads = 0;
    bool refuse = false;
    QList<platform::UnloadReason> closeModes;

protected:
    void resetControls() override { setCaption(designCaption); }
    void loadEvent() override { ++loads; }
    void queryUnloadEvent(bool &cancel, platform::UnloadReason reason) override
    {
        closeModes << reason;
        cancel = refuse;
    }
    void unloadEvent() override { ++unloads; }
};

} // namespace

class tst_form : public QObject
{
    Q_OBJECT

private slots:
    void loadedWhenTouchedAndShownAtOnce()
    {
        ProgramFixture f;
        TestWindow window;
        QVERIFY(!window.isLoaded());
        QCOMPARE(platform::OpenWindows().size(), 0);
        // Its height can be known without loading it: the one loading gives it.
        QCOMPARE(window.heightTwipsWithoutLoading(), 2850.0f + platform::kFrameHeight);
        QVERIFY(!window.isLoaded());
        QCOMPARE(window.heightTwips(), 2850.0f + platform::kFrameHeight);
        QVERIFY(window.isLoaded());
        QVERIFY(window.isShown());
        QCOMPARE(window.loads, 1);
        QCOMPARE(window.innerWidthTwips(), 2100.0f);
        QCOMPARE(window.innerHeightTwips(), 2850.0f);
        window.setTopTwips(10);
        QCOMPARE(window.loads, 1);
    }

    void hideKeepsItLoadedUnloadRemovesIt()
    {
        ProgramFixture f;
        TestWindow window(QStringLiteral("Card "));
        window.ensureLoaded();
        window.hideWindow();
        QVERIFY(window.isLoaded());
        QVERIFY(!window.isShown());
        QCOMPARE(platform::FindWindowByCaption(QStringLiteral("Card ")), &window);
        QCOMPARE(platform::FindWindowByCaption(QStringLiteral("Card")), nullptr);

        QVERIFY(window.unload());
        QVERIFY(!window.isLoaded());
        QCOMPARE(window.unloads, 1);
        QCOMPARE(platform::OpenWindows().size(), 0);

        // Loaded again: design size and caption, load handler runs again.
        window.setCaption(QStringLiteral("changed"));
        window.showWindow();
        QCOMPARE(window.loads, 2);
        QCOMPARE(window.caption(), QStringLiteral("Card "));
        QCOMPARE(window.widthTwips(), 2100.0f + platform::kFrameWidth);
    }

    void refusedCloseKeepsTheWindow()
    {
        ProgramFixture f;
        TestWindow window;
        window.ensureLoaded();
        window.refuse = true;
        QVERIFY(!window.unload());
        QVERIFY(window.isLoaded());
        QCOMPARE(window.unloads, 0);
        // The close box asks the window the same way, as a close by the user.
        window.subWindow()->close();
        QVERIFY(window.isLoaded());
        window.refuse = false;
        window.subWindow()->close();
        QVERIFY(!window.isLoaded());
        QCOMPARE(window.closeModes,
            QList<platform::UnloadReason>({ platform::UnloadReason::Program, platform::UnloadReason::CloseBox,
                platform::UnloadReason::CloseBox }));
    }

    void geometryKeepsTheTwipsAsSet()
    {
        ProgramFixture f;
        TestWindow window;
        window.setHeightTwips(3412.68f);
        window.setWidthTwips(2250.15f);
        window.moveTwips(1001, 7);
        QCOMPARE(window.heightTwips(), 3412.68f);
        QCOMPARE(window.heightTwipsWithoutLoading(), 3412.68f);
        QCOMPARE(window.widthTwips(), 2250.15f);
        QCOMPARE(window.leftTwips(), 1001.0f);
        QCOMPARE(window.topTwips(), 7.0f);
        QCOMPARE(window.subWindow()->pos(), QPoint(67, 0));
        QCOMPARE(window.size(), QSize(145, 197)); // the inner size in pixels

        // The user dragging the window: the new pixel position becomes the position.
        platform::Workspace()->show();
        window.subWindow()->move(100, 50);
        QCOMPARE(window.leftTwips(), 1500.0f);
        QCOMPARE(window.topTwips(), 750.0f);
    }

    void openWindowsInLoadOrder()
    {
        ProgramFixture f;
        TestWindow a(QStringLiteral("a"));
        TestWindow b(QStringLiteral("b"));
        TestWindow c(QStringLiteral("c"));
        b.ensureLoaded();
        a.ensureLoaded();
        c.ensureLoaded();
        a.hideWindow();
        QCOMPARE(platform::OpenWindows(), QList<platform::ChildWindow *>({ &b, &a, &c }));
        b.unload();
        b.ensureLoaded();
        QCOMPARE(platform::OpenWindows(), QList<platform::ChildWindow *>({ &a, &c, &b }));
    }

    void windowsMadeForOneUseAreDeletedAfterClosing()
    {
        ProgramFixture f;
        QPointer<TestWindow> window = new TestWindow;
        window->setDeleteOnUnload(true);
        window->ensureLoaded();
        QVERIFY(window->unload());
        FlushDeletes();
        QVERIFY(window.isNull());
    }

    // A window's frame may be one a closed window had: it must come back as a new one would,
    // whatever the closed window went through.
    void aWindowOpensAsNewAfterAnotherClosed_data()
    {
        QTest::addColumn<bool>("fixedBorder");
        // The states the closed window's frame was put in, in order.
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("fixed") << true << QList<int>() << false;
        QTest::newRow("fixed, deleted") << true << QList<int>() << true;
        QTest::newRow("sizable") << false << QList<int>() << false;
        QTest::newRow("minimised") << false << QList<int>({ Qt::WindowMinimized }) << false;
        QTest::newRow("maximised") << false << QList<int>({ Qt::WindowMaximized }) << true;
        QTest::newRow("minimised, restored")
            << false << QList<int>({ Qt::WindowMinimized, Qt::WindowNoState }) << false;
        QTest::newRow("maximised, restored") << false << QList<int>({ Qt::WindowMaximized, Qt::WindowNoState }) << true;
    }

    void aWindowOpensAsNewAfterAnotherClosed()
    {
        QFETCH(bool, fixedBorder);
        QFETCH(QList<int>, states);
        QFETCH(bool, deleted);
        ProgramFixture f;
        QMdiArea area;
        area.resize(900, 700);
        platform::SetWorkspace(&area);
        area.show();
        TestWindow other(QStringLiteral("other"), fixedBorder);
        other.ensureLoaded();
        // Where the workspace places a new window of this kind next to `other`.
        TestWindow opened(QStringLiteral("opened"), fixedBorder);
        opened.ensureLoaded();
        const QRect placed = opened.subWindow()->geometry();
        opened.unload();

        QPointer<TestWindow> closed = new TestWindow(QStringLiteral("closed"), fixedBorder);
        closed->setDeleteOnUnload(deleted);
        closed->setHeightTwips(6000);
        closed->moveTwips(3000, 1500);
        QMdiSubWindow *oldFrame = closed->subWindow();
        const Qt::WindowFlags newFlags = other.subWindow()->windowFlags();
        QCOMPARE(oldFrame->windowFlags(), newFlags);
        for (const int state : states)
            oldFrame->setWindowState(Qt::WindowState(state));
        QVERIFY(closed->unload());
        FlushDeletes();
        QCOMPARE(closed.isNull(), deleted);

        opened.ensureLoaded();
        QMdiSubWindow *frame = opened.subWindow();
        QCoreApplication::processEvents();
        QCOMPARE(frame->widget(), &opened);
        QCOMPARE(frame->windowFlags(), newFlags);
        QCOMPARE(frame->windowState() & ~Qt::WindowActive, Qt::WindowNoState);
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->windowTitle(), QStringLiteral("opened"));
        QCOMPARE(frame->geometry(), placed);
        QCOMPARE(opened.size(), QSize(140, 190));
        QCOMPARE(opened.heightTwips(), 2850.0f + platform::kFrameHeight);
        QCOMPARE(area.activeSubWindow(), frame);
        QCOMPARE(area.subWindowList(QMdiArea::StackingOrder).last(), frame);
        QVERIFY(frame->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == frame);
        // Closing the newest window activates the one before it.
        QVERIFY(opened.unload());
        QCOMPARE(area.activeSubWindow(), other.subWindow());
        QCOMPARE(platform::OpenWindows(), QList<platform::ChildWindow *>({ &other }));
        other.unload();
        platform::SetWorkspace(nullptr);
    }
};

QTEST_MAIN(tst_form)
#include "tst_childwindow.moc"
