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
        TestWindow form;
        QVERIFY(!form.isLoaded());
        QCOMPARE(platform::OpenWindows().size(), 0);
        QCOMPARE(form.heightTwips(), 2850.0f + platform::kFrameHeight);
        QVERIFY(form.isLoaded());
        QVERIFY(form.isShown());
        QCOMPARE(form.loads, 1);
        QCOMPARE(form.innerWidthTwips(), 2100.0f);
        QCOMPARE(form.innerHeightTwips(), 2850.0f);
        form.setTopTwips(10);
        QCOMPARE(form.loads, 1);
    }

    void hideKeepsItLoadedUnloadRemovesIt()
    {
        ProgramFixture f;
        TestWindow form(QStringLiteral("Card "));
        form.ensureLoaded();
        form.hideWindow();
        QVERIFY(form.isLoaded());
        QVERIFY(!form.isShown());
        QCOMPARE(platform::FindWindowByCaption(QStringLiteral("Card ")), &form);
        QCOMPARE(platform::FindWindowByCaption(QStringLiteral("Card")), nullptr);

        QVERIFY(form.unload());
        QVERIFY(!form.isLoaded());
        QCOMPARE(form.unloads, 1);
        QCOMPARE(platform::OpenWindows().size(), 0);

        // Loaded again: design size and caption, load handler runs again.
        form.setCaption(QStringLiteral("changed"));
        form.showWindow();
        QCOMPARE(form.loads, 2);
        QCOMPARE(form.caption(), QStringLiteral("Card "));
        QCOMPARE(form.widthTwips(), 2100.0f + platform::kFrameWidth);
    }

    void refusedCloseKeepsTheWindow()
    {
        ProgramFixture f;
        TestWindow form;
        form.ensureLoaded();
        form.refuse = true;
        QVERIFY(!form.unload());
        QVERIFY(form.isLoaded());
        QCOMPARE(form.unloads, 0);
        // The close box asks the window the same way, as a close by the user.
        form.subWindow()->close();
        QVERIFY(form.isLoaded());
        form.refuse = false;
        form.subWindow()->close();
        QVERIFY(!form.isLoaded());
        QCOMPARE(form.closeModes,
            QList<platform::UnloadReason>({ platform::UnloadReason::Program, platform::UnloadReason::CloseBox,
                platform::UnloadReason::CloseBox }));
    }

    void geometryKeepsTheTwipsAsSet()
    {
        ProgramFixture f;
        TestWindow form;
        form.setHeightTwips(3412.68f);
        form.setWidthTwips(2250.15f);
        form.moveTwips(1001, 7);
        QCOMPARE(form.heightTwips(), 3412.68f);
        QCOMPARE(form.widthTwips(), 2250.15f);
        QCOMPARE(form.leftTwips(), 1001.0f);
        QCOMPARE(form.topTwips(), 7.0f);
        QCOMPARE(form.subWindow()->pos(), QPoint(67, 0));
        QCOMPARE(form.size(), QSize(145, 197)); // the inner size in pixels

        // The user dragging the window: the new pixel position becomes the position.
        platform::Workspace()->show();
        form.subWindow()->move(100, 50);
        QCOMPARE(form.leftTwips(), 1500.0f);
        QCOMPARE(form.topTwips(), 750.0f);
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
        QPointer<TestWindow> form = new TestWindow;
        form->setDeleteOnUnload(true);
        form->ensureLoaded();
        QVERIFY(form->unload());
        FlushDeletes();
        QVERIFY(form.isNull());
    }
};

QTEST_MAIN(tst_form)
#include "tst_childwindow.moc"
