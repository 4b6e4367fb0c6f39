#include "deck/decksize.h"

#include "platform/numbers.h"

using platform::Single7;

void ShiftDeck(CardKeys &deck)
{
    for (int i = 0; i < kCardCount - 1; ++i)
        deck[i] = deck[i + 1];
    deck[kCardCount - 1] = kNoCard;
}

int FirstFreePosition(const CardKeys &deck)
{
    for (int i = 0; i < kCardCount; ++i) {
        if (deck[i] == kNoCard)
            return i;
    }
    return -1;
}

bool DeckIsEmpty(const CardKeys &deck)
{
    return deck[0] == kNoCard;
}

// The current size is read as the windowing layer reports it: a single-precision value seen
// through its seven-digit decimal text, so that the steps add up as decimal numbers.
DeckWindowSize SizeAfterCardTaken(float height, float width)
{
    const double h = Single7(height);
    const double w = Single7(width);
    if (h > kDeckFloorHeight)
        return {static_cast<float>(h - kDeckHeightStep), static_cast<float>(w - kDeckWidthStep)};
    return {static_cast<float>(kDeckFloorHeight), static_cast<float>(kDeckFloorWidth)};
}

std::optional<DeckWindowSize> SizeAfterCardReturned(float height, float width, const CardKeys &deck)
{
    const double h = Single7(height);
    const double w = Single7(width);
    if (h <= kDeckRegrowthHeight)
        return DeckWindowSize{static_cast<float>(h + kDeckHeightStep), static_cast<float>(w + kDeckWidthStep)};
    const int cards = FirstFreePosition(deck);
    if (cards < 0)
        return std::nullopt;
    return DeckWindowSize{static_cast<float>(kDeckFloorHeight + (cards - 1) * kDeckHeightStep),
                          static_cast<float>(kDeckFloorWidth + (cards - 1) * kDeckWidthStep)};
}
