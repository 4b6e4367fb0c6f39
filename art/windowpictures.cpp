#include "windowpictures.h"

#include "cards.h"
#include "painting.h"
#include "resourcelist.h"
#include "suits.h"
#include "windowparts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art {

namespace {

const QColor kText(0x3a, 0x2c, 0x22);

QImage mainBackground()
{
    // A pale linen tile; the noise wraps around so the tiles meet unseen.
    return texturedPaper(
        kMainBackground.width, kMainBackground.height, QColor(0xef, 0xe6, 0xd2), 6.0, 3.0, 0xBAC6A0DDull);
}

// The deck lies face down: the top card at the top left and the edges of the
// cards beneath it stepping down to the right. The deck window shows only the
// top left part of this picture, less of it the fewer cards are left, so the
// pile seems to shrink as cards are dealt.
QImage deckPicture()
{
    const int w = kDeckPicture.width, h = kDeckPicture.height;
    QImage img = texturedPaper(w, h, QColor(0xe6, 0xdb, 0xc4), 5.0, 2.0, 0xDEC4ull);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF top(8, 8, 166, 226);
    const int layers = 14;
    const QPointF step(3.6, 3.2);

    // Soft shadow under the pile.
    for (int i = 0; i < 6; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 40, 20, 14));
        p.drawRoundedRect(top.translated(step * layers + QPointF(2 + i, 3 + i)), 10, 10);
    }
    for (int i = layers; i >= 1; --i) {
        const QRectF edge = top.translated(step * i);
        p.setPen(QPen(QColor(0x8a, 0x7c, 0x66), 1.0));
        p.setBrush(i % 2 ? QColor(0xf6, 0xf0, 0xe2) : QColor(0xe8, 0xe0, 0xcc));
        p.drawRoundedRect(edge, 9, 9);
    }
    paintCardBack(p, top);
    p.end();
    return img;
}

// The program's emblem: three cards fanned out, the front one showing a star.
void paintEmblem(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center());
    const double s = std::min(box.width(), box.height()) / 100.0;
    p.scale(s, s);
    const QRectF card(-22, -33, 44, 60);
    for (double angle : { -24.0, 24.0 }) {
        p.save();
        p.translate(0, 30);
        p.rotate(angle);
        p.translate(0, -30);
        paintCardBack(p, card.translated(0, -4));
        p.restore();
    }
    // The front card: ivory with a gold star under a dark night panel.
    QPainterPath face;
    face.addRoundedRect(card.translated(0, 2), 4, 4);
    p.setPen(QPen(ink::dark, 1.6));
    p.setBrush(ink::ivory);
    p.drawPath(face);
    const QRectF panel = card.translated(0, 2).adjusted(4, 4, -4, -4);
    p.setBrush(QColor(0x1d, 0x2a, 0x4c));
    p.setPen(QPen(ink::gold, 1.0));
    p.drawRoundedRect(panel, 2, 2);
    QRadialGradient glow(panel.center(), 22);
    glow.setColorAt(0.0, QColor(255, 240, 180, 200));
    glow.setColorAt(1.0, QColor(255, 240, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(panel.center(), 22, 22);
    p.setPen(QPen(QColor(0xa0, 0x70, 0x10), 0.8));
    p.setBrush(QColor(0xfb, 0xd8, 0x50));
    p.drawPath(starPath(panel.center(), 8, 16, 6.5));
    p.restore();
}

QImage programIcon()
{
    QImage img(kProgramIcon.width, kProgramIcon.height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintEmblem(p, QRectF(0, 2, kProgramIcon.width, kProgramIcon.height));
    p.end();
    return img;
}

QImage icoPicture()
{
    QImage img = windowPaper(kIcoPicture.width, kIcoPicture.height, 0x1C0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintEmblem(p, QRectF(30, 4, 122, 128));
    drawTextLine(p, QStringLiteral("Game of Kestov"), font(FontFace::SerifBold, 18), QRectF(6, 138, 170, 28), kText);
    p.end();
    return img;
}

QImage propertiesPicture()
{
    // The window stretches this picture over its client area, so the rows
    // below sit level with the two option buttons placed at the right.
    QImage img = windowPaper(kPropertiesPicture.width, kPropertiesPicture.height, 0x9A0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTextLine(p, QStringLiteral("Deck Style"), font(FontFace::SerifBold, 13), QRectF(8, 6, 100, 16), kText,
        Qt::AlignLeft | Qt::AlignVCenter);
    drawParagraph(p,
        QStringLiteral("Choose between two popular tarot arrangements: the Traditional "
                       "deck or the Thoth deck."),
        font(FontFace::Sans, 10), QRectF(8, 26, 98, 72), kText, 1.22);
    const QFont italic = font(FontFace::SerifItalic, 12);
    drawTextLine(p, QStringLiteral("Thoth"), italic, QRectF(110, 22, 67, 18), kText, Qt::AlignRight | Qt::AlignVCenter);
    drawTextLine(
        p, QStringLiteral("Traditional"), italic, QRectF(110, 72, 67, 18), kText, Qt::AlignRight | Qt::AlignVCenter);
    p.setPen(QPen(withAlpha(ink::gold, 180), 1.0));
    p.drawLine(QPointF(8, 100), QPointF(kPropertiesPicture.width - 8, 100));
    p.end();
    return img;
}

QImage cutCardsPicture()
{
    // Drawn from the top left and not stretched: the buttons cover the right
    // part of the window from x = 112.
    QImage img = windowPaper(kCutCardsPicture.width, kCutCardsPicture.height, 0xC07);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTextLine(p, QStringLiteral("Cut Cards"), font(FontFace::SerifBold, 13), QRectF(6, 4, 100, 16), kText,
        Qt::AlignLeft | Qt::AlignVCenter);
    drawParagraph(p, QStringLiteral("Cut the deck once, or cut it twice, with the buttons at the right."),
        font(FontFace::Sans, 10), QRectF(6, 24, 100, 50), kText, 1.25);
    // Two small piles, the top half lifted off.
    paintCardBack(p, QRectF(14, 76, 20, 27));
    paintCardBack(p, QRectF(44, 70, 20, 27));
    p.setPen(QPen(kText, 1.2));
    p.drawLine(QPointF(36, 84), QPointF(42, 80));
    p.end();
    return img;
}

QImage pickCardPicture()
{
    // The list, the number box and the button lie over the right part,
    // from x = 250 of this picture.
    QImage img = windowPaper(kPickCardPicture.width, kPickCardPicture.height, 0x91C);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawTextLine(p, QStringLiteral("Pick A Card"), font(FontFace::SerifBold, 15), QRectF(8, 5, 230, 18), kText,
        Qt::AlignLeft | Qt::AlignVCenter);
    drawParagraph(p,
        QStringLiteral("Take a card at random by choosing a number from 1 to the number of "
                       "cards still in the deck, or take the card you want from the list of "
                       "cards.\nReadings use this window to choose the querent: the card "
                       "that stands for the person asking."),
        font(FontFace::Sans, 11), QRectF(8, 28, 232, 104), kText, 1.22);
    p.end();
    return img;
}

QImage handCursor()
{
    QImage img(kHandCursor.width, kHandCursor.height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A pointing hand; the tip of the index finger is the hot spot.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 1.5, 6, 17), 3, 3);
    hand.addRoundedRect(QRectF(15, 10.5, 5.2, 9), 2.6, 2.6);
    hand.addRoundedRect(QRectF(19.6, 11.5, 5, 8.5), 2.5, 2.5);
    hand.addRoundedRect(QRectF(24, 12.5, 4.6, 8), 2.3, 2.3);
    hand.addRoundedRect(QRectF(9.5, 15, 19.1, 13), 4, 4);
    QPainterPath thumb;
    thumb.moveTo(10, 24);
    thumb.lineTo(4.5, 17.5);
    thumb.quadTo(3, 15, 5.5, 14.5);
    thumb.lineTo(11, 18);
    thumb.closeSubpath();
    hand.addPath(thumb);
    hand.addRect(QRectF(11, 27, 16, 3.5));
    hand = hand.simplified();
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(15.3, 16), QPointF(15.3, 19));
    p.drawLine(QPointF(19.9, 16.5), QPointF(19.9, 19.5));
    p.drawLine(QPointF(24.3, 17), QPointF(24.3, 20));
    p.end();
    return img;
}

GeneratedFile encoded(const PictureResource &res, const QImage &image)
{
    const QString name = QString::fromLatin1(res.name);
    const bool png = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    return { name, png ? pngBytes(image) : jpegBytes(image, kWindowJpegQuality) };
}

} // namespace

QImage windowPaper(int width, int height, unsigned seed)
{
    return texturedPaper(width, height, QColor(0xf6, 0xf0, 0xe2), 5.0, 1.5, 0xFA9E0000ull + seed);
}

GeneratedFiles makeWindowPictures()
{
    return {
        encoded(kMainBackground, mainBackground()),
        encoded(kDeckPicture, deckPicture()),
        encoded(kProgramIcon, programIcon()),
        encoded(kIcoPicture, icoPicture()),
        encoded(kPropertiesPicture, propertiesPicture()),
        encoded(kCutCardsPicture, cutCardsPicture()),
        encoded(kPickCardPicture, pickCardPicture()),
        encoded(kCelticCrossLayout, celticCrossLayout()),
        encoded(kFiveCardLayout, fiveCardLayout()),
        encoded(kHelpPage, helpPage()),
        encoded(kHandCursor, handCursor()),
    };
}

} // namespace art
