#include "app/cardtable.h"
#include "app/deckfile.h"
#include "app/initdeck.h"
#include "app/mainplace.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kOpenQuestion = QStringLiteral(" Do you want to open an existing deck?");
const QString kBadDeck = QStringLiteral("Something Wrong With the Deck");

QSettings Store()
{
    return QSettings(QStringLiteral("Kestov"), QStringLiteral("Kestov"));
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString MenuCaptions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text()) + (a->isVisible() ? "" : "[hidden]");
    return captions.join(QLatin1Char('|'));
}

} // namespace

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartInAnEmptyFolder()
    {
        ProgramFixture f;
        f.Start(true);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(QFileInfo(f.PathOf("programstuff")).isDir());
        QVERIFY(QFile::exists(f.PathOf("QProGIF.ocx")));
        QVERIFY(QFile::exists(f.PathOf("Comdlg32.ocx")));
        QVERIFY(!QFile::exists(f.PathOf("COMCTL32.OCX")));

        QVERIFY(MainWindow::instance()->isVisible());
        QCOMPARE(MainWindow::instance()->windowTitle(), QStringLiteral("Game of Kestov"));
        QCOMPARE(MainWindow::instance()->leftTwips(), 1000.0f);
        QCOMPARE(MainWindow::instance()->topTwips(), 1000.0f);
        QCOMPARE(MainWindow::instance()->widthTwips(), 6500.0f);
        QCOMPARE(MainWindow::instance()->heightTwips(), 6500.0f);

        // The background is tiled once the question was answered; the deck window has its
        // hand cursor and picture from its first load on.
        QTRY_COMPARE(MainWindow::instance()->workspace()->background().texture().size(), QSize(2068, 1416));
        QCOMPARE(DeckWindow::instance()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(
            DeckWindow::instance()->palette().window().texture().size(), DeckWindow::instance()->pile->pictureSize());

        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->caption(), QStringLiteral("Brivet Tarot "));
        QCOMPARE(DeckWindow::instance()->innerWidthTwips(), 2655.0f);
        QCOMPARE(DeckWindow::instance()->innerHeightTwips(), 3240.0f);
        QCOMPARE(int(program::state.deckState), 1);
        QCOMPARE(program::state.deckClosed, false);
        QCOMPARE(program::state.deck[8], QStringLiteral("Justice "));
        QCOMPARE(program::state.deck[11], QStringLiteral("Strength "));
        QCOMPARE(program::state.cardsOut[0], kNoCard);
        QCOMPARE(int(program::state.cardReturn), 1);
    }

    // A component file holding other bytes is replaced by the program's own.
    void componentFileOfOtherBytesIsReplaced()
    {
        ProgramFixture f;
        WriteFile(f.PathOf("QProGIF.ocx"), "mine");
        // A plain file of the data folder's name counts as the folder: no message.
        WriteFile(f.PathOf("programstuff"), "not a folder");
        f.Start(true);
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(ReadFile(f.PathOf("QProGIF.ocx")), platform::Resource(QStringLiteral("QProGIF.ocx")));
        QVERIFY(QFileInfo(f.PathOf("programstuff")).isFile());
    }

    void dataFolderThatCannotBeCreated()
    {
        ProgramFixture f;
        // A current folder that has gone away: nothing can be created in it.
        const QString gone = f.PathOf("gone");
        QVERIFY(QDir().mkdir(gone));
        QVERIFY(QDir::setCurrent(gone));
        QVERIFY(QDir().rmdir(gone));
        f.dialogs
            .ExpectMessage(QStringLiteral("programstuff folder not created.  A programstuff folder needs to be "
                                          "created in the same directory as the .exe"))
            .ExpectQuestion(kOpenQuestion, false);
        StartProgram();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(DeckWindow::instance()->isShown());
    }

    void menuTree()
    {
        ProgramFixture f;
        f.Start(true);
        QStringList top;
        for (QAction *a : MainWindow::instance()->menuBar()->actions())
            top << a->text() + (a->isEnabled() ? "" : "[disabled]");
        QCOMPARE(top.join('|'), QStringLiteral("&File|&Edit[disabled]|&Readings|&Shuffle|&Help"));
        QCOMPARE(MenuCaptions(MainWindow::instance()->fileMenu),
            QStringLiteral("&New[hidden]|&Open...|&Close|-|&Save|Save &As...|-|Propert&ies|-|E&xit"));
        QCOMPARE(MenuCaptions(MainWindow::instance()->editMenu), QStringLiteral("&Undo|-"));
        QCOMPARE(MenuCaptions(MainWindow::instance()->readingsMenu),
            QStringLiteral("&Celtic Cross Spread|&Five Card Spread"));
        QCOMPARE(MenuCaptions(MainWindow::instance()->shuffleMenu),
            QStringLiteral("&Shuffle Cards|&Cut Cards|&Pick A Card"));
        QCOMPARE(MenuCaptions(MainWindow::instance()->helpMenu),
            QStringLiteral("&Contents|&Search For Help On...[hidden]|-|&About "));
        QCOMPARE(MainWindow::instance()->openAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QVERIFY(!MainWindow::instance()->newAction->isEnabled());
        QCOMPARE(MainWindow::instance()->statusBar()->findChild<QLabel *>(QStringLiteral("Panel1"))->text(),
            QStringLiteral("Status"));
        QVERIFY(!MainWindow::instance()->statusBar()->findChild<QLabel *>(QStringLiteral("Panel3"))->text().isEmpty());
    }

    void positionRestoredAndSaved_data()
    {
        QTest::addColumn<QString>("storedLeft");
        QTest::addColumn<float>("left");
        QTest::newRow("stored number") << "2000.5" << 2000.5f;
        QTest::newRow("not a number falls back") << "abc" << 1000.0f;
    }
    void positionRestoredAndSaved()
    {
        QFETCH(QString, storedLeft);
        QFETCH(float, left);
        ProgramFixture f;
        {
            QSettings s = Store();
            s.setValue("Settings/MainLeft", storedLeft);
            s.setValue("Settings/MainTop", "1500");
            s.setValue("Settings/MainWidth", "9000");
            s.setValue("Settings/MainHeight", "7000");
        }
        f.Start(true);
        QCOMPARE(MainWindow::instance()->leftTwips(), left);
        QCOMPARE(MainWindow::instance()->topTwips(), 1500.0f);
        QCOMPARE(MainWindow::instance()->widthTwips(), 9000.0f);
        QCOMPARE(MainWindow::instance()->heightTwips(), 7000.0f);

        MainWindow::instance()->setGeometryTwips(1234.5f, 2000, 8000, 6000);
        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Close the Deck without saving? "), true);
        QVERIFY(MainWindow::instance()->close());
        VERIFY_DIALOGS(f.dialogs);
        QSettings s = Store();
        QCOMPARE(s.value("Settings/MainLeft").toString(), QStringLiteral("1234.5"));
        QCOMPARE(s.value("Settings/MainTop").toString(), QStringLiteral("2000"));
        QCOMPARE(s.value("Settings/MainWidth").toString(), QStringLiteral("8000"));
        QCOMPARE(s.value("Settings/MainHeight").toString(), QStringLiteral("6000"));
    }

    void placeUsableOnTheScreens_data()
    {
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<bool>("usable");
        const QList<QRect> one { QRect(0, 0, 800, 600) };
        // A second screen to the right, taller than the first, below a task bar.
        const QList<QRect> two { QRect(0, 0, 800, 600), QRect(800, 30, 1024, 738) };
        QTest::newRow("first place") << QRectF(66.7, 66.7, 433.3, 433.3) << one << true;
        QTest::newRow("top left corner") << QRectF(0, 0, 800, 600) << one << true;
        QTest::newRow("mostly off the right edge") << QRectF(750, 100, 600, 400) << one << true;
        QTest::newRow("title bar edge held by the screen") << QRectF(100, 592, 600, 400) << one << true;
        QTest::newRow("far to the right") << QRectF(66666666.6, 100, 600, 400) << one << false;
        QTest::newRow("far above") << QRectF(100, -66666666.6, 600, 400) << one << false;
        QTest::newRow("a sliver on the left edge") << QRectF(-560, 100, 600, 400) << one << false;
        QTest::newRow("title bar above the screen") << QRectF(100, -30, 600, 400) << one << false;
        QTest::newRow("title bar below the screen") << QRectF(100, 595, 600, 400) << one << false;
        QTest::newRow("on the second screen") << QRectF(1000, 100, 600, 400) << two << true;
        QTest::newRow("under the second screen's task bar") << QRectF(1000, 0, 600, 400) << two << false;
        QTest::newRow("below the first screen, left of the second") << QRectF(100, 650, 600, 400) << two << false;
        QTest::newRow("across both screens") << QRectF(500, 200, 600, 400) << two << true;
        QTest::newRow("smaller than the strip") << QRectF(10, 10, 5, 5) << one << true;
        QTest::newRow("zero width") << QRectF(100, 100, 0, 400) << one << false;
        QTest::newRow("negative height") << QRectF(100, 100, 600, -400) << one << false;
        QTest::newRow("huge width") << QRectF(100, 100, 66666666.6, 400) << one << false;
        QTest::newRow("largest side") << QRectF(0, 0, kLargestWindowSide, kLargestWindowSide) << one << true;
    }
    void placeUsableOnTheScreens()
    {
        QFETCH(QRectF, frame);
        QFETCH(QList<QRect>, screens);
        QFETCH(bool, usable);
        QCOMPARE(PlaceIsUsable(frame, screens), usable);
    }

    // A stored place nobody could see opens at the first place, which is what is kept at exit.
    void unusableStoredPlaceOpensAtTheFirstPlace_data()
    {
        QTest::addColumn<QStringList>("stored"); // left, top, width, height
        QTest::newRow("off every screen") << QStringList { "999999999", "-999999999", "9000", "7000" };
        QTest::newRow("negative width") << QStringList { "2000", "1500", "-9000", "7000" };
        QTest::newRow("huge height") << QStringList { "2000", "1500", "9000", "999999999" };
    }
    void unusableStoredPlaceOpensAtTheFirstPlace()
    {
        QFETCH(QStringList, stored);
        ProgramFixture f;
        const QStringList keys { "Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth", "Settings/MainHeight" };
        {
            QSettings s = Store();
            for (int i = 0; i < keys.size(); ++i)
                s.setValue(keys[i], stored[i]);
        }
        f.Start(true);
        QCOMPARE(MainWindow::instance()->leftTwips(), 1000.0f);
        QCOMPARE(MainWindow::instance()->topTwips(), 1000.0f);
        QCOMPARE(MainWindow::instance()->widthTwips(), 6500.0f);
        QCOMPARE(MainWindow::instance()->heightTwips(), 6500.0f);
        QCOMPARE(MainWindow::instance()->frameGeometry().topLeft(), QPoint(67, 67));
        QVERIFY(
            QGuiApplication::primaryScreen()->availableGeometry().intersects(MainWindow::instance()->frameGeometry()));

        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Close the Deck without saving? "), true);
        QVERIFY(MainWindow::instance()->close());
        QSettings s = Store();
        const QStringList first { "1000", "1000", "6500", "6500" };
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(s.value(keys[i]).toString(), first[i]);
    }

    void minimisedKeepsTheStoredPosition()
    {
        ProgramFixture f;
        Store().setValue("Settings/MainLeft", "3000");
        f.Start(true);
        MainWindow::instance()->setGeometryTwips(10, 10, 5000, 5000);
        MainWindow::instance()->showMinimized();
        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Close the Deck without saving? "), true);
        QVERIFY(MainWindow::instance()->close());
        QCOMPARE(Store().value("Settings/MainLeft").toString(), QStringLiteral("3000"));
        QVERIFY(!Store().contains("Settings/MainWidth"));
    }

    void yesThenCancelLeavesNoDeck()
    {
        ProgramFixture f;
        f.dialogs.ExpectOpen(QStringLiteral("Open"), QString());
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(!DeckWindow::instance()->isLoaded());
        QCOMPARE(int(program::state.deckState), 0);
        QVERIFY(program::state.deck[0].isEmpty());
        // File Open from the menu asks again.
        f.dialogs.ExpectQuestion(kOpenQuestion, false);
        MainWindow::instance()->openAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(int(program::state.deckState), 1);
    }

    void openingADeckFile()
    {
        ProgramFixture f;
        DeckFileContents contents;
        for (int i = 0; i < kCardCount; ++i)
            contents.keys[i] = CardKey(kCardCount - 1 - i);
        contents.keys[5] = QStringLiteral("Nonsense ");
        contents.styleName = QStringLiteral("Tradl ");
        contents.reversed[4] = 1;
        contents.gypsie = 1;
        const QString path = f.PathOf("saved.dek");
        WriteFile(path, DeckFileBytes(contents));
        f.dialogs.ExpectOpen(QStringLiteral("Open"), path);
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(program::state.deck == contents.keys);
        QCOMPARE(program::state.fileSlots[5], QStringLiteral("Nonsense "));
        QCOMPARE(program::state.cardsOut[77], kNoCard);
        QCOMPARE(int(program::state.reversed[4]), 1);
        QCOMPARE(int(program::state.gypsieDeck), 1);
        QCOMPARE(int(program::state.deckStyle), 1);
        QCOMPARE(program::state.deckStyleName, QStringLiteral("Tradl "));
        QCOMPARE(int(program::state.deckState), 2);
        QCOMPARE(int(program::state.cardReturn), 1);
        QCOMPARE(program::state.deckFileName, path);
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(QDir::currentPath(), QDir(f.Folder()).canonicalPath());
    }

    void styleWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("complains");
        QTest::newRow("Thoth") << "Thoth " << 0 << false;
        QTest::newRow("Traditional") << "Tradl " << 1 << false;
        QTest::newRow("other letter case") << "thoth " << 1 << true;
        QTest::newRow("no trailing blank") << "Thoth" << 1 << true;
    }
    void styleWord()
    {
        QFETCH(QString, word);
        QFETCH(int, style);
        QFETCH(bool, complains);
        ProgramFixture f;
        ProgramState state;
        InitDeck(state);
        DeckFileContents contents;
        contents.keys = state.deck;
        contents.styleName = word;
        const QString path = f.PathOf("style.dek");
        WriteFile(path, DeckFileBytes(contents));
        f.Start(true);
        program::state.deckStyle = DeckStyle::Traditional; // the style in force before the file is opened
        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Close the Deck without saving? "), true);
        QVERIFY(DeckWindow::instance()->unload());
        f.dialogs.ExpectQuestion(kOpenQuestion, true).ExpectOpen(QStringLiteral("Open"), path);
        if (complains)
            f.dialogs.ExpectMessage(kBadDeck);
        MainWindow::instance()->openDeck();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(int(program::state.deckStyle), style);
        QCOMPARE(program::state.deckStyleName, word);
        QCOMPARE(int(program::state.deckState), 2);
    }

    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("not a deck file") << QByteArray("hello\r\n") << true;
        QTest::newRow("cut short") << QByteArray("\"The Fool \",\"The Magus \"") << true;
        QTest::newRow("number too large")
            << QByteArray("\"a\",").repeated(79) + "70000," + QByteArray("0,").repeated(78) << true;
        QTest::newRow("larger than the read limit") << "\"" + QByteArray(2 * kDeckFileReadLimit, 'k') + "\","
                + QByteArray("\"a\",").repeated(78)
                + QByteArray("0,").repeated(79) << true;
    }
    void unreadableFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        ProgramFixture f;
        const QString path = f.PathOf("broken.dek");
        if (exists)
            WriteFile(path, bytes);
        f.dialogs.ExpectOpen(QStringLiteral("Open"), path).ExpectMessage(kBadDeck);
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(!DeckWindow::instance()->isLoaded());
        QCOMPARE(int(program::state.deckState), 0);
        QVERIFY(program::state.deckFileName.isEmpty());
        QVERIFY(program::state.deck[0].isEmpty());

        // Over an open deck: the deck and its state stay exactly as they were.
        f.dialogs.ExpectQuestion(kOpenQuestion, false);
        MainWindow::instance()->openDeck();
        program::state.deck[0] = QStringLiteral("marker ");
        const ProgramState before = program::state;
        DeckWindow::instance()->hideWindow();
        f.dialogs.ExpectQuestion(kOpenQuestion, true).ExpectOpen(QStringLiteral("Open"), path).ExpectMessage(kBadDeck);
        MainWindow::instance()->openDeck();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(program::state.deck == before.deck);
        QCOMPARE(program::state.deckState, before.deckState);
        QCOMPARE(program::state.deckFileName, before.deckFileName);
    }

    void endlessDeviceChosenInOpen()
    {
        // A device that never ends is read only as far as a deck file could reach.
        if (!QFileInfo::exists(QStringLiteral("/dev/zero")))
            QSKIP("no endless device on this system");
        ProgramFixture f;
        f.dialogs.ExpectOpen(QStringLiteral("Open"), QStringLiteral("/dev/zero")).ExpectMessage(kBadDeck);
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(!DeckWindow::instance()->isLoaded());
        QCOMPARE(int(program::state.deckState), 0);
    }

    void namedPipeIsRefusedWithoutWaiting()
    {
        ProgramFixture f;
        const QString pipe = f.PathOf("pipe.dek");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        f.dialogs.ExpectOpen(QStringLiteral("Open"), pipe).ExpectMessage(kBadDeck);
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(!DeckWindow::instance()->isLoaded());
    }

    // The deck file chosen may be a link: one to an ordinary file is read through, as any
    // other deck file; a link to anything else is refused as the thing itself would be.
    void deckFileReachedThroughALink_data()
    {
        QTest::addColumn<QString>("linkTarget"); // as the link holds it
        QTest::addColumn<bool>("opens");
        QTest::newRow("to a deck file") << "real.dek" << true;
        QTest::newRow("to a link to a deck file") << "middle.dek" << true;
        QTest::newRow("to a deck file in another folder") << "sub/other.dek" << true;
        QTest::newRow("to nowhere") << "gone.dek" << false;
        QTest::newRow("to a folder") << "sub" << false;
        QTest::newRow("to a pipe") << "pipe" << false;
        QTest::newRow("to itself") << "link.dek" << false;
    }
    void deckFileReachedThroughALink()
    {
        QFETCH(QString, linkTarget);
        QFETCH(bool, opens);
        ProgramFixture f;
        DeckFileContents contents;
        for (int i = 0; i < kCardCount; ++i)
            contents.keys[i] = CardKey(kCardCount - 1 - i);
        contents.styleName = QStringLiteral("Tradl ");
        QVERIFY(QDir(f.Folder()).mkdir(QStringLiteral("sub")));
        WriteFile(f.PathOf("real.dek"), DeckFileBytes(contents));
        WriteFile(f.PathOf("sub/other.dek"), DeckFileBytes(contents));
        QCOMPARE(::mkfifo(QFile::encodeName(f.PathOf("pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("real.dek"), f.PathOf("middle.dek")));
        const QString link = f.PathOf("link.dek");
        QVERIFY(QFile::link(linkTarget, link));

        f.dialogs.ExpectOpen(QStringLiteral("Open"), link);
        if (!opens)
            f.dialogs.ExpectMessage(kBadDeck);
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(DeckWindow::instance()->isLoaded(), opens);
        QCOMPARE(int(program::state.deckState), opens ? 2 : 0);
        if (opens) {
            QVERIFY(program::state.deck == contents.keys);
            QCOMPARE(int(program::state.deckStyle), 1);
            QCOMPARE(program::state.deckFileName, link); // the name the user chose
        }
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void fileOpenDoesNothingWhileAChildIsShown()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->openAction->trigger(); // the deck window is shown: no question
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(f.dialogs.Shown().size() == 1);
        // A hidden window does not count.
        DeckWindow::instance()->hideWindow();
        f.dialogs.ExpectQuestion(kOpenQuestion, false);
        MainWindow::instance()->openAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
