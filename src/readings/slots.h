// Where the cards of a reading lie. Each place of a spread is a card window's size and
// position, computed from the layout window's position and inner size at the moment the card
// is dealt, so that a moved layout window takes its later places along.
#pragma once

#include <QString>

#include <cstdint>

// The layout window as the places are computed from it, twips: its position and inner size.
struct LayoutFrame
{
    float left = 0;
    float top = 0;
    float innerWidth = 0;
    float innerHeight = 0;
};

// The window of a card dealt into a reading, twips. Positions are held in 32 bits: a layout
// window far to the right or bottom of a large screen still places its cards.
struct Slot
{
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t top = 0;
    std::int32_t left = 0;
};

inline bool operator==(const Slot &a, const Slot &b)
{
    return a.height == b.height && a.width == b.width && a.top == b.top && a.left == b.left;
}

constexpr int kCelticPlaces = 10;
constexpr int kFiveCardPlaces = 5;
// The Celtic Cross place whose card lies across the first one, turned a quarter.
constexpr int kCrossingPlace = 2;

// The draw after a spread's last place deals a full-size card into the top left corner.
constexpr Slot kClosingSlot { 3312, 2172, 2, 2 };

// Place 1..10 of the Celtic Cross. Halves round to the even neighbour.
Slot CelticSlot(int place, const LayoutFrame &frame);
// The picture suffix a Celtic Cross place asks for: the quarter turn ("5") for the crossing
// card, upright ("") for every other place.
QString CelticPicSuffix(int place);

// Place 1..5 of the Five Card reading. Its offsets are whole-number quotients (both operands
// rounded, the quotient truncated), so a place moves in whole twips as the window grows.
Slot FiveCardSlot(int place, const LayoutFrame &frame);
