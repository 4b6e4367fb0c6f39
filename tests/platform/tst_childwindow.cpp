#include "platform/ui/childwindow.h"
#include "support/fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

class TestWindow : public platform::ChildWindow
{
public:
    explicit TestWindow(const QString &caption = QStringLiteral("Test"))
        : ChildWindow(QStringLiteral("TestForm"), 2100, 2850)
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
};

QTEST_MAIN(tst_form)
#include "tst_childwindow.moc"
