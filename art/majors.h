// The 22 major cards: each has a background of its own and an emblem drawn
// with vector shapes. The Emperor, Strength, Justice and The Star have a
// Thoth and a Traditional design.
#pragma once

#include "cardlist.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace art {

// Fills the picture area of major card `cardNumber` (0..21) with its scene.
void drawMajorPanel(QPainter &p, const QRectF &panel, int cardNumber, DeckStyle style);

// The card's number in Roman numerals ("0" for The Fool). Strength and
// Justice trade numbers between the two deck orders.
QString majorNumeral(int cardNumber, DeckStyle style);

} // namespace art
