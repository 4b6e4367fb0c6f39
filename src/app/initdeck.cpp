#include "app/initdeck.h"

#include "app/cardtable.h"
#include "app/programstate.h"

void InitDeck(SharedState &state)
{
    state.DeckState = 1;
    state.GypsieDeck = 0;
    for (int i = 0; i < kCardCount; ++i) {
        state.Deck[i] = CardKey(i);
        state.Reversed[i] = 0;
    }
    // Traditional decks number Strength eighth; Thoth decks put Justice there.
    if (state.DeckStyle != 1) {
        state.Deck[kStrength] = CardKey(kJustice);
        state.Deck[kJustice] = CardKey(kStrength);
    }
    for (int j = 0; j < kCardCount; ++j)
        state.CardsOut[j] = kNoCard;
    state.CardReturnMode = 1;
}
