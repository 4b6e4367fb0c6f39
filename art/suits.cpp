#include "suits.h"

#include "painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace art {

namespace {

// Symbols are drawn in a box 100 units tall centred on the origin, then
// scaled to the size asked for.
constexpr double kUnit = 100.0;

QPen outline(double width = 1.6)
{
    return QPen(ink::dark, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient across(double left, double right, const QColor &edge, const QColor &middle)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, edge);
    g.setColorAt(0.45, middle);
    g.setColorAt(1.0, edge);
    return g;
}

void drawLeaf(QPainter &p, QPointF base, double length, double width, double angleDeg, const QColor &colour)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    leaf.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    p.setPen(QPen(colour.darker(160), 1.0));
    p.setBrush(colour);
    p.drawPath(leaf);
    p.setPen(QPen(colour.darker(140), 0.8));
    p.drawLine(QPointF(1, 0), QPointF(length * 0.85, 0));
    p.restore();
}

void drawFlame(QPainter &p, QPointF base, double height, double width)
{
    QPainterPath outer;
    outer.moveTo(base.x(), base.y() - height);
    outer.cubicTo(base.x() + width * 0.2, base.y() - height * 0.6, base.x() + width * 0.75, base.y() - height * 0.35,
        base.x() + width * 0.45, base.y() - height * 0.05);
    outer.quadTo(base.x(), base.y() + height * 0.08, base.x() - width * 0.45, base.y() - height * 0.05);
    outer.cubicTo(base.x() - width * 0.75, base.y() - height * 0.35, base.x() - width * 0.2, base.y() - height * 0.6,
        base.x(), base.y() - height);
    p.setPen(QPen(QColor(0xa8, 0x2e, 0x14), 1.0));
    p.setBrush(QColor(0xe3, 0x58, 0x24));
    p.drawPath(outer);
    QTransform shrink;
    shrink.translate(base.x(), base.y());
    shrink.scale(0.55, 0.6);
    shrink.translate(-base.x(), -base.y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf7, 0xc6, 0x3f));
    p.drawPath(shrink.map(outer));
}

void drawWand(QPainter &p)
{
    QPainterPath staff;
    staff.moveTo(-6, -26);
    staff.lineTo(6, -26);
    staff.lineTo(7.5, 45);
    staff.quadTo(0, 51, -7.5, 45);
    staff.closeSubpath();
    p.setPen(outline());
    p.setBrush(across(-7.5, 7.5, QColor(0x6a, 0x40, 0x1f), QColor(0xc8, 0x90, 0x56)));
    p.drawPath(staff);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x36, 0x1a));
    p.drawEllipse(QPointF(1.5, -4), 2.4, 3.4);
    p.drawEllipse(QPointF(-1.5, 26), 2.4, 3.4);

    const QColor leaf(0x6c, 0x9a, 0x3a);
    drawLeaf(p, QPointF(-5, -12), 22, 7, 205, leaf);
    drawLeaf(p, QPointF(5, 8), 22, 7, -28, leaf);
    drawLeaf(p, QPointF(-5.5, 32), 17, 5.5, 162, leaf);

    drawFlame(p, QPointF(0, -22), 29, 22);
}

void drawCup(QPainter &p)
{
    const QColor goldDark(0xa0, 0x74, 0x1c);
    // Base and stem first: the bowl overlaps them.
    QPainterPath base;
    base.moveTo(-6, 26);
    base.quadTo(-8, 36, -24, 42);
    base.quadTo(0, 50, 24, 42);
    base.quadTo(8, 36, 6, 26);
    base.closeSubpath();
    p.setPen(outline());
    p.setBrush(across(-24, 24, goldDark, ink::paleGold));
    p.drawPath(base);

    p.drawRect(QRectF(-4.5, -6, 9, 34));
    p.drawEllipse(QPointF(0, 11), 9, 5);

    QPainterPath bowl;
    bowl.moveTo(-29, -40);
    bowl.cubicTo(-30, -14, -16, -2, 0, -2);
    bowl.cubicTo(16, -2, 30, -14, 29, -40);
    bowl.closeSubpath();
    QLinearGradient blue(-29, 0, 29, 0);
    blue.setColorAt(0.0, QColor(0x1d, 0x4a, 0x8c));
    blue.setColorAt(0.4, QColor(0x5c, 0x9c, 0xde));
    blue.setColorAt(1.0, QColor(0x1a, 0x3f, 0x7a));
    p.setBrush(blue);
    p.drawPath(bowl);

    // A gold band below the rim, and the water seen over the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xae, 0x3c));
    QPainterPath band;
    band.addRect(QRectF(-30, -33, 60, 5));
    p.drawPath(band.intersected(bowl));
    p.setPen(QPen(QColor(0xd8, 0xae, 0x3c), 3.0));
    p.setBrush(QColor(0xa9, 0xd4, 0xf2));
    p.drawEllipse(QPointF(0, -40), 29, 6);
    p.setPen(outline(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -40), 30.5, 7.5);
}

void drawSword(QPainter &p)
{
    QPainterPath blade;
    blade.moveTo(0, -50);
    blade.lineTo(8.5, -37);
    blade.lineTo(8.5, 14);
    blade.lineTo(-8.5, 14);
    blade.lineTo(-8.5, -37);
    blade.closeSubpath();
    QLinearGradient steel(-8.5, 0, 8.5, 0);
    steel.setColorAt(0.0, QColor(0xf7, 0xf8, 0xfb));
    steel.setColorAt(0.49, QColor(0xdc, 0xe1, 0xe8));
    steel.setColorAt(0.51, QColor(0x9d, 0xa6, 0xb3));
    steel.setColorAt(1.0, QColor(0x80, 0x89, 0x97));
    p.setPen(outline());
    p.setBrush(steel);
    p.drawPath(blade);
    p.setPen(QPen(QColor(0x6f, 0x78, 0x86), 1.0));
    p.drawLine(QPointF(0, -36), QPointF(0, 11));

    p.setPen(outline());
    p.setBrush(across(-5.5, 5.5, QColor(0x3b, 0x24, 0x3f), QColor(0x7a, 0x4f, 0x80)));
    p.drawRect(QRectF(-5.5, 21, 11, 19));
    p.setPen(QPen(QColor(0x2a, 0x18, 0x2c), 1.0));
    for (double y = 24; y < 40; y += 4)
        p.drawLine(QPointF(-5.5, y), QPointF(5.5, y - 3));

    const QColor goldDark(0xa0, 0x74, 0x1c);
    p.setPen(outline());
    QLinearGradient gold(0, 13, 0, 23);
    gold.setColorAt(0.0, ink::paleGold);
    gold.setColorAt(1.0, goldDark);
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(-29, 13, 58, 9), 4, 4);
    p.drawEllipse(QPointF(-30.5, 17.5), 5.5, 5.5);
    p.drawEllipse(QPointF(30.5, 17.5), 5.5, 5.5);
    p.drawEllipse(QPointF(0, 44.5), 6.2, 6.2);
}

void drawDisk(QPainter &p)
{
    const double r = 41.0;
    const QColor green(0x3c, 0x78, 0x3a);
    QRadialGradient ring(0, 0, r);
    ring.setColorAt(0.75, green.lighter(115));
    ring.setColorAt(1.0, green.darker(125));
    p.setPen(outline());
    p.setBrush(ring);
    p.drawEllipse(QPointF(0, 0), r, r);

    QRadialGradient gold(-8, -8, r * 0.9);
    gold.setColorAt(0.0, QColor(0xfb, 0xe7, 0x95));
    gold.setColorAt(1.0, QColor(0xc4, 0x8e, 0x24));
    p.setBrush(gold);
    p.drawEllipse(QPointF(0, 0), r * 0.78, r * 0.78);

    p.setPen(Qt::NoPen);
    p.setBrush(ink::paleGold);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6.0;
        p.drawEllipse(QPointF(r * 0.89 * std::cos(a), r * 0.89 * std::sin(a)), 1.8, 1.8);
    }
    p.setPen(QPen(green.darker(140), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(green);
    p.drawPath(starPath(QPointF(0, 1.5), 5, r * 0.62, r * 0.25));
}

} // namespace

const SuitTheme &suitTheme(Suit suit)
{
    static const SuitTheme wands { QColor(0xfb, 0xe8, 0xcf), QColor(0xec, 0xbc, 0x8c), QColor(0xc2, 0x44, 0x22),
        QColor(0x7a, 0x24, 0x12), QColor(0x8c, 0x3b, 0x1f) };
    static const SuitTheme cups { QColor(0xe4, 0xf1, 0xf8), QColor(0xae, 0xd1, 0xe6), QColor(0x2c, 0x64, 0xa8),
        QColor(0x18, 0x38, 0x66), QColor(0xc9, 0xa0, 0x4a) };
    static const SuitTheme swords { QColor(0xf8, 0xf4, 0xd8), QColor(0xdf, 0xd6, 0x9c), QColor(0x6b, 0x4f, 0x8f),
        QColor(0x3a, 0x2b, 0x52), QColor(0x3e, 0x2a, 0x1e) };
    static const SuitTheme disks { QColor(0xec, 0xf2, 0xd8), QColor(0xc2, 0xd4, 0x9a), QColor(0x3c, 0x78, 0x3a),
        QColor(0x1f, 0x44, 0x22), QColor(0x2a, 0x20, 0x1a) };
    switch (suit) {
    case Suit::Wands:
        return wands;
    case Suit::Cups:
        return cups;
    case Suit::Swords:
        return swords;
    case Suit::Disks:
        break;
    }
    return disks;
}

void drawSuitSymbol(QPainter &p, Suit suit, QPointF centre, double height, double angleDeg)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    p.rotate(angleDeg);
    const double s = height / kUnit;
    p.scale(s, s);
    switch (suit) {
    case Suit::Wands:
        drawWand(p);
        break;
    case Suit::Cups:
        drawCup(p);
        break;
    case Suit::Swords:
        drawSword(p);
        break;
    case Suit::Disks:
        drawDisk(p);
        break;
    }
    p.restore();
}

namespace {

struct PipSpot
{
    double u;
    double v;
};

// Where the symbols stand, as fractions of the picture area, in the manner
// of playing cards: two columns with a middle column for the odd ones.
std::vector<PipSpot> pipSpots(int rank)
{
    const double l = 0.28, m = 0.5, r = 0.72;
    switch (rank) {
    case 2:
        return { { m, 0.23 }, { m, 0.77 } };
    case 3:
        return { { m, 0.18 }, { m, 0.5 }, { m, 0.82 } };
    case 4:
        return { { l, 0.26 }, { r, 0.26 }, { l, 0.74 }, { r, 0.74 } };
    case 5:
        return { { l, 0.22 }, { r, 0.22 }, { m, 0.5 }, { l, 0.78 }, { r, 0.78 } };
    case 6:
        return { { l, 0.18 }, { r, 0.18 }, { l, 0.5 }, { r, 0.5 }, { l, 0.82 }, { r, 0.82 } };
    case 7:
        return { { l, 0.17 }, { r, 0.17 }, { m, 0.335 }, { l, 0.5 }, { r, 0.5 }, { l, 0.83 }, { r, 0.83 } };
    case 8:
        return { { l, 0.15 }, { r, 0.15 }, { m, 0.32 }, { l, 0.5 }, { r, 0.5 }, { m, 0.68 }, { l, 0.85 }, { r, 0.85 } };
    case 9:
        return { { l, 0.13 }, { r, 0.13 }, { l, 0.377 }, { r, 0.377 }, { m, 0.5 }, { l, 0.623 }, { r, 0.623 },
            { l, 0.87 }, { r, 0.87 } };
    case 10:
        return { { l, 0.12 }, { r, 0.12 }, { m, 0.25 }, { l, 0.373 }, { r, 0.373 }, { l, 0.627 }, { r, 0.627 },
            { m, 0.75 }, { l, 0.88 }, { r, 0.88 } };
    default:
        return { { m, 0.5 } };
    }
}

double pipHeight(int rank, Suit suit)
{
    double h = 0.0;
    if (rank == 2)
        h = 150;
    else if (rank == 3)
        h = 122;
    else if (rank <= 6)
        h = 118;
    else if (rank <= 8)
        h = 100;
    else
        h = 92;
    // The disk is round, so it reads larger than the tall symbols.
    return suit == Suit::Disks ? h * 0.85 : h;
}

void drawAce(QPainter &p, const QRectF &panel, Suit suit)
{
    const QPointF c = panel.center();
    const SuitTheme &theme = suitTheme(suit);
    QRadialGradient glow(c, panel.width() * 0.48);
    glow.setColorAt(0.0, QColor(255, 251, 230, 230));
    glow.setColorAt(0.6, QColor(255, 244, 200, 90));
    glow.setColorAt(1.0, QColor(255, 244, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, panel.width() * 0.48, panel.width() * 0.48);
    drawRays(p, c, 32, panel.width() * 0.2, panel.width() * 0.44, withAlpha(ink::gold, 150), 2.2);
    p.setPen(QPen(withAlpha(theme.main, 170), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, panel.width() * 0.45, panel.width() * 0.45);
    const double h = suit == Suit::Disks ? 232 : 250;
    drawSuitSymbol(p, suit, c, h);
    // Small stars at the corners, so the Ace has a little ceremony.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(theme.main, 200));
    const double dx = panel.width() * 0.4, dy = panel.height() * 0.42;
    for (int sx = -1; sx <= 1; sx += 2) {
        for (int sy = -1; sy <= 1; sy += 2)
            p.drawPath(starPath(c + QPointF(sx * dx, sy * dy), 4, 11, 3.5));
    }
}

} // namespace

void drawPips(QPainter &p, const QRectF &panel, Suit suit, int rank)
{
    if (rank <= 1) {
        drawAce(p, panel, suit);
        return;
    }
    const double h = pipHeight(rank, suit);
    for (const PipSpot &spot : pipSpots(rank)) {
        const QPointF c(panel.left() + spot.u * panel.width(), panel.top() + spot.v * panel.height());
        drawSuitSymbol(p, suit, c, h);
    }
}

namespace {

// The court figure is drawn in the picture area's own units, 352 x 404.
constexpr double kPanelW = 352.0;
constexpr double kPanelH = 404.0;
constexpr double kMidX = kPanelW / 2.0;

void drawNiche(QPainter &p, const SuitTheme &theme)
{
    QPainterPath arch;
    arch.moveTo(58, kPanelH);
    arch.lineTo(58, 150);
    arch.arcTo(QRectF(58, 32, 236, 236), 180, -180);
    arch.lineTo(294, kPanelH);
    arch.closeSubpath();
    QLinearGradient g(0, 32, 0, kPanelH);
    g.setColorAt(0.0, withAlpha(theme.main, 70));
    g.setColorAt(1.0, withAlpha(theme.dark, 40));
    p.setPen(QPen(withAlpha(ink::gold, 220), 2.0));
    p.setBrush(g);
    p.drawPath(arch);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(ink::paleGold, 170));
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI + i * M_PI / 8.0;
        p.drawPath(starPath(QPointF(kMidX + 104 * std::cos(a), 150 + 104 * std::sin(a)), 4, 5, 1.8));
    }
}

QLinearGradient goldGradient(double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(0xfb, 0xe4, 0x8c));
    g.setColorAt(1.0, QColor(0xb3, 0x80, 0x1c));
    return g;
}

// A high-backed throne: square with finials for the king, arched and crested for the queen.
void drawThrone(QPainter &p, const SuitTheme &theme, bool arched)
{
    QPainterPath back;
    if (arched) {
        back.moveTo(62, kPanelH);
        back.lineTo(62, 130);
        back.arcTo(QRectF(62, 16, 228, 228), 180, -180);
        back.lineTo(290, kPanelH);
    } else {
        back.addRect(QRectF(64, 40, 224, kPanelH));
    }
    back.closeSubpath();
    QLinearGradient wood(0, 20, 0, kPanelH);
    wood.setColorAt(0.0, QColor(0x9a, 0x62, 0x2e));
    wood.setColorAt(1.0, QColor(0x5a, 0x34, 0x16));
    p.setPen(outline(2.0));
    p.setBrush(wood);
    p.drawPath(back);
    // The cushioned back in the suit's colour, edged with gold.
    QPainterPath cushion;
    if (arched) {
        cushion.moveTo(82, kPanelH);
        cushion.lineTo(82, 134);
        cushion.arcTo(QRectF(82, 36, 188, 196), 180, -180);
        cushion.lineTo(270, kPanelH);
        cushion.closeSubpath();
    } else {
        cushion.addRect(QRectF(84, 60, 184, kPanelH));
    }
    p.setPen(QPen(ink::gold, 3.0));
    p.setBrush(mix(theme.panelTop, theme.main, 0.4));
    p.drawPath(cushion);
    p.setPen(outline(1.4));
    p.setBrush(goldGradient(20, 60));
    if (arched) {
        p.drawPath(starPath(QPointF(kMidX, 22), 5, 16, 7));
    } else {
        for (double x : { 64.0, 288.0 }) {
            p.drawRect(QRectF(x - 10, 34, 20, 14));
            p.drawEllipse(QPointF(x, 24), 12, 12);
        }
    }
}

// The knight's lance, its pennant in the suit's colour, slanting up behind him.
void drawLance(QPainter &p, const SuitTheme &theme)
{
    const QPointF foot(70, kPanelH), tip(292, 14);
    p.setPen(QPen(ink::dark, 12.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, tip);
    p.setPen(QPen(QColor(0xb0, 0x7a, 0x3c), 8.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, tip);
    QPainterPath head;
    head.moveTo(tip + QPointF(14, -26));
    head.lineTo(tip + QPointF(4, 10));
    head.lineTo(tip + QPointF(-8, 2));
    head.closeSubpath();
    p.setPen(outline(1.4));
    p.setBrush(QColor(0xd6, 0xdc, 0xe4));
    p.drawPath(head);
    QPainterPath pennant;
    const QPointF a = tip + (foot - tip) * 0.1, b = tip + (foot - tip) * 0.3;
    pennant.moveTo(a);
    pennant.cubicTo(a + QPointF(40, 6), a + QPointF(60, 26), a + QPointF(84, 30));
    pennant.lineTo(a + QPointF(56, 42));
    pennant.lineTo(a + QPointF(76, 58));
    pennant.cubicTo(b + QPointF(40, 10), b + QPointF(20, 4), b);
    pennant.closeSubpath();
    p.setBrush(theme.main);
    p.drawPath(pennant);
}

// Rays of gold standing out from behind the prince's head.
void drawSunburst(QPainter &p)
{
    const QPointF c(kMidX, 176);
    QRadialGradient glow(c, 170);
    glow.setColorAt(0.0, QColor(0xff, 0xf1, 0xb0, 230));
    glow.setColorAt(1.0, QColor(0xff, 0xf1, 0xb0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 170, 170);
    drawRays(p, c, 24, 60, 168, withAlpha(ink::gold, 200), 7.0);
}

// The princess's arch, wreathed with flowers.
void drawFlowerArch(QPainter &p, const SuitTheme &theme)
{
    drawNiche(p, theme);
    const QColor petals[] = { QColor(0xf2, 0x9c, 0xb8), QColor(0xfb, 0xf6, 0xf0), QColor(0xf6, 0xc8, 0x4a) };
    for (int i = 0; i <= 12; ++i) {
        const double a = M_PI + i * M_PI / 12.0;
        const QPointF at(kMidX + 118 * std::cos(a), 150 + 118 * std::sin(a));
        drawLeaf(p, at, 18, 6, i * 30.0, QColor(0x5c, 0x8a, 0x3a));
        p.setPen(QPen(ink::dark, 0.8));
        p.setBrush(petals[i % 3]);
        for (int k = 0; k < 5; ++k) {
            const double b = k * 2 * M_PI / 5;
            p.drawEllipse(at + QPointF(7 * std::cos(b), 7 * std::sin(b)), 5.5, 5.5);
        }
        p.setBrush(QColor(0xe8, 0xb8, 0x30));
        p.drawEllipse(at, 3.5, 3.5);
    }
    // Garlands down the sides.
    for (double x : { 58.0, 294.0 }) {
        for (double y = 180; y < kPanelH; y += 34) {
            drawLeaf(p, QPointF(x, y), 16, 5, x < kMidX ? 60.0 : 120.0, QColor(0x5c, 0x8a, 0x3a));
            p.setPen(QPen(ink::dark, 0.8));
            p.setBrush(petals[static_cast<int>(y) % 3]);
            p.drawEllipse(QPointF(x, y), 6, 6);
        }
    }
}

void drawLongHair(QPainter &p, const SuitTheme &theme)
{
    QPainterPath hair;
    hair.moveTo(kMidX, 126);
    hair.cubicTo(128, 126, 124, 180, 126, 230);
    hair.cubicTo(128, 262, 120, 286, 132, 300);
    hair.lineTo(220, 300);
    hair.cubicTo(232, 286, 224, 262, 226, 230);
    hair.cubicTo(228, 180, 224, 126, kMidX, 126);
    p.setPen(outline(1.4));
    p.setBrush(theme.hair);
    p.drawPath(hair);
    p.setPen(QPen(theme.hair.lighter(135), 1.2));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(134 + i * 3, 190 + i * 20), QPointF(136 + i * 2, 210 + i * 20));
        p.drawLine(QPointF(218 - i * 3, 190 + i * 20), QPointF(216 - i * 2, 210 + i * 20));
    }
}

void drawRobe(QPainter &p, const SuitTheme &theme, bool armour)
{
    // Shoulders sit a little higher than the neck's foot, so the neck stays short.
    p.save();
    p.translate(0, -10);
    QPainterPath robe;
    robe.moveTo(46, kPanelH + 12);
    robe.lineTo(60, 322);
    robe.cubicTo(66, 282, 104, 262, 146, 248);
    robe.lineTo(206, 248);
    robe.cubicTo(248, 262, 286, 282, 292, 322);
    robe.lineTo(306, kPanelH + 12);
    robe.closeSubpath();
    QLinearGradient g(0, 248, 0, kPanelH);
    g.setColorAt(0.0, armour ? QColor(0xdf, 0xe4, 0xea) : theme.main.lighter(115));
    g.setColorAt(1.0, armour ? QColor(0x5d, 0x66, 0x73) : theme.dark);
    p.setPen(outline(1.8));
    p.setBrush(g);
    p.drawPath(robe);
    if (armour) {
        // Plates across the breast and a surcoat of the suit's colour down the middle.
        p.setPen(QPen(QColor(0x4a, 0x52, 0x5e), 1.6));
        for (int i = 0; i < 3; ++i)
            p.drawArc(QRectF(70 - i * 6, 300 + i * 30, 212 + i * 12, 60), 20 * 16, 140 * 16);
        QPainterPath surcoat;
        surcoat.moveTo(132, 300);
        surcoat.lineTo(220, 300);
        surcoat.lineTo(236, kPanelH + 12);
        surcoat.lineTo(116, kPanelH + 12);
        surcoat.closeSubpath();
        p.setPen(outline(1.4));
        p.setBrush(theme.main);
        p.drawPath(surcoat);
    }

    // A gold-edged collar opening onto an ivory undergarment.
    QPainterPath collar;
    collar.moveTo(148, 248);
    collar.lineTo(kMidX, 300);
    collar.lineTo(204, 248);
    collar.closeSubpath();
    p.setPen(QPen(ink::gold, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink::ivory);
    p.drawPath(collar);

    // Shoulder trim.
    p.setPen(QPen(ink::gold, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath trim;
    trim.moveTo(68, 314);
    trim.cubicTo(90, 286, 120, 270, 148, 262);
    trim.moveTo(284, 314);
    trim.cubicTo(262, 286, 232, 270, 204, 262);
    p.drawPath(trim);
    p.restore();
}

void drawFace(QPainter &p)
{
    p.setPen(outline(1.4));
    p.setBrush(ink::skin);
    p.drawRect(QRectF(164, 212, 24, 40));
    p.drawEllipse(QPointF(kMidX, 176), 33, 41);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0x9a, 0x8a, 70));
    p.drawEllipse(QPointF(156, 196), 7, 5);
    p.drawEllipse(QPointF(196, 196), 7, 5);

    // Eyes lowered in calm, brows, nose and mouth in a few strokes.
    QPen line(QColor(0x4a, 0x32, 0x26), 1.8, Qt::SolidLine, Qt::RoundCap);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(154, 176, 15, 8), 200 * 16, 140 * 16);
    p.drawArc(QRectF(183, 176, 15, 8), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(0x6a, 0x48, 0x34), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(152, 166, 18, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(182, 166, 18, 8), 30 * 16, 120 * 16);
    QPainterPath nose;
    nose.moveTo(kMidX, 184);
    nose.quadTo(172, 196, 175, 198);
    nose.lineTo(180, 197);
    p.drawPath(nose);
    p.setPen(QPen(QColor(0xb0, 0x55, 0x4c), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(169, 200, 14, 7), 200 * 16, 140 * 16);
}

// The king's full beard and moustache.
void drawBeard(QPainter &p, const SuitTheme &theme)
{
    QPainterPath beard;
    beard.moveTo(143, 178);
    beard.cubicTo(142, 218, 156, 246, kMidX, 252);
    beard.cubicTo(196, 246, 210, 218, 209, 178);
    beard.cubicTo(204, 200, 196, 214, kMidX, 214);
    beard.cubicTo(156, 214, 148, 200, 143, 178);
    p.setPen(outline(1.3));
    p.setBrush(theme.hair);
    p.drawPath(beard);
    QPainterPath moustache;
    moustache.moveTo(kMidX, 198);
    moustache.cubicTo(168, 194, 160, 200, 158, 208);
    moustache.cubicTo(166, 204, 172, 204, kMidX, 203);
    moustache.cubicTo(180, 204, 186, 204, 194, 208);
    moustache.cubicTo(192, 200, 184, 194, kMidX, 198);
    p.drawPath(moustache);
}

void drawShortHair(QPainter &p, const SuitTheme &theme)
{
    QPainterPath hair;
    hair.moveTo(143, 182);
    hair.cubicTo(138, 140, 160, 132, kMidX, 132);
    hair.cubicTo(192, 132, 214, 140, 209, 182);
    hair.cubicTo(206, 164, 200, 152, kMidX, 150);
    hair.cubicTo(152, 152, 146, 164, 143, 182);
    p.setPen(outline(1.3));
    p.setBrush(theme.hair);
    p.drawPath(hair);
}

void drawJewel(QPainter &p, QPointF c, double r, const QColor &colour)
{
    p.setPen(QPen(ink::dark, 0.9));
    p.setBrush(colour);
    p.drawEllipse(c, r, r * 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.4), r * 0.3, r * 0.3);
}

void drawKingCrown(QPainter &p, const SuitTheme &theme)
{
    QPainterPath crown;
    crown.moveTo(136, 146);
    crown.lineTo(134, 120);
    const double tips[] = { 138, 157, kMidX, 195, 214 };
    const double valleys[] = { 147, 166.5, 185.5, 204.5 };
    crown.lineTo(tips[0], 96);
    for (int i = 0; i < 4; ++i) {
        crown.lineTo(valleys[i], 118);
        crown.lineTo(tips[i + 1], i == 1 ? 86 : 96);
    }
    crown.lineTo(218, 120);
    crown.lineTo(216, 146);
    crown.closeSubpath();
    p.setPen(outline(1.6));
    p.setBrush(goldGradient(86, 146));
    p.drawPath(crown);
    for (int i = 0; i < 5; ++i)
        drawJewel(p, QPointF(tips[i], i == 2 ? 82 : 92), 4.0, QColor(0xfb, 0xf3, 0xd0));
    p.setPen(outline(1.2));
    p.setBrush(QColor(0xd8, 0xae, 0x3c));
    p.drawRect(QRectF(135, 132, 82, 12));
    drawJewel(p, QPointF(kMidX, 138), 4.5, theme.main);
    drawJewel(p, QPointF(152, 138), 3.2, QColor(0xb2, 0x1e, 0x2e));
    drawJewel(p, QPointF(200, 138), 3.2, QColor(0xb2, 0x1e, 0x2e));
}

void drawQueenCrown(QPainter &p, const SuitTheme &theme)
{
    // A light veil behind the crown, falling to the shoulders.
    QPainterPath veil;
    veil.moveTo(140, 134);
    veil.cubicTo(112, 170, 112, 240, 104, 282);
    veil.lineTo(128, 278);
    veil.cubicTo(134, 220, 140, 170, 150, 140);
    veil.moveTo(212, 134);
    veil.cubicTo(240, 170, 240, 240, 248, 282);
    veil.lineTo(224, 278);
    veil.cubicTo(218, 220, 212, 170, 202, 140);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(veil);

    QPainterPath crown;
    crown.moveTo(140, 144);
    crown.lineTo(140, 126);
    crown.quadTo(146, 104, 158, 120);
    crown.quadTo(166, 92, kMidX, 100);
    crown.quadTo(186, 92, 194, 120);
    crown.quadTo(206, 104, 212, 126);
    crown.lineTo(212, 144);
    crown.closeSubpath();
    p.setPen(outline(1.6));
    p.setBrush(goldGradient(92, 144));
    p.drawPath(crown);
    p.drawEllipse(QPointF(kMidX, 92), 6, 6);
    p.setPen(QPen(ink::dark, 1.6));
    p.drawLine(QPointF(kMidX, 86), QPointF(kMidX, 76));
    p.drawLine(QPointF(kMidX - 5, 80), QPointF(kMidX + 5, 80));
    drawJewel(p, QPointF(kMidX, 132), 5.0, theme.main);
    drawJewel(p, QPointF(153, 134), 3.4, QColor(0xf5, 0xf2, 0xea));
    drawJewel(p, QPointF(199, 134), 3.4, QColor(0xf5, 0xf2, 0xea));
}

void drawPrinceCoronet(QPainter &p, const SuitTheme &theme)
{
    p.setPen(outline(1.3));
    p.setBrush(goldGradient(126, 146));
    // Three small leaves standing on a plain band.
    for (double x : { 150.0, kMidX, 202.0 }) {
        QPainterPath leaf;
        const double h = x == kMidX ? 24 : 18;
        leaf.moveTo(x, 136 - h);
        leaf.quadTo(x + 9, 128, x + 5, 138);
        leaf.lineTo(x - 5, 138);
        leaf.quadTo(x - 9, 128, x, 136 - h);
        p.drawPath(leaf);
    }
    p.drawRoundedRect(QRectF(141, 134, 70, 9), 3, 3);
    drawJewel(p, QPointF(kMidX, 138.5), 3.4, theme.main);
}

void drawPrincessCirclet(QPainter &p, const SuitTheme &theme)
{
    p.setPen(outline(1.2));
    p.setBrush(goldGradient(138, 144));
    QPainterPath band;
    band.moveTo(143, 150);
    band.quadTo(kMidX, 130, 209, 150);
    band.lineTo(209, 155);
    band.quadTo(kMidX, 136, 143, 155);
    band.closeSubpath();
    p.drawPath(band);
    // A jewel resting on the brow, with small wings either side.
    drawLeaf(p, QPointF(168, 142), 16, 4, 200, QColor(0xf1, 0xd7, 0x82));
    drawLeaf(p, QPointF(184, 142), 16, 4, -20, QColor(0xf1, 0xd7, 0x82));
    QPainterPath drop;
    drop.moveTo(kMidX, 137);
    drop.quadTo(kMidX + 7, 148, kMidX, 153);
    drop.quadTo(kMidX - 7, 148, kMidX, 137);
    p.setPen(QPen(ink::dark, 1.0));
    p.setBrush(theme.main);
    p.drawPath(drop);
    // And a small flower tucked into the hair.
    p.setPen(QPen(ink::dark, 0.8));
    p.setBrush(QColor(0xf6, 0xf0, 0xf4));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        p.drawEllipse(QPointF(216 + 5 * std::cos(a), 150 + 5 * std::sin(a)), 3.6, 3.6);
    }
    p.setBrush(QColor(0xe8, 0xb8, 0x30));
    p.drawEllipse(QPointF(216, 150), 2.6, 2.6);
}

void drawKnightHelmet(QPainter &p, const SuitTheme &theme)
{
    // A plume sweeping back from the crest.
    QPainterPath plume;
    plume.moveTo(kMidX, 112);
    plume.cubicTo(190, 60, 250, 40, 272, 70);
    plume.cubicTo(250, 62, 226, 76, 220, 96);
    plume.cubicTo(236, 90, 252, 100, 254, 112);
    plume.cubicTo(232, 100, 206, 106, 188, 122);
    plume.closeSubpath();
    p.setPen(outline(1.4));
    p.setBrush(theme.main);
    p.drawPath(plume);
    p.setPen(QPen(theme.main.lighter(150), 1.2));
    p.drawLine(QPointF(192, 104), QPointF(244, 62));
    p.drawLine(QPointF(200, 110), QPointF(238, 92));

    // The helmet: a dome with cheek guards that leave the face open.
    QPainterPath helm;
    helm.moveTo(138, 200);
    helm.cubicTo(128, 150, 140, 108, kMidX, 106);
    helm.cubicTo(212, 108, 224, 150, 214, 200);
    helm.lineTo(202, 204);
    helm.cubicTo(204, 180, 204, 166, 200, 158);
    helm.lineTo(152, 158);
    helm.cubicTo(148, 166, 148, 180, 150, 204);
    helm.closeSubpath();
    QLinearGradient steel(128, 0, 224, 0);
    steel.setColorAt(0.0, QColor(0x7d, 0x86, 0x93));
    steel.setColorAt(0.4, QColor(0xe8, 0xec, 0xf1));
    steel.setColorAt(1.0, QColor(0x6a, 0x73, 0x80));
    p.setPen(outline(1.8));
    p.setBrush(steel);
    p.drawPath(helm);
    p.setPen(QPen(ink::gold, 3.0));
    p.drawLine(QPointF(kMidX, 108), QPointF(kMidX, 156));
    p.setPen(outline(1.2));
    p.setBrush(goldGradient(150, 160));
    p.drawRoundedRect(QRectF(146, 150, 60, 9), 3, 3);
    drawJewel(p, QPointF(kMidX, 154.5), 3.2, theme.main);
}

// Where the figure's hands hold the symbol, relative to the symbol's centre
// in symbol units (its height being 100).
void drawHands(QPainter &p, Suit suit, QPointF centre, double scale)
{
    std::vector<QPointF> hands;
    switch (suit) {
    case Suit::Wands:
        hands = { { 0, 16 } };
        break;
    case Suit::Swords:
        hands = { { 0, 30 } };
        break;
    case Suit::Cups:
        hands = { { 0, 17 } };
        break;
    case Suit::Disks:
        hands = { { -40, 14 }, { 40, 14 } };
        break;
    }
    p.setPen(outline(1.3));
    p.setBrush(ink::skin);
    for (const QPointF &h : hands)
        p.drawEllipse(centre + h * scale, 9.5, 7.5);
}

} // namespace

void drawCourtFigure(QPainter &p, const QRectF &panel, Suit suit, CourtRank rank)
{
    const SuitTheme &theme = suitTheme(suit);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(panel.topLeft());
    p.scale(panel.width() / kPanelW, panel.height() / kPanelH);
    // The figure stands in the part above the rank's banner, shrunk from the top.
    const double shrink = kCourtBannerTop + 0.02;
    p.translate(kMidX * (1.0 - shrink), 0);
    p.scale(shrink, shrink);

    // Each rank has its own setting, so the cards tell apart even when small.
    switch (rank) {
    case CourtRank::King:
        drawThrone(p, theme, false);
        break;
    case CourtRank::Queen:
        drawThrone(p, theme, true);
        break;
    case CourtRank::Knight:
        drawLance(p, theme);
        break;
    case CourtRank::Prince:
        drawSunburst(p);
        break;
    case CourtRank::Princess:
        drawFlowerArch(p, theme);
        break;
    }
    const bool longHair = rank == CourtRank::Queen || rank == CourtRank::Princess;
    if (longHair)
        drawLongHair(p, theme);
    drawRobe(p, theme, rank == CourtRank::Knight);
    drawFace(p);
    if (rank != CourtRank::Knight)
        drawShortHair(p, theme);
    switch (rank) {
    case CourtRank::King:
        drawBeard(p, theme);
        drawKingCrown(p, theme);
        break;
    case CourtRank::Knight:
        drawKnightHelmet(p, theme);
        break;
    case CourtRank::Queen:
        drawQueenCrown(p, theme);
        break;
    case CourtRank::Prince:
        drawPrinceCoronet(p, theme);
        break;
    case CourtRank::Princess:
        drawPrincessCirclet(p, theme);
        break;
    }

    double symbolHeight = suit == Suit::Swords ? 150 : 160;
    if (suit == Suit::Cups)
        symbolHeight = 140;
    else if (suit == Suit::Disks)
        symbolHeight = 124;
    // The symbol is held before the chest, its top just below the chin.
    const QPointF symbolCentre(kMidX, 244 + symbolHeight / 2.0 * (suit == Suit::Disks ? 0.82 : 1.0));
    drawSuitSymbol(p, suit, symbolCentre, symbolHeight);
    drawHands(p, suit, symbolCentre, symbolHeight / 100.0);
    p.restore();
}

} // namespace art
