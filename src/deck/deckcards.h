// The cards that lie in the deck, taken out in deck order and written back packed, and the
// random draws the shuffle and the cuts make.
#pragma once

#include "app/programstate.h"

#include <QStringList>

namespace platform {
class RandomSource;
}

// Every entry of `deck` that holds a card, in deck order. Empty slots are skipped wherever
// they stand, so a deck read from a file with gaps inside it loses none of its cards.
QStringList CardsInDeck(const CardKeys &deck);

// Puts `cards` at positions 0 onward and the empty marker in every later position.
void PutCardsInDeck(CardKeys &deck, const QStringList &cards);

// The size of the lower part when `count` cards are split: half of an even count; for an odd
// count half plus one, rounded to the nearest whole number with halves going to the even one
// (5 gives 4, 7 gives 4, 9 gives 6).
int LowerPartSize(int count);

// The next draw scaled to a whole number from 0 to m - 1.
int DrawBelow(platform::RandomSource &random, int m);
// The next draw scaled to a whole number from 1 to m.
int DrawFromOneTo(platform::RandomSource &random, int m);
