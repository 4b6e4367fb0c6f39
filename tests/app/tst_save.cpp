#include "app/cardtable.h"
#include "app/deckfile.h"
#include "app/programend.h"
#include "app/programstate.h"
#include "app/savedeck.h"
#include "app/ui/mainwindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/dialogs.h"
#include "support/fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

const QString kSaveQuestion = QStringLiteral(" Do you want to Save the deck?");
const QString kCloseDeckQuestion = QStringLiteral("     Close Deck?");
const QString kUnsavedQuestion = QStringLiteral(" Do you want to Close the Deck without saving? ");
const QString kExitQuestion = QStringLiteral(" Do you want to Save the deck before closing?");

// Deals the top card with a click on the deck picture; returns its card number.
int DealTopCard()
{
    const int card = CardNumberOfKey(program::state.deck[0]);
    DeckWindow::instance()->drawTopCard();
    return card;
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The deck file as it must be, spelled out field by field.
QByteArray ExpectedFile(const QStringList &keys, const QString &style, const QList<int> &flags, int gypsie)
{
    QByteArray bytes;
    for (const QString &key : keys)
        bytes += "\"" + key.toLatin1() + "\",";
    bytes += "\"" + style.toLatin1() + "\"\r\n";
    for (int flag : flags)
        bytes += QByteArray::number(flag) + ",";
    bytes += QByteArray::number(gypsie) + "\r\n";
    return bytes;
}

QStringList NewThothKeys()
{
    QStringList keys;
    for (int n = 0; n < kCardCount; ++n)
        keys << CardKey(n);
    keys.swapItemsAt(kStrength, kJustice);
    return keys;
}

QStringList Keys(const CardKeys &keys)
{
    return QStringList(keys.begin(), keys.end());
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The deck file of a new Thoth deck.
QByteArray NewThothDeckFile()
{
    DeckFileContents contents;
    const QStringList keys = NewThothKeys();
    std::copy(keys.begin(), keys.end(), contents.keys.begin());
    contents.styleName = QStringLiteral("Thoth ");
    return DeckFileBytes(contents);
}

// Writes a new Thoth deck to `path` and starts the program by opening it.
void StartFromFile(ProgramFixture &f, const QString &path)
{
    QVERIFY(WriteFile(path, NewThothDeckFile()));
    f.dialogs.ExpectOpen(QStringLiteral("Open"), path);
    f.Start(false);
    QCOMPARE(int(program::state.deckState), 2);
}

// Queues the boxes of a command from short tokens: "save?Y", "closedeck?N", "unsaved?Y" for
// the questions, "Close=file" / "Save As=cancel" for the file dialogs.
void Script(ScriptedDialogs &dialogs, const QStringList &tokens, const QString &file)
{
    for (const QString &token : tokens) {
        if (token.contains(QLatin1Char('?'))) {
            const bool yes = token.endsWith(QLatin1Char('Y'));
            const QString which = token.section(QLatin1Char('?'), 0, 0);
            const QString text = which == QLatin1String("save") ? kSaveQuestion
                : which == QLatin1String("closedeck")           ? kCloseDeckQuestion
                : which == QLatin1String("unsaved")             ? kUnsavedQuestion
                                                                : kExitQuestion;
            dialogs.ExpectQuestion(text, yes);
        } else {
            const QString title = token.section(QLatin1Char('='), 0, 0);
            const bool chosen = token.section(QLatin1Char('='), 1) == QLatin1String("file");
            dialogs.ExpectSave(title, chosen ? file : QString());
        }
    }
}

// Gives File Save, Save As or Close (answering Yes to its save question), with `path` as
// the file chosen in the dialog.
void GiveSaveCommand(ScriptedDialogs &dialogs, const QString &command, const QString &path)
{
    if (command == QLatin1String("Save")) {
        MainWindow::instance()->saveAction->trigger();
    } else if (command == QLatin1String("Save As")) {
        dialogs.ExpectSave(QStringLiteral("Save As"), path);
        MainWindow::instance()->saveAsAction->trigger();
    } else {
        Script(dialogs, { "save?Y", "Close=file" }, path);
        MainWindow::instance()->closeAction->trigger();
    }
}

// The one message of a failed save, naming the file and why it could not be written.
void VerifySaveFailedMessage(ScriptedDialogs &dialogs, const QString &path)
{
    const QStringList problems = dialogs.Problems();
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems[0].startsWith(QStringLiteral("unexpected message: \"The deck could not be saved")),
        qPrintable(problems[0]));
    QVERIFY2(problems[0].contains(QDir::toNativeSeparators(path)), qPrintable(problems[0]));
    const QString reason = problems[0].section(QStringLiteral("\n\n"), 1, 1);
    QVERIFY2(!reason.trimmed().isEmpty(), qPrintable(problems[0]));
    dialogs.Clear();
}

// The open windows in their order, each with its caption and place.
QStringList WindowPlaces()
{
    QStringList places;
    for (platform::ChildWindow *window : platform::OpenWindows())
        places << window->caption()
                + QString::asprintf(" at %g,%g", double(window->leftTwips()), double(window->topTwips()));
    return places;
}

// Replaces the program's ending for one test and records that it was asked for.
struct EndRecorder
{
    EndRecorder()
    {
        SetEndProgram([this](int code) { codes << code; });
    }
    ~EndRecorder() { SetEndProgram({}); }
    QList<int> codes;
};

bool PositionStored()
{
    QSettings store(QStringLiteral("Kestov"), QStringLiteral("Kestov"));
    return store.contains(QStringLiteral("Settings/MainLeft"));
}

} // namespace

class tst_save : public QObject
{
    Q_OBJECT

private slots:
    // The program's own Save dialog, as the user fills it in: a bare name gets the deck files'
    // extension, so that Open lists the file; an extension of the user's own stays as typed.
    void saveDialogGivesTheDeckExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("bare name") << "mydeck"
                                   << "mydeck.dek";
        QTest::newRow("deck extension") << "mydeck.dek"
                                        << "mydeck.dek";
        QTest::newRow("an extension of the user's own") << "mydeck.txt"
                                                        << "mydeck.txt";
    }
    void saveDialogGivesTheDeckExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        platform::Dialogs &dialogs = platform::dialogs(); // the real ones: no fixture installed others
        dialogs.setFileName(folder.path() + QLatin1Char('/'));
        QString title;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                answer.stop();
                title = dialog->windowTitle();
                auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (!edit) {
                    dialog->reject(); // the comparison below fails
                    return;
                }
                QTest::keyClicks(edit, typed);
                QTest::keyClick(edit, Qt::Key_Return);
            }
        });
        answer.start(10);
        const QString chosen = dialogs.saveFileName(QStringLiteral("Save As"));
        dialogs.setFileName(QString());
        QCOMPARE(title, QStringLiteral("Save As"));
        QCOMPARE(chosen, QDir(folder.path()).filePath(saved));
    }

    void slotsForSave_data()
    {
        QTest::addColumn<QList<int>>("deck");
        QTest::addColumn<QList<int>>("out");
        QTest::addColumn<QList<int>>("fileSlots");

        QList<int> all;
        for (int n = 0; n < kCardCount; ++n)
            all << n;
        QTest::newRow("full deck in its own order")
            << all.mid(40) + all.mid(0, 40) << QList<int>() << all.mid(40) + all.mid(0, 40);
        // Dealt in the order 5, 0, 60: the file lists them by card number.
        QList<int> rest = all;
        rest.removeOne(5);
        rest.removeOne(0);
        rest.removeOne(60);
        QTest::newRow("three out, by card number") << rest << QList<int> { 60, 0, 5 } << rest + QList<int> { 0, 5, 60 };
        QTest::newRow("every card out") << QList<int>() << all << all;
        // A key both in the deck and out (a damaged deck file) finds no free slot the second time.
        QTest::newRow("overflow is dropped") << all << QList<int> { 3 } << all;
        QTest::newRow("partial deck leaves blanks")
            << QList<int> { 7, 2 } << QList<int> { 1 } << QList<int> { 7, 2, 1 };
    }
    void slotsForSave()
    {
        QFETCH(QList<int>, deck);
        QFETCH(QList<int>, out);
        QFETCH(QList<int>, fileSlots);
        CardKeys deckKeys;
        deckKeys.fill(kNoCard);
        for (int i = 0; i < deck.size(); ++i)
            deckKeys[i] = CardKey(deck[i]);
        CardKeys cardsOut;
        cardsOut.fill(kNoCard);
        for (int n : out)
            cardsOut[n] = CardKey(n);
        CardKeys expected;
        expected.fill(kNoCard);
        for (int i = 0; i < fileSlots.size(); ++i)
            expected[i] = CardKey(fileSlots[i]);
        QCOMPARE(Keys(SlotsForSave(deckKeys, cardsOut)), Keys(expected));
    }

    void saveAsWritesTheFileExactly_data()
    {
        QTest::addColumn<int>("dealt");
        QTest::newRow("new deck") << 0;
        QTest::newRow("three cards dealt") << 3;
    }
    void saveAsWritesTheFileExactly()
    {
        QFETCH(int, dealt);
        ProgramFixture f;
        f.Start(true);
        QVERIFY(program::state.deckStyleName.isEmpty()); // no style chosen yet: written as Thoth
        QStringList keys = NewThothKeys();
        if (dealt) {
            // Dealt as High Priestess, The Magus, The Fool: written back by card number.
            std::swap(program::state.deck[0], program::state.deck[2]);
            for (int i = 0; i < dealt; ++i)
                DealTopCard();
            keys = keys.mid(dealt) + QStringList { CardKey(0), CardKey(1), CardKey(2) };
            QCOMPARE(keys.first(), QStringLiteral("The Empress "));
        }
        const CardKeys outBefore = program::state.cardsOut;

        const QString path = f.PathOf("deck.dek");
        f.dialogs.ExpectSave(QStringLiteral("Save As"), path);
        MainWindow::instance()->saveAsAction->trigger();
        VERIFY_DIALOGS(f.dialogs);

        QCOMPARE(ReadFile(path), ExpectedFile(keys, QStringLiteral("Thoth "), QList<int>(kCardCount, 0), 0));
        QCOMPARE(int(program::state.deckState), 2);
        QCOMPARE(program::state.deckStyleName, QStringLiteral("Thoth "));
        QCOMPARE(program::state.deckFileName, path);
        // The dealt cards stay out, in their open windows.
        QVERIFY(program::state.cardsOut == outBefore);
        for (int n = 0; n < dealt; ++n)
            QVERIFY(platform::FindWindowByCaption(CardTitle(n)));
    }

    void deckStateTransitions_data()
    {
        QTest::addColumn<QString>("start"); // new deck, opened from a file, saved through Close, or none
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("deckState");
        QTest::addColumn<int>("deckClosed");
        QTest::addColumn<QString>("written"); // the file that exists afterwards, if any
        QTest::addColumn<bool>("deckWindow");

        QTest::newRow("Save, new deck: as Close")
            << "new"
            << "Save" << QStringList { "save?Y", "Close=file", "closedeck?N" } << 0 << 0 << "deck.dek" << true;
        QTest::newRow("Save, opened deck: no dialog") << "file"
                                                      << "Save" << QStringList() << 2 << 0 << "opened.dek" << true;
        QTest::newRow("Save, after a save through Close") << "saved"
                                                          << "Save" << QStringList() << 0 << 0 << "" << true;
        QTest::newRow("Save As, chosen") << "new"
                                         << "Save As" << QStringList { "Save As=file" } << 2 << 0 << "deck.dek" << true;
        QTest::newRow("Save As, cancelled, new deck")
            << "new"
            << "Save As" << QStringList { "Save As=cancel" } << 1 << 0 << "" << true;
        QTest::newRow("Save As, cancelled, opened deck")
            << "file"
            << "Save As" << QStringList { "Save As=cancel" } << 2 << 0 << "" << true;
        QTest::newRow("Save As, after a save through Close")
            << "saved"
            << "Save As" << QStringList { "Save As=file" } << 2 << 0 << "deck.dek" << true;
        QTest::newRow("Close, saved, deck kept")
            << "file"
            << "Close" << QStringList { "save?Y", "Close=file", "closedeck?N" } << 0 << 0 << "deck.dek" << true;
        QTest::newRow("Close, not saved, deck kept")
            << "new"
            << "Close" << QStringList { "save?N", "closedeck?N" } << 1 << 0 << "" << true;
        QTest::newRow("Close, dialog cancelled: stops before Close Deck")
            << "new"
            << "Close" << QStringList { "save?Y", "Close=cancel" } << 1 << 0 << "" << true;
        QTest::newRow("Close, deck closed through its own Yes")
            << "file"
            << "Close" << QStringList { "save?N", "closedeck?Y", "unsaved?Y" } << 0 << 1 << "" << false;
        QTest::newRow("Close, deck window refuses")
            << "new"
            << "Close" << QStringList { "save?N", "closedeck?Y", "unsaved?N" } << 1 << 1 << "" << true;
        QTest::newRow("Close, saved and closed")
            << "new"
            << "Close" << QStringList { "save?Y", "Close=file", "closedeck?Y", "unsaved?Y" } << 0 << 1 << "deck.dek"
            << false;
        QTest::newRow("Close, nothing to save: only Close Deck")
            << "saved"
            << "Close" << QStringList { "closedeck?N" } << 0 << 0 << "" << true;
        QTest::newRow("Close, no deck window: Close Deck changes nothing")
            << "none"
            << "Close" << QStringList { "closedeck?Y" } << 0 << 0 << "" << false;
    }
    void deckStateTransitions()
    {
        QFETCH(QString, start);
        QFETCH(QString, command);
        QFETCH(QStringList, script);
        QFETCH(int, deckState);
        QFETCH(int, deckClosed);
        QFETCH(QString, written);
        QFETCH(bool, deckWindow);

        ProgramFixture f;
        if (start == QLatin1String("file")) {
            StartFromFile(f, f.PathOf("opened.dek"));
            QVERIFY(QFile::remove(f.PathOf("opened.dek"))); // read; a save makes it again
        } else if (start == QLatin1String("none")) {
            f.dialogs.ExpectOpen(QStringLiteral("Open"), QString()); // no deck at all
            f.Start(false);
        } else {
            f.Start(true);
        }
        if (start == QLatin1String("saved")) {
            Script(f.dialogs, { "save?Y", "Close=file", "closedeck?N" }, f.PathOf("first.dek"));
            MainWindow::instance()->closeDeck();
            QCOMPARE(int(program::state.deckState), 0);
        }

        Script(f.dialogs, script, f.PathOf("deck.dek"));
        QAction *action = command == QLatin1String("Save") ? MainWindow::instance()->saveAction
            : command == QLatin1String("Save As")          ? MainWindow::instance()->saveAsAction
                                                           : MainWindow::instance()->closeAction;
        action->trigger();
        VERIFY_DIALOGS(f.dialogs);

        QCOMPARE(int(program::state.deckState), deckState);
        QCOMPARE(int(program::state.deckClosed), deckClosed);
        for (const QString &name : { QStringLiteral("deck.dek"), QStringLiteral("opened.dek") })
            QCOMPARE(QFile::exists(f.PathOf(name)), name == written);
        QCOMPARE(DeckWindow::instance()->isLoaded(), deckWindow);
    }

    // Before any deck was built or read (the Open dialog cancelled at the start), Save As has
    // nothing to save: no dialog comes, and no file is replaced or made.
    void saveAsWithNoDeckWritesNothing_data()
    {
        QTest::addColumn<QString>("chosen"); // the answer the Save As dialog would give
        QTest::newRow("over an existing deck file") << "old.dek";
        QTest::newRow("under a new name") << "new.dek";
    }
    void saveAsWithNoDeckWritesNothing()
    {
        QFETCH(QString, chosen);
        ProgramFixture f;
        QVERIFY(WriteFile(f.PathOf("old.dek"), NewThothDeckFile()));
        f.dialogs.ExpectOpen(QStringLiteral("Open"), QString());
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        const int boxesBefore = f.dialogs.Shown().size();
        const QStringList entriesBefore = QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        f.dialogs.ExpectSave(QStringLiteral("Save As"), f.PathOf(chosen));
        MainWindow::instance()->saveAsAction->trigger();
        QCOMPARE(f.dialogs.Shown().mid(boxesBefore), QStringList());
        f.dialogs.Clear(); // the dialog queued above was rightly never shown

        QCOMPARE(ReadFile(f.PathOf("old.dek")), NewThothDeckFile());
        QCOMPARE(QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
        QCOMPARE(int(program::state.deckState), 0);
        QVERIFY(program::state.deckFileName.isEmpty());
        QVERIFY(!DeckWindow::instance()->isLoaded());
    }

    // The deck writer never replaces a file with a deck that holds no card, whichever command
    // asks for it: it fails as any save does, and the file keeps its bytes.
    void deckOfNoCardIsNotWritten_data()
    {
        QTest::addColumn<QString>("blank"); // what the slots hold where there is no card
        QTest::addColumn<int>("card"); // a card in the first slot, -1 for none
        QTest::newRow("every slot empty") << QString() << -1;
        QTest::newRow("every slot No Card") << kNoCard << -1;
        QTest::newRow("one card, the rest No Card: written") << kNoCard << 5;
    }
    void deckOfNoCardIsNotWritten()
    {
        QFETCH(QString, blank);
        QFETCH(int, card);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.dek"));
        const QByteArray oldBytes = "an earlier deck\r\n";
        QVERIFY(WriteFile(path, oldBytes));
        ProgramState state;
        state.deckState = DeckState::FromFile;
        state.deckFileName = path;
        state.fileSlots.fill(blank);
        if (card >= 0)
            state.fileSlots[0] = CardKey(card);

        QString error;
        const bool written = WriteDeckFile(state, &error);
        QCOMPARE(written, card >= 0);
        if (written) {
            QVERIFY(ReadFile(path).startsWith("\"" + CardKey(card).toLatin1() + "\",\"No Card \","));
            return;
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadFile(path), oldBytes);
        QCOMPARE(int(state.deckState), 2);
        QVERIFY(state.deckStyleName.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { "deck.dek" });
    }

    void closeDeckIsNotAskedOnceAsked()
    {
        ProgramFixture f;
        f.Start(true);
        Script(f.dialogs, { "save?N", "closedeck?Y", "unsaved?N" }, QString());
        MainWindow::instance()->closeDeck();
        Script(f.dialogs, { "save?N" }, QString());
        MainWindow::instance()->closeDeck();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(program::state.deckClosed, true);
    }

    void fileCloseBringsEveryCardBackBeforeItAsks()
    {
        ProgramFixture f;
        f.Start(true);
        // Dealt 2, 1, 0: their windows close in that order and the cards go to the bottom so.
        std::swap(program::state.deck[0], program::state.deck[2]);
        DealTopCard();
        MainWindow::instance()->showProperties(); // a window that is not a card's closes as well
        DealTopCard();
        DealTopCard();
        QCOMPARE(platform::OpenWindows().size(), 5);
        const QString path = f.PathOf("closed.dek");
        CardKeys whenAsked;
        f.dialogs.ExpectQuestion(kSaveQuestion, true).During([&] { whenAsked = program::state.deck; });
        f.dialogs.ExpectSave(QStringLiteral("Close"), path).ExpectQuestion(kCloseDeckQuestion, false);
        MainWindow::instance()->closeAction->trigger();
        VERIFY_DIALOGS(f.dialogs);

        QStringList expected = Keys(program::state.deck);
        QCOMPARE(Keys(whenAsked), expected);
        QCOMPARE(expected.mid(75), QStringList({ CardKey(2), CardKey(1), CardKey(0) }));
        QCOMPARE(platform::OpenWindows().size(), 1);
        QCOMPARE(platform::OpenWindows().first(), DeckWindow::instance());
        QVERIFY(std::all_of(program::state.cardsOut.begin(), program::state.cardsOut.end(),
            [](const QString &k) { return k == kNoCard; }));
        QVERIFY(program::state.fileSlots == program::state.deck);
        QVERIFY(ReadFile(path).startsWith(ExpectedFile(expected, QStringLiteral("Thoth "), {}, 0).split('\n')[0]));
    }

    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("command"); // File Save starts from a deck opened from `target`
        QTest::newRow("missing folder, Save As") << "missing/deck.dek"
                                                 << "Save As";
        QTest::newRow("a folder of that name, Save As") << "adir"
                                                        << "Save As";
        QTest::newRow("parent is a file, Save As") << "old.dek/deck.dek"
                                                   << "Save As";
        QTest::newRow("folder gone, Save") << "sub/opened.dek"
                                           << "Save";
        // The deck stays open, and Close Deck is not asked: the user can try another file.
        QTest::newRow("missing folder, Close") << "missing/deck.dek"
                                               << "Close";
        // A link is written through only to an ordinary file.
        QTest::newRow("link to nowhere, Save As") << "nowhere.dek"
                                                  << "Save As";
        QTest::newRow("link to a folder, Close") << "dirlink.dek"
                                                 << "Close";
    }
    void failedSaveKeepsEverything()
    {
        QFETCH(QString, target);
        QFETCH(QString, command);
        ProgramFixture f;
        QVERIFY(QDir(f.Folder()).mkdir(QStringLiteral("adir")));
        QVERIFY(QDir(f.Folder()).mkdir(QStringLiteral("sub")));
        const QByteArray oldBytes = "an earlier deck\r\n";
        QVERIFY(WriteFile(f.PathOf("old.dek"), oldBytes));
        QVERIFY(QFile::link(QStringLiteral("gone.dek"), f.PathOf("nowhere.dek")));
        QVERIFY(QFile::link(QStringLiteral("adir"), f.PathOf("dirlink.dek")));
        const QString path = f.PathOf(target);
        if (command == QLatin1String("Save")) {
            StartFromFile(f, path);
            // The folder the deck came from is gone when the deck is saved again.
            QVERIFY(QDir(f.PathOf("sub")).removeRecursively());
        } else {
            f.Start(true);
        }
        const int stateBefore = int(program::state.deckState);
        const int card = command == QLatin1String("Close") ? -1 : DealTopCard();
        const QStringList entriesBefore = QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        GiveSaveCommand(f.dialogs, command, path);
        VerifySaveFailedMessage(f.dialogs, path);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(int(program::state.deckState), stateBefore);
        if (card >= 0)
            QCOMPARE(program::state.cardsOut[card], CardKey(card));
        QVERIFY(DeckWindow::instance()->isLoaded());
        QVERIFY(!QFile::exists(path) || QFileInfo(path).isDir());
        QCOMPARE(ReadFile(f.PathOf("old.dek")), oldBytes);
        QVERIFY(QDir(f.PathOf("adir")).isEmpty());
        // The attempt left nothing behind.
        QCOMPARE(QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
    }

    // A write that fails after it started (a full disk) takes the failed-save path too, and
    // the deck file it was to replace keeps every byte.
    void writeFailingMidwayKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("throughLink"); // saved to a link to the file the deck came from
        QTest::newRow("Save") << "Save" << false;
        QTest::newRow("Save As") << "Save As" << false;
        QTest::newRow("Close") << "Close" << false;
        QTest::newRow("Save through a link") << "Save" << true;
        QTest::newRow("Close through a link") << "Close" << true;
    }
    void writeFailingMidwayKeepsTheOldFile()
    {
        QFETCH(QString, command);
        QFETCH(bool, throughLink);
        ProgramFixture f;
        QString path = f.PathOf("deck.dek");
        StartFromFile(f, path);
        if (throughLink) {
            QVERIFY(QFile::link(QStringLiteral("deck.dek"), f.PathOf("link.dek")));
            path = f.PathOf("link.dek");
            platform::dialogs().setFileName(path);
        }
        const QByteArray oldBytes = ReadFile(path);
        const int card = DealTopCard();
        const int stateBefore = int(program::state.deckState);
        const QStringList entriesBefore = QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        platform::test::FailNextWrite();
        GiveSaveCommand(f.dialogs, command, path);
        VerifySaveFailedMessage(f.dialogs, path);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(int(program::state.deckState), stateBefore);
        // File Close brings the cards back before it asks.
        QCOMPARE(program::state.cardsOut[card], command == QLatin1String("Close") ? QString(kNoCard) : CardKey(card));
        QVERIFY(DeckWindow::instance()->isLoaded());
        QCOMPARE(ReadFile(path), oldBytes);
        QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
        QCOMPARE(QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
    }

    // A deck file reached through a link is saved into the file the link leads to, by every
    // command; the link stays a link to it.
    void savedThroughALink_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("linkTarget"); // as the link holds it
        QTest::newRow("Save") << "Save"
                              << "real.dek";
        QTest::newRow("Save As") << "Save As"
                                 << "real.dek";
        QTest::newRow("Close") << "Close"
                               << "real.dek";
        QTest::newRow("Save As, through two links") << "Save As"
                                                    << "middle.dek";
        QTest::newRow("Save As, a link into another folder") << "Save As"
                                                             << "sub/real.dek";
    }
    void savedThroughALink()
    {
        QFETCH(QString, command);
        QFETCH(QString, linkTarget);
        ProgramFixture f;
        QVERIFY(QDir(f.Folder()).mkdir(QStringLiteral("sub")));
        const QString real = f.PathOf(linkTarget == QLatin1String("sub/real.dek") ? "sub/real.dek" : "real.dek");
        const QString link = f.PathOf("link.dek");
        QVERIFY(QFile::link(QStringLiteral("real.dek"), f.PathOf("middle.dek")));
        QVERIFY(QFile::link(linkTarget, link));
        StartFromFile(f, real);
        platform::dialogs().setFileName(link); // File Save saves to the name last chosen
        const QByteArray oldBytes = ReadFile(real);
        const int card = DealTopCard();

        if (command == QLatin1String("Close")) {
            Script(f.dialogs, { "save?Y", "Close=file", "closedeck?N" }, link);
            MainWindow::instance()->closeAction->trigger();
        } else {
            GiveSaveCommand(f.dialogs, command, link);
        }
        VERIFY_DIALOGS(f.dialogs);
        DeckFileContents written;
        written.keys = program::state.fileSlots;
        written.styleName = program::state.deckStyleName;
        written.reversed = program::state.reversed;
        written.gypsie = program::state.gypsieDeck;
        QCOMPARE(ReadFile(real), DeckFileBytes(written));
        QVERIFY(ReadFile(real) != oldBytes);
        QCOMPARE(written.keys.back(), CardKey(card)); // the deck as it is now, the dealt card last
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(f.PathOf(linkTarget)).absoluteFilePath());
        QCOMPARE(QFileInfo(link).canonicalFilePath(), QFileInfo(real).canonicalFilePath());
        QVERIFY(QFileInfo(f.PathOf("middle.dek")).isSymLink());
    }

    void fileExitEndsAtOnce_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing to save: no question") << "saved" << QStringList() << false;
        QTest::newRow("new deck, No") << "new" << QStringList { "exit?N" } << false;
        QTest::newRow("opened deck, Yes, saved") << "file" << QStringList { "exit?Y", "Save As=file" } << true;
    }
    void fileExitEndsAtOnce()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, script);
        QFETCH(bool, written);
        ProgramFixture f;
        EndRecorder end;
        if (start == QLatin1String("file")) {
            StartFromFile(f, f.PathOf("opened.dek"));
        } else {
            f.Start(true);
        }
        if (start == QLatin1String("saved")) {
            Script(f.dialogs, { "save?Y", "Close=file", "closedeck?N" }, f.PathOf("first.dek"));
            MainWindow::instance()->closeDeck();
        }
        const int card = DealTopCard();
        const CardKeys deck = program::state.deck;

        Script(f.dialogs, script, f.PathOf("deck.dek"));
        MainWindow::instance()->exitAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(end.codes, QList<int> { 0 });
        QCOMPARE(QFile::exists(f.PathOf("deck.dek")), written);

        // Nothing was given back and the position was not stored, also when the window closes now.
        QVERIFY(MainWindow::instance()->close());
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(program::state.cardsOut[card], CardKey(card));
        QVERIFY(program::state.deck == deck);
        QVERIFY(platform::FindWindowByCaption(CardTitle(card)));
        QVERIFY(!PositionStored());
    }

    // Yes asks for the deck to be kept: when it was not written, the program goes on with the
    // deck, its cards out and its windows as they were, and Exit can be given again.
    void fileExitGoesOnWhenTheDeckWasNotSaved_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("target"); // the name chosen in Save As, "" for a cancel
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("new deck, Save As cancelled") << "new"
                                                     << "" << false;
        QTest::newRow("opened deck, Save As cancelled") << "file"
                                                        << "" << false;
        QTest::newRow("new deck, folder missing") << "new"
                                                  << "missing/deck.dek" << false;
        QTest::newRow("opened deck, a folder of that name") << "file"
                                                            << "adir" << false;
        QTest::newRow("opened deck, disk full over its own file") << "file"
                                                                  << "opened.dek" << true;
    }
    void fileExitGoesOnWhenTheDeckWasNotSaved()
    {
        QFETCH(QString, start);
        QFETCH(QString, target);
        QFETCH(bool, diskFull);
        ProgramFixture f;
        EndRecorder end;
        QVERIFY(QDir(f.Folder()).mkdir(QStringLiteral("adir")));
        if (start == QLatin1String("file"))
            StartFromFile(f, f.PathOf("opened.dek"));
        else
            f.Start(true);
        const QByteArray opened = ReadFile(f.PathOf("opened.dek"));
        const int card = DealTopCard();
        DeckWindow::instance()->setLeftTwips(1500);
        const ProgramState before = program::state;
        const QStringList windowsBefore = WindowPlaces();
        const QStringList entriesBefore = QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        Script(f.dialogs, { "exit?Y", target.isEmpty() ? "Save As=cancel" : "Save As=file" }, f.PathOf(target));
        if (diskFull)
            platform::test::FailNextWrite();
        MainWindow::instance()->exitAction->trigger();
        if (!target.isEmpty())
            VerifySaveFailedMessage(f.dialogs, f.PathOf(target));
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(end.codes, QList<int> {});

        QCOMPARE(int(program::state.deckState), int(before.deckState));
        QVERIFY(program::state.deck == before.deck);
        QVERIFY(program::state.cardsOut == before.cardsOut);
        QCOMPARE(program::state.cardsOut[card], CardKey(card));
        QCOMPARE(WindowPlaces(), windowsBefore);
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(ReadFile(f.PathOf("opened.dek")), opened);
        QCOMPARE(QDir(f.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);

        // The program still runs: Exit again, now answered No, ends it.
        Script(f.dialogs, { "exit?N" }, QString());
        MainWindow::instance()->exitAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(end.codes, QList<int> { 0 });
    }

    // The real question box: Escape and its close button are no answer. The box stays, nothing
    // has ended, and only Yes or No goes on.
    void escapeAtTheExitQuestionIsNoAnswer()
    {
        ProgramFixture f;
        EndRecorder end;
        f.Start(true);
        const int card = DealTopCard();
        platform::SetDialogs(nullptr); // the real dialogs from here on
        QString title;
        QString text;
        bool stayedAfterEscape = false;
        bool stayedAfterClose = false;
        QList<int> codesWhileAsked { -1 };
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            answer.stop();
            title = box->windowTitle();
            text = box->text();
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == box ? focus : box, Qt::Key_Escape);
            stayedAfterEscape = box->isVisible();
            box->close();
            stayedAfterClose = box->isVisible();
            codesWhileAsked = end.codes;
            if (QAbstractButton *no = box->button(QMessageBox::No))
                no->click();
            else
                box->done(QMessageBox::No);
        });
        answer.start(10);
        MainWindow::instance()->exitAction->trigger();
        platform::SetDialogs(&f.dialogs);
        QCOMPARE(title, platform::kQuestionTitle);
        QCOMPARE(text, kExitQuestion);
        QVERIFY(stayedAfterEscape);
        QVERIFY(stayedAfterClose);
        QCOMPARE(codesWhileAsked, QList<int> {});
        // No, the answer given, ends the program as ever, the card still out.
        QCOMPARE(end.codes, QList<int> { 0 });
        QCOMPARE(program::state.cardsOut[card], CardKey(card));
    }

    void fileReadsBackThroughFileOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Save As") << "Save As";
        QTest::newRow("Save") << "Save";
        QTest::newRow("Close") << "Close";
    }
    void fileReadsBackThroughFileOpen()
    {
        QFETCH(QString, command);
        ProgramFixture f;
        const QString path = f.PathOf("round.dek");
        StartFromFile(f, path);
        // A deck that differs from a new one in every field the file holds.
        std::reverse(program::state.deck.begin(), program::state.deck.end());
        program::state.deckStyle = DeckStyle::Traditional;
        program::state.deckStyleName = QStringLiteral("Tradl ");
        program::state.gypsieDeck = 1;
        program::state.reversed[0] = 1;
        program::state.reversed[40] = 1;
        program::state.reversed[77] = 1;
        const int dealt = DealTopCard();
        QCOMPARE(dealt, 77);

        CardKeys expected;
        if (command == QLatin1String("Save As")) {
            f.dialogs.ExpectSave(QStringLiteral("Save As"), path);
            MainWindow::instance()->saveAs();
            expected = SlotsForSave(program::state.deck, program::state.cardsOut);
        } else if (command == QLatin1String("Save")) {
            MainWindow::instance()->save();
            expected = SlotsForSave(program::state.deck, program::state.cardsOut);
        } else {
            Script(f.dialogs, { "save?Y", "Close=file", "closedeck?N" }, path);
            MainWindow::instance()->closeDeck();
            expected = program::state.deck;
        }
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(Keys(expected).last(), CardKey(77)); // the dealt card, last either way
        const CardFlags reversed = program::state.reversed;

        // A fresh start that opens the file.
        f.TearDown();
        program::state = ProgramState {};
        f.dialogs.ExpectOpen(QStringLiteral("Open"), path);
        f.Start(false);
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(Keys(program::state.deck), Keys(expected));
        QVERIFY(program::state.reversed == reversed);
        QCOMPARE(program::state.deckStyleName, QStringLiteral("Tradl "));
        QCOMPARE(int(program::state.deckStyle), 1);
        QCOMPARE(int(program::state.gypsieDeck), 1);
    }
};

QTEST_MAIN(tst_save)
#include "tst_save.moc"
