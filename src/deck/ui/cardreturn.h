// A card comes back into the deck: the deck owns that, so a card window only asks.
#pragma once

struct CardData;

// Puts the card of `card` back at the first free place of the deck, when it is out, and grows
// the deck window (refilling it when it was empty).
void ReturnCardToDeck(const CardData &card);
