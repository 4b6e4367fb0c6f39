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
    QList<int> closeModes;

protected:
    void ResetDesign() override { SetCaption(designCaption); }
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool &cancel, int mode) override
    {
        closeModes << mode;
        cancel = refuse;
    }
    void Form_Unload() override { ++unloads; }
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
        QVERIFY(!form.IsLoaded());
        QCOMPARE(platform::OpenWindows().size(), 0);
        QCOMPARE(form.Height(), 2850.0f + platform::kFrameHeight);
        QVERIFY(form.IsLoaded());
        QVERIFY(form.Visible());
        QCOMPARE(form.loads, 1);
        QCOMPARE(form.ScaleWidth(), 2100.0f);
        QCOMPARE(form.ScaleHeight(), 2850.0f);
        form.SetTop(10);
        QCOMPARE(form.loads, 1);
    }

    void hideKeepsItLoadedUnloadRemovesIt()
    {
        ProgramFixture f;
        TestWindow form(QStringLiteral("Card "));
        form.Load();
        form.Hide();
        QVERIFY(form.IsLoaded());
        QVERIFY(!form.Visible());
        QCOMPARE(platform::FindWindowByCaption(QStringLiteral("Card ")), &form);
        QCOMPARE(platform::FindWindowByCaption(QStringLiteral("Card")), nullptr);

        QVERIFY(form.Unload());
        QVERIFY(!form.IsLoaded());
        QCOMPARE(form.unloads, 1);
        QCOMPARE(platform::OpenWindows().size(), 0);

        // Loaded again: design size and caption, load handler runs again.
        form.SetCaption(QStringLiteral("changed"));
        form.Show();
        QCOMPARE(form.loads, 2);
        QCOMPARE(form.Caption(), QStringLiteral("Card "));
        QCOMPARE(form.Width(), 2100.0f + platform::kFrameWidth);
    }

    void refusedCloseKeepsTheWindow()
    {
        ProgramFixture f;
        TestWindow form;
        form.Load();
        form.refuse = true;
        QVERIFY(!form.Unload());
        QVERIFY(form.IsLoaded());
        QCOMPARE(form.unloads, 0);
        // The close box asks the window the same way, as a close by the user.
        form.SubWindow()->close();
        QVERIFY(form.IsLoaded());
        form.refuse = false;
        form.SubWindow()->close();
        QVERIFY(!form.IsLoaded());
        QCOMPARE(form.closeModes,
            QList<int>({ platform::vbFormCode, platform::vbFormControlMenu, platform::vbFormControlMenu }));
    }

    void geometryKeepsTheTwipsAsSet()
    {
        ProgramFixture f;
        TestWindow form;
        form.SetHeight(3412.68f);
        form.SetWidth(2250.15f);
        form.Move(1001, 7);
        QCOMPARE(form.Height(), 3412.68f);
        QCOMPARE(form.Width(), 2250.15f);
        QCOMPARE(form.Left(), 1001.0f);
        QCOMPARE(form.Top(), 7.0f);
        QCOMPARE(form.SubWindow()->pos(), QPoint(67, 0));
        QCOMPARE(form.size(), QSize(145, 197)); // the inner size in pixels

        // The user dragging the window: the new pixel position becomes the position.
        platform::Workspace()->show();
        form.SubWindow()->move(100, 50);
        QCOMPARE(form.Left(), 1500.0f);
        QCOMPARE(form.Top(), 750.0f);
    }

    void openWindowsInLoadOrder()
    {
        ProgramFixture f;
        TestWindow a(QStringLiteral("a"));
        TestWindow b(QStringLiteral("b"));
        TestWindow c(QStringLiteral("c"));
        b.Load();
        a.Load();
        c.Load();
        a.Hide();
        QCOMPARE(platform::OpenWindows(), QList<platform::ChildWindow *>({ &b, &a, &c }));
        b.Unload();
        b.Load();
        QCOMPARE(platform::OpenWindows(), QList<platform::ChildWindow *>({ &a, &c, &b }));
    }

    void windowsMadeForOneUseAreDeletedAfterClosing()
    {
        ProgramFixture f;
        QPointer<TestWindow> form = new TestWindow;
        form->SetDeleteOnUnload(true);
        form->Load();
        QVERIFY(form->Unload());
        FlushDeletes();
        QVERIFY(form.isNull());
    }
};

QTEST_MAIN(tst_form)
#include "tst_childwindow.moc"
