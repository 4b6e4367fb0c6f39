// The shuffle: one to three cards are turned over, then the deck is split in two and the
// halves are interleaved in clumps. Every random value comes from the source it is given.
#pragma once

#include "app/programstate.h"

#include <QStringList>

namespace platform {
class RandomSource;
}

inline const QString kShuffleDuringReadingText = QStringLiteral("The reading has begun.  No more shuffling");
inline const QString kShuffleNoCardsText = QStringLiteral("Can't shuffle no cards");
inline const QString kShuffleTooFewText = QStringLiteral("Less than 5 cards probably won't shuffle");

enum class ShuffleOutcome {
    Shuffled,
    TooFewCards, // fewer than four cards: only the turns happened
};

// Shuffles the cards that lie in `deck` and writes them back packed from the top; turns
// cards over in `reversed`. An empty deck is refused by the command before it gets here.
ShuffleOutcome StartShuffle(CardKeys &deck, CardFlags &reversed, platform::RandomSource &random);

// The shuffle of `cards` (top card first), in this order of random operations: reseed, the
// number of turns, the turned card numbers, reseed; then, with four cards or more, the
// direction and size of the split's shift, the mode, the clump size (clump mode only) and
// the side that starts.
ShuffleOutcome ShuffleCards(QStringList &cards, CardFlags &reversed, platform::RandomSource &random);
