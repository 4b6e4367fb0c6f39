// The two reading layouts. The reading windows deal each card onto its
// place of the spread; the frames below lie where those card windows land
// when the layout window stands where it opens.

#include "painting.h"
#include "resourcelist.h"
#include "suits.h"
#include "windowparts.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace art {

namespace {

const QColor kText(0x3a, 0x2c, 0x22);

struct Place
{
    int number;
    QRectF frame;
    const char *caption;
};

void drawPlaceFrame(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setPen(QPen(withAlpha(ink::dark, 60), 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.translated(2, 2), 7, 7);
    p.setPen(QPen(ink::gold, 2.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(withAlpha(ink::gold, 170), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 4, 4);
}

void drawCelticCrossOrnament(QPainter &p, QPointF c, double size)
{
    QPainterPath cross;
    cross.addRect(QRectF(c.x() - size * 0.09, c.y() - size * 0.5, size * 0.18, size));
    cross.addRect(QRectF(c.x() - size * 0.34, c.y() - size * 0.25, size * 0.68, size * 0.18));
    QPainterPath ring;
    ring.addEllipse(QPointF(c.x(), c.y() - size * 0.16), size * 0.25, size * 0.25);
    QPainterPath hole;
    hole.addEllipse(QPointF(c.x(), c.y() - size * 0.16), size * 0.18, size * 0.18);
    const QPainterPath shape = cross.united(ring.subtracted(hole));
    p.setPen(QPen(ink::dark, 1.6));
    p.setBrush(ink::gold);
    p.drawPath(shape.simplified());
}

} // namespace

QImage celticCrossLayout()
{
    const int w = kCelticCrossLayout.width, h = kCelticCrossLayout.height;
    QImage img = windowPaper(w, h, 0xCE1);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const Place places[] = {
        { 1, QRectF(150, 282, 80, 120), "covers" },
        { 3, QRectF(150, 140, 80, 120), "crowns" },
        { 4, QRectF(150, 424, 80, 120), "beneath" },
        { 5, QRectF(262, 282, 80, 120), "behind" },
        { 6, QRectF(26, 282, 80, 120), "before" },
        { 7, QRectF(372, 424, 80, 120), "himself" },
        { 8, QRectF(372, 282, 80, 120), "his house" },
        { 9, QRectF(372, 140, 80, 120), "hopes and fears" },
        { 10, QRectF(372, 12, 80, 120), "final result" },
    };
    const QFont number = font(FontFace::SerifBold, 34);
    const QFont caption = font(FontFace::SerifItalic, 12);
    const QColor fill(0xfb, 0xf7, 0xec, 200);
    for (const Place &pl : places) {
        drawPlaceFrame(p, pl.frame, fill);
        if (pl.number == 1) {
            // The crossing card covers the middle of the first place.
            drawTextLine(p, QStringLiteral("1"), font(FontFace::SerifBold, 16),
                QRectF(pl.frame.left(), pl.frame.top() + 1, pl.frame.width(), 18), kText);
            continue;
        }
        drawTextLine(p, QString::number(pl.number), number,
            QRectF(pl.frame.left(), pl.frame.top() + 18, pl.frame.width(), 50), kText);
        drawParagraph(p, QString::fromLatin1(pl.caption), caption,
            QRectF(pl.frame.left() + 6, pl.frame.top() + 76, pl.frame.width() - 12, 40), kText, 1.15, Qt::AlignHCenter);
    }
    // The second card lies across the first, turned on its side.
    const QRectF crossing(130, 302, 120, 80);
    drawPlaceFrame(p, crossing, QColor(0xf4, 0xec, 0xd8, 235));
    drawTextLine(p, QStringLiteral("2"), font(FontFace::SerifBold, 28), QRectF(130, 306, 120, 40), kText);
    drawTextLine(p, QStringLiteral("crosses"), caption, QRectF(130, 344, 120, 18), kText);
    drawTextLine(p, QStringLiteral("covers"), caption, QRectF(150, 384, 80, 16), kText);

    drawParagraph(p, QStringLiteral("Celtic\nCross"), font(FontFace::SerifBold, 26), QRectF(236, 16, 132, 64), kText,
        1.05, Qt::AlignHCenter);
    p.setPen(QPen(ink::gold, 1.4));
    p.drawLine(QPointF(262, 80), QPointF(342, 80));
    drawParagraph(p, QStringLiteral("Choose a querent, then click the deck once for each place, in order."),
        font(FontFace::Sans, 11), QRectF(244, 90, 118, 80), kText, 1.25, Qt::AlignHCenter);

    // The places and what each one tells, down the left side.
    const char *const legend[] = { "covers him", "crosses him", "crowns him", "beneath him", "behind him", "before him",
        "himself", "his house", "hopes and fears", "final result" };
    const QFont legendNumber = font(FontFace::SerifBold, 12);
    const QFont legendText = font(FontFace::Sans, 11);
    for (int i = 0; i < 10; ++i) {
        const double y = 20 + i * 24;
        drawTextLine(p, QString::number(i + 1), legendNumber, QRectF(10, y, 18, 16), ink::gold.darker(140),
            Qt::AlignRight | Qt::AlignVCenter);
        drawTextLine(p, QString::fromLatin1(legend[i]), legendText, QRectF(34, y, 106, 16), kText,
            Qt::AlignLeft | Qt::AlignVCenter);
    }
    drawCelticCrossOrnament(p, QPointF(66, 490), 110);
    p.end();
    return img;
}

QImage fiveCardLayout()
{
    const int w = kFiveCardLayout.width, h = kFiveCardLayout.height;
    QImage img = windowPaper(w, h, 0xF1E);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    drawTextLine(p, QStringLiteral("Five Card Personal Reading"), font(FontFace::SerifBold, 32),
        QRectF(20, 14, w - 40, 44), kText);
    drawTextLine(p,
        QStringLiteral("One card for each of five sides of the person: click the deck to deal them in turn."),
        font(FontFace::SerifItalic, 15), QRectF(20, 60, w - 40, 24), kText);
    p.setPen(QPen(ink::gold, 1.4));
    p.drawLine(QPointF(120, 94), QPointF(w - 120, 94));

    struct Aspect
    {
        double left;
        const char *word;
        const char *line;
    };
    const Aspect aspects[] = { { 22, "Work", "how you work" }, { 170, "Feel", "how you feel" },
        { 308, "Think", "what you think" }, { 445, "Own", "what you own" }, { 578, "Are", "what you are" } };
    const Suit suits[] = { Suit::Wands, Suit::Cups, Suit::Swords, Suit::Disks };
    for (int i = 0; i < 5; ++i) {
        const QRectF frame(aspects[i].left + 2, 211, 87, 150);
        const QPointF symbol(frame.center().x(), 154);
        if (i < 4) {
            drawSuitSymbol(p, suits[i], symbol, suits[i] == Suit::Disks ? 76 : 84);
        } else {
            // What you are: a star of your own.
            p.setPen(QPen(QColor(0xa0, 0x70, 0x10), 1.2));
            p.setBrush(QColor(0xfb, 0xd8, 0x50));
            p.drawPath(starPath(symbol, 8, 34, 14));
        }
        drawPlaceFrame(p, frame, QColor(0xfb, 0xf7, 0xec, 200));
        drawTextLine(p, QString::number(i + 1), font(FontFace::SerifBold, 44),
            QRectF(frame.left(), frame.top() + 40, frame.width(), 60), kText);
        drawTextLine(p, QString::fromLatin1(aspects[i].word), font(FontFace::SerifBold, 22),
            QRectF(frame.left() - 20, 372, frame.width() + 40, 28), kText);
        drawTextLine(p, QString::fromLatin1(aspects[i].line), font(FontFace::SerifItalic, 13),
            QRectF(frame.left() - 24, 400, frame.width() + 48, 20), kText);
    }
    p.end();
    return img;
}

} // namespace art
