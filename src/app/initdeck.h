// Building a new deck in the shared state.
#pragma once

struct ProgramState;

// A new deck in card order (Strength and Justice placed by the deck style), nothing reversed,
// nothing out, "Gypsie Deck" off, deckState New, cardReturn ToDeck. Windows are not touched.
void InitDeck(ProgramState &state);
