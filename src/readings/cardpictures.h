// The pictures of the reading deal, the pick and the re-show of a card that is out: the
// embedded picture (stem + suffix) and the cache file it goes through (name + suffix) in the
// data folder. Each of the three keeps its own cache names, spelled exactly as they have
// always been, so that every file a user's data folder already holds is found again.
#pragma once

#include "deck/draw.h"

#include <QList>
#include <QString>

// The pictures the reading deal writes for card `cardNumber`, in the order it writes them;
// the last one is the picture shown. The four style cards always write their Thoth picture
// and, when `deckStyle` is Traditional, their Traditional picture after it.
QList<DealPicture> ReadingDealPictures(int cardNumber, DeckStyle deckStyle, const QString &picSuffix);

// The picture of a card taken out of the deck by Pick A Card. Style cards: Traditional when
// `deckStyle` is Traditional, Thoth for any other value.
DealPicture TakeCardPicture(int cardNumber, DeckStyle deckStyle, const QString &picSuffix);

// The picture of a card that is out and shown again by Pick A Card. Style cards as above.
DealPicture OutCardPicture(int cardNumber, DeckStyle deckStyle, const QString &picSuffix);
