// Pick A Card: taking a card by its position or its name, the querent of a Celtic Cross, and
// showing again a card that is out.
#include "app/ui/mainwindow.h"
#include "deck/decksize.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/picturelabel.h"
#include "readinghelpers.h"
#include "readings/readingtexts.h"
#include "readings/ui/celticcrosswindow.h"
#include "readings/ui/pickcardwindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QListWidget>

using namespace readingtest;

namespace {

// The Pick A Card window opened by its command outside a reading.
PickCardWindow *OpenPickCard()
{
    MainWindow::instance()->pickCardAction->trigger();
    return PickCardWindow::instance();
}

void ChooseName(PickCardWindow *pick, int n)
{
    pick->cardList->setCurrentRow(n);
    pick->pickNamedCard();
    FlushDeletes();
}

void ChoosePosition(PickCardWindow *pick, int entryIndex)
{
    emit pick->positionBox->activated(entryIndex);
    FlushDeletes();
}

QByteArray FileBytes(const QString &name)
{
    QFile file(platform::DataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_pickcardwindow : public QObject
{
    Q_OBJECT

private slots:
    void pickByPosition_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("position"); // where the card lies, 0 = top
        QTest::addColumn<int>("reversed");
        QTest::addColumn<int>("gypsie");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("cacheFile");
        QTest::newRow("top card") << 0 << 0 << 0 << 0 << 0 << "FoolCardbg"
                                  << "foolcardbg";
        QTest::newRow("bottom of a full deck") << 77 << 77 << 0 << 0 << 0 << "TenDisksbg"
                                               << "tendisksbg";
        QTest::newRow("reversed under Gypsie Deck") << 6 << 4 << 1 << 1 << 0 << "LoversCardbg6"
                                                    << "loversbg6";
        QTest::newRow("reversed, Gypsie Deck off") << 6 << 4 << 1 << 0 << 0 << "LoversCardbg"
                                                   << "loversbg";
        QTest::newRow("Justice Traditional") << 11 << 20 << 0 << 0 << 1 << "JusticeCardbg"
                                             << "justice";
        QTest::newRow("Strength, style 2 is Thoth") << 8 << 20 << 0 << 0 << 2 << "ThothStrengthCardbg"
                                                    << "thothstrengthcardbg";
        QTest::newRow("Hanged Man") << 12 << 3 << 0 << 0 << 0 << "HangmanCardbg"
                                    << "hangemancardbg";
    }
    void pickByPosition()
    {
        QFETCH(int, card);
        QFETCH(int, position);
        QFETCH(int, reversed);
        QFETCH(int, gypsie);
        QFETCH(int, deckStyle);
        QFETCH(QString, resource);
        QFETCH(QString, cacheFile);
        ProgramFixture f;
        f.Start();
        const auto at = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(card));
        std::iter_swap(at, program::state.deck.begin() + position);
        program::state.reversed[card] = std::int16_t(reversed);
        program::state.gypsieDeck = std::int16_t(gypsie);
        program::state.deckStyle = static_cast<DeckStyle>(deckStyle);
        program::state.nextCardLeft = 300;
        program::state.nextCardTop = 200;
        const CardKeys before = program::state.deck;
        const DeckWindowSize smaller
            = SizeAfterCardTaken(DeckWindow::instance()->heightTwips(), DeckWindow::instance()->widthTwips());

        PickCardWindow *pick = OpenPickCard();
        ChoosePosition(pick, position);

        CardWindow *window = WindowOf(card);
        QCOMPARE(window, DefaultCardWindow(card));
        QCOMPARE(WindowsOf(card).size(), 1);
        QVERIFY(window->isShown());
        QCOMPARE(window->leftTwips(), 300.0f);
        QCOMPARE(window->topTwips(), 200.0f);
        QCOMPARE(window->innerWidthTwips(), CardDataOf(card).clientWidth);
        QCOMPARE(window->innerHeightTwips(), CardDataOf(card).clientHeight);
        QCOMPARE(window->picture()->widthTwips(), window->innerWidthTwips());
        QCOMPARE(window->picture()->heightTwips(), window->innerHeightTwips());
        QVERIFY(window->picture()->hasPicture());
        QCOMPARE(FileBytes(cacheFile), platform::Resource(resource));
        QCOMPARE(program::state.cardsOut[card], CardKey(card));
        // The other cards keep their order.
        for (int i = 0; i < 77; ++i)
            QCOMPARE(program::state.deck[i], before[i < position ? i : i + 1]);
        QCOMPARE(program::state.deck[77], kNoCard);
        QCOMPARE(DeckWindow::instance()->heightTwips(), smaller.height);
        QCOMPARE(DeckWindow::instance()->widthTwips(), smaller.width);
        QVERIFY(DeckWindow::instance()->isShown());
        // Outside the querent step the window stays open after the pick.
        QVERIFY(pick->isShown());
        QCOMPARE(program::state.reading, Reading::NoReading);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A key that no position holds takes nothing, and the deck window takes its step all the same.
    void keyThatIsNotInTheDeck_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty marker") << kNoCard;
        QTest::newRow("key without its blank") << "The Fool";
        QTest::newRow("card that is out") << "Death ";
    }
    void keyThatIsNotInTheDeck()
    {
        QFETCH(QString, key);
        ProgramFixture f;
        f.Start();
        PickCardWindow *pick = OpenPickCard();
        PutOnTop(13);
        ChoosePosition(pick, 0); // Death is out now
        program::state.pictureSuffix = QStringLiteral("x");
        const CardKeys deck = program::state.deck;
        const CardKeys out = program::state.cardsOut;
        const QStringList windows = OpenCaptions();
        const DeckWindowSize smaller
            = SizeAfterCardTaken(DeckWindow::instance()->heightTwips(), DeckWindow::instance()->widthTwips());

        pick->takeCard(key);

        QCOMPARE(program::state.deck, deck);
        QCOMPARE(program::state.cardsOut, out);
        QCOMPARE(OpenCaptions(), windows);
        QCOMPARE(program::state.pictureSuffix, QStringLiteral("x"));
        QCOMPARE(DeckWindow::instance()->heightTwips(), smaller.height);
        QCOMPARE(DeckWindow::instance()->widthTwips(), smaller.width);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A key standing twice in the deck (a malformed deck file): the first one is taken.
    void keyTwiceInTheDeck()
    {
        ProgramFixture f;
        f.Start();
        program::state.deck[40] = CardKey(0);
        PickCardWindow *pick = OpenPickCard();
        pick->takeCard(CardKey(0));
        QCOMPARE(program::state.deck[0], CardKey(1));
        QCOMPARE(program::state.deck[39], CardKey(0));
        QCOMPARE(WindowsOf(0).size(), 1);
    }

    // Taking the last card hides the deck window; its step still sets its size.
    void lastCardHidesTheDeckWindow()
    {
        ProgramFixture f;
        f.Start();
        program::state.deck.fill(kNoCard);
        program::state.deck[0] = CardKey(9);
        DeckWindow::instance()->setHeightTwips(3409);
        DeckWindow::instance()->setWidthTwips(2500);
        PickCardWindow *pick = OpenPickCard();
        ChoosePosition(pick, 0);
        QCOMPARE(program::state.deck[0], kNoCard);
        QVERIFY(!DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->heightTwips(), 3409.0f);
        QCOMPARE(DeckWindow::instance()->widthTwips(), 2244.0f);
        QVERIFY(WindowOf(9));
    }

    // The querent lies at the first place of the spread while its message is shown; only
    // after it is the Pick A Card window hidden, the reading under way and the picture cached.
    void querent_data()
    {
        QTest::addColumn<bool>("byName");
        QTest::addColumn<int>("gypsie");
        QTest::addColumn<QString>("cacheFile");
        QTest::newRow("by position") << false << 0 << "chariotbg";
        QTest::newRow("by name, upside down") << true << 1 << "chariotbg6";
    }
    void querent()
    {
        QFETCH(bool, byName);
        QFETCH(int, gypsie);
        QFETCH(QString, cacheFile);
        ProgramFixture f;
        f.Start();
        const int card = 7; // The Chariot
        PutOnTop(card);
        program::state.reversed[card] = 1;
        program::state.gypsieDeck = std::int16_t(gypsie);
        f.dialogs.ExpectMessage(kAskForQuerentText);
        MainWindow::instance()->celticCrossAction->trigger();
        PickCardWindow *pick = PickCardWindow::instance();
        CelticCrossWindow::instance()->moveTwips(6000, 150);

        bool checked = false;
        f.dialogs.ExpectMessage(kQuerentPickedText).During([&] {
            CardWindow *window = WindowOf(card);
            QVERIFY(window);
            QCOMPARE(window->heightTwips(), 1850.0f);
            QCOMPARE(window->widthTwips(), 1092.0f);
            QCOMPARE(window->topTwips(), 6870.0f / 2 + 150);
            QCOMPARE(window->leftTwips(), 5505.0f / 3 + 6000);
            QVERIFY(pick->isShown());
            QCOMPARE(program::state.reading, Reading::CelticAwaitingQuerent);
            QVERIFY(!CacheFileExists(cacheFile));
            checked = true;
        });
        if (byName)
            ChooseName(pick, card);
        else
            ChoosePosition(pick, 0);

        QVERIFY(checked);
        QVERIFY(!pick->isShown());
        QVERIFY(pick->isLoaded());
        QCOMPARE(program::state.reading, Reading::CelticCross);
        QVERIFY(CacheFileExists(cacheFile));
        QCOMPARE(program::state.cardsOut[card], CardKey(card));
        // Not shown again by the rest of the pick by name.
        QCOMPARE(WindowOf(card)->topTwips(), 6870.0f / 2 + 150);
        VERIFY_DIALOGS(f.dialogs);
    }

    // The position list is filled when the window opens and every time the list opens;
    // filling it picks nothing.
    void positionListIsRefilledWhenOpened()
    {
        ProgramFixture f;
        f.Start();
        PickCardWindow *pick = OpenPickCard();
        QCOMPARE(pick->positionBox->count(), 78);
        QCOMPARE(pick->positionBox->itemText(77), QStringLiteral("78"));
        QCOMPARE(pick->positionBox->currentIndex(), -1);
        ChooseName(pick, CardNumberOfKey(program::state.deck[5]));
        QCOMPARE(pick->positionBox->count(), 78);

        const CardKeys deck = program::state.deck;
        const float height = DeckWindow::instance()->heightTwips();
        pick->positionBox->showPopup();
        QCOMPARE(pick->positionBox->count(), 77);
        pick->positionBox->hidePopup();
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(DeckWindow::instance()->heightTwips(), height);
        VERIFY_DIALOGS(f.dialogs);
    }

    // An entry counted before the deck shrank names no card now: it is ignored, the deck
    // window keeps its size.
    void staleEntryIsIgnored()
    {
        ProgramFixture f;
        f.Start();
        PickCardWindow *pick = OpenPickCard();
        ChooseName(pick, CardNumberOfKey(program::state.deck[5]));
        const CardKeys deck = program::state.deck;
        const QStringList windows = OpenCaptions();
        const float height = DeckWindow::instance()->heightTwips();
        ChoosePosition(pick, 77);
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(OpenCaptions(), windows);
        QCOMPARE(DeckWindow::instance()->heightTwips(), height);
        VERIFY_DIALOGS(f.dialogs);
    }

    // Once the querent is chosen, opening the list says so and hides the window; the list is
    // filled all the same.
    void positionListAfterQuerentChosen()
    {
        ProgramFixture f;
        f.Start();
        f.dialogs.ExpectMessage(kAskForQuerentText);
        MainWindow::instance()->celticCrossAction->trigger();
        PickCardWindow *pick = PickCardWindow::instance();
        f.dialogs.ExpectMessage(kQuerentPickedText);
        ChoosePosition(pick, 0);
        pick->showWindow(); // as if it were still on screen
        f.dialogs.ExpectMessage(kQuerentChosenText);
        pick->positionBox->showPopup();
        QVERIFY(!pick->isShown());
        QCOMPARE(pick->positionBox->count(), 77);
        QVERIFY(!pick->positionBox->view()->isVisible());
        VERIFY_DIALOGS(f.dialogs);
    }

    // Keys on the closed position list open it instead of choosing an entry counted earlier.
    void keysOnClosedPositionListOpenIt()
    {
        ProgramFixture f;
        f.Start();
        PickCardWindow *pick = OpenPickCard();
        const CardKeys deck = program::state.deck;
        pick->positionBox->setFocus();
        QTest::keyClick(pick->positionBox, Qt::Key_Down);
        QTest::keyClick(pick->positionBox, Qt::Key_5);
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(pick->positionBox->currentIndex(), -1);
        pick->positionBox->hidePopup();
        VERIFY_DIALOGS(f.dialogs);
    }

    // The name list picks on a click or Enter; the arrow keys only move the selection.
    void nameListPicks_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("picked");
        QTest::newRow("click") << "click" << true;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("arrow keys") << "arrows" << false;
    }
    void nameListPicks()
    {
        QFETCH(QString, how);
        QFETCH(bool, picked);
        ProgramFixture f;
        f.Start();
        PickCardWindow *pick = OpenPickCard();
        QListWidget *list = pick->cardList;
        const int card = 3;
        if (how == QLatin1String("click")) {
            QListWidgetItem *item = list->item(card);
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        } else {
            list->setCurrentRow(0);
            list->setFocus();
            for (int i = 0; i < card; ++i)
                QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), card);
            if (how == QLatin1String("enter"))
                QTest::keyClick(list, Qt::Key_Return);
        }
        FlushDeletes();
        QCOMPARE(program::state.cardsOut[card] == CardKey(card), picked);
        QCOMPARE(program::state.cardsOut[1] == CardKey(1), false);
        QCOMPARE(program::state.cardsOut[2] == CardKey(2), false);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A card taken by name stays where it opened when its number is not greater than its
    // position; otherwise the same pick meets it again among the cards that are out and shows
    // it again at Left 5000, Top 2500.
    void pickByName_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("shownAgain");
        QTest::newRow("Fool on top") << 0 << 0 << false;
        QTest::newRow("Ten Disks on top") << 77 << 0 << true;
        QTest::newRow("number below position") << 5 << 30 << false;
        QTest::newRow("number above position") << 40 << 10 << true;
    }
    void pickByName()
    {
        QFETCH(int, card);
        QFETCH(int, position);
        QFETCH(bool, shownAgain);
        ProgramFixture f;
        f.Start();
        const auto at = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(card));
        std::iter_swap(at, program::state.deck.begin() + position);
        program::state.nextCardLeft = 300;
        program::state.nextCardTop = 200;
        PickCardWindow *pick = OpenPickCard();
        ChooseName(pick, card);
        CardWindow *window = WindowOf(card);
        QCOMPARE(WindowsOf(card).size(), 1);
        QCOMPARE(window, DefaultCardWindow(card));
        QCOMPARE(window->leftTwips(), shownAgain ? 5000.0f : 300.0f);
        QCOMPARE(window->topTwips(), shownAgain ? 2500.0f : 200.0f);
        QCOMPARE(program::state.cardsOut[card], CardKey(card));
        QVERIFY(std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(card))
            == program::state.deck.end());
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A card that is out, chosen by name: its windows close without giving it back and it is
    // shown again in its default window at Left 5000, Top 2500, at its design size.
    void outCardShownAgain_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("reversed");
        QTest::addColumn<int>("gypsie");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("cacheFile");
        QTest::newRow("Lovers") << 6 << 0 << 1 << 0 << "LoversCardbg"
                                << "loverscardbg";
        QTest::newRow("reversed Lovers, Gypsie Deck off") << 6 << 1 << 0 << 0 << "LoversCardbg"
                                                          << "loverscardbg";
        QTest::newRow("reversed Lovers, Gypsie Deck on") << 6 << 1 << 1 << 0 << "LoversCardbg6"
                                                         << "loverscardbg6";
        QTest::newRow("Strength Traditional") << 8 << 0 << 0 << 1 << "StrengthCardBG"
                                              << "strengthcardbg";
        QTest::newRow("Knight Swords by its key") << 26 << 0 << 0 << 0 << "KingSwordsbg"
                                                  << "kingswordsbg";
        QTest::newRow("Prince Swords") << 28 << 0 << 0 << 0 << "PrinceSwordsbg"
                                       << "princewordsbg";
        QTest::newRow("Hanged Man") << 12 << 0 << 0 << 0 << "HangmanCardbg"
                                    << "hangmancardbg";
    }
    void outCardShownAgain()
    {
        QFETCH(int, card);
        QFETCH(int, reversed);
        QFETCH(int, gypsie);
        QFETCH(int, deckStyle);
        QFETCH(QString, resource);
        QFETCH(QString, cacheFile);
        ProgramFixture f;
        f.Start();
        PutOnTop(card);
        Draw(); // dealt into a new window of its own
        QVERIFY(WindowOf(card) != DefaultCardWindow(card));
        program::state.reversed[card] = std::int16_t(reversed);
        program::state.gypsieDeck = std::int16_t(gypsie);
        program::state.deckStyle = static_cast<DeckStyle>(deckStyle);
        program::state.viewStates[card] = 4; // kept, though the window opens at its design size
        program::state.nextCardLeft = 300;
        program::state.nextCardTop = 200;
        const CardKeys deck = program::state.deck;
        const CardKeys out = program::state.cardsOut;
        const float height = DeckWindow::instance()->heightTwips();

        PickCardWindow *pick = OpenPickCard();
        const int listed = pick->positionBox->count();
        ChooseName(pick, card);

        QCOMPARE(WindowsOf(card).size(), 1);
        CardWindow *window = WindowOf(card);
        QCOMPARE(window, DefaultCardWindow(card));
        QCOMPARE(window->leftTwips(), 5000.0f);
        QCOMPARE(window->topTwips(), 2500.0f);
        QCOMPARE(window->innerWidthTwips(), CardDataOf(card).clientWidth);
        QCOMPARE(window->picture()->widthTwips(), window->innerWidthTwips());
        QCOMPARE(FileBytes(cacheFile), platform::Resource(resource));
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(program::state.cardsOut, out);
        QCOMPARE(program::state.viewStates[card], std::int16_t(4));
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        QCOMPARE(DeckWindow::instance()->heightTwips(), height);
        QCOMPARE(pick->positionBox->count(), listed);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A key that names no card shows nothing and closes nothing.
    void showOutCardWithAKeyThatNamesNoCard_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << "";
        QTest::newRow("empty marker") << kNoCard;
        QTest::newRow("title, not key") << "The Fool";
    }
    void showOutCardWithAKeyThatNamesNoCard()
    {
        QFETCH(QString, key);
        ProgramFixture f;
        f.Start();
        PutOnTop(0);
        Draw();
        PickCardWindow *pick = OpenPickCard();
        const QStringList windows = OpenCaptions();
        pick->showOutCard(key);
        FlushDeletes();
        QCOMPARE(OpenCaptions(), windows);
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
    }

    // After the querent is chosen, a name chosen says so and hides the window; nothing is taken.
    void nameAfterQuerentChosen()
    {
        ProgramFixture f;
        f.Start();
        program::state.reading = Reading::CelticCross;
        f.dialogs.ExpectMessage(kQuerentChosenText);
        PickCardWindow *pick = PickCardWindow::instance();
        pick->ensureLoaded();
        pick->showWindow();
        const CardKeys deck = program::state.deck;
        f.dialogs.ExpectMessage(kQuerentChosenText);
        ChooseName(pick, 0);
        QVERIFY(!pick->isShown());
        QCOMPARE(program::state.deck, deck);
        QCOMPARE(program::state.cardsOut[0], kNoCard);
        VERIFY_DIALOGS(f.dialogs);
    }

    // "Exit Form" outside the querent step only hides the window.
    void exitFormOnlyHides()
    {
        ProgramFixture f;
        f.Start();
        PickCardWindow *pick = OpenPickCard();
        pick->exitButton->click();
        QVERIFY(!pick->isShown());
        QVERIFY(pick->isLoaded());
        QCOMPARE(program::state.reading, Reading::NoReading);
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_pickcardwindow)
#include "tst_pickcardwindow.moc"
