// Dealing the top card into the reading under way (Reading::FiveCard or CelticCross): the reading's next
// place gives the card window its size and position, and the card is shown there.
#pragma once

class DeckWindow;

// Called by the deck click instead of the free deal while a reading is under way.
void DealReadingCard(DeckWindow &deck);
