#include "deck/ui/cardreturn.h"

#include "app/programstate.h"
#include "cards/carddata.h"
#include "deck/decksize.h"
#include "deck/ui/deckwindow.h"

void ReturnCardToDeck(const CardData &card)
{
    // Only a card that is out goes back: when another window of the card has already given it
    // back, this close gives nothing, so the deck never gains a second copy.
    if (program::state.cardsOut[card.number] != card.key)
        return;
    const int slot = FirstFreePosition(program::state.deck);
    if (slot < 0)
        return;
    // The window is shown at the refill size before the card goes in: growing then decides
    // whether the pile picture shows.
    DeckWindow *deck = DeckWindow::instance();
    if (slot == 0 && deck) {
        deck->showWindow();
        deck->setHeightTwips(card.refillHeight);
        deck->setWidthTwips(static_cast<float>(kDeckFloorWidth));
    }
    program::state.deck[slot] = card.key;
    program::state.cardsOut[card.number] = kNoCard;
    program::state.viewStates[card.number] = 0;
    program::state.nextCardLeft = static_cast<std::int16_t>(card.returnPosition);
    program::state.nextCardTop = static_cast<std::int16_t>(card.returnPosition);
    program::state.returnPending = true;
    if (deck)
        deck->growAfterCardReturned();
    else
        program::state.returnPending = false;
}
