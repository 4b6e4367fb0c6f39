// The twelve view states of a card window and the moves between them, without any window:
// which state a command leads to, the window size of a state, and the picture and cache file
// a state shows.
//
// A view state is a size row (0-3 normal, 4-7 large, 8-11 small) and an orientation within
// the row (upright, quarter turn clockwise, upside down, three-quarter turn clockwise).
#pragma once

#include "app/programstate.h"
#include "cards/carddata.h"

#include <QString>

#include <cstdint>

constexpr int kViewStateCount = 12;

// Heights of the default window that Enlarge and Shrink look for.
constexpr float kNormalHeight = 3312.0f;
constexpr float kSmallUprightHeight = 1900.0f;
constexpr float kLargeUprightHeight = 6924.0f;

struct WindowSize
{
    float height; // outer size, twips
    float width;
};

// Enlarge turns the card upright: a small upright or upside-down window (1900 high) becomes
// normal, every other window large. `defaultHeight` is the height of the card's default window.
int EnlargeTarget(float defaultHeight);
// Shrink: a large upright or upside-down window (6924 high) becomes normal, every other small.
int ShrinkTarget(float defaultHeight);
// Rotate: a further quarter turn within the size row; -1 for a value that is no view state.
int RotateTarget(int viewState);

// The reversed flag of a card in `state`: 1 upside down, else 0.
std::int16_t ReversedOfState(int state);

// The window size of `state` reached by `route`, the card's own sizes taken into account.
WindowSize SizeOfState(const CardData &card, int state, Route route);
// The design table's size of `state`.
WindowSize DesignSizeOfState(int state);

// kTraditional for a card with two styles when the deck style is Traditional, else kThoth.
int StyleIndex(const CardData &card, DeckStyle deckStyle);

// What a window in a state shows: the embedded picture and the cache file (a name inside the
// data folder) it is written to and read from. Both empty: the design picture, no file.
struct StatePicture
{
    QString resource;
    QString cacheFile;
    bool isDesignPicture() const { return cacheFile.isEmpty(); }
};
StatePicture PictureOfState(const CardData &card, int state, DeckStyle deckStyle);
