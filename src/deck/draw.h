// The free deal's names: which card the top key is, which picture it shows and the cache file
// the picture goes through. Kept apart from the card windows' own names, which differ.
#pragma once

#include "app/programstate.h"

#include <QString>

#include <cstdint>

// "6" (the upside-down picture) when the card lies reversed and reversed cards are shown
// upside down; otherwise "" (upright). Only the value 1 counts in either variable.
QString FreeDealPicSuffix(std::int16_t reversed, std::int16_t gypsieDeck);

struct DealPicture
{
    QString resource; // embedded picture: resource stem + pictureSuffix
    QString cacheFile; // file name inside the data folder: cache base + pictureSuffix
};

// The picture of card `cardNumber` in the free deal. The four style cards take their
// Traditional names when `deckStyle` is Traditional, the Thoth names for any other value.
DealPicture FreeDealPicture(int cardNumber, DeckStyle deckStyle, const QString &picSuffix);
