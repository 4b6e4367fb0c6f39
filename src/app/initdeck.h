// Building a new deck in the shared state.
#pragma once

struct SharedState;

// A new deck in card order (Strength and Justice placed by the deck style), nothing reversed,
// nothing out, "Gypsie Deck" off, DeckState 1, CardReturnMode 1. Windows are not touched.
void InitDeck(SharedState &state);
