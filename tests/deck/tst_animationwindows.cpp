#include "app/cardtable.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "deck/ui/cutcardswindow.h"
#include "deck/ui/cutoncewindow.h"
#include "deck/ui/cuttwicewindow.h"
#include "deck/ui/deckwindow.h"
#include "deck/ui/shufflewindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/timers.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/fixture.h"
#include "support/scriptedrandom.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QMimeData>
#include <QMovie>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

enum class Command { Shuffle, CutOnce, CutTwice };

float OneTo(int value, int m)
{
    return (value - 0.5f) / m;
}
float Below(int value, int m)
{
    return (value + 0.5f) / m;
}

// Timers run at interval 0 in tests: they fire as soon as events are processed.
void RunTimers()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

template <class T> T *OpenWindow(const QString &caption)
{
    return qobject_cast<T *>(platform::FindWindowByCaption(caption));
}

int OpenCount(const QString &caption)
{
    int count = 0;
    for (platform::ChildWindow *window : platform::OpenWindows())
        count += window->caption() == caption;
    return count;
}

void KeepCards(int count)
{
    for (int i = count; i < kCardCount; ++i)
        program::state.deck[i] = kNoCard;
    if (count == 0)
        DeckWindow::instance()->hideWindow();
}

void Give(Command command)
{
    switch (command) {
    case Command::Shuffle:
        MainWindow::instance()->shuffleAction->trigger();
        break;
    case Command::CutOnce:
    case Command::CutTwice: {
        MainWindow::instance()->cutCardsAction->trigger();
        CutCardsWindow *chooser = OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards"));
        QVERIFY(chooser);
        (command == Command::CutOnce ? chooser->cutOnceButton : chooser->cutTwiceButton)->click();
        break;
    }
    }
}

QString CaptionOf(Command command)
{
    switch (command) {
    case Command::Shuffle:
        return QStringLiteral("Shuffle");
    case Command::CutOnce:
        return QStringLiteral("Cut Cards Once ");
    case Command::CutTwice:
        return QStringLiteral("Cut Cards Twice");
    }
    return QString();
}

// A two-frame animated GIF of one pixel that asks to loop for ever.
QByteArray TwoFrameGif()
{
    return QByteArray::fromHex("474946383961"
                               "01000100"
                               "800000"
                               "000000ffffff" // header, two colours
                               "21ff0b4e45545343415045322e300301000000" // loop for ever
                               "21f9040005000000"
                               "2c000000000100010000"
                               "0202440100" // black pixel
                               "21f9040005000000"
                               "2c000000000100010000"
                               "02024c0100" // white pixel
                               "3b");
}

} // namespace

Q_DECLARE_METATYPE(Command)

class tst_animationwindows : public QObject
{
    Q_OBJECT

private slots:
    void shuffleShufflesAndShowsItsAnimation()
    {
        ProgramFixture f;
        f.Start(true);
        const CardKeys before = program::state.deck;
        ScriptedRandom random;
        // One turn (card 5); bottom part of 36; clumps of one, bottom side first.
        random.Push({ Below(0, 3), Below(5, 77), OneTo(1, 2), OneTo(3, 3), OneTo(1, 15), OneTo(1, 5), OneTo(2, 2) });
        MainWindow::instance()->shuffleAction->trigger();
        VERIFY_DIALOGS(f.dialogs);

        QCOMPARE(program::state.deck[0], before[42]);
        QCOMPARE(program::state.deck[1], before[0]);
        QCOMPARE(program::state.reversed[5], std::int16_t(1));
        QCOMPARE(random.reseeds, 3);
        QCOMPARE(random.Remaining(), 0);
        QCOMPARE(random.overruns, 0);

        ShuffleWindow *window = OpenWindow<ShuffleWindow>(QStringLiteral("Shuffle"));
        QVERIFY(window);
        QVERIFY(window->isShown());
        QVERIFY(!DeckWindow::instance()->isShown());
        QCOMPARE(window->leftTwips(), 2700.0f);
        QCOMPARE(window->topTwips(), 2000.0f);
        QCOMPARE(window->innerWidthTwips(), 6525.0f);
        QCOMPARE(window->innerHeightTwips(), 4620.0f);
        QCOMPARE(window->animation->widthTwips(), 6525.0f);
        QCOMPARE(window->animation->heightTwips(), 4620.0f);
        QCOMPARE(window->stillPicture->widthTwips(), 6525.0f);
        QCOMPARE(window->stillPicture->heightTwips(), 4620.0f);
        QCOMPARE(window->closeTimer->interval(), 0);

        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Shuffle")));
        QVERIFY(DeckWindow::instance()->isShown());
    }

    void cutWindowsCutAndShowTheirAnimations_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<float>("clientWidth");
        QTest::addColumn<float>("clientHeight");
        QTest::addColumn<int>("draws");
        QTest::addColumn<QList<int>>("expected"); // the new deck by old positions: from, to, from, to ...
        QTest::newRow("once") << Command::CutOnce << 6915.0f << 4665.0f << 2 << QList<int> { 42, 77, 0, 41 };
        QTest::newRow("twice") << Command::CutTwice << 6600.0f << 4950.0f << 0 << QList<int> { 53, 77, 25, 52, 0, 24 };
    }
    void cutWindowsCutAndShowTheirAnimations()
    {
        QFETCH(Command, command);
        QFETCH(float, clientWidth);
        QFETCH(float, clientHeight);
        QFETCH(int, draws);
        QFETCH(QList<int>, expected);
        ProgramFixture f;
        f.Start(true);
        const CardKeys before = program::state.deck;
        ScriptedRandom random;
        random.Push({ OneTo(1, 2), OneTo(3, 5) });

        MainWindow::instance()->cutCardsAction->trigger();
        CutCardsWindow *chooser = OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards"));
        QVERIFY(chooser);
        QVERIFY(chooser->isShown());
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(chooser->innerWidthTwips(), 2805.0f);
        QCOMPARE(chooser->innerHeightTwips(), 1575.0f);
        (command == Command::CutOnce ? chooser->cutOnceButton : chooser->cutTwiceButton)->click();
        VERIFY_DIALOGS(f.dialogs);

        int position = 0;
        for (int i = 0; i + 1 < expected.size(); i += 2) {
            for (int old = expected[i]; old <= expected[i + 1]; ++old)
                QCOMPARE(program::state.deck[position++], before[old]);
        }
        QCOMPARE(position, kCardCount);
        QCOMPARE(random.draws, draws);
        QCOMPARE(random.reseeds, 1);

        auto *window = qobject_cast<AnimationWindow *>(platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(window);
        QVERIFY(window->isShown());
        QCOMPARE(window->leftTwips(), 2700.0f);
        QCOMPARE(window->topTwips(), 2000.0f);
        QCOMPARE(window->innerWidthTwips(), clientWidth);
        QCOMPARE(window->innerHeightTwips(), clientHeight);
        QCOMPARE(window->stillPicture->widthTwips(), clientWidth);
        QCOMPARE(window->stillPicture->heightTwips(), clientHeight);
        QVERIFY(chooser->isLoaded());
        QVERIFY(!chooser->isShown());
        QVERIFY(!DeckWindow::instance()->isShown());

        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(DeckWindow::instance()->isShown());
        // The chooser stays loaded, hidden, until something closes it.
        QVERIFY(chooser->isLoaded());
        QVERIFY(!chooser->isShown());
    }

    void exitFormHidesTheChooser()
    {
        ProgramFixture f;
        f.Start(true);
        const CardKeys before = program::state.deck;
        MainWindow::instance()->cutCardsAction->trigger();
        CutCardsWindow *chooser = OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards"));
        QVERIFY(chooser);
        chooser->exitButton->click();
        QVERIFY(chooser->isLoaded());
        QVERIFY(!chooser->isShown());
        QVERIFY(DeckWindow::instance()->isShown());
        QVERIFY(program::state.deck == before);
        // The menu shows the same chooser again.
        MainWindow::instance()->cutCardsAction->trigger();
        QCOMPARE(OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards")), chooser);
        QVERIFY(chooser->isShown());
    }

    void refusedDuringAReading_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("shuffle") << Command::Shuffle << "The reading has begun.  No more shuffling";
        QTest::newRow("cut") << Command::CutOnce << "The reading has begun.  You can't cut the cards now";
    }
    void refusedDuringAReading()
    {
        QFETCH(Command, command);
        QFETCH(QString, message);
        ProgramFixture f;
        f.Start(true);
        program::state.readingBegun = true;
        const CardKeys deck = program::state.deck;
        const CardFlags reversed = program::state.reversed;
        ScriptedRandom random;
        f.dialogs.ExpectMessage(message);
        (command == Command::Shuffle ? MainWindow::instance()->shuffleAction : MainWindow::instance()->cutCardsAction)
            ->trigger();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(program::state.deck == deck);
        QVERIFY(program::state.reversed == reversed);
        QCOMPARE(platform::OpenWindows().size(), 1); // the deck window alone
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(random.reseeds + random.draws, 0);
    }

    void chooserOpenedBeforeTheReadingStillCuts()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->cutCardsAction->trigger();
        program::state.readingBegun = true;
        const CardKeys before = program::state.deck;
        OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards"))->cutTwiceButton->click();
        QCOMPARE(program::state.deck[0], before[53]);
    }

    // Messages shown while the command runs. The window's timer fires while the box is open;
    // the window closes only once the command has ended, and the deck window comes back
    // when it holds cards.
    void timerFiringWhileAMessageIsOpen_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("deckShown");
        QTest::newRow("shuffle, three cards")
            << Command::Shuffle << 3 << "Less than 5 cards probably won't shuffle" << true;
        QTest::newRow("shuffle, empty deck") << Command::Shuffle << 0 << "Can't shuffle no cards" << false;
        QTest::newRow("cut once, one card") << Command::CutOnce << 1 << "You can't cut one card" << true;
        QTest::newRow("cut twice, two cards")
            << Command::CutTwice << 2 << "You can't cut less than 3 cards twice." << true;
        QTest::newRow("cut twice, empty deck")
            << Command::CutTwice << 0 << "You can't cut less than 3 cards twice." << false;
    }
    void timerFiringWhileAMessageIsOpen()
    {
        QFETCH(Command, command);
        QFETCH(int, cards);
        QFETCH(QString, message);
        QFETCH(bool, deckShown);
        ProgramFixture f;
        f.Start(true);
        KeepCards(cards);
        const CardKeys deck = program::state.deck;
        const QString caption = CaptionOf(command);
        ScriptedRandom random;
        random.Push({ Below(0, 3), Below(30, 77) });
        bool openDuringBox = false;
        f.dialogs.ExpectMessage(message).During([&] {
            RunTimers();
            openDuringBox = platform::FindWindowByCaption(caption) != nullptr;
        });
        Give(command);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(openDuringBox);
        QVERIFY(program::state.deck == deck);
        // Only the shuffle of one to three cards turns a card; an empty deck turns none.
        QCOMPARE(program::state.reversed[30], std::int16_t(command == Command::Shuffle && cards > 0 ? 1 : 0));
        QVERIFY(!platform::FindWindowByCaption(caption));
        QCOMPARE(DeckWindow::instance()->isShown(), deckShown);
        if (auto *chooser = OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards")))
            QVERIFY(!chooser->isShown());
        RunTimers();
        QCOMPARE(DeckWindow::instance()->isShown(), deckShown);
    }

    void emptyDeckShuffleHidesTheWindowUntilItsTime()
    {
        ProgramFixture f;
        f.Start(true);
        KeepCards(0);
        ScriptedRandom random;
        f.dialogs.ExpectMessage(QStringLiteral("Can't shuffle no cards"));
        MainWindow::instance()->shuffleAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(random.draws, 0);
        ShuffleWindow *window = OpenWindow<ShuffleWindow>(QStringLiteral("Shuffle"));
        QVERIFY(window);
        QVERIFY(!window->isShown());
        QVERIFY(!DeckWindow::instance()->isShown());
        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Shuffle")));
        QVERIFY(!DeckWindow::instance()->isShown());
    }

    void emptyDeckCutOnceChangesNothingSilently()
    {
        ProgramFixture f;
        f.Start(true);
        KeepCards(0);
        ScriptedRandom random;
        Give(Command::CutOnce);
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(OpenWindow<CutOnceWindow>(QStringLiteral("Cut Cards Once ")));
        QVERIFY(std::all_of(
            program::state.deck.begin(), program::state.deck.end(), [](const QString &key) { return key == kNoCard; }));
        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Cut Cards Once ")));
        QVERIFY(!DeckWindow::instance()->isShown());
    }

    // Giving the command again while its window is open: the shuffle shuffles again, a cut
    // does not cut again; neither loads the window again nor restarts its timer.
    void secondCommandWhileTheWindowIsOpen_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("draws");
        QTest::newRow("shuffle") << Command::Shuffle << 14;
        QTest::newRow("cut once") << Command::CutOnce << 2;
        QTest::newRow("cut twice") << Command::CutTwice << 0;
    }
    void secondCommandWhileTheWindowIsOpen()
    {
        QFETCH(Command, command);
        QFETCH(int, draws);
        ProgramFixture f;
        f.Start(true);
        ScriptedRandom random;
        const QList<float> shuffle { Below(0, 3), Below(5, 77), OneTo(1, 2), OneTo(3, 3), OneTo(1, 15), OneTo(1, 5),
            OneTo(2, 2) };
        for (float r : shuffle)
            random.Push({ r });
        for (float r : shuffle)
            random.Push({ r });
        Give(command);
        auto *window = qobject_cast<AnimationWindow *>(platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(window);
        const int timer = window->closeTimer->timerId();
        QVERIFY(timer > 0);
        const CardKeys afterFirst = program::state.deck;
        const int reseedsAfterFirst = random.reseeds;

        Give(command);
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(platform::FindWindowByCaption(CaptionOf(command)), window);
        QCOMPARE(OpenCount(CaptionOf(command)), 1);
        QCOMPARE(window->closeTimer->timerId(), timer);
        QVERIFY(window->isShown());
        QVERIFY(!DeckWindow::instance()->isShown());
        QCOMPARE(random.draws, draws);
        if (command == Command::Shuffle)
            QVERIFY(program::state.deck != afterFirst);
        else
            QVERIFY(program::state.deck == afterFirst);
        QCOMPARE(random.reseeds, command == Command::Shuffle ? 2 * reseedsAfterFirst : reseedsAfterFirst);

        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(DeckWindow::instance()->isShown());
    }

    void cutOnceEndsEarly_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("click") << "click";
        QTest::newRow("drag over") << "drag";
        QTest::newRow("focus lost") << "focus";
    }
    void cutOnceEndsEarly()
    {
        QFETCH(QString, event);
        ProgramFixture f;
        f.Start(true);
        platform::SetTimerScale(1); // the timer does not end it in the test's time
        MainWindow::instance()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainWindow::instance()));
        ScriptedRandom random;
        random.Push({ OneTo(1, 2), OneTo(3, 5) });
        Give(Command::CutOnce);
        RunTimers();
        CutOnceWindow *window = OpenWindow<CutOnceWindow>(QStringLiteral("Cut Cards Once "));
        QVERIFY(window);
        QVERIFY(window->animation->hasFocus());
        QWidget elsewhere; // another program's window
        const CardKeys cut = program::state.deck;
        QPointer<AnimationLabel> control = window->animation;
        if (event == QLatin1String("click")) {
            QTest::mouseClick(control, Qt::LeftButton);
        } else if (event == QLatin1String("drag")) {
            QMimeData data;
            data.setText(QStringLiteral("x"));
            QDragEnterEvent drag(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(control, &drag);
        } else {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        }
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Cut Cards Once ")));
        QVERIFY(DeckWindow::instance()->isShown());
        // Further events and the timer find the window gone: nothing is cut or loaded again.
        if (control)
            window->endEarly();
        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Cut Cards Once ")));
        QVERIFY(program::state.deck == cut);
        QCOMPARE(random.draws, 2);
        QVERIFY(DeckWindow::instance()->isShown());
    }

    // Chosen with the mouse, as the user does: the chooser and the deck window go away, and the
    // animation plays until its timer ends it.
    void cutPlaysItsTimeWhenChosen_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("once") << Command::CutOnce;
        QTest::newRow("twice") << Command::CutTwice;
    }
    void cutPlaysItsTimeWhenChosen()
    {
        QFETCH(Command, command);
        ProgramFixture f;
        f.Start(true);
        platform::SetTimerScale(1); // its own four seconds, which the test never waits for
        ScriptedRandom random;
        random.Push({ OneTo(1, 2), OneTo(3, 5) });
        MainWindow::instance()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainWindow::instance()));
        MainWindow::instance()->cutCardsAction->trigger();
        CutCardsWindow *chooser = OpenWindow<CutCardsWindow>(QStringLiteral("Cut Cards"));
        QVERIFY(chooser);
        QTest::mouseClick(
            command == Command::CutOnce ? chooser->cutOnceButton : chooser->cutTwiceButton, Qt::LeftButton);
        RunTimers();
        auto *window = qobject_cast<AnimationWindow *>(platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(window);
        QVERIFY(window->isShown());
        QVERIFY(!chooser->isShown());
        QVERIFY(!DeckWindow::instance()->isShown());
        QVERIFY(window->closeTimer->isActive());

        window->closeTimer->setInterval(0); // its time is up
        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(DeckWindow::instance()->isShown());
    }

    void closingTheDeckClosesTheAnimationForGood()
    {
        ProgramFixture f;
        f.Start(true);
        ScriptedRandom random;
        random.Push({ Below(0, 3), Below(5, 77), OneTo(1, 2), OneTo(3, 3), OneTo(1, 15), OneTo(1, 5), OneTo(2, 2) });
        MainWindow::instance()->shuffleAction->trigger();
        QVERIFY(platform::FindWindowByCaption(QStringLiteral("Shuffle")));
        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Close the Deck without saving? "), true);
        QVERIFY(DeckWindow::instance()->unload(platform::UnloadReason::CloseBox));
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Shuffle")));
        RunTimers();
        // Its timer died with it: the closed deck window is not brought back.
        QVERIFY(!DeckWindow::instance()->isLoaded());
    }

    void animationPlaysOnceOverItsStillPicture()
    {
        ProgramFixture f;
        f.Start(true);
        ScriptedRandom random;
        random.Push({ Below(0, 3), Below(5, 77), OneTo(1, 2), OneTo(3, 3), OneTo(1, 15), OneTo(1, 5), OneTo(2, 2) });
        MainWindow::instance()->shuffleAction->trigger();
        ShuffleWindow *window = OpenWindow<ShuffleWindow>(QStringLiteral("Shuffle"));
        QVERIFY(window);
        QVERIFY(window->stillPicture->hasPicture());
        QVERIFY(window->animation->movie());
        QCOMPARE(window->animation->movie()->state(), QMovie::Running);
        QVERIFY(window->animation->playBytes(TwoFrameGif()));
        QMovie *movie = window->animation->movie();
        QCOMPARE(movie->frameCount(), 2);
        QCOMPARE(movie->state(), QMovie::Running);
        // The file asks to loop for ever; the control stops on the last frame.
        while (movie->currentFrameNumber() < movie->frameCount() - 1)
            QVERIFY(movie->jumpToNextFrame());
        QCOMPARE(movie->state(), QMovie::Paused);
        QCOMPARE(movie->currentFrameNumber(), 1);
        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(QStringLiteral("Shuffle")));
    }

    void damagedAnimationFileNeitherStopsNorBlocks_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("cacheName");
        QTest::addColumn<QString>("resourceName");
        QTest::newRow("shuffle") << Command::Shuffle << "shuffopt.gif"
                                 << "ShuffOPT.gif";
        QTest::newRow("cut once") << Command::CutOnce << "cutonce.gif"
                                  << "CutCardsOPT.gif";
        QTest::newRow("cut twice") << Command::CutTwice << "cttwice.gif"
                                   << "CtTwiceOPT.gif";
    }
    void damagedAnimationFileNeitherStopsNorBlocks()
    {
        QFETCH(Command, command);
        QFETCH(QString, cacheName);
        QFETCH(QString, resourceName);
        ProgramFixture f;
        f.Start(true);
        QVERIFY(platform::WriteFileWhole(platform::DataPath(cacheName), QByteArray("not a picture")));
        ScriptedRandom random;
        Give(command);
        auto *window = qobject_cast<AnimationWindow *>(platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(window);
        QVERIFY(window->isShown());
        // The embedded animation stands in for the damaged file when the program carries it.
        QCOMPARE(window->stillPicture->hasPicture(), platform::HasResource(resourceName));
        RunTimers();
        QVERIFY(!platform::FindWindowByCaption(CaptionOf(command)));
        QVERIFY(DeckWindow::instance()->isShown());
        // The damaged file is replaced by the embedded one.
        QFile file(platform::DataPath(cacheName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), platform::Resource(resourceName));
    }
};

QTEST_MAIN(tst_animationwindows)
#include "tst_animationwindows.moc"
