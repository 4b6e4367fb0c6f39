// The four suits: their symbols, colours, the pip layouts of Ace to Ten and
// the figures of the court cards.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace art {

enum class Suit { Wands, Cups, Swords, Disks };
enum class CourtRank { King, Knight, Queen, Prince, Princess };

struct SuitTheme
{
    QColor panelTop; // the card's picture area, top
    QColor panelBottom; // and bottom
    QColor main; // robes, symbol accents
    QColor dark;
    QColor hair;
};

const SuitTheme &suitTheme(Suit suit);

// Draws the suit's symbol standing upright, centred on `centre`, `height`
// pixels tall; rotated by `angleDeg` clockwise about its centre.
void drawSuitSymbol(QPainter &p, Suit suit, QPointF centre, double height, double angleDeg = 0.0);

// Ace to Ten: the suit's symbol `rank` times over the picture area.
void drawPips(QPainter &p, const QRectF &panel, Suit suit, int rank);

// A court card's figure: a crowned (or helmeted) bust holding the suit's
// symbol, set before its rank's own backdrop (throne, lance, sunburst,
// flowers). It leaves the panel below kCourtBannerTop (a fraction of its
// height) for the banner with the rank's name.
inline constexpr double kCourtBannerTop = 0.82;
void drawCourtFigure(QPainter &p, const QRectF &panel, Suit suit, CourtRank rank);

} // namespace art
