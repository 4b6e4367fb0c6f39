// The card pictures: the common frame with number and title around each
// card's own scene, the turned versions, and the back of the cards.
#pragma once

#include "cardlist.h"

#include <QImage>

class QPainter;

namespace art {

// The upright picture of one card, kCardWidth x kCardHeight.
QImage renderCardPicture(const CardPicture &card);

// The upright picture turned clockwise by 0, 90, 180 or 270 degrees.
QImage turnedPicture(const QImage &upright, int clockwiseDegrees);

// Paints the back of a card filling `rect` (any size; drawn to scale). The
// plain version leaves out shading and fine lines, for the animations, whose
// frames must stay small.
void paintCardBack(QPainter &p, const QRectF &rect, bool plain = false);

} // namespace art
