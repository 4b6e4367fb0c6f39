#include "app/cardtable.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "deck/decksize.h"
#include "deck/ui/deckwindow.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <QTest>

namespace {

const QString kCloseQuestion = QStringLiteral(" Do you want to Close the Deck without saving? ");

// A child window that records being closed and can give a card back as card windows do.
class FakeCardWindow : public platform::ChildWindow
{
public:
    FakeCardWindow(const QString &caption, int card)
        : ChildWindow(QStringLiteral("Fake"), 2100, 2850)
        , m_card(card)
    {
        setDeleteOnUnload(true);
        ensureLoaded();
        setCaption(caption);
    }
    static inline QStringList closed;

protected:
    void queryUnloadEvent(bool &, platform::UnloadReason) override
    {
        closed << caption();
        if (m_card < 0 || program::state.cardReturn != CardReturn::ToDeck)
            return;
        const int i = FirstFreePosition(program::state.deck);
        if (i < 0)
            return;
        program::state.deck[i] = CardKey(m_card);
        program::state.cardsOut[m_card] = kNoCard;
        program::state.returnPending = true;
        DeckWindow::instance()->growAfterCardReturned();
    }

private:
    int m_card;
};

// Deals the top card the way the draw does, without a card window.
void TakeTopCard()
{
    const int card = CardNumberOfKey(program::state.deck[0]);
    program::state.cardsOut[card] = program::state.deck[0];
    DeckWindow::instance()->removeTopCard();
    DeckWindow::instance()->shrinkAfterCardTaken();
}

} // namespace

class tst_deckwindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { FakeCardWindow::closed.clear(); }

    void shrinksPerCardDownToTheFloorAndHidesWhenEmpty()
    {
        ProgramFixture f;
        f.Start(true);
        const float designHeight = DeckWindow::instance()->heightTwips();
        const float designWidth = DeckWindow::instance()->widthTwips();
        QCOMPARE(designHeight, 3240.0f + platform::kFrameHeight);
        TakeTopCard();
        QCOMPARE(DeckWindow::instance()->heightTwips(), float(designHeight - 3.68));
        QCOMPARE(DeckWindow::instance()->widthTwips(), float(designWidth - 6.15));
        while (program::state.deck[1] != kNoCard) {
            TakeTopCard();
            QVERIFY(DeckWindow::instance()->heightTwips() > 3409.0f);
            QVERIFY(DeckWindow::instance()->isShown());
        }
        // The last card: the floor size, hidden but still loaded.
        TakeTopCard();
        QVERIFY(!DeckWindow::instance()->isShown());
        QVERIFY(DeckWindow::instance()->isLoaded());
        QCOMPARE(DeckWindow::instance()->widthTwips(), 2244.0f);
        QCOMPARE(DeckWindow::instance()->heightTwips(), 3409.0f);
    }

    void returnedCardGrowsTheWindow()
    {
        ProgramFixture f;
        f.Start(true);
        // Empty the deck, then give one card back: one step above the floor, shown.
        while (program::state.deck[0] != kNoCard)
            TakeTopCard();
        program::state.deck[0] = CardKey(0);
        program::state.cardsOut[0] = kNoCard;
        DeckWindow::instance()->setHeightTwips(3409);
        DeckWindow::instance()->setWidthTwips(2244);
        program::state.returnPending = true;
        DeckWindow::instance()->growAfterCardReturned();
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->heightTwips(), float(3409 + 3.68));
        QCOMPARE(DeckWindow::instance()->widthTwips(), float(2244 + 6.15));
        QCOMPARE(program::state.returnPending, false);
    }

    void addtoDeckWithoutPendingReturnDoesNothing()
    {
        ProgramFixture f;
        f.Start(true);
        DeckWindow::instance()->hideWindow();
        const float height = DeckWindow::instance()->heightTwips();
        DeckWindow::instance()->growAfterCardReturned();
        QVERIFY(!DeckWindow::instance()->isShown());
        QCOMPARE(DeckWindow::instance()->heightTwips(), height);
    }

    void emptyDeckPictureComesBackWithCards()
    {
        ProgramFixture f;
        f.Start(true);
        const CardKeys full = program::state.deck;
        program::state.deck.fill(kNoCard);
        DeckWindow::instance()->pileReleased();
        QVERIFY(DeckWindow::instance()->pile->isHidden());
        QCOMPARE(DeckWindow::instance()->heightTwips(), 3409.0f);
        QVERIFY(DeckWindow::instance()->isShown());
        program::state.deck = full;
        DeckWindow::instance()->showWindow();
        QVERIFY(!DeckWindow::instance()->pile->isHidden());
    }

    void activateHidesAnEmptyDeck()
    {
        ProgramFixture f;
        f.Start(true);
        program::state.deck.fill(kNoCard);
        DeckWindow::instance()->handleActivated();
        QVERIFY(!DeckWindow::instance()->isShown());
    }

    void aDealtCardOpensOnTopOfTheDeck()
    {
        ProgramFixture f;
        f.Start(true);
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(20, 20));
            QCoreApplication::processEvents();
            const QList<QMdiSubWindow *> stack
                = MainWindow::instance()->workspace()->subWindowList(QMdiArea::StackingOrder);
            QCOMPARE(stack.last()->windowTitle(), CardTitle(i));
            QCOMPARE(MainWindow::instance()->workspace()->activeSubWindow(), stack.last());
        }
    }

    void cardNamedTwiceInTheDeckStillComesBack()
    {
        // A deck file may name a card twice; dealing one copy and returning it must leave the
        // card recorded as in the deck, not as out for good.
        ProgramFixture f;
        f.Start(true);
        program::state.deck[5] = CardKey(0);
        DeckWindow::instance()->drawTopCard();
        QCOMPARE(program::state.cardsOut[0], CardKey(0));
        platform::ChildWindow *window = platform::FindWindowByCaption(CardTitle(0));
        QVERIFY(window);
        QVERIFY(window->unload());
        QCOMPARE(program::state.cardsOut[0], kNoCard);
        QCOMPARE(program::state.deck[77], CardKey(0));
        QCOMPARE(program::state.deck[4], CardKey(0));
    }

    void closeAnsweredNoKeepsEverything()
    {
        ProgramFixture f;
        f.Start(true);
        new FakeCardWindow(QStringLiteral("The Fool"), -1);
        f.dialogs.ExpectQuestion(kCloseQuestion, false);
        QVERIFY(!DeckWindow::instance()->unload(platform::UnloadReason::CloseBox));
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(FakeCardWindow::closed.isEmpty());
        QVERIFY(DeckWindow::instance()->isLoaded());
        QCOMPARE(int(program::state.deckState), 1);
        QCOMPARE(program::state.deckClosed, false);
    }

    void closeAnsweredYesClosesEveryOtherWindow()
    {
        ProgramFixture f;
        f.Start(true);
        TakeTopCard();
        TakeTopCard();
        new FakeCardWindow(QStringLiteral("The Fool"), 0);
        new FakeCardWindow(QStringLiteral("Pick A Card"), -1);
        new FakeCardWindow(QStringLiteral("The Magus"), 1);
        f.dialogs.ExpectQuestion(kCloseQuestion, true);
        QVERIFY(DeckWindow::instance()->unload(platform::UnloadReason::CloseBox));
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(FakeCardWindow::closed,
            QStringList({ QStringLiteral("The Fool"), QStringLiteral("Pick A Card"), QStringLiteral("The Magus") }));
        QCOMPARE(platform::OpenWindows().size(), 0);
        // Both cards are back, at the bottom, in the order their windows closed.
        QCOMPARE(program::state.deck[75], CardKey(77));
        QCOMPARE(program::state.deck[76], CardKey(0));
        QCOMPARE(program::state.deck[77], CardKey(1));
        QCOMPARE(program::state.deckClosed, true);
        QCOMPARE(int(program::state.deckState), 0);
    }

    void mainWindowCloseAsksTheDeckFirst()
    {
        ProgramFixture f;
        f.Start(true);
        TakeTopCard();
        new FakeCardWindow(QStringLiteral("The Fool"), 0);
        const CardKeys before = program::state.deck;
        // No: nothing closes, no card comes back, the program goes on.
        f.dialogs.ExpectQuestion(kCloseQuestion, false);
        QVERIFY(!MainWindow::instance()->close());
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(FakeCardWindow::closed.isEmpty());
        QVERIFY(program::state.deck == before);
        QVERIFY(MainWindow::instance()->isVisible());
        // Yes: the card comes back once, everything closes.
        f.dialogs.ExpectQuestion(kCloseQuestion, true);
        QVERIFY(MainWindow::instance()->close());
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(FakeCardWindow::closed, QStringList(QStringLiteral("The Fool")));
        QCOMPARE(program::state.deck[77], CardKey(0));
        QCOMPARE(std::count(program::state.deck.begin(), program::state.deck.end(), CardKey(0)), 1);
    }
};

QTEST_MAIN(tst_deckwindow)
#include "tst_deckwindow.moc"
