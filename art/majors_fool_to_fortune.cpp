// The scenes of the major cards from The Fool to Fortune.

#include "majorscene.h"
#include "suits.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art::scene {

void fool(QPainter &p)
{
    sky(p, QColor(0xbf, 0xdf, 0xf4), QColor(0xfb, 0xf2, 0xda));
    glow(p, QPointF(292, 66), 80, QColor(255, 236, 150));
    drawRays(p, QPointF(292, 66), 24, 34, 58, QColor(0xf0, 0xb4, 0x2c), 3.0);
    p.setPen(line(QColor(0xc8, 0x82, 0x1c), 1.5));
    p.setBrush(QColor(0xfa, 0xcf, 0x4a));
    p.drawEllipse(QPointF(292, 66), 30, 30);

    // A cliff edge on the left; beyond it open air.
    QPainterPath cliff;
    cliff.moveTo(0, 330);
    cliff.cubicTo(90, 316, 170, 326, 238, 332);
    cliff.lineTo(250, 360);
    cliff.lineTo(236, 404);
    cliff.lineTo(0, 404);
    cliff.closeSubpath();
    p.setPen(line(QColor(0x4d, 0x6b, 0x2c), 1.5));
    p.setBrush(vertical(320, 404, QColor(0x8c, 0xbf, 0x5a), QColor(0x5a, 0x7d, 0x36)));
    p.drawPath(cliff);
    rose(p, QPointF(56, 312), 14, QColor(0xfb, 0xfb, 0xf6));
    p.setPen(line(kLeaf, 2.0));
    p.drawLine(QPointF(56, 326), QPointF(58, 346));

    // The jester's cap: three soft points with bells.
    const QColor red(0xc8, 0x37, 0x2d), green(0x3f, 0x8f, 0x4a), yellow(0xe8, 0xb8, 0x30);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(CX + side * 64, 250);
        horn.cubicTo(CX + side * 72, 178, CX + side * 116, 138, CX + side * 112, 196);
        horn.cubicTo(CX + side * 96, 176, CX + side * 60, 190, CX + side * 8, 246);
        horn.closeSubpath();
        p.setPen(line());
        p.setBrush(side < 0 ? red : green);
        p.drawPath(horn);
    }
    QPainterPath middle;
    middle.moveTo(CX - 36, 248);
    middle.cubicTo(CX - 32, 170, CX - 12, 112, CX + 6, 86);
    middle.cubicTo(CX + 12, 132, CX + 38, 190, CX + 36, 248);
    middle.closeSubpath();
    p.setPen(line());
    p.setBrush(yellow);
    p.drawPath(middle);
    for (const QPointF &tip : { QPointF(CX - 112, 200), QPointF(CX + 112, 200), QPointF(CX + 6, 84) }) {
        p.setPen(line());
        p.setBrush(goldBar(tip.x() - 12, tip.x() + 12));
        p.drawEllipse(tip, 12, 12);
        p.setPen(line(ink::dark, 2.0));
        p.drawLine(tip + QPointF(-5, 4), tip + QPointF(5, 4));
    }
    QPainterPath band;
    band.moveTo(CX - 70, 246);
    band.quadTo(CX, 226, CX + 70, 246);
    band.lineTo(CX + 70, 272);
    band.quadTo(CX, 252, CX - 70, 272);
    band.closeSubpath();
    p.setPen(line());
    p.setBrush(goldBar(CX - 70, CX + 70));
    p.drawPath(band);
    for (int i = -2; i <= 2; ++i) {
        p.setBrush(i % 2 == 0 ? kRed : QColor(0x2f, 0x6d, 0xb5));
        p.drawPath(starPath(QPointF(CX + i * 26, 252 - (2 - std::abs(i)) * 3.5), 4, 6, 2.5, -90));
    }
}

void magus(QPainter &p)
{
    sky(p, QColor(0x29, 0x23, 0x52), QColor(0x5d, 0x4b, 0x92));
    scatterStars(p, 101, 26, QRectF(10, 10, W - 20, 200), withAlpha(ink::paleGold, 200), 4.5);
    glow(p, QPointF(CX, 170), 130, QColor(255, 240, 190), 150);
    lemniscate(p, QPointF(CX, 58), 120, QColor(0xf1, 0xcd, 0x5a), 6.0);

    // The wand raised between heaven and earth.
    p.setPen(line());
    p.setBrush(horizontal(CX - 7, CX + 7, QColor(0xbd, 0xb6, 0xa4), QColor(0xff, 0xfd, 0xf4)));
    p.drawRoundedRect(QRectF(CX - 7, 98, 14, 160), 6, 6);
    p.setBrush(goldBar(CX - 11, CX + 11));
    p.drawEllipse(QPointF(CX, 98), 11, 11);
    p.drawEllipse(QPointF(CX, 258), 11, 11);

    // The table with the four instruments.
    p.setPen(line());
    p.setBrush(vertical(292, 404, QColor(0x9a, 0x3d, 0x2a), QColor(0x5a, 0x1e, 0x14)));
    p.drawRect(QRectF(50, 314, 252, 100));
    p.setBrush(vertical(300, 316, QColor(0xc0, 0x5a, 0x38), QColor(0x8a, 0x34, 0x22)));
    p.drawRect(QRectF(34, 300, 284, 16));
    drawSuitSymbol(p, Suit::Wands, QPointF(74, 262), 68);
    drawSuitSymbol(p, Suit::Cups, QPointF(128, 268), 60);
    drawSuitSymbol(p, Suit::Swords, QPointF(226, 264), 66);
    drawSuitSymbol(p, Suit::Disks, QPointF(280, 274), 52);
    p.setPen(line(ink::gold, 2.0));
    p.drawLine(QPointF(66, 332), QPointF(286, 332));
}

void highPriestess(QPainter &p)
{
    sky(p, QColor(0x0f, 0x24, 0x3e), QColor(0x2c, 0x59, 0x80));
    scatterStars(p, 202, 16, QRectF(100, 10, 150, 60), withAlpha(kSilver, 200), 4.0);
    pillar(p, 26, 90, 52, QColor(0x2a, 0x28, 0x2c), QColor(0x6e, 0x66, 0x58));
    pillar(p, 262, 326, 52, QColor(0xee, 0xea, 0xe0), QColor(0xc9, 0xbd, 0x9a));
    drawTextLine(p, QStringLiteral("B"), font(FontFace::SerifBold, 34), QRectF(26, 150, 64, 40), ink::paleGold);
    drawTextLine(p, QStringLiteral("J"), font(FontFace::SerifBold, 34), QRectF(262, 150, 64, 40), ink::dark);

    // The triple moon: waxing, full, waning.
    const QPointF full(CX, 112);
    glow(p, full, 90, QColor(220, 230, 255), 170);
    p.setPen(line(QColor(0x8a, 0x96, 0xaa), 1.5));
    p.setBrush(kSilver);
    p.drawEllipse(full, 30, 30);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath moon;
        moon.addEllipse(full + QPointF(side * 58, 0), 24, 24);
        QPainterPath bite;
        bite.addEllipse(full + QPointF(side * 72, 0), 22, 22);
        p.drawPath(moon.subtracted(bite));
    }

    // The scroll of hidden law, half unrolled.
    p.setPen(line());
    p.setBrush(vertical(200, 300, QColor(0xfb, 0xf6, 0xe6), QColor(0xe6, 0xd9, 0xb8)));
    p.drawRect(QRectF(CX - 46, 204, 92, 92));
    p.setBrush(horizontal(CX - 52, CX + 52, QColor(0xc9, 0xb4, 0x86), QColor(0xfb, 0xf2, 0xd8)));
    p.drawRoundedRect(QRectF(CX - 54, 194, 108, 16), 8, 8);
    p.drawRoundedRect(QRectF(CX - 54, 290, 108, 16), 8, 8);
    p.setPen(line(QColor(0x8a, 0x7a, 0x5a), 1.6));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(CX - 32, 222 + i * 14), QPointF(CX + (i == 4 ? 6 : 32), 222 + i * 14));

    // The crescent at her feet.
    QPainterPath crescent;
    crescent.addEllipse(QPointF(CX, 356), 62, 34);
    QPainterPath cut;
    cut.addEllipse(QPointF(CX, 340), 60, 30);
    p.setPen(line(QColor(0x8a, 0x96, 0xaa), 1.5));
    p.setBrush(kSilver);
    p.drawPath(crescent.subtracted(cut));
}

void empress(QPainter &p)
{
    sky(p, QColor(0xd7, 0xec, 0xc6), QColor(0x84, 0xb6, 0x68));
    const QPointF c(CX, 196);
    for (int i = 0; i < 12; ++i) {
        const double a = (-160 + i * 140.0 / 11.0) * M_PI / 180.0;
        p.setPen(line(QColor(0x9a, 0x72, 0x10), 1.0));
        p.setBrush(QColor(0xf3, 0xc9, 0x3e));
        p.drawPath(starPath(c + QPointF(138 * std::cos(a), 138 * std::sin(a) + 10), 6, 9, 4));
    }
    glow(p, c, 120, QColor(255, 250, 220), 160);
    p.setPen(line(ink::dark, 2.2));
    p.setBrush(vertical(120, 280, QColor(0xf0, 0x9a, 0x8a), QColor(0xb8, 0x4c, 0x48)));
    p.drawPath(heartPath(c, 170));
    p.setPen(line(ink::gold, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(heartPath(c, 150));

    // Venus' sign.
    p.setPen(line(QColor(0xfd, 0xf6, 0xe8), 9.0));
    p.drawEllipse(QPointF(CX, 176), 26, 26);
    p.drawLine(QPointF(CX, 202), QPointF(CX, 250));
    p.drawLine(QPointF(CX - 18, 228), QPointF(CX + 18, 228));

    // Ripe wheat at her feet.
    for (int s = 0; s < 5; ++s) {
        const double x = 58 + s * 59;
        const double top = 306 + (s % 2) * 10;
        p.setPen(line(QColor(0x9a, 0x78, 0x20), 2.2));
        p.drawLine(QPointF(x, 404), QPointF(x + 6, top));
        p.setPen(line(QColor(0x8a, 0x66, 0x10), 0.8));
        p.setBrush(QColor(0xe8, 0xbe, 0x48));
        for (int g = 0; g < 5; ++g) {
            const QPointF grain(x + 6 + (g - 2) * 0.3, top + 6 + g * 9);
            p.save();
            p.translate(grain);
            p.rotate(-25);
            p.drawEllipse(QPointF(-4, 0), 5, 2.8);
            p.rotate(50);
            p.drawEllipse(QPointF(4, 0), 5, 2.8);
            p.restore();
        }
    }
}

namespace {

void ramHorn(QPainter &p, QPointF root, double size, int side)
{
    QPainterPath horn;
    const int steps = 60;
    const double s = side;
    QPolygonF outer, inner;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double a = -M_PI / 2 + t * 1.7 * M_PI;
        const double r = size * (1.0 - 0.72 * t);
        const double w = size * 0.28 * (1.0 - 0.8 * t);
        const QPointF centre = root + QPointF(s * size * 0.9, size * 0.15);
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF pt = centre + QPointF(-s * dir.x() * r, dir.y() * r);
        outer << pt + QPointF(-s * dir.x() * w / 2, dir.y() * w / 2);
        inner << pt - QPointF(-s * dir.x() * w / 2, dir.y() * w / 2);
    }
    horn.moveTo(outer.first());
    for (const QPointF &pt : outer)
        horn.lineTo(pt);
    for (int i = inner.size() - 1; i >= 0; --i)
        horn.lineTo(inner[i]);
    horn.closeSubpath();
    p.setPen(line());
    p.setBrush(vertical(root.y() - size, root.y() + size, QColor(0xfa, 0xf0, 0xd6), QColor(0xc4, 0xaa, 0x7a)));
    p.drawPath(horn);
    p.setPen(line(QColor(0x9a, 0x80, 0x58), 1.0));
    for (int i = 4; i < steps; i += 6) {
        const QPointF a = outer[i], b = inner[i];
        p.drawLine(a + (b - a) * 0.15, b + (a - b) * 0.15);
    }
}

} // namespace

void emperorThoth(QPainter &p)
{
    sky(p, QColor(0x4a, 0x0c, 0x0c), QColor(0xb0, 0x38, 0x1c));
    drawRays(p, QPointF(CX, 206), 36, 60, 170, QColor(0xf6, 0xa8, 0x3c, 140), 3.0);
    for (int i = 0; i < 9; ++i)
        flameTongue(p, QPointF(22 + i * 38.5, 406), 46 + (i % 3) * 18, 36, (i % 2 ? 6 : -6));
    ramHorn(p, QPointF(CX - 62, 150), 58, -1);
    ramHorn(p, QPointF(CX + 62, 150), 58, 1);

    // The orb of dominion, crowned with a cross.
    glow(p, QPointF(CX, 216), 90, QColor(255, 220, 140), 170);
    QRadialGradient orb(QPointF(CX - 14, 200), 56);
    orb.setColorAt(0.0, QColor(0xff, 0xf0, 0xa8));
    orb.setColorAt(1.0, QColor(0xb8, 0x80, 0x18));
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(orb);
    p.drawEllipse(QPointF(CX, 226), 46, 46);
    p.setPen(line(QColor(0x8a, 0x20, 0x10), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(CX - 45, 226), QPointF(CX + 45, 226));
    p.drawArc(QRectF(CX - 18, 180, 36, 92), 90 * 16, 180 * 16);
    cross(p, QPointF(CX, 158), 46, 9, QColor(0xf2, 0xc8, 0x4a));
    cross(p, QPointF(CX, 158), 46, 4, QColor(0xfb, 0xe8, 0x9c));
}

void emperorTraditional(QPainter &p)
{
    sky(p, QColor(0xf3, 0xc0, 0x7a), QColor(0xd9, 0x7a, 0x3a));
    // Bare red mountains behind the throne.
    QPainterPath mountains;
    mountains.moveTo(0, 250);
    mountains.lineTo(60, 176);
    mountains.lineTo(110, 230);
    mountains.lineTo(180, 150);
    mountains.lineTo(250, 226);
    mountains.lineTo(300, 182);
    mountains.lineTo(W, 236);
    mountains.lineTo(W, H);
    mountains.lineTo(0, H);
    mountains.closeSubpath();
    p.setPen(line(QColor(0x6a, 0x22, 0x10), 1.4));
    p.setBrush(vertical(150, 300, QColor(0xb4, 0x40, 0x22), QColor(0x7a, 0x22, 0x14)));
    p.drawPath(mountains);

    // The stone throne with rams' heads on its corners.
    p.setPen(line());
    p.setBrush(vertical(70, 404, QColor(0xd8, 0xd4, 0xcc), QColor(0x86, 0x80, 0x76)));
    p.drawRect(QRectF(84, 90, 184, 314));
    p.setBrush(vertical(70, 404, QColor(0xc6, 0xc0, 0xb6), QColor(0x74, 0x6e, 0x64)));
    p.drawRect(QRectF(110, 116, 132, 288));
    for (int side = -1; side <= 1; side += 2) {
        const QPointF head(CX + side * 92, 92);
        p.setBrush(QColor(0xe4, 0xe0, 0xd6));
        p.drawEllipse(head, 18, 20);
        p.setBrush(QColor(0xbc, 0xb4, 0xa4));
        p.drawEllipse(head + QPointF(side * 4, 8), 9, 10);
        p.setPen(line(ink::dark, 3.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - 16, head.y() - 16, 32, 28), side < 0 ? 90 * 16 : -90 * 16, 200 * 16);
        p.setPen(line());
    }

    // The crown above, the ankh sceptre and the orb on either side.
    const QPointF crown(CX, 174);
    QPainterPath c;
    c.moveTo(crown + QPointF(-48, 26));
    c.lineTo(crown + QPointF(-52, -16));
    c.lineTo(crown + QPointF(-26, 6));
    c.lineTo(crown + QPointF(0, -30));
    c.lineTo(crown + QPointF(26, 6));
    c.lineTo(crown + QPointF(52, -16));
    c.lineTo(crown + QPointF(48, 26));
    c.closeSubpath();
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(goldBar(crown.x() - 52, crown.x() + 52));
    p.drawPath(c);
    p.setBrush(kRed);
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(crown + QPointF(i * 26, 14), 6, 7);

    const QPointF ankh(250, 236);
    p.setPen(line(ink::dark, 11.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ankh + QPointF(0, -32), 11, 16);
    p.drawLine(ankh + QPointF(0, -16), ankh + QPointF(0, 120));
    p.drawLine(ankh + QPointF(-20, -12), ankh + QPointF(20, -12));
    p.setPen(line(QColor(0xf2, 0xc8, 0x4a), 6.0));
    p.drawEllipse(ankh + QPointF(0, -32), 11, 16);
    p.drawLine(ankh + QPointF(0, -16), ankh + QPointF(0, 120));
    p.drawLine(ankh + QPointF(-20, -12), ankh + QPointF(20, -12));

    QRadialGradient orb(QPointF(96, 280), 30);
    orb.setColorAt(0.0, QColor(0xff, 0xf0, 0xa8));
    orb.setColorAt(1.0, QColor(0xb8, 0x80, 0x18));
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(orb);
    p.drawEllipse(QPointF(104, 290), 26, 26);
    cross(p, QPointF(104, 254), 22, 5, QColor(0xf2, 0xc8, 0x4a));
    p.setBrush(kRed);
    p.setPen(line(ink::dark, 1.6));
    p.drawRect(QRectF(132, 330, 88, 74));
}

void hierophant(QPainter &p)
{
    sky(p, QColor(0xf4, 0xe6, 0xc6), QColor(0xb8, 0x96, 0x58));
    pillar(p, 14, 58, 60, QColor(0x9c, 0x94, 0x88), QColor(0x7c, 0x74, 0x68));
    pillar(p, 294, 338, 60, QColor(0x9c, 0x94, 0x88), QColor(0x7c, 0x74, 0x68));
    glow(p, QPointF(CX, 140), 110, QColor(255, 252, 230), 200);

    // The triple crown.
    const double tiers[][3] = { { 196, 80, 32 }, { 166, 68, 30 }, { 138, 56, 28 } };
    p.setPen(line(ink::dark, 2.0));
    for (const auto &t : tiers) {
        QPainterPath tier;
        tier.moveTo(CX - t[1], t[0]);
        tier.quadTo(CX - t[1] + 4, t[0] - t[2], CX - t[1] * 0.8, t[0] - t[2]);
        tier.lineTo(CX + t[1] * 0.8, t[0] - t[2]);
        tier.quadTo(CX + t[1] - 4, t[0] - t[2], CX + t[1], t[0]);
        tier.closeSubpath();
        p.setBrush(goldBar(CX - t[1], CX + t[1]));
        p.drawPath(tier);
        p.setBrush(QColor(0xfb, 0xf8, 0xee));
        p.drawRect(QRectF(CX - t[1] * 0.92, t[0] - 9, t[1] * 1.84, 7));
        for (int i = -2; i <= 2; ++i) {
            p.setBrush(i % 2 == 0 ? kRed : QColor(0x2f, 0x6d, 0xb5));
            p.drawEllipse(QPointF(CX + i * t[1] * 0.36, t[0] - 5.5), 3.5, 3.5);
        }
    }
    p.setBrush(goldBar(CX - 14, CX + 14));
    p.drawEllipse(QPointF(CX, 104), 12, 12);
    cross(p, QPointF(CX, 78), 30, 6, QColor(0xf2, 0xc8, 0x4a));

    // The crossed keys, one gold and one silver.
    const auto key = [&p](QPointF bow, double angle, const QColor &metal) {
        p.save();
        p.translate(bow);
        p.rotate(angle);
        p.setPen(line(ink::dark, 2.0));
        p.setBrush(metal);
        QPainterPath k;
        k.addEllipse(QPointF(0, 0), 22, 22);
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), 11, 11);
        k = k.subtracted(hole);
        k.addRect(QRectF(-5, 20, 10, 148));
        k.addRect(QRectF(5, 140, 22, 8));
        k.addRect(QRectF(5, 154, 16, 8));
        p.drawPath(k.simplified());
        p.restore();
    };
    key(QPointF(112, 230), -40, QColor(0xe8, 0xbe, 0x48));
    key(QPointF(240, 230), 40, kSilver);
}

void lovers(QPainter &p)
{
    sky(p, QColor(0xff, 0xea, 0xe2), QColor(0xee, 0xa0, 0x98));
    // The winged sun blesses the two.
    const QPointF sun(CX, 96);
    for (int side = -1; side <= 1; side += 2) {
        for (int f = 0; f < 5; ++f) {
            QPainterPath feather;
            const double len = 120 - f * 16;
            const QPointF root = sun + QPointF(side * 24, f * 8 - 8);
            feather.moveTo(root);
            feather.quadTo(root + QPointF(side * len * 0.5, -30 + f * 8), root + QPointF(side * len, -10 + f * 14));
            feather.quadTo(root + QPointF(side * len * 0.5, -4 + f * 9), root + QPointF(0, 12));
            feather.closeSubpath();
            p.setPen(line(QColor(0x9a, 0x7a, 0x9a), 1.2));
            p.setBrush(mix(QColor(0xfb, 0xf6, 0xff), QColor(0xc8, 0xb0, 0xd8), f / 5.0));
            p.drawPath(feather);
        }
    }
    drawRays(p, sun, 20, 30, 46, QColor(0xf0, 0xa8, 0x2c), 3.0);
    p.setPen(line(QColor(0xc8, 0x82, 0x1c), 1.5));
    p.setBrush(QColor(0xfa, 0xcf, 0x4a));
    p.drawEllipse(sun, 26, 26);

    glow(p, QPointF(CX, 262), 140, QColor(255, 255, 255), 160);
    p.setPen(line(ink::dark, 2.2));
    p.setBrush(vertical(180, 340, QColor(0xe6, 0x4a, 0x50), QColor(0x9a, 0x1c, 0x2a)));
    p.drawPath(heartPath(QPointF(CX - 40, 266), 140));
    p.setBrush(QColor(0xf9, 0xb4, 0xc0, 215));
    p.drawPath(heartPath(QPointF(CX + 40, 266), 140));
    p.setPen(line(ink::gold, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(heartPath(QPointF(CX - 40, 266), 124));
    p.drawPath(heartPath(QPointF(CX + 40, 266), 124));
}

void chariot(QPainter &p)
{
    sky(p, QColor(0x16, 0x23, 0x42), QColor(0x3a, 0x5e, 0x8e));
    hills(p, 332, QColor(0x5f, 0x7d, 0x4a), 10);

    // The starry canopy on four posts.
    QPainterPath canopy;
    canopy.moveTo(60, 90);
    canopy.quadTo(CX, 20, 292, 90);
    canopy.quadTo(CX, 60, 60, 90);
    p.setPen(line());
    p.setBrush(QColor(0x1e, 0x3e, 0x7a));
    p.drawPath(canopy);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::paleGold);
    for (int i = 0; i < 7; ++i)
        p.drawPath(starPath(QPointF(96 + i * 27, 62 - std::sin(i * M_PI / 6) * 12), 6, 6, 2.6));
    p.setPen(line());
    p.setBrush(goldBar(0, 10));
    p.drawRect(QRectF(74, 84, 10, 110));
    p.drawRect(QRectF(268, 84, 10, 110));

    // The body of the chariot with its winged disk.
    p.setBrush(vertical(180, 300, QColor(0xd8, 0xd4, 0xcc), QColor(0x88, 0x82, 0x78)));
    p.drawRect(QRectF(62, 188, 228, 110));
    p.setBrush(vertical(180, 200, QColor(0xfb, 0xe4, 0x8c), QColor(0xb3, 0x80, 0x1c)));
    p.drawRect(QRectF(54, 180, 244, 16));
    const QPointF disk(CX, 240);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath wing;
        wing.moveTo(disk + QPointF(side * 14, -4));
        wing.cubicTo(disk + QPointF(side * 50, -30), disk + QPointF(side * 86, -22), disk + QPointF(side * 96, -14));
        wing.cubicTo(disk + QPointF(side * 70, -4), disk + QPointF(side * 50, 8), disk + QPointF(side * 14, 8));
        wing.closeSubpath();
        p.setBrush(QColor(0x3a, 0x6e, 0xc0));
        p.drawPath(wing);
    }
    p.setBrush(kRed);
    p.drawEllipse(disk, 18, 18);
    p.setBrush(QColor(0xf2, 0xc8, 0x4a));
    p.drawEllipse(disk, 8, 8);

    // The wheels.
    for (double x : { 86.0, 266.0 }) {
        const QPointF hub(x, 322);
        p.setPen(line(ink::dark, 9.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(hub, 46, 46);
        p.setPen(line(QColor(0xd8, 0xae, 0x3c), 5.0));
        p.drawEllipse(hub, 46, 46);
        p.setPen(line(QColor(0x6a, 0x48, 0x28), 4.0));
        for (int s = 0; s < 8; ++s) {
            const double a = s * M_PI / 4;
            p.drawLine(hub, hub + QPointF(42 * std::cos(a), 42 * std::sin(a)));
        }
        p.setPen(line());
        p.setBrush(goldBar(x - 9, x + 9));
        p.drawEllipse(hub, 9, 9);
    }
}

void strengthTraditional(QPainter &p)
{
    sky(p, QColor(0xff, 0xf2, 0xc6), QColor(0xf0, 0xc0, 0x5a));
    lemniscate(p, QPointF(CX, 62), 110, QColor(0xf1, 0xcd, 0x5a), 6.0);
    const QPointF head(CX, 226);
    glow(p, head, 150, QColor(255, 255, 240), 170);

    // The lion, mane first.
    p.setPen(line(QColor(0x7a, 0x3a, 0x10), 2.0));
    QRadialGradient mane(head, 118);
    mane.setColorAt(0.5, QColor(0xd8, 0x78, 0x22));
    mane.setColorAt(1.0, QColor(0x9a, 0x44, 0x12));
    p.setBrush(mane);
    p.drawPath(starPath(head, 20, 114, 88, -90));
    for (int side = -1; side <= 1; side += 2) {
        p.setBrush(QColor(0xe0, 0x9a, 0x40));
        p.drawEllipse(head + QPointF(side * 52, -58), 18, 18);
        p.setBrush(QColor(0xc0, 0x6e, 0x36));
        p.drawEllipse(head + QPointF(side * 52, -58), 9, 9);
    }
    QRadialGradient face(head + QPointF(0, -10), 80);
    face.setColorAt(0.0, QColor(0xf6, 0xc2, 0x6a));
    face.setColorAt(1.0, QColor(0xdc, 0x96, 0x3a));
    p.setPen(line(QColor(0x7a, 0x3a, 0x10), 2.0));
    p.setBrush(face);
    p.drawEllipse(head, 66, 72);
    p.setBrush(QColor(0xfb, 0xee, 0xd4));
    p.drawEllipse(head + QPointF(-16, 34), 22, 18);
    p.drawEllipse(head + QPointF(16, 34), 22, 18);
    QPainterPath nose;
    nose.moveTo(head + QPointF(-16, 12));
    nose.lineTo(head + QPointF(16, 12));
    nose.lineTo(head + QPointF(0, 28));
    nose.closeSubpath();
    p.setBrush(QColor(0x6a, 0x34, 0x22));
    p.drawPath(nose);
    p.setPen(line(QColor(0x4a, 0x24, 0x12), 2.0));
    p.drawLine(head + QPointF(0, 28), head + QPointF(0, 38));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath eye;
        const QPointF e = head + QPointF(side * 26, -12);
        eye.moveTo(e + QPointF(-11, 0));
        eye.quadTo(e + QPointF(0, -9), e + QPointF(11, 0));
        eye.quadTo(e + QPointF(0, 6), e + QPointF(-11, 0));
        p.setBrush(QColor(0xf6, 0xe6, 0x90));
        p.drawPath(eye);
        p.setBrush(ink::dark);
        p.drawEllipse(e + QPointF(0, -1), 3, 4);
    }
    // A garland of flowers tames him.
    for (int i = 0; i < 9; ++i) {
        const double a = (200 + i * 17.5) * M_PI / 180.0;
        rose(p, head + QPointF(-std::cos(a) * 110, 30 - std::sin(a) * 36 + 84), 9,
            i % 2 ? QColor(0xe0, 0x4a, 0x5a) : QColor(0xfb, 0xfb, 0xf4));
    }
}

void strengthThoth(QPainter &p)
{
    sky(p, QColor(0x3e, 0x0a, 0x18), QColor(0xa3, 0x1f, 0x3a));
    drawRays(p, QPointF(CX, 150), 40, 50, 200, QColor(0xff, 0xc8, 0x70, 110), 2.5);

    // The grail raised high, burning.
    const QPointF cup(CX, 176);
    for (int i = 0; i < 7; ++i) {
        const double x = cup.x() - 48 + i * 16;
        flameTongue(p, QPointF(x, cup.y() - 44), 40 + (i % 3 == 1 ? 30 : (i % 2 ? 10 : 20)), 22, (i - 3) * 4);
    }
    glow(p, cup + QPointF(0, -30), 90, QColor(255, 230, 160), 150);
    drawSuitSymbol(p, Suit::Cups, cup, 140);

    // The beast beneath: a lion's body that ends in serpents.
    QPainterPath beast;
    beast.moveTo(22, 330);
    beast.cubicTo(70, 280, 120, 360, CX, 310);
    beast.cubicTo(230, 262, 280, 350, 330, 300);
    p.setPen(line(ink::dark, 18.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(beast);
    p.setPen(line(QColor(0xe8, 0xa0, 0x3a), 12.0));
    p.drawPath(beast);
    p.setPen(line(QColor(0xf8, 0xd8, 0x80), 3.0));
    p.drawPath(beast);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF end = side < 0 ? QPointF(22, 330) : QPointF(330, 300);
        p.setPen(line(ink::dark, 2.0));
        p.setBrush(QColor(0xe8, 0xa0, 0x3a));
        p.drawEllipse(end, 15, 11);
        p.setBrush(ink::dark);
        p.drawEllipse(end + QPointF(-side * 4, -3), 2.5, 2.5);
    }
    lemniscate(p, QPointF(CX, 370), 90, QColor(0xf1, 0xcd, 0x5a), 5.0);
}

void hermit(QPainter &p)
{
    sky(p, QColor(0x12, 0x16, 0x30), QColor(0x3a, 0x42, 0x6a));
    scatterStars(p, 909, 22, QRectF(10, 10, W - 20, 180), withAlpha(kSilver, 190), 4.0);
    // The cold peak he has climbed.
    QPainterPath peak;
    peak.moveTo(0, 404);
    peak.lineTo(0, 340);
    peak.lineTo(120, 270);
    peak.lineTo(170, 300);
    peak.lineTo(250, 250);
    peak.lineTo(W, 330);
    peak.lineTo(W, 404);
    peak.closeSubpath();
    p.setPen(line(QColor(0x6a, 0x74, 0x90), 1.4));
    p.setBrush(vertical(250, 404, QColor(0xf4, 0xf6, 0xfb), QColor(0x9a, 0xa4, 0xbc)));
    p.drawPath(peak);

    // His staff.
    p.setPen(line());
    p.setBrush(horizontal(100, 112, QColor(0x6a, 0x40, 0x1f), QColor(0xc4, 0x8b, 0x52)));
    p.drawRoundedRect(QRectF(100, 96, 12, 300), 5, 5);

    // The lantern with its star.
    const QPointF lamp(220, 186);
    glow(p, lamp, 140, QColor(255, 232, 140), 220);
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(lamp.x() - 16, lamp.y() - 98, 32, 30), 0, 180 * 16);
    QPainterPath cap;
    cap.moveTo(lamp + QPointF(-40, -52));
    cap.lineTo(lamp + QPointF(0, -78));
    cap.lineTo(lamp + QPointF(40, -52));
    cap.closeSubpath();
    p.setBrush(goldBar(lamp.x() - 40, lamp.x() + 40));
    p.drawPath(cap);
    QRadialGradient light(lamp, 44);
    light.setColorAt(0.0, QColor(0xff, 0xff, 0xe8));
    light.setColorAt(1.0, QColor(0xf6, 0xc8, 0x40));
    p.setBrush(light);
    p.drawRect(QRectF(lamp.x() - 34, lamp.y() - 52, 68, 96));
    p.setPen(line(ink::dark, 1.4));
    p.setBrush(QColor(0xff, 0xf6, 0xc0));
    p.drawPath(starPath(lamp, 3, 24, 12, -90));
    p.drawPath(starPath(lamp, 3, 24, 12, 90));
    p.setPen(line(ink::dark, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(lamp.x() - 34, lamp.y() - 52, 68, 96));
    p.drawLine(lamp + QPointF(-34, -4), lamp + QPointF(-24, -4));
    p.drawLine(lamp + QPointF(24, -4), lamp + QPointF(34, -4));
    p.setBrush(goldBar(lamp.x() - 40, lamp.x() + 40));
    p.drawRect(QRectF(lamp.x() - 40, lamp.y() + 44, 80, 12));
    // The hand that holds it out, and the line to the staff.
    p.setPen(line(QColor(0x6a, 0x5a, 0x80), 14.0));
    p.drawLine(QPointF(112, 150), lamp + QPointF(-16, -96));
    p.setPen(line(ink::dark, 1.4));
    p.setBrush(ink::skin);
    p.drawEllipse(QPointF(112, 150), 10, 9);
}

void fortune(QPainter &p)
{
    sky(p, QColor(0x2c, 0x1f, 0x4c), QColor(0x6b, 0x4e, 0x9e));
    for (const QPointF &c : { QPointF(50, 40), QPointF(300, 40), QPointF(46, 372), QPointF(304, 372) })
        cloud(p, c, 100, QColor(0xf2, 0xf0, 0xfa));
    const QPointF hub(CX, 206);
    glow(p, hub, 170, QColor(255, 240, 200), 130);

    p.setPen(line(ink::dark, 20.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(hub, 128, 128);
    p.setPen(line(QColor(0xd8, 0xae, 0x3c), 14.0));
    p.drawEllipse(hub, 128, 128);
    p.setPen(line(QColor(0xfb, 0xe4, 0x8c), 3.0));
    p.drawEllipse(hub, 128, 128);
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(withAlpha(QColor(0x2a, 0x50, 0x9a), 200));
    p.drawEllipse(hub, 118, 118);
    p.setBrush(withAlpha(QColor(0xf4, 0xec, 0xd9), 230));
    p.drawEllipse(hub, 82, 82);

    for (int s = 0; s < 8; ++s) {
        const double a = s * M_PI / 4;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(line(ink::dark, 8.0));
        p.drawLine(hub + dir * 20, hub + dir * 82);
        p.setPen(line(QColor(0xd8, 0xae, 0x3c), 4.5));
        p.drawLine(hub + dir * 20, hub + dir * 82);
    }
    // The four suits ride the rim at the quarters, stars between them.
    drawSuitSymbol(p, Suit::Wands, hub + QPointF(0, -100), 34);
    drawSuitSymbol(p, Suit::Cups, hub + QPointF(100, 0), 30);
    drawSuitSymbol(p, Suit::Swords, hub + QPointF(0, 100), 34);
    drawSuitSymbol(p, Suit::Disks, hub + QPointF(-100, 0), 26);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::paleGold);
    for (int s = 0; s < 4; ++s) {
        const double a = M_PI / 4 + s * M_PI / 2;
        p.drawPath(starPath(hub + QPointF(100 * std::cos(a), 100 * std::sin(a)), 6, 10, 4));
    }
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(goldBar(CX - 22, CX + 22));
    p.drawEllipse(hub, 22, 22);
    p.setBrush(kRed);
    p.drawEllipse(hub, 8, 8);
}

} // namespace art::scene
