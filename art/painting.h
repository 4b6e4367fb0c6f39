// Drawing helpers shared by the card, window and animation pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>

class QPainter;

namespace art {

// The colours that tie the deck and the windows together.
namespace ink {
inline const QColor dark { 0x2b, 0x22, 0x1c };
inline const QColor gold { 0xc8, 0x9b, 0x2c };
inline const QColor paleGold { 0xe9, 0xcf, 0x7a };
inline const QColor ivory { 0xf4, 0xec, 0xd9 };
inline const QColor beige { 0xee, 0xe3, 0xcc };
inline const QColor skin { 0xec, 0xcb, 0xa6 };
} // namespace ink

enum class FontFace {
    Sans,
    SansBold,
    Serif,
    SerifBold,
    SerifItalic,
    SerifCondensedBold,
    SansCondensed,
    SansCondensedBold
};

// Loads the DejaVu fonts that ship with the build's dependencies. Returns
// false when one of them is missing (each such file is named on stderr with
// its package); text would then come out differently from one machine to the
// next.
bool loadFonts();
QFont font(FontFace face, double pixelSize);

// Text is drawn as outlines rather than through the glyph cache, so that it
// looks the same whatever the font settings of the machine are.
QPainterPath textPath(const QString &text, const QFont &f);

// Draws one line of text centred in the box, shrunk to fit its width.
void drawTextLine(QPainter &p, const QString &text, const QFont &f, const QRectF &box, const QColor &colour,
    Qt::Alignment align = Qt::AlignCenter);

// Word-wraps a paragraph into the box from its top; returns the height used.
// A line break in the text starts a new line.
double paragraphHeight(const QString &text, const QFont &f, double width, double lineHeight = 1.25);
double drawParagraph(QPainter &p, const QString &text, const QFont &f, const QRectF &box, const QColor &colour,
    double lineHeight = 1.25, Qt::Alignment align = Qt::AlignLeft);

// A picture filled with `base`, roughened by smooth noise of +-`amount` in
// brightness. With `weave` > 0 fine threads run across it, as in linen. The
// noise wraps around at the edges, so the picture can be tiled.
QImage texturedPaper(int width, int height, const QColor &base, double amount, double weave, std::uint64_t seed);

QColor mix(const QColor &a, const QColor &b, double t);
QColor withAlpha(const QColor &c, int alpha);

QPainterPath starPath(QPointF centre, int points, double outer, double inner, double rotationDeg = -90.0);
QPainterPath heartPath(QPointF centre, double size);

// Rays fanning out from the centre, alternating long and short.
void drawRays(QPainter &p, QPointF centre, int count, double inner, double outer, const QColor &colour, double width,
    double rotationDeg = 0.0);

} // namespace art
