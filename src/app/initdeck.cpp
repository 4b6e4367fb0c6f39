#include "app/initdeck.h"

#include "app/cardtable.h"
#include "app/programstate.h"

void InitDeck(ProgramState &state)
{
    state.deckState = DeckState::New;
    state.gypsieDeck = 0;
    for (int i = 0; i < kCardCount; ++i) {
        state.deck[i] = CardKey(i);
        state.reversed[i] = 0;
    }
    // Traditional decks number Strength eighth; Thoth decks put Justice there.
    if (state.deckStyle != DeckStyle::Traditional) {
        state.deck[kStrength] = CardKey(kJustice);
        state.deck[kJustice] = CardKey(kStrength);
    }
    for (int j = 0; j < kCardCount; ++j)
        state.cardsOut[j] = kNoCard;
    state.cardReturn = CardReturn::ToDeck;
}
