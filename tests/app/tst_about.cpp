#include "app/programstate.h"
#include "app/ui/aboutwindow.h"
#include "app/ui/helpcontentswindow.h"
#include "app/ui/mainwindow.h"
#include "deck/ui/deckwindow.h"
#include "helptext.h"
#include "platform/ui/buttons.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/fixture.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kOpenQuestion = QStringLiteral(" Do you want to open an existing deck?");

// Closes the deck window so that no child window is shown (as File Close does).
void CloseDeckWindow(ProgramFixture &f)
{
    f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Close the Deck without saving? "), true);
    QVERIFY(DeckWindow::instance()->unload());
}

} // namespace

class tst_about : public QObject
{
    Q_OBJECT

private slots:
    void aboutBoxHidesOnExitAndUnloadsOnClose()
    {
        ProgramFixture f;
        f.Start(true);
        const ProgramState before = program::state;
        MainWindow::instance()->aboutAction->trigger();
        auto *about = qobject_cast<AboutWindow *>(platform::FindWindowByCaption(QString::fromUtf8(kAboutCaption)));
        QVERIFY(about && about->isShown());
        QVERIFY(!about->aboutText->text().trimmed().isEmpty());
        QCOMPARE(about->exitButton->text(), QStringLiteral("Exit"));
        QCOMPARE(about->innerWidthTwips(), 3750.0f);
        QCOMPARE(about->innerHeightTwips(), 2400.0f);

        QTest::mouseClick(about->exitButton, Qt::LeftButton);
        QVERIFY(!about->isShown());
        QVERIFY(about->isLoaded());
        MainWindow::instance()->showAbout();
        QCOMPARE(platform::FindWindowByCaption(QString::fromUtf8(kAboutCaption)), about);
        QVERIFY(about->isShown());

        // The close box unloads it; the next command makes it again.
        about->subWindow()->close();
        QVERIFY(!platform::FindWindowByCaption(QString::fromUtf8(kAboutCaption)));
        MainWindow::instance()->showAbout();
        QVERIFY(platform::FindWindowByCaption(QString::fromUtf8(kAboutCaption)));
        // It touches no deck state.
        QVERIFY(program::state.deck == before.deck);
        QCOMPARE(program::state.deckState, before.deckState);
        VERIFY_DIALOGS(f.dialogs);
    }

    void aboutBoxShownStopsFileOpen()
    {
        ProgramFixture f;
        f.Start(true);
        CloseDeckWindow(f);
        MainWindow::instance()->showAbout();
        MainWindow::instance()->openAction->trigger(); // a child window is shown: no question
        VERIFY_DIALOGS(f.dialogs);
        AboutWindow::instance()->exitButton->click();
        f.dialogs.ExpectQuestion(kOpenQuestion, false);
        MainWindow::instance()->openAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
    }

    void contentsFillsTheWindowAtLoad()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->helpContentsAction->trigger();
        HelpContentsWindow *help = HelpContentsWindow::instance();
        QVERIFY(help->isShown());
        QCOMPARE(help->caption(), QStringLiteral("Help Contents"));
        QCOMPARE(help->topTwips(), 0.0f);
        QCOMPARE(help->heightTwips(), 7896.0f);
        QCOMPARE(help->widthTwips(), 6888.0f);
        QCOMPARE(help->subWindow()->y(), 0);
        QCOMPARE(help->page->widthTwips(), help->innerWidthTwips());
        QCOMPARE(help->page->heightTwips(), help->innerHeightTwips());
        QCOMPARE(help->exitButton->text(), QStringLiteral("EXIT"));
    }

    void contentsSpeaksThePageItShows()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->showHelpContents();
        HelpContentsWindow *help = HelpContentsWindow::instance();
        QAccessibleInterface *page = QAccessible::queryAccessibleInterface(help->page);
        QVERIFY(page);
        QCOMPARE(page->text(QAccessible::Name), QStringLiteral("Help Contents page"));
        const QString text = page->text(QAccessible::Description);
        QCOMPARE(text, QString::fromStdString(art::help::pageText()));
        QVERIFY(text.startsWith(QStringLiteral("Game of Kestov\nHelp Contents\n")));
        QVERIFY(
            text.contains(QStringLiteral("\nReturn To Deck \u2013 put the card back at the bottom of the deck.\n")));
        QVERIFY(text.endsWith(QStringLiteral("About \u2013 who made the program.")));

        // Nothing in the window is announced by the name the program knows it by.
        const QRegularExpression internal(QStringLiteral("^(Image|Command|Label|Form|Contents)\\d*$"));
        QList<QWidget *> widgets = help->findChildren<QWidget *>();
        widgets.prepend(help);
        for (QWidget *w : std::as_const(widgets)) {
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(!internal.match(name).hasMatch(), qPrintable(w->objectName() + QStringLiteral(": ") + name));
        }
        QCOMPARE(
            QAccessible::queryAccessibleInterface(help->exitButton)->text(QAccessible::Name), QStringLiteral("EXIT"));
    }

    void contentsKeepsTheUsersSizeAndRefits()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->showHelpContents();
        HelpContentsWindow *help = HelpContentsWindow::instance();
        const QRect button = help->exitButton->geometry();

        // The user makes it smaller than the button's place.
        help->subWindow()->resize(200, 150);
        const float width = help->widthTwips();
        const float height = help->heightTwips();
        QVERIFY(width < 6888.0f && height < 7896.0f);
        QCOMPARE(help->page->widthTwips(), help->innerWidthTwips());
        QCOMPARE(help->page->heightTwips(), help->innerHeightTwips());
        QCOMPARE(help->exitButton->geometry(), button);

        // Hidden by EXIT and shown again: the same window at the user's size.
        QTest::mouseClick(help->exitButton, Qt::LeftButton);
        QVERIFY(!help->isShown());
        MainWindow::instance()->showHelpContents();
        QCOMPARE(HelpContentsWindow::instance(), help);
        QVERIFY(help->isShown());
        QCOMPARE(help->widthTwips(), width);
        QCOMPARE(help->heightTwips(), height);

        // Closed with its close box and opened again: the load size once more.
        help->subWindow()->close();
        MainWindow::instance()->showHelpContents();
        HelpContentsWindow *again = HelpContentsWindow::instance();
        QVERIFY(again->isShown());
        QCOMPARE(again->topTwips(), 0.0f);
        QCOMPARE(again->heightTwips(), 7896.0f);
        QCOMPARE(again->widthTwips(), 6888.0f);
        VERIFY_DIALOGS(f.dialogs);
    }

    void fileCloseClosesBothWindows()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->showHelpContents();
        MainWindow::instance()->showAbout();
        AboutWindow::instance()->exitButton->click(); // hidden windows close too
        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Save the deck?"), false)
            .ExpectQuestion(QStringLiteral("     Close Deck?"), false);
        MainWindow::instance()->closeDeck();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(platform::OpenWindows(), QList<platform::ChildWindow *> { DeckWindow::instance() });
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
