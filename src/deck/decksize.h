// The deck and the size of the deck window: the window shrinks by one step for every card
// that leaves the deck and grows by one step for every card that comes back.
#pragma once

#include "app/programstate.h"

#include <optional>

constexpr double kDeckHeightStep = 3.68;
constexpr double kDeckWidthStep = 6.15;
constexpr double kDeckFloorHeight = 3409;
constexpr double kDeckFloorWidth = 2244;
constexpr double kDeckRegrowthHeight = 3796;

struct DeckWindowSize
{
    float height;
    float width;
};

// Removes the top card: every card moves up one place, the last position becomes kNoCard.
void ShiftDeck(CardKeys &deck);

// The first position holding kNoCard (the number of cards in a packed deck), or -1 when the
// deck is full.
int FirstFreePosition(const CardKeys &deck);

bool DeckIsEmpty(const CardKeys &deck);

// The size after a card left the deck: one step smaller, or the floor size once the height
// has come down to the floor.
DeckWindowSize SizeAfterCardTaken(float height, float width);

// The size after a card came back (it already stands in `deck`): one step larger while the
// height is at most the regrowth threshold, else the size that fits the number of cards.
// No value when the deck is full and the window is taller than the threshold: the size stays.
std::optional<DeckWindowSize> SizeAfterCardReturned(float height, float width, const CardKeys &deck);
