#include "cards.h"

#include "majors.h"
#include "painting.h"
#include "suits.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace art {

namespace {

// Layout of the card face, in pixels of the upright picture.
const QRectF kOuterEdge(7.5, 7.5, 385, 529);
const QRectF kGoldEdge(13.5, 13.5, 373, 517);
const QRectF kNumberBand(70, 20, 260, 44);
const QRectF kPanel(24, 68, 352, 404);
const QRectF kTitleBand(34, 478, 332, 46);

enum class Arcana { Major, Court, Pip };

struct CardKind
{
    Arcana arcana = Arcana::Major;
    Suit suit = Suit::Wands;
    CourtRank court = CourtRank::King;
    int rank = 0; // 1..10 for Ace..Ten
};

// Card numbers follow the card windows: 22-37 the courts of Wands, Swords,
// Cups, Disks; 38-77 Ace to Ten of Wands, Cups, Swords, Disks.
CardKind kindOf(int cardNumber)
{
    CardKind k;
    if (cardNumber >= 22 && cardNumber < 38) {
        static const Suit courtSuits[] = { Suit::Wands, Suit::Swords, Suit::Cups, Suit::Disks };
        static const CourtRank ranks[] = { CourtRank::King, CourtRank::Queen, CourtRank::Prince, CourtRank::Princess };
        const int i = cardNumber - 22;
        k.arcana = Arcana::Court;
        k.suit = courtSuits[i / 4];
        k.court = ranks[i % 4];
        // The first court card of Wands and Swords is shown as a Knight.
        if (k.court == CourtRank::King && (k.suit == Suit::Wands || k.suit == Suit::Swords))
            k.court = CourtRank::Knight;
    } else if (cardNumber >= 38) {
        static const Suit pipSuits[] = { Suit::Wands, Suit::Cups, Suit::Swords, Suit::Disks };
        const int i = cardNumber - 38;
        k.arcana = Arcana::Pip;
        k.suit = pipSuits[i / 10];
        k.rank = i % 10 + 1;
    }
    return k;
}

QString courtWord(CourtRank rank)
{
    switch (rank) {
    case CourtRank::King:
        return QStringLiteral("KING");
    case CourtRank::Knight:
        return QStringLiteral("KNIGHT");
    case CourtRank::Queen:
        return QStringLiteral("QUEEN");
    case CourtRank::Prince:
        return QStringLiteral("PRINCE");
    case CourtRank::Princess:
        break;
    }
    return QStringLiteral("PRINCESS");
}

QString numberText(const CardPicture &card, const CardKind &kind)
{
    switch (kind.arcana) {
    case Arcana::Major:
        return majorNumeral(card.cardNumber, card.style);
    case Arcana::Court:
        return courtWord(kind.court);
    case Arcana::Pip:
        break;
    }
    return kind.rank == 1 ? QStringLiteral("ACE") : QString::number(kind.rank);
}

const QImage &cardStock()
{
    // One sheet of card stock shared by every face; drawn once.
    static const QImage stock
        = texturedPaper(kCardWidth, kCardHeight, QColor(0xf5, 0xee, 0xdc), 5.0, 0.0, 0x5EEDCA4Dull);
    return stock;
}

void paintPanelBackground(QPainter &p, const CardKind &kind)
{
    const SuitTheme &theme = suitTheme(kind.suit);
    QLinearGradient g(0, kPanel.top(), 0, kPanel.bottom());
    g.setColorAt(0.0, theme.panelTop);
    g.setColorAt(1.0, theme.panelBottom);
    p.fillRect(kPanel, g);
    // A faint diamond lattice gives the plain cards some texture.
    p.save();
    p.setClipRect(kPanel);
    p.setPen(QPen(withAlpha(theme.main, 26), 1.0));
    for (double d = -kPanel.height(); d < kPanel.width(); d += 22) {
        p.drawLine(
            QPointF(kPanel.left() + d, kPanel.top()), QPointF(kPanel.left() + d + kPanel.height(), kPanel.bottom()));
        p.drawLine(
            QPointF(kPanel.right() - d, kPanel.top()), QPointF(kPanel.right() - d - kPanel.height(), kPanel.bottom()));
    }
    p.restore();
}

void paintFrame(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::dark, 3.0));
    p.drawRoundedRect(kOuterEdge, 18, 18);
    p.setPen(QPen(ink::gold, 1.6));
    p.drawRoundedRect(kGoldEdge, 13, 13);
    p.setPen(QPen(ink::dark, 2.6));
    p.drawRoundedRect(kPanel, 6, 6);
    p.setPen(QPen(withAlpha(ink::paleGold, 200), 1.2));
    p.drawRoundedRect(kPanel.adjusted(4, 4, -4, -4), 4, 4);
}

void paintNumberBand(QPainter &p, const CardPicture &card, const CardKind &kind)
{
    const QString text = numberText(card, kind);
    const double size = kind.arcana == Arcana::Court ? 28 : 36;
    drawTextLine(p, text, font(FontFace::SerifBold, size), kNumberBand, ink::dark);

    const double y = kNumberBand.center().y();
    const QPointF left(58, y), right(342, y);
    if (kind.arcana == Arcana::Major) {
        p.setPen(QPen(ink::dark, 1.0));
        p.setBrush(ink::gold);
        p.drawPath(starPath(left, 4, 12, 4));
        p.drawPath(starPath(right, 4, 12, 4));
        p.setPen(QPen(ink::gold, 1.4));
        p.drawLine(left + QPointF(16, 0), left + QPointF(46, 0));
        p.drawLine(right - QPointF(16, 0), right - QPointF(46, 0));
    } else {
        const double h = kind.suit == Suit::Disks ? 30 : 38;
        drawSuitSymbol(p, kind.suit, left, h);
        drawSuitSymbol(p, kind.suit, right, h);
    }
}

// The rank's name in letters large enough to read on the smallest card windows.
void paintRankBanner(QPainter &p, const CardKind &kind)
{
    const double top = kPanel.top() + kPanel.height() * kCourtBannerTop;
    const QRectF band(kPanel.left() + 6, top, kPanel.width() - 12, kPanel.bottom() - 6 - top);
    QPainterPath ribbon;
    const double notch = 16;
    ribbon.moveTo(band.topLeft());
    ribbon.lineTo(band.topRight());
    ribbon.lineTo(band.right() - notch, band.center().y());
    ribbon.lineTo(band.bottomRight());
    ribbon.lineTo(band.bottomLeft());
    ribbon.lineTo(band.left() + notch, band.center().y());
    ribbon.closeSubpath();
    p.setPen(QPen(ink::dark, 2.4));
    p.setBrush(ink::ivory);
    p.drawPath(ribbon);
    p.setPen(QPen(ink::gold, 2.0));
    p.drawLine(QPointF(band.left() + 24, band.top() + 6), QPointF(band.right() - 24, band.top() + 6));
    p.drawLine(QPointF(band.left() + 24, band.bottom() - 6), QPointF(band.right() - 24, band.bottom() - 6));
    drawTextLine(p, courtWord(kind.court), font(FontFace::SerifCondensedBold, band.height() * 0.9),
        band.adjusted(notch + 6, 0, -notch - 6, 0), suitTheme(kind.suit).dark);
}

void paintTitleBand(QPainter &p, const CardPicture &card)
{
    drawTextLine(p, QString::fromUtf8(card.title), font(FontFace::SerifBold, 30), kTitleBand, ink::dark);
}

void paintScene(QPainter &p, const CardPicture &card, const CardKind &kind)
{
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(kPanel, 6, 6);
    p.setClipPath(clip);
    switch (kind.arcana) {
    case Arcana::Major:
        drawMajorPanel(p, kPanel, card.cardNumber, card.style);
        break;
    case Arcana::Court:
        paintPanelBackground(p, kind);
        drawCourtFigure(p, kPanel, kind.suit, kind.court);
        paintRankBanner(p, kind);
        break;
    case Arcana::Pip:
        paintPanelBackground(p, kind);
        drawPips(p, kPanel, kind.suit, kind.rank);
        break;
    }
    p.restore();
}

} // namespace

QImage renderCardPicture(const CardPicture &card)
{
    QImage img = cardStock().copy();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const CardKind kind = kindOf(card.cardNumber);
    paintScene(p, card, kind);
    paintFrame(p);
    paintNumberBand(p, card, kind);
    paintTitleBand(p, card);
    p.end();
    return img;
}

QImage turnedPicture(const QImage &upright, int clockwiseDegrees)
{
    if (clockwiseDegrees % 360 == 0)
        return upright;
    // Quarter turns are exact: no pixel is resampled.
    return upright.transformed(QTransform().rotate(clockwiseDegrees));
}

void paintCardBack(QPainter &p, const QRectF &rect, bool plain)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / kCardWidth, rect.height() / kCardHeight);

    const QColor navy(0x1d, 0x2a, 0x4c);
    const QColor deep(0x12, 0x1a, 0x33);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, kCardWidth, kCardHeight), 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::ivory);
    p.drawPath(card);
    const QRectF field(16, 16, kCardWidth - 32, kCardHeight - 32);
    QRadialGradient bg(field.center(), field.height() * 0.65);
    bg.setColorAt(0.0, navy.lighter(125));
    bg.setColorAt(1.0, deep);
    if (plain)
        p.setBrush(navy);
    else
        p.setBrush(bg);
    p.drawRoundedRect(field, 10, 10);

    if (!plain) {
        // A lattice of small gold diamonds.
        p.save();
        QPainterPath fieldClip;
        fieldClip.addRoundedRect(field.adjusted(8, 8, -8, -8), 6, 6);
        p.setClipPath(fieldClip);
        p.setPen(QPen(withAlpha(ink::gold, 90), 1.4));
        for (double d = -kCardHeight; d < kCardWidth + kCardHeight; d += 34) {
            p.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
            p.drawLine(QPointF(d, 0), QPointF(d - kCardHeight, kCardHeight));
        }
        p.restore();
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::gold, 3.0));
    p.drawRoundedRect(field.adjusted(8, 8, -8, -8), 6, 6);
    p.setPen(QPen(ink::paleGold, 1.2));
    p.drawRoundedRect(field.adjusted(14, 14, -14, -14), 4, 4);

    // The rosette in the middle, the same either way up.
    const QPointF c(kCardWidth / 2.0, kCardHeight / 2.0);
    p.setPen(QPen(ink::gold, 3.0));
    p.setBrush(deep);
    p.drawEllipse(c, 112, 112);
    p.setPen(QPen(withAlpha(ink::paleGold, 200), 1.4));
    p.drawEllipse(c, 100, 100);
    p.setPen(QPen(ink::dark, 1.2));
    p.setBrush(ink::gold);
    p.drawPath(starPath(c, 8, 92, 40, -90));
    p.setBrush(navy.lighter(140));
    p.drawPath(starPath(c, 8, 60, 30, -67.5));
    p.setBrush(ink::paleGold);
    p.drawEllipse(c, 20, 20);
    p.setBrush(ink::gold);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        p.drawEllipse(c + QPointF(122 * std::cos(a), 122 * std::sin(a)), 4, 4);
    }
    for (const QPointF &corner : { QPointF(70, 72), QPointF(330, 72), QPointF(70, 472), QPointF(330, 472) })
        p.drawPath(starPath(corner, 4, 20, 6));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::dark, 2.5));
    p.drawPath(card);
    p.restore();
}

} // namespace art
