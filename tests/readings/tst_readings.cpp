// The two readings run from the Readings menu: the layout windows, each card dealt into its
// place with its meaning, the closing draw, and the reading state through all of it.
#include "app/captions.h"
#include "app/ui/mainwindow.h"
#include "deck/decksize.h"
#include "platform/ui/buttons.h"
#include "platform/ui/picturelabel.h"
#include "readinghelpers.h"
#include "readings/readingtexts.h"
#include "readings/slots.h"
#include "readings/ui/celticcrosswindow.h"
#include "readings/ui/fivecardwindow.h"
#include "readings/ui/pickcardwindow.h"

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>

using namespace readingtest;

namespace {

const QString kPickFirstText = QStringLiteral("You have to use the Pick Card function to choose a quarant");
const QString kCutRefusedText = QStringLiteral("The reading has begun.  You can't cut the cards now");

// Opens the Five Card reading from the menu.
void OpenFiveCard(ProgramFixture &f)
{
    f.dialogs.ExpectMessage(kFiveCardIntroText);
    MainWindow::instance()->fiveCardAction->trigger();
}

// Opens the Celtic Cross from the menu and skips the querent.
void OpenCelticWithoutQuerent(ProgramFixture &f)
{
    f.dialogs.ExpectMessage(kAskForQuerentText);
    MainWindow::instance()->celticCrossAction->trigger();
    f.dialogs.ExpectMessage(kQuerentSkippedText);
    PickCardWindow::instance()->exitButton->click();
}

void VerifyWindowAt(CardWindow *window, const Slot &slot)
{
    QVERIFY(window);
    QVERIFY(window->isShown());
    QCOMPARE(window->heightTwips(), float(slot.height));
    QCOMPARE(window->widthTwips(), float(slot.width));
    QCOMPARE(window->topTwips(), float(slot.top));
    QCOMPARE(window->leftTwips(), float(slot.left));
}

} // namespace

class tst_readings : public QObject
{
    Q_OBJECT

private slots:
    void fiveCardReadingRunsToItsEnd()
    {
        ProgramFixture f;
        f.Start();
        const QList<int> cards { 5, 60, 0, 77, 21, 30, 40 };
        Stack(cards);
        OpenFiveCard(f);
        FiveCardWindow *layout = FiveCardWindow::instance();
        QVERIFY(layout->isShown());
        QCOMPARE(layout->caption(), kFiveCardCaption);
        QCOMPARE(layout->leftTwips(), 3500.0f);
        QCOMPARE(layout->topTwips(), 380.0f);
        QCOMPARE(layout->innerWidthTwips(), 8400.0f);
        QCOMPARE(layout->innerHeightTwips(), 5865.0f);
        QCOMPARE(program::state.reading, Reading::FiveCard);
        QCOMPARE(program::state.readingBegun, false);

        const int lefts[kFiveCardPlaces] = { 3823, 5600, 7258, 8900, 10500 };
        for (int place = 1; place <= kFiveCardPlaces; ++place) {
            f.dialogs.ExpectMessage(kFiveCardPlaceTexts[place - 1]);
            Draw();
            const int n = cards[place - 1];
            VerifyWindowAt(WindowOf(n), Slot { 1850, 1092, 3312, lefts[place - 1] });
            QVERIFY(WindowOf(n) != DefaultCardWindow(n));
            QCOMPARE(program::state.cardsOut[n], CardKey(n));
            QCOMPARE(program::state.fiveCardDraws, std::int16_t(place));
            QCOMPARE(program::state.readingBegun, true);
        }
        VERIFY_DIALOGS(f.dialogs);

        // The sixth draw ends the reading and still deals its card, full size in the corner.
        f.dialogs.ExpectMessage(kFiveCardPlaceTexts[kFiveCardPlaces]);
        Draw();
        VerifyWindowAt(WindowOf(cards[5]), kClosingSlot);
        QCOMPARE(program::state.reading, Reading::NoReading);
        QCOMPARE(program::state.readingBegun, false);
        QCOMPARE(program::state.fiveCardDraws, std::int16_t(0));
        QVERIFY(layout->isShown());

        // The next click is a free draw: no message, the card where card windows open.
        program::state.nextCardLeft = 300;
        program::state.nextCardTop = 200;
        Draw();
        CardWindow *free = WindowOf(cards[6]);
        QVERIFY(free);
        QCOMPARE(free->leftTwips(), 300.0f);
        QCOMPARE(free->topTwips(), 200.0f);
        QCOMPARE(free->innerWidthTwips(), CardDataOf(cards[6]).clientWidth);
        VERIFY_DIALOGS(f.dialogs);
    }

    // The querent is picked by position or by name, or skipped; then ten places and the
    // closing draw.
    void celticCrossRunsToItsEnd_data()
    {
        QTest::addColumn<QString>("querent");
        QTest::newRow("skipped") << "skip";
        QTest::newRow("picked by position") << "position";
        QTest::newRow("picked by name") << "name";
    }
    void celticCrossRunsToItsEnd()
    {
        QFETCH(QString, querent);
        ProgramFixture f;
        f.Start();
        const int querentCard = 45;
        const QList<int> cards { querentCard, 3, 10, 22, 50, 61, 70, 1, 12, 17, 33, 0 };
        Stack(cards);

        f.dialogs.ExpectMessage(kAskForQuerentText);
        MainWindow::instance()->celticCrossAction->trigger();
        CelticCrossWindow *layout = CelticCrossWindow::instance();
        PickCardWindow *pick = PickCardWindow::instance();
        QVERIFY(layout->isShown());
        QCOMPARE(layout->caption(), kCelticCaption);
        QCOMPARE(layout->leftTwips(), 5900.0f);
        QCOMPARE(layout->topTwips(), 100.0f);
        QCOMPARE(layout->innerWidthTwips(), 5505.0f);
        QCOMPARE(layout->innerHeightTwips(), 6870.0f);
        QCOMPARE(program::state.reading, Reading::CelticAwaitingQuerent);
        QVERIFY(pick->isShown());
        QCOMPARE(pick->caption(), kPickCardCaption);
        VERIFY_DIALOGS(f.dialogs);

        int firstDealt = 0;
        if (querent == QLatin1String("skip")) {
            f.dialogs.ExpectMessage(kQuerentSkippedText);
            pick->exitButton->click();
        } else {
            f.dialogs.ExpectMessage(kQuerentPickedText);
            if (querent == QLatin1String("position")) {
                emit pick->positionBox->activated(0);
            } else {
                pick->cardList->setCurrentRow(querentCard);
                pick->pickNamedCard();
            }
            // The querent lies where the first card will cover it.
            CardWindow *window = WindowOf(querentCard);
            QCOMPARE(window, DefaultCardWindow(querentCard));
            VerifyWindowAt(window, Slot { 1850, 1092, 3535, 7735 });
            QCOMPARE(program::state.cardsOut[querentCard], CardKey(querentCard));
            QCOMPARE(WindowsOf(querentCard).size(), 1);
            firstDealt = 1;
        }
        QVERIFY(!pick->isShown());
        QCOMPARE(program::state.reading, Reading::CelticCross);
        QCOMPARE(program::state.readingBegun, false);
        VERIFY_DIALOGS(f.dialogs);

        const LayoutFrame frame { 5900, 100, 5505, 6870 };
        for (int place = 1; place <= kCelticPlaces; ++place) {
            f.dialogs.ExpectMessage(kCelticPlaceTexts[place - 1]);
            Draw();
            VerifyWindowAt(WindowOf(cards[firstDealt + place - 1]), CelticSlot(place, frame));
            QCOMPARE(program::state.celticDraws, std::int16_t(place));
            QCOMPARE(program::state.readingBegun, true);
            QCOMPARE(program::state.reading, Reading::CelticCross);
        }
        VERIFY_DIALOGS(f.dialogs);

        f.dialogs.ExpectMessage(kCelticPlaceTexts[kCelticPlaces]);
        Draw();
        VerifyWindowAt(WindowOf(cards[firstDealt + kCelticPlaces]), kClosingSlot);
        QCOMPARE(program::state.reading, Reading::NoReading);
        QCOMPARE(program::state.readingBegun, false);
        QCOMPARE(program::state.celticDraws, std::int16_t(0));
        VERIFY_DIALOGS(f.dialogs);
    }

    // Actions: C Celtic Cross command, F Five Card command, K Pick A Card command, E "Exit
    // Form", P pick the top card by position, D a click on the deck, X the open reading
    // window's "EXIT", W the open reading window closed by its close box.
    void readingState_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QList<int>>("after"); // reading, readingBegun, celticDraws, fiveCardDraws, dealingCrossingCard
        QTest::newRow("nothing") << "" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("Five Card opened") << "F" << QList<int> { 1, 0, 0, 0, 0 };
        QTest::newRow("Five Card first draw") << "FD" << QList<int> { 1, 1, 0, 1, 0 };
        QTest::newRow("Five Card closing draw") << "FDDDDDD" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("free draw after Five Card") << "FDDDDDDD" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("Five Card EXIT") << "FDDX" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("Five Card closed") << "FDDW" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("Five Card again") << "FDDF" << QList<int> { 1, 0, 0, 0, 0 };
        QTest::newRow("Celtic asks for the querent") << "C" << QList<int> { 5, 0, 0, 0, 0 };
        QTest::newRow("draw refused during querent step") << "CD" << QList<int> { 5, 0, 0, 0, 0 };
        QTest::newRow("Pick A Card during querent step") << "CK" << QList<int> { 5, 0, 0, 0, 0 };
        QTest::newRow("querent skipped") << "CE" << QList<int> { 2, 0, 0, 0, 0 };
        QTest::newRow("querent picked") << "CP" << QList<int> { 2, 0, 0, 0, 0 };
        QTest::newRow("first place") << "CED" << QList<int> { 2, 1, 1, 0, 0 };
        QTest::newRow("crossing card") << "CEDD" << QList<int> { 2, 1, 2, 0, 1 };
        QTest::newRow("third place uncrosses") << "CEDDD" << QList<int> { 2, 1, 3, 0, 0 };
        QTest::newRow("EXIT after the crossing card") << "CEDDX" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("closed after the crossing card") << "CEDDW" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("EXIT during querent step") << "CX" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("Celtic closing draw") << "CEDDDDDDDDDDD" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("Five Card ends a Celtic Cross") << "CEDDF" << QList<int> { 1, 0, 0, 0, 0 };
        QTest::newRow("Celtic Cross again") << "CEDDC" << QList<int> { 5, 0, 0, 0, 0 };
        QTest::newRow("Exit Form outside a reading") << "KE" << QList<int> { 0, 0, 0, 0, 0 };
        QTest::newRow("pick outside a reading") << "KP" << QList<int> { 0, 0, 0, 0, 0 };
    }
    void readingState()
    {
        QFETCH(QString, actions);
        QFETCH(QList<int>, after);
        ProgramFixture f;
        f.Start();
        AcceptingDialogs any;
        platform::SetDialogs(&any);
        platform::ChildWindow *readingWindow = nullptr;
        for (const QChar action : actions) {
            switch (action.toLatin1()) {
            case 'C':
                MainWindow::instance()->celticCrossAction->trigger();
                readingWindow = CelticCrossWindow::instance();
                break;
            case 'F':
                MainWindow::instance()->fiveCardAction->trigger();
                readingWindow = FiveCardWindow::instance();
                break;
            case 'K':
                MainWindow::instance()->pickCardAction->trigger();
                break;
            case 'E':
                PickCardWindow::instance()->exitButton->click();
                break;
            case 'P':
                emit PickCardWindow::instance()->positionBox->activated(0);
                break;
            case 'D':
                Draw();
                break;
            case 'X':
                qobject_cast<ReadingLayoutWindow *>(readingWindow)->exitButton->click();
                break;
            case 'W':
                readingWindow->subWindow()->close();
                break;
            }
            FlushDeletes();
        }
        platform::SetDialogs(&f.dialogs);
        const QList<int> state { int(program::state.reading), int(program::state.readingBegun),
            program::state.celticDraws, program::state.fiveCardDraws, int(program::state.dealingCrossingCard) };
        QCOMPARE(state, after);
    }

    // Pick A Card is refused while a reading deals its cards, and shown otherwise.
    void pickACardCommand_data()
    {
        QTest::addColumn<int>("readingState");
        QTest::addColumn<bool>("refused");
        QTest::newRow("no reading") << 0 << false;
        QTest::newRow("Five Card reading") << 1 << true;
        QTest::newRow("Celtic Cross under way") << 2 << true;
        QTest::newRow("querent step") << 5 << false;
    }
    void pickACardCommand()
    {
        QFETCH(int, readingState);
        QFETCH(bool, refused);
        ProgramFixture f;
        f.Start();
        program::state.reading = static_cast<Reading>(readingState);
        if (refused)
            f.dialogs.ExpectMessage(kPickRefusedText);
        // Loading the window hidden fills its position list, which tells that the querent is chosen.
        if (readingState == 2)
            f.dialogs.ExpectMessage(kQuerentChosenText);
        MainWindow::instance()->pickCardAction->trigger();
        PickCardWindow *pick = PickCardWindow::instance();
        QVERIFY(pick->isLoaded());
        QCOMPARE(pick->isShown(), !refused);
        QCOMPARE(pick->leftTwips(), 0.0f);
        QCOMPARE(pick->topTwips(), 3800.0f);
        QCOMPARE(pick->positionBox->count(), 78);
        VERIFY_DIALOGS(f.dialogs);
    }

    // Cutting is refused from the first card dealt in a reading until the reading is over;
    // the querent step and the time before the first card still allow it.
    void cuttingDuringAReading_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Five Card before its first card") << "F" << false;
        QTest::newRow("Five Card after its first card") << "FD" << true;
        QTest::newRow("Five Card after EXIT") << "FDX" << false;
        QTest::newRow("Celtic querent step") << "C" << false;
        QTest::newRow("Celtic after its first card") << "CED" << true;
        QTest::newRow("after the Celtic closing draw") << "CEDDDDDDDDDDD" << false;
    }
    void cuttingDuringAReading()
    {
        QFETCH(QString, actions);
        QFETCH(bool, refused);
        ProgramFixture f;
        f.Start();
        AcceptingDialogs any;
        platform::SetDialogs(&any);
        for (const QChar action : actions) {
            switch (action.toLatin1()) {
            case 'C':
                MainWindow::instance()->celticCrossAction->trigger();
                break;
            case 'F':
                MainWindow::instance()->fiveCardAction->trigger();
                break;
            case 'E':
                PickCardWindow::instance()->exitButton->click();
                break;
            case 'D':
                Draw();
                break;
            case 'X':
                FiveCardWindow::instance()->exitButton->click();
                break;
            }
        }
        any.shown.clear();
        MainWindow::instance()->cutCardsAction->trigger();
        platform::SetDialogs(&f.dialogs);
        QCOMPARE(any.shown, refused ? QStringList { kCutRefusedText } : QStringList());
        QCOMPARE(OpenCaptions().contains(QStringLiteral("Cut Cards")), !refused);
    }

    // While the querent is asked for, a click on the deck deals nothing; the deck window
    // still takes its step.
    void drawRefusedDuringQuerentStep()
    {
        ProgramFixture f;
        f.Start();
        f.dialogs.ExpectMessage(kAskForQuerentText);
        MainWindow::instance()->celticCrossAction->trigger();
        const CardKeys deck = program::state.deck;
        f.dialogs.ExpectMessage(kPickFirstText);
        Draw();
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(program::state.celticDraws, std::int16_t(0));
        QCOMPARE(OpenCaptions(), (QStringList { QLatin1String(kDeckCaption), kCelticCaption, kPickCardCaption }));
        VERIFY_DIALOGS(f.dialogs);
    }

    // An empty deck deals nothing during a reading: no message, the place does not advance.
    void emptyDeckDuringReading()
    {
        ProgramFixture f;
        f.Start();
        OpenFiveCard(f);
        program::state.deck.fill(kNoCard);
        Draw();
        QCOMPARE(program::state.fiveCardDraws, std::int16_t(0));
        QCOMPARE(program::state.readingBegun, true);
        QVERIFY(!DeckWindow::instance()->isShown());
        VERIFY_DIALOGS(f.dialogs);
    }

    // The crossing card is turned a quarter whatever its own turn; the cards after it follow
    // the usual rule again.
    void crossingCardPicture()
    {
        ProgramFixture f;
        f.Start();
        program::state.gypsieDeck = 1;
        Stack({ 0, 1, 3 });
        program::state.reversed[1] = 1;
        program::state.reversed[3] = 1;
        OpenCelticWithoutQuerent(f);
        f.dialogs.ExpectMessage(kCelticPlaceTexts[0]).ExpectMessage(kCelticPlaceTexts[1]);
        Draw();
        Draw();
        CardWindow *crossing = WindowOf(1);
        QCOMPARE(crossing->heightTwips(), 1430.0f);
        QCOMPARE(crossing->widthTwips(), 1650.0f);
        QCOMPARE(program::state.pictureSuffix, QStringLiteral("5"));
        QVERIFY(CacheFileExists(QStringLiteral("maguscardbg5")));
        QVERIFY(!CacheFileExists(QStringLiteral("maguscardbg6")));
        QCOMPARE(crossing->picture()->heightTwips(), crossing->innerHeightTwips());
        QCOMPARE(crossing->picture()->widthTwips(), crossing->innerWidthTwips());

        f.dialogs.ExpectMessage(kCelticPlaceTexts[2]);
        Draw();
        QCOMPARE(program::state.dealingCrossingCard, false);
        QCOMPARE(program::state.pictureSuffix, QStringLiteral("6"));
        QVERIFY(CacheFileExists(QStringLiteral("empressbg6")));
        VERIFY_DIALOGS(f.dialogs);
    }

    // A Celtic Cross given up right after its crossing card leaves nothing behind: the next
    // reading shows a reversed card upside down under "Gypsie Deck".
    void abandonedCrossingDoesNotReachTheNextReading_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("EXIT") << true;
        QTest::newRow("closed") << false;
    }
    void abandonedCrossingDoesNotReachTheNextReading()
    {
        QFETCH(bool, byExit);
        ProgramFixture f;
        f.Start();
        AcceptingDialogs any;
        platform::SetDialogs(&any);
        program::state.gypsieDeck = 1;
        MainWindow::instance()->celticCrossAction->trigger();
        PickCardWindow::instance()->exitButton->click();
        Draw();
        Draw();
        QCOMPARE(program::state.dealingCrossingCard, true);
        if (byExit)
            CelticCrossWindow::instance()->exitButton->click();
        else
            CelticCrossWindow::instance()->subWindow()->close();
        FlushDeletes();
        QCOMPARE(program::state.dealingCrossingCard, false);

        MainWindow::instance()->fiveCardAction->trigger();
        const int n = CardNumberOfKey(program::state.deck[0]);
        program::state.reversed[n] = 1;
        Draw();
        platform::SetDialogs(&f.dialogs);
        QCOMPARE(program::state.pictureSuffix, QStringLiteral("6"));
    }

    // The style cards write their Thoth picture and, in the Traditional style, their
    // Traditional one, which is shown.
    void styleCardInAReading_data()
    {
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<bool>("traditionalWritten");
        QTest::newRow("Thoth") << 0 << false;
        QTest::newRow("Traditional") << 1 << true;
    }
    void styleCardInAReading()
    {
        QFETCH(int, deckStyle);
        QFETCH(bool, traditionalWritten);
        ProgramFixture f;
        f.Start();
        program::state.deckStyle = static_cast<DeckStyle>(deckStyle);
        PutOnTop(17);
        OpenFiveCard(f);
        f.dialogs.ExpectMessage(kFiveCardPlaceTexts[0]);
        Draw();
        QVERIFY(CacheFileExists(QStringLiteral("starbg")));
        QCOMPARE(CacheFileExists(QStringLiteral("TraditionalStarCardbg")), traditionalWritten);
        QCOMPARE(DeckWindow::instance()->dealtPicture,
            traditionalWritten ? QStringLiteral("TraditionalStarCardbg") : QStringLiteral("Starcardbg"));
        QVERIFY(WindowOf(17)->picture()->hasPicture());
        VERIFY_DIALOGS(f.dialogs);
    }

    // A layout window moved far out still places its cards where it is.
    void movedLayoutWindowTakesItsPlacesAlong()
    {
        ProgramFixture f;
        f.Start();
        OpenCelticWithoutQuerent(f);
        f.dialogs.ExpectMessage(kCelticPlaceTexts[0]).ExpectMessage(kCelticPlaceTexts[1]);
        Draw();
        CelticCrossWindow::instance()->moveTwips(40000, 30000);
        const int n = CardNumberOfKey(program::state.deck[0]);
        Draw();
        VerifyWindowAt(WindowOf(n), CelticSlot(2, LayoutFrame { 40000, 30000, 5505, 6870 }));
        QVERIFY(WindowOf(n)->leftTwips() > 32767.0f);
        VERIFY_DIALOGS(f.dialogs);
    }

    // Every dealt or picked card comes back to the bottom of the deck in the order its window
    // was opened; the deck window goes to the corner.
    void readingCommandGivesEveryCardBack()
    {
        ProgramFixture f;
        f.Start();
        Stack({ 10, 20, 30, 40, 50 });
        Draw();
        Draw();
        Draw();
        MainWindow::instance()->pickCardAction->trigger();
        emit PickCardWindow::instance()->positionBox->activated(1); // position 2: card 50
        QCOMPARE(program::state.cardsOut[50], CardKey(50));
        DeckWindow::instance()->moveTwips(4000, 3000);
        const int inDeck = FirstFreePosition(program::state.deck);
        QCOMPARE(inDeck, 74);

        OpenFiveCard(f);
        QCOMPARE(DeckWindow::instance()->leftTwips(), 0.0f);
        QCOMPARE(DeckWindow::instance()->topTwips(), 0.0f);
        QCOMPARE(program::state.deck[74], CardKey(10));
        QCOMPARE(program::state.deck[75], CardKey(20));
        QCOMPARE(program::state.deck[76], CardKey(30));
        QCOMPARE(program::state.deck[77], CardKey(50));
        for (int n : { 10, 20, 30, 50 })
            QCOMPARE(program::state.cardsOut[n], kNoCard);
        QCOMPARE(OpenCaptions(), (QStringList { QLatin1String(kDeckCaption), kFiveCardCaption }));
        VERIFY_DIALOGS(f.dialogs);
    }

    // With only the deck window open the command only moves it; a hidden one stays hidden.
    void hiddenDeckWindowStaysHidden()
    {
        ProgramFixture f;
        f.Start();
        DeckWindow::instance()->moveTwips(1500, 900);
        DeckWindow::instance()->hideWindow();
        MainWindow::instance()->clearForReading();
        QVERIFY(DeckWindow::instance()->isLoaded());
        QVERIFY(!DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->leftTwips(), 0.0f);
        QCOMPARE(DeckWindow::instance()->topTwips(), 0.0f);
        QCOMPARE(OpenCaptions(), QStringList { QLatin1String(kDeckCaption) });
    }

    // A click on the layout picture brings the visible windows in front of it; hidden ones
    // stay hidden.
    void layoutPictureClickBringsCardsToFront()
    {
        ProgramFixture f;
        f.Start();
        OpenCelticWithoutQuerent(f);
        f.dialogs.ExpectMessage(kCelticPlaceTexts[0]);
        Draw();
        CelticCrossWindow *layout = CelticCrossWindow::instance();
        platform::Workspace()->setActiveSubWindow(layout->subWindow());
        layout->bringOthersToFront();
        const QList<platform::ChildWindow *> open = platform::OpenWindows();
        QCOMPARE(platform::Workspace()->activeSubWindow(), open.last()->subWindow());
        QVERIFY(open.last() != layout);
        QVERIFY(!PickCardWindow::instance()->isShown());
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_readings)
#include "tst_readings.moc"
