// The two cuts: once (a part from the top goes under the rest) and twice (a block from the
// top and a block of the same size from the bottom trade places).
#pragma once

#include "app/programstate.h"

#include <QStringList>

namespace platform {
class RandomSource;
}

inline const QString kCutDuringReadingText = QStringLiteral("The reading has begun.  You can't cut the cards now");
inline const QString kCutOneCardText = QStringLiteral("You can't cut one card");
inline const QString kCutTwiceTooFewText = QStringLiteral("You can't cut less than 3 cards twice.");

enum class CutOutcome {
    Cut,
    OneCard, // the single cut refuses one card
    TooFewCards, // the double cut refuses fewer than three cards
};

// Cuts the cards that lie in `deck` once and writes them back packed from the top.
CutOutcome StartCut(CardKeys &deck, platform::RandomSource &random);
// Cuts the cards that lie in `deck` twice and writes them back packed from the top.
CutOutcome StartCutTwice(CardKeys &deck);

// The single cut of `cards` (top card first). Draws the direction and then the size of the
// shift, except when it refuses one card; an empty list stays empty.
CutOutcome CutDeck(QStringList &cards, platform::RandomSource &random);
// The double cut of `cards`; uses no random value.
CutOutcome CutDeckTwice(QStringList &cards);
