// Card windows driven as a user drives them: a click on the deck deals, a click on the
// picture opens the menu list, a click on an item runs it.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/carddata.h"
#include "cards/ui/cardwindow.h"
#include "cards/viewstates.h"
#include "deck/decksize.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>

namespace {

enum Item { kEnlarge, kShrink, kRotate, kMeaning, kReturnToDeck, kDoNothing };

// Moves card `n` to the top of the deck, the other cards keeping their order.
void PutOnTop(int n)
{
    const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(n));
    QVERIFY(it != program::state.deck.end());
    std::rotate(program::state.deck.begin(), it, it + 1);
}

void ClickDeck()
{
    QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
}

QList<CardWindow *> WindowsOf(int n)
{
    QList<CardWindow *> windows;
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        if (window->caption() == CardTitle(n))
            windows << qobject_cast<CardWindow *>(window);
    }
    return windows;
}

// The pointer crossing the menu list, as on the way to an item.
void MoveOverList(CardWindow *window, const QPoint &at = QPoint(5, 5))
{
    QMouseEvent move(QEvent::MouseMove, at, window->cardMenu->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QCoreApplication::sendEvent(window->cardMenu->viewport(), &move);
}

// Opens the menu list with a click on the picture and clicks `item`.

// Runs a command string: E Enlarge, S Shrink, R Rotate, T switch to the Traditional style.
void Run(int n, const QString &commands)
{
    for (const QChar c : commands) {
        if (c == QLatin1Char('T')) {
            program::state.deckStyle = DeckStyle::Traditional;
            continue;
        }
        const int item = c == QLatin1Char('E') ? kEnlarge : c == QLatin1Char('S') ? kShrink : kRotate;
        Choose(WindowOf(n), item);
        FlushDeletes();
    }
}

bool IsLandscape(const platform::PictureLabel *control)
{
    const QSize size = control->pictureSize();
    return size.width() > size.height();
}

QString Data(const QString &name)
{
    return platform::DataPath(name);
}

} // namespace

class tst_cardwindow : public QObject
{
    Q_OBJECT

private slots:
    void freeDealOpensTheTopCardInANewWindow()
    {
        ProgramFixture f;
        f.Start(true);
        PutOnTop(0);
        const QString second = program::state.deck[1];
        program::state.reversed[0] = 1; // shown upright: the "Gypsie Deck" option is off
        program::state.nextCardLeft = 300;
        program::state.nextCardTop = 150;
        const DeckWindowSize smaller
            = SizeAfterCardTaken(DeckWindow::instance()->heightTwips(), DeckWindow::instance()->widthTwips());

        ClickDeck();

        CardWindow *window = WindowOf(0);
        QVERIFY(window);
        QCOMPARE(WindowsOf(0).size(), 1);
        QVERIFY(window != DefaultCardWindow(0));
        QCOMPARE(window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window->caption(), QStringLiteral("The Fool"));
        QCOMPARE(window->leftTwips(), 300.0f);
        QCOMPARE(window->topTwips(), 150.0f);
        QCOMPARE(window->innerWidthTwips(), 2100.0f);
        QCOMPARE(window->innerHeightTwips(), 2850.0f);
        QVERIFY(!window->cardMenu->isVisible());
        QVERIFY(window->picture()->hasPicture());
        QCOMPARE(FileBytes(Data(QStringLiteral("foolcardbg"))), platform::Resource(QStringLiteral("FoolCardbg")));
        QVERIFY(!QFile::exists(Data(QStringLiteral("foolcardbg6"))));
        QCOMPARE(program::state.cardsOut[0], QStringLiteral("The Fool "));
        QCOMPARE(program::state.deck[0], second);
        QCOMPARE(program::state.deck[77], kNoCard);
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        QCOMPARE(program::state.viewStates[0], std::int16_t(0));
        QCOMPARE(DeckWindow::instance()->heightTwips(), smaller.height);
        QCOMPARE(DeckWindow::instance()->widthTwips(), smaller.width);
        VERIFY_DIALOGS(f.dialogs);
    }

    void dealtPicture_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("reversed");
        QTest::addColumn<int>("gypsie");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("file");
        QTest::newRow("reversed Fool under Gypsie Deck") << 0 << 1 << 1 << 0 << "FoolCardbg6"
                                                         << "foolcardbg6";
        QTest::newRow("upright Fool under Gypsie Deck") << 0 << 0 << 1 << 0 << "FoolCardbg"
                                                        << "foolcardbg";
        QTest::newRow("Reversed 2 counts as upright") << 0 << 2 << 1 << 0 << "FoolCardbg"
                                                      << "foolcardbg";
        QTest::newRow("Star Traditional") << 17 << 0 << 0 << 1 << "TraditionalStarCardbg"
                                          << "TraditionalStarCard";
        QTest::newRow("Star, style 0") << 17 << 0 << 0 << 0 << "StarCardbg"
                                       << "starbg";
        QTest::newRow("Star, style 7 is Thoth") << 17 << 0 << 0 << 7 << "StarCardbg"
                                                << "starbg";
        QTest::newRow("Emperor Traditional reversed") << 4 << 1 << 1 << 1 << "TraditionalEmperorbg6"
                                                      << "TraditionalEmperor6";
        QTest::newRow("Hanged Man") << 12 << 0 << 0 << 0 << "HangmanCardbg"
                                    << "hangemanbg";
        QTest::newRow("Four Swords") << 61 << 1 << 1 << 0 << "FourSwordsbg6"
                                     << "fourswordsbg6";
    }
    void dealtPicture()
    {
        QFETCH(int, card);
        QFETCH(int, reversed);
        QFETCH(int, gypsie);
        QFETCH(int, deckStyle);
        QFETCH(QString, resource);
        QFETCH(QString, file);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(card);
        program::state.reversed[card] = std::int16_t(reversed);
        program::state.gypsieDeck = std::int16_t(gypsie);
        program::state.deckStyle = static_cast<DeckStyle>(deckStyle);

        ClickDeck();

        CardWindow *window = WindowOf(card);
        QVERIFY(window);
        QCOMPARE(FileBytes(Data(file)), platform::Resource(resource));
        QVERIFY(!platform::Resource(resource).isEmpty());
        QCOMPARE(window->picture()->pictureSize(), QImage::fromData(platform::Resource(resource)).size());
        if (window->spareImage()) // the picture goes into the second control; the spare stays empty
            QVERIFY(!window->spareImage()->hasPicture());
        // The deal shows the picture; it turns nothing over.
        QCOMPARE(program::state.reversed[card], std::int16_t(reversed));
        QCOMPARE(program::state.pictureSuffix, reversed == 1 && gypsie == 1 ? QStringLiteral("6") : QString());
        VERIFY_DIALOGS(f.dialogs);
    }

    // A Celtic Cross waiting for its querent refuses the click; a reading state that no
    // reading sets deals freely. The deck window is sized after every click.
    void readingStateDispatch_data()
    {
        QTest::addColumn<int>("readingState");
        QTest::addColumn<bool>("deals");
        QTest::newRow("waiting for the querent") << 5 << false;
        QTest::newRow("no reading") << 0 << true;
        QTest::newRow("3 is no reading") << 3 << true;
        QTest::newRow("-1 is no reading") << -1 << true;
    }
    void readingStateDispatch()
    {
        QFETCH(int, readingState);
        QFETCH(bool, deals);
        ProgramFixture f;
        f.Start(true);
        program::state.reading = static_cast<Reading>(readingState);
        program::state.cardReturn = CardReturn::NotSet; // to see whether the click touched it
        const CardKeys deck = program::state.deck;
        const int top = CardNumberOfKey(deck[0]);
        const DeckWindowSize smaller
            = SizeAfterCardTaken(DeckWindow::instance()->heightTwips(), DeckWindow::instance()->widthTwips());
        if (!deals)
            f.dialogs.ExpectMessage(QStringLiteral("You have to use the Pick Card function to choose a quarant"));

        ClickDeck();

        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(WindowOf(top) != nullptr, deals);
        QCOMPARE(program::state.deck[0] == deck[0], !deals);
        QCOMPARE(program::state.cardsOut[top], deals ? deck[0] : kNoCard);
        QCOMPARE(program::state.cardReturn, deals ? CardReturn::ToDeck : CardReturn::NotSet);
        QCOMPARE(DeckWindow::instance()->heightTwips(), smaller.height);
        QCOMPARE(DeckWindow::instance()->widthTwips(), smaller.width);
    }

    void emptyDeckDealsNothing()
    {
        ProgramFixture f;
        f.Start(true);
        program::state.deck.fill(kNoCard);
        program::state.cardReturn = CardReturn::NotSet;
        const int windowsBefore = platform::OpenWindows().size();

        ClickDeck();

        QCOMPARE(platform::OpenWindows().size(), windowsBefore);
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        QVERIFY(!DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->heightTwips(), 3409.0f);
        QCOMPARE(DeckWindow::instance()->widthTwips(), 2244.0f);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A card dealt and then moved through its states by the menu list: the state reached,
    // the window's size, the picture and its cache file, and the reversed flag.
    void transitions_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<int>("state");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::addColumn<QString>("resource"); // empty: the design picture
        QTest::addColumn<QString>("file");

        // The first command on a dealt window: the default window opens at the design size.
        QTest::newRow("dealt, Enlarge") << 0 << 0 << "E" << 4 << 6924.0f << 4858.0f << "FoolCardbg"
                                        << "foolbg";
        QTest::newRow("dealt, Shrink") << 1 << 0 << "S" << 8 << 1900.0f << 1112.0f << "MagusCardbg"
                                       << "magussm";
        QTest::newRow("dealt Magus, Enlarge") << 1 << 0 << "E" << 4 << 6924.0f << 4858.0f << "MagusCardbg"
                                              << "magusbg";
        QTest::newRow("dealt, Rotate") << 10 << 0 << "R" << 1 << 2254.0f << 2512.0f << "FortuneCardbg5"
                                       << "fortune1";
        QTest::newRow("Chariot, Rotate") << 7 << 0 << "R" << 1 << 2254.0f << 2512.0f << "ChariotCardbg5"
                                         << "chariotcard1";
        QTest::newRow("Hierophant, Rotate") << 5 << 0 << "R" << 1 << 2254.0f << 2512.0f << "HierophantCardbg5"
                                            << "hierophantCard1";
        QTest::newRow("Enlarge in 4 stays 4") << 6 << 0 << "EE" << 4 << 6924.0f << 4858.0f << "LoversCardbg"
                                              << "loverscardbg";
        QTest::newRow("Shrink in 8 stays 8") << 6 << 0 << "SS" << 8 << 1900.0f << 1112.0f << "LoversCardbg"
                                             << "loverscardsm";
        QTest::newRow("Enlarge in 8") << 6 << 0 << "SE" << 0 << 3312.0f << 2172.0f << ""
                                      << "";
        QTest::newRow("Enlarge in 10") << 6 << 0 << "SRRE" << 0 << 3312.0f << 2172.0f << ""
                                       << "";
        QTest::newRow("Enlarge in 9") << 6 << 0 << "SRE" << 4 << 6924.0f << 4858.0f << "LoversCardbg"
                                      << "loverscardbg";
        QTest::newRow("Enlarge in 11") << 6 << 0 << "SRRRE" << 4 << 6924.0f << 4858.0f << "LoversCardbg"
                                       << "loverscardbg";
        QTest::newRow("Enlarge in 2") << 6 << 0 << "RRE" << 4 << 6924.0f << 4858.0f << "LoversCardbg"
                                      << "loverscardbg";
        QTest::newRow("Shrink in 6") << 7 << 0 << "ERRS" << 0 << 3312.0f << 2172.0f << ""
                                     << "";
        QTest::newRow("Shrink in 5") << 7 << 0 << "ERS" << 8 << 1900.0f << 1112.0f << "ChariotCardbg"
                                     << "chariotcardsm";
        QTest::newRow("Shrink in 2") << 7 << 0 << "RRS" << 8 << 1900.0f << 1112.0f << "ChariotCardbg"
                                     << "chariotcardsm";
        QTest::newRow("Rotate in 5") << 5 << 0 << "ERR" << 6 << 6924.0f << 4858.0f << "HierophantCardbg6"
                                     << "hierophantCardbg6";
        QTest::newRow("Rotate from 11") << 1 << 0 << "SRRRR" << 8 << 1900.0f << 1112.0f << "MagusCardbg"
                                        << "magussm";
        QTest::newRow("Magus 2") << 1 << 0 << "RR" << 2 << 2912.0f << 1854.0f << "MagusCardbg6"
                                 << "magus2";

        QTest::newRow("Fool, Shrink from 4") << 0 << 0 << "ES" << 0 << 3312.0f << 2064.0f << ""
                                             << "";
        QTest::newRow("Fool, Rotate from 3") << 0 << 0 << "RRRR" << 0 << 3312.0f << 2054.0f << ""
                                             << "";
        QTest::newRow("Fool, Enlarge from 8") << 0 << 0 << "SE" << 0 << 3312.0f << 2172.0f << ""
                                              << "";
        QTest::newRow("Fool, Rotate from 4") << 0 << 0 << "ER" << 5 << 5078.0f << 6524.0f << "FoolCardbg5"
                                             << "foolbg5";
        QTest::newRow("Fool 7") << 0 << 0 << "ERRR" << 7 << 5078.0f << 6524.0f << "FoolCardbg7"
                                << "foolbg7";
        QTest::newRow("Fool 10") << 0 << 0 << "SRR" << 10 << 1900.0f << 1112.0f << "FoolCardbg6"
                                 << "foolsm10";
        QTest::newRow("Hermit, Rotate from 3") << 9 << 0 << "RRRR" << 0 << 3312.0f << 2054.0f << ""
                                               << "";
        QTest::newRow("Hermit, Shrink after") << 9 << 0 << "RRRRS" << 8 << 1900.0f << 1112.0f << "HermitCardbg"
                                              << "hermitsm";
        QTest::newRow("Hermit, Enlarge from 8") << 9 << 0 << "RRRRSE" << 0 << 3312.0f << 2172.0f << ""
                                                << "";
        QTest::newRow("Hermit 5") << 9 << 0 << "ER" << 5 << 5068.0f << 6524.0f << "HermitCardbg5"
                                  << "hermitbg5";
        QTest::newRow("Hermit, Enlarge from 5") << 9 << 0 << "ERE" << 4 << 6924.0f << 4858.0f << "HermitCardbg"
                                                << "hermitbg";
        QTest::newRow("Hermit, Shrink from 5") << 9 << 0 << "ERS" << 8 << 1900.0f << 1112.0f << "HermitCardbg"
                                               << "hermitsm";
        QTest::newRow("Hermit, Enlarge from 10") << 9 << 0 << "SRRE" << 0 << 3312.0f << 2172.0f << ""
                                                 << "";
        QTest::newRow("Fortune, Rotate from 3") << 10 << 0 << "RRRR" << 0 << 3312.0f << 2054.0f << ""
                                                << "";
        QTest::newRow("Fortune 11") << 10 << 0 << "SRRR" << 11 << 1482.0f << 1446.0f << "FortuneCardbg7"
                                    << "fortunesm11";
        QTest::newRow("Priestess, Shrink from 4") << 2 << 0 << "ES" << 0 << 3312.0f << 2172.0f << ""
                                                  << "";
        QTest::newRow("Empress 9") << 3 << 0 << "SR" << 9 << 1482.0f << 1446.0f << "EmpressCardbg5"
                                   << "empresscardsm9";
        QTest::newRow("Empress 10") << 3 << 0 << "SRR" << 10 << 1900.0f << 1112.0f << "EmpressCardbg6"
                                    << "empresscardsm10";
        QTest::newRow("Empress back to 8") << 3 << 0 << "SRRRR" << 8 << 1900.0f << 1112.0f << "EmpressCardbg"
                                           << "empresscardsm";

        QTest::newRow("Emperor Thoth 0") << 4 << 0 << "RRRR" << 0 << 3312.0f << 2172.0f << "EmperorCardbg"
                                         << "emperorcard";
        QTest::newRow("Emperor Thoth 2") << 4 << 0 << "RR" << 2 << 2912.0f << 1854.0f << "EmperorCardbg6"
                                         << "emperorcardbg6";
        QTest::newRow("Emperor Traditional 1") << 4 << 1 << "R" << 1 << 2254.0f << 2512.0f << "TraditionalEmperorbg5"
                                               << "traditionalemperor5";
        QTest::newRow("Emperor Traditional 10")
            << 4 << 1 << "SRR" << 10 << 1900.0f << 1112.0f << "TraditionalEmperorbg6"
            << "traditionalemperorbg6";
        QTest::newRow("Emperor Traditional, Shrink from 4")
            << 4 << 1 << "ES" << 0 << 3312.0f << 2172.0f << "TraditionalEmperorbg"
            << "traditionalemperor";
        QTest::newRow("Emperor, style changed in 4")
            << 4 << 0 << "ETR" << 5 << 5058.0f << 6524.0f << "TraditionalEmperorbg5"
            << "traditionalemperorbg5";
        QTest::newRow("Strength Traditional, Enlarge from 10")
            << 8 << 1 << "SRRE" << 0 << 3312.0f << 2172.0f << "StrengthCardbg"
            << "strengthcard";
        QTest::newRow("Strength Thoth, Rotate from 3")
            << 8 << 0 << "RRRR" << 0 << 3312.0f << 2172.0f << "ThothStrengthCardbg"
            << "thothstrengthcard";
        QTest::newRow("Strength style 2, Shrink from 4")
            << 8 << 2 << "ES" << 0 << 3312.0f << 2172.0f << "ThothStrengthCardbg"
            << "thothstrengthcard";
        QTest::newRow("Strength Traditional 2") << 8 << 1 << "RR" << 2 << 2912.0f << 1854.0f << "StrengthCardbg6"
                                                << "strengthcard2";
    }
    void transitions()
    {
        QFETCH(int, card);
        QFETCH(int, deckStyle);
        QFETCH(QString, commands);
        QFETCH(int, state);
        QFETCH(QString, resource);
        QFETCH(QString, file);
        ProgramFixture f;
        f.Start(true);
        program::state.deckStyle = static_cast<DeckStyle>(deckStyle);
        PutOnTop(card);
        program::state.nextCardLeft = 420;
        program::state.nextCardTop = 240;
        ClickDeck();
        const CardKeys deck = program::state.deck;
        const CardKeys out = program::state.cardsOut;
        QCOMPARE(WindowOf(card)->leftTwips(), 420.0f);

        Run(card, commands);

        const QList<CardWindow *> windows = WindowsOf(card);
        QCOMPARE(windows.size(), 1);
        CardWindow *window = windows.first();
        QCOMPARE(window, DefaultCardWindow(card));
        QCOMPARE(program::state.viewStates[card], std::int16_t(state));
        QTEST(window->heightTwips(), "height");
        QTEST(window->widthTwips(), "width");
        QCOMPARE(window->leftTwips(), 420.0f); // the card changes in place
        QCOMPARE(window->topTwips(), 240.0f);
        QCOMPARE(window->picture()->widthTwips(), window->innerWidthTwips());
        QCOMPARE(window->picture()->heightTwips(), window->innerHeightTwips());
        QCOMPARE(program::state.reversed[card], ReversedOfState(state));
        QCOMPARE(IsLandscape(window->picture()), state % 2 == 1);
        if (file.isEmpty()) {
            QVERIFY(window->picture()->hasPicture()); // the design picture
        } else {
            QCOMPARE(FileBytes(Data(file)), platform::Resource(resource));
            QVERIFY(!platform::Resource(resource).isEmpty());
        }
        // A change of view state never gives the card back.
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(program::state.cardsOut, out);
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        VERIFY_DIALOGS(f.dialogs);
    }

    // Every card can be dealt, taken through all twelve states, and given back.
    void everyCardTakesEveryStateAndGoesBack_data()
    {
        QTest::addColumn<int>("card");
        for (int n = 0; n < kCardCount; ++n)
            QTest::addRow("%s", qPrintable(CardTitle(n))) << n;
    }
    void everyCardTakesEveryStateAndGoesBack()
    {
        QFETCH(int, card);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(card);
        ClickDeck();
        const QString tour = QStringLiteral("RRRR"
                                            "E"
                                            "RRRR"
                                            "S"
                                            "S"
                                            "RRRR"
                                            "E");
        const int states[] = { 1, 2, 3, 0, 4, 5, 6, 7, 4, 0, 8, 9, 10, 11, 8, 0 };
        for (int i = 0; i < tour.size(); ++i) {
            Run(card, tour.mid(i, 1));
            CardWindow *window = WindowOf(card);
            QVERIFY2(window, qPrintable(tour.left(i + 1)));
            QCOMPARE(program::state.viewStates[card], std::int16_t(states[i]));
            QCOMPARE(program::state.reversed[card], ReversedOfState(states[i]));
            QVERIFY(window->picture()->hasPicture());
            QCOMPARE(IsLandscape(window->picture()), states[i] % 2 == 1);
            const StatePicture picture = PictureOfState(window->cardData(), states[i], program::state.deckStyle);
            if (!picture.isDesignPicture())
                QVERIFY2(platform::FileExists(Data(picture.cacheFile)), qPrintable(picture.cacheFile));
        }
        Choose(WindowOf(card), kReturnToDeck);
        FlushDeletes();
        QVERIFY(!WindowOf(card));
        QCOMPARE(program::state.deck[77], CardKey(card)); // back at the bottom
        QCOMPARE(program::state.cardsOut[card], kNoCard);
        QCOMPARE(program::state.viewStates[card], std::int16_t(0));
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        VERIFY_DIALOGS(f.dialogs);
    }

    // Return To Deck and the close box both give the card back to the bottom of the deck, and
    // the next window opens at the card's return position.
    void returnToDeck_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("position");
        QTest::newRow("Fool") << 0 << false << 2;
        QTest::newRow("Magus, close box") << 1 << true << 2;
        QTest::newRow("High Priestess") << 2 << false << 5;
        QTest::newRow("Empress, close box") << 3 << true << 1;
        QTest::newRow("Emperor") << 4 << false << 1;
        QTest::newRow("Chariot") << 7 << true << 1;
        QTest::newRow("Strength") << 8 << false << 1;
        QTest::newRow("Hermit") << 9 << false << 1;
        QTest::newRow("Fortune") << 10 << true << 2;
    }
    void returnToDeck()
    {
        QFETCH(int, card);
        QFETCH(bool, closeBox);
        QFETCH(int, position);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(card);
        ClickDeck();
        const float dealtHeight = DeckWindow::instance()->heightTwips();
        const float dealtWidth = DeckWindow::instance()->widthTwips();
        Run(card, QStringLiteral("R")); // now in the default window, view state 1
        program::state.reversed[card] = 1; // lies reversed: going back does not turn it
        CardWindow *window = WindowOf(card);
        if (closeBox) {
            window->subWindow()->close();
        } else {
            Choose(window, kReturnToDeck);
        }
        FlushDeletes();

        QVERIFY(!WindowOf(card));
        QCOMPARE(program::state.deck[77], CardKey(card));
        QCOMPARE(std::count(program::state.deck.begin(), program::state.deck.end(), CardKey(card)), 1);
        QCOMPARE(program::state.cardsOut[card], kNoCard);
        QCOMPARE(program::state.viewStates[card], std::int16_t(0));
        QCOMPARE(program::state.reversed[card], std::int16_t(1));
        QCOMPARE(program::state.nextCardLeft, std::int16_t(position));
        QCOMPARE(program::state.nextCardTop, std::int16_t(position));
        QCOMPARE(program::state.returnPending, false);
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        QVERIFY(DeckWindow::instance()->isShown());
        const auto grown = SizeAfterCardReturned(dealtHeight, dealtWidth, program::state.deck);
        QVERIFY(grown);
        QCOMPARE(DeckWindow::instance()->heightTwips(), grown->height);
        QVERIFY(DeckWindow::instance()->heightTwips() > dealtHeight);

        // The next card opens at the return position.
        const int next = CardNumberOfKey(program::state.deck[0]);
        ClickDeck();
        QCOMPARE(WindowOf(next)->leftTwips(), float(position));
        QCOMPARE(WindowOf(next)->topTwips(), float(position));
        VERIFY_DIALOGS(f.dialogs);
    }

    void returnIntoAnEmptyDeckShowsTheDeckAgain()
    {
        ProgramFixture f;
        f.Start(true);
        PutOnTop(2);
        ClickDeck();
        program::state.deck.fill(kNoCard);
        DeckWindow::instance()->shrinkAfterCardTaken(); // hidden at its smallest size
        QVERIFY(!DeckWindow::instance()->isShown());

        Choose(WindowOf(2), kReturnToDeck);
        FlushDeletes();

        QCOMPARE(program::state.deck[0], QStringLiteral("High Priestess"));
        QCOMPARE(program::state.deck[1], kNoCard);
        QCOMPARE(program::state.cardsOut[2], kNoCard);
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->heightTwips(), float(3409 + 3.68));
        QCOMPARE(DeckWindow::instance()->widthTwips(), float(2244 + 6.15));
        QCOMPARE(program::state.nextCardLeft, std::int16_t(5));
        QCOMPARE(program::state.nextCardTop, std::int16_t(5));
        VERIFY_DIALOGS(f.dialogs);
    }

    // Nothing is given back when the deck has no free place, or while a close is part of a
    // change of view state (CardReturn::StaysOut).
    void closeThatGivesNothingBack_data()
    {
        QTest::addColumn<bool>("fullDeck");
        QTest::newRow("full deck") << true;
        QTest::newRow("CardReturnMode 2") << false;
    }
    void closeThatGivesNothingBack()
    {
        QFETCH(bool, fullDeck);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(6);
        ClickDeck();
        program::state.nextCardLeft = 77;
        if (fullDeck)
            program::state.deck[77] = QStringLiteral("Not a card ");
        else
            program::state.cardReturn = CardReturn::StaysOut;
        const CardKeys deck = program::state.deck;
        const float height = DeckWindow::instance()->heightTwips();

        QVERIFY(WindowOf(6)->unload());
        FlushDeletes();

        QVERIFY(!WindowOf(6));
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(program::state.cardsOut[6], QStringLiteral("Lovers "));
        QCOMPARE(program::state.nextCardLeft, std::int16_t(77));
        QCOMPARE(DeckWindow::instance()->heightTwips(), height);
        VERIFY_DIALOGS(f.dialogs);
    }

    // With a dealt window and the default window of one card open, Return To Deck closes only
    // the window whose list was used, and the card goes back once, whichever closes later.
    void twoWindowsOfOneCard()
    {
        ProgramFixture f;
        f.Start(true);
        PutOnTop(7);
        ClickDeck();
        CardWindow *dealt = WindowOf(7);
        DefaultCardWindow(7)->showWindow();
        QCOMPARE(WindowsOf(7).size(), 2);

        Choose(dealt, kReturnToDeck);
        FlushDeletes();

        QCOMPARE(WindowsOf(7).size(), 1);
        QCOMPARE(WindowOf(7), DefaultCardWindow(7));
        QCOMPARE(std::count(program::state.deck.begin(), program::state.deck.end(), CardKey(7)), 1);
        QCOMPARE(program::state.cardsOut[7], kNoCard);

        DefaultCardWindow(7)->subWindow()->close();
        FlushDeletes();
        QVERIFY(!WindowOf(7));
        QCOMPARE(std::count(program::state.deck.begin(), program::state.deck.end(), CardKey(7)), 1);
        VERIFY_DIALOGS(f.dialogs);
    }

    // Moving the pointer over the menu list records the window's position, rounded half to
    // even and kept within 16 bits; the next window opens there.
    void positionRecording_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<int>("nextLeft");
        QTest::addColumn<int>("nextTop");
        QTest::newRow("whole") << 1200.0f << 600.0f << 1200 << 600;
        QTest::newRow("halves to even") << 1234.5f << 1235.5f << 1234 << 1236;
        QTest::newRow("beyond 16 bits") << 40000.0f << -40000.0f << 32767 << -32768;
    }
    void positionRecording()
    {
        QFETCH(float, left);
        QFETCH(float, top);
        ProgramFixture f;
        f.Start(true);
        const int card = CardNumberOfKey(program::state.deck[0]);
        ClickDeck();
        CardWindow *window = WindowOf(card);
        window->setLeftTwips(left);
        window->setTopTwips(top);
        QCOMPARE(program::state.nextCardLeft, std::int16_t(0)); // moving records nothing by itself

        window->showMenu();
        MoveOverList(window);

        QTEST(int(program::state.nextCardLeft), "nextLeft");
        QTEST(int(program::state.nextCardTop), "nextTop");
        const int next = CardNumberOfKey(program::state.deck[0]);
        ClickDeck();
        QCOMPARE(WindowOf(next)->leftTwips(), float(program::state.nextCardLeft));
        QCOMPARE(WindowOf(next)->topTwips(), float(program::state.nextCardTop));
        VERIFY_DIALOGS(f.dialogs);
    }

    void meaningShowsTheCardsText_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("Fortune") << 10 << "Meaning of Fortune"
                                 << "The Fortune card means a change in fortune that is usually for the better, "
                                    "and destiny.";
        QTest::newRow("Lovers") << 6 << "Meaning of The Lovers"
                                << "Divinatory meanings for the Lovers card can be external religion.  The card "
                                   "means openness to inspiration.  Intuition, childishness, beauty, attraction, and "
                                   "love.  Ill-dignified the card can mean self-contradiction, superficiality, or a "
                                   "shallow union with others.";
        QTest::newRow("High Priestess") << 2 << "Meaning of The High Priestess" << CardDataOf(2).meaningText;
    }
    void meaningShowsTheCardsText()
    {
        QFETCH(int, card);
        QFETCH(QString, title);
        QFETCH(QString, text);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(card);
        ClickDeck();
        CardWindow *window = WindowOf(card);
        const float height = window->heightTwips();
        // Twice on the same item: a click on the item already selected acts as well.
        f.dialogs.ExpectMessage(text, title).ExpectMessage(text, title);

        Choose(window, kMeaning);
        QVERIFY(!window->cardMenu->isVisible());
        Choose(window, kMeaning);

        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(WindowOf(card), window);
        QCOMPARE(window->heightTwips(), height);
        QCOMPARE(program::state.viewStates[card], std::int16_t(0));
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
    }

    // The texts written for the program: plain ASCII but for The Empress's apostrophe, two
    // blanks after every full stop inside the text.
    void meaningTexts_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("length");
        QTest::newRow("Fool") << 0 << 442;
        QTest::newRow("Magus") << 1 << 347;
        QTest::newRow("High Priestess") << 2 << 371;
        QTest::newRow("Empress") << 3 << 353;
        QTest::newRow("Emperor") << 4 << 437;
    }
    void meaningTexts()
    {
        QFETCH(int, card);
        QFETCH(int, length);
        const QString text = CardDataOf(card).meaningText;
        QCOMPARE(int(text.size()), length);
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == QLatin1Char('.'))
                QVERIFY2(text.mid(i + 1, 2) == QLatin1String("  ") && text[i + 3] != QLatin1Char(' '),
                    qPrintable(text.mid(i, 10)));
        }
        QVERIFY(text.endsWith(QLatin1Char('.')));
        const int outside = int(std::count_if(text.begin(), text.end(), [](QChar c) { return c.unicode() > 127; }));
        QCOMPARE(outside, card == 3 ? 1 : 0);
        if (card == 3)
            QVERIFY(text.contains(QChar(0x2019)));
    }

    void menuListHoldsTheSixItems()
    {
        ProgramFixture f;
        f.Start(true);
        const int card = CardNumberOfKey(program::state.deck[0]);
        ClickDeck();
        QListWidget *list = WindowOf(card)->cardMenu;
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        QCOMPARE(
            items, QStringList({ "Enlarge       ", "Shrink", "Rotate", "Meaning", "Return To Deck", "Do Nothing" }));
    }

    // A press on the window's own surface opens the menu list, except in The Fool's window.
    void pressOnTheWindowSurface_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("opensList");
        QTest::newRow("Fool") << 0 << false;
        QTest::newRow("Magus") << 1 << true;
        QTest::newRow("Hanged Man") << 12 << true;
    }
    void pressOnTheWindowSurface()
    {
        QFETCH(int, card);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(card);
        ClickDeck();
        CardWindow *window = WindowOf(card);
        QTest::mousePress(window, Qt::RightButton, {}, QPoint(1, 1));
        QTEST(window->cardMenu->isVisible(), "opensList");
        QTest::mouseClick(window->picture(), Qt::LeftButton);
        QVERIFY(window->cardMenu->isVisible());
    }

    // Choosing an item with the keyboard alone runs nothing; Do Nothing hides the list.
    void onlyAClickOnAnItemActs()
    {
        ProgramFixture f;
        f.Start(true);
        PutOnTop(9);
        ClickDeck();
        CardWindow *window = WindowOf(9);
        window->showMenu();
        window->cardMenu->setFocus();
        window->cardMenu->setCurrentRow(kRotate);
        QTest::keyClick(window->cardMenu, Qt::Key_Down);
        QTest::keyClick(window->cardMenu, Qt::Key_Return);
        QCOMPARE(WindowOf(9), window);
        QCOMPARE(program::state.viewStates[9], std::int16_t(0));

        Choose(window, kDoNothing);
        QVERIFY(!window->cardMenu->isVisible());
        QCOMPARE(WindowOf(9), window);
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A cache file that does not hold its resource's bytes is replaced; when the cache cannot
    // be written the embedded picture is shown, and the command still completes.
    void cacheFiles_data()
    {
        QTest::addColumn<bool>("folderBroken");
        QTest::newRow("file of other bytes") << false;
        QTest::newRow("data folder cannot be written") << true;
    }
    void cacheFiles()
    {
        QFETCH(bool, folderBroken);
        ProgramFixture f;
        f.Start(true);
        PutOnTop(0);
        ClickDeck();
        QImage small(10, 12, QImage::Format_RGB32);
        small.fill(Qt::red);
        if (folderBroken) {
            QDir(platform::DataFolder()).removeRecursively();
            QFile blocker(platform::DataFolder()); // a plain file where the folder should be
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(small.save(Data(QStringLiteral("fool1")), "PNG"));
        }
        const QByteArray before = FileBytes(Data(QStringLiteral("fool1")));
        const StatePicture rotated = PictureOfState(CardDataOf(0), 1, program::state.deckStyle);
        QCOMPARE(rotated.cacheFile, QStringLiteral("fool1"));
        const QByteArray resource = platform::Resource(rotated.resource);

        Run(0, QStringLiteral("R"));

        CardWindow *window = WindowOf(0);
        QVERIFY(window);
        QCOMPARE(program::state.viewStates[0], std::int16_t(1));
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        QCOMPARE(window->heightTwips(), 2254.0f);
        QCOMPARE(FileBytes(Data(QStringLiteral("fool1"))), folderBroken ? before : resource);
        QCOMPARE(window->picture()->pictureSize(), QSize(544, 400));
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_cardwindow)
#include "tst_cardwindow.moc"
