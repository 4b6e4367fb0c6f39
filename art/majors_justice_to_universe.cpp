// The scenes of the major cards from Justice to The Universe.

#include "majorscene.h"
#include "suits.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art::scene {

void justiceTraditional(QPainter &p)
{
    sky(p, QColor(0xe2, 0xea, 0xf4), QColor(0x96, 0xad, 0xcc));
    // A purple veil hung between grey pillars.
    p.fillRect(QRectF(44, 40, 264, 364), vertical(40, 404, QColor(0x7a, 0x4e, 0x8e), QColor(0x4a, 0x2a, 0x5e)));
    pillar(p, 12, 56, 40, QColor(0xa8, 0xa4, 0x9c), QColor(0x88, 0x84, 0x7c));
    pillar(p, 296, 340, 40, QColor(0xa8, 0xa4, 0x9c), QColor(0x88, 0x84, 0x7c));
    glow(p, QPointF(CX, 190), 140, QColor(255, 250, 225), 170);
    drawSuitSymbol(p, Suit::Swords, QPointF(CX, 214), 300);
    balance(p, QPointF(CX, 116), 104, 86, QColor(0xe8, 0xbe, 0x48));
}

void justiceThoth(QPainter &p)
{
    sky(p, QColor(0x0d, 0x33, 0x33), QColor(0x2f, 0x84, 0x72));
    // A tall lozenge, the sword point down within it.
    QPainterPath diamond;
    diamond.moveTo(CX, 40);
    diamond.lineTo(292, 214);
    diamond.lineTo(CX, 388);
    diamond.lineTo(60, 214);
    diamond.closeSubpath();
    p.setPen(line(ink::dark, 3.0));
    p.setBrush(vertical(40, 388, QColor(0xe8, 0xf6, 0xe4), QColor(0x7c, 0xc4, 0x9c)));
    p.drawPath(diamond);
    p.setPen(line(ink::gold, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(QTransform().translate(CX, 214).scale(0.88, 0.88).translate(-CX, -214).map(diamond));
    drawSuitSymbol(p, Suit::Swords, QPointF(CX, 238), 250, 180);

    // The scales hang from the very tip, holding alpha and omega.
    balance(p, QPointF(CX, 96), 138, 150, kSilver);
    const QFont f = font(FontFace::SerifBold, 30);
    drawTextLine(p, QString(QChar(0x03B1)), f, QRectF(CX - 168, 216, 60, 30), ink::dark);
    drawTextLine(p, QString(QChar(0x03A9)), f, QRectF(CX + 108, 216, 60, 30), ink::dark);
}

void hangedMan(QPainter &p)
{
    sky(p, QColor(0xd6, 0xee, 0xea), QColor(0x74, 0xb0, 0xaa));
    // A living tau cross.
    p.setPen(line());
    p.setBrush(vertical(40, 80, QColor(0x7a, 0x9a, 0x44), QColor(0x4a, 0x6a, 0x24)));
    p.drawRoundedRect(QRectF(40, 44, 272, 28), 12, 12);
    p.setBrush(horizontal(28, 60, QColor(0x4a, 0x6a, 0x24), QColor(0x7a, 0x9a, 0x44)));
    p.drawRoundedRect(QRectF(32, 56, 26, 348), 10, 10);
    p.drawRoundedRect(QRectF(294, 56, 26, 348), 10, 10);
    for (int i = 0; i < 6; ++i) {
        leafAt(p, QPointF(70 + i * 44, 46), 20, 6, -60 - i * 12, kLeaf.lighter(115));
        leafAt(p, QPointF(44, 110 + i * 48), 18, 5, 200 + (i % 2) * 30, kLeaf.lighter(115));
        leafAt(p, QPointF(308, 130 + i * 44), 18, 5, -20 - (i % 2) * 30, kLeaf.lighter(115));
    }

    // The man hangs by one foot, calm, his head haloed.
    const QPointF foot(CX, 92);
    p.setPen(line(QColor(0x6a, 0x50, 0x30), 3.0));
    p.drawLine(QPointF(CX, 70), foot);
    const QPointF hip(CX, 206);
    // The free leg crosses behind to make the figure four.
    p.setPen(line(ink::dark, 20.0));
    p.drawLine(hip + QPointF(6, 0), QPointF(222, 164));
    p.drawLine(QPointF(222, 164), QPointF(184, 118));
    p.setPen(line(QColor(0xc8, 0x3a, 0x30), 15.0));
    p.drawLine(hip + QPointF(6, 0), QPointF(222, 164));
    p.drawLine(QPointF(222, 164), QPointF(184, 118));
    p.setPen(line(ink::dark, 22.0));
    p.drawLine(foot, hip);
    p.setPen(line(QColor(0x2f, 0x5c, 0xa8), 17.0));
    p.drawLine(foot, hip);
    // Arms folded behind the back make a triangle.
    QPainterPath arms;
    arms.moveTo(hip + QPointF(-18, 12));
    arms.lineTo(hip + QPointF(-48, 70));
    arms.lineTo(hip + QPointF(0, 96));
    arms.lineTo(hip + QPointF(48, 70));
    arms.lineTo(hip + QPointF(18, 12));
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(QColor(0xc8, 0x3a, 0x30));
    p.drawPath(arms);
    QPainterPath tunic;
    tunic.moveTo(hip + QPointF(-24, -6));
    tunic.lineTo(hip + QPointF(24, -6));
    tunic.lineTo(hip + QPointF(28, 84));
    tunic.lineTo(hip + QPointF(-28, 84));
    tunic.closeSubpath();
    p.setBrush(vertical(hip.y(), hip.y() + 84, QColor(0x3a, 0x6c, 0xc0), QColor(0x22, 0x44, 0x88)));
    p.drawPath(tunic);
    p.setPen(line(ink::gold, 2.5));
    p.drawLine(hip + QPointF(-24, 6), hip + QPointF(24, 6));

    const QPointF head = hip + QPointF(0, 118);
    glow(p, head, 70, QColor(255, 230, 120), 230);
    p.setPen(line(ink::gold, 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(head, 42, 42);
    // His hair falls downward, below the face.
    p.setPen(line(ink::dark, 1.6));
    p.setBrush(QColor(0xe8, 0xc0, 0x40));
    p.drawEllipse(head + QPointF(0, 7), 28, 30);
    p.setBrush(ink::skin);
    p.drawEllipse(head + QPointF(0, -3), 23, 25);
    p.setPen(line(QColor(0x4a, 0x32, 0x26), 1.6));
    p.setBrush(Qt::NoBrush);
    // Upside down: the eyes lie below the mouth.
    p.drawArc(QRectF(head.x() - 15, head.y() - 2, 10, 6), 20 * 16, 140 * 16);
    p.drawArc(QRectF(head.x() + 5, head.y() - 2, 10, 6), 20 * 16, 140 * 16);
    p.setPen(line(QColor(0xb0, 0x55, 0x4c), 1.8));
    p.drawArc(QRectF(head.x() - 6, head.y() - 16, 12, 6), 20 * 16, 140 * 16);
}

void death(QPainter &p)
{
    sky(p, QColor(0x16, 0x16, 0x1a), QColor(0x46, 0x40, 0x4e));
    // The sun sets between two towers over still water.
    const QPointF sun(CX, 318);
    glow(p, sun, 130, QColor(0xf0, 0x9a, 0x4a), 170);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xa2, 0x50));
    p.drawPie(QRectF(sun.x() - 56, sun.y() - 56, 112, 112), 0, 180 * 16);
    p.fillRect(QRectF(0, 318, W, 86), vertical(318, 404, QColor(0x3a, 0x40, 0x5a), QColor(0x1a, 0x1c, 0x28)));
    p.setPen(line(QColor(0xf0, 0xa2, 0x50, 150), 2.0));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(CX - 50 + i * 10, 332 + i * 14), QPointF(CX + 50 - i * 10, 332 + i * 14));
    for (double x : { 40.0, 270.0 }) {
        p.setPen(line(ink::dark, 1.4));
        p.setBrush(QColor(0x2a, 0x28, 0x30));
        p.drawRect(QRectF(x, 248, 42, 70));
        for (int b = 0; b < 4; ++b)
            p.drawRect(QRectF(x - 2 + b * 12, 240, 8, 10));
    }

    // The scythe sweeps across.
    p.setPen(line(ink::dark, 11.0));
    p.drawLine(QPointF(70, 392), QPointF(268, 70));
    p.setPen(line(QColor(0x7a, 0x5a, 0x38), 7.0));
    p.drawLine(QPointF(70, 392), QPointF(268, 70));
    QPainterPath blade;
    blade.moveTo(268, 70);
    blade.cubicTo(220, 26, 130, 30, 70, 70);
    blade.cubicTo(130, 52, 210, 58, 258, 92);
    blade.closeSubpath();
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(vertical(30, 92, QColor(0xf4, 0xf6, 0xfa), QColor(0x9a, 0xa2, 0xb0)));
    p.drawPath(blade);

    // A white rose, for what begins again.
    glow(p, QPointF(CX, 210), 80, QColor(255, 255, 255), 110);
    p.setPen(line(kLeaf, 4.0));
    p.drawLine(QPointF(CX, 222), QPointF(CX + 10, 290));
    leafAt(p, QPointF(CX + 6, 262), 30, 9, -20, kLeaf);
    leafAt(p, QPointF(CX + 4, 250), 28, 8, 200, kLeaf);
    rose(p, QPointF(CX, 206), 34, QColor(0xfb, 0xfb, 0xf8));
}

void temperance(QPainter &p)
{
    sky(p, QColor(0xe6, 0xf3, 0xfb), QColor(0xa0, 0xc6, 0xe4));
    // A rainbow over a path that leads to a rising sun.
    const QColor bands[] = { QColor(0xe0, 0x5a, 0x4a), QColor(0xf0, 0xa8, 0x3a), QColor(0xf2, 0xd8, 0x4a),
        QColor(0x6a, 0xb8, 0x5a), QColor(0x4a, 0x8a, 0xd0), QColor(0x8a, 0x5a, 0xb8) };
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(withAlpha(bands[i], 120), 7.0));
        p.setBrush(Qt::NoBrush);
        const double r = 170 - i * 7;
        p.drawArc(QRectF(CX - r, 250 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    hills(p, 330, QColor(0x7a, 0xb0, 0x5a), 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf8, 0xd0, 0x5a));
    p.drawPie(QRectF(CX - 26, 300, 52, 52), 0, 180 * 16);
    QPainterPath road;
    road.moveTo(CX - 6, 326);
    road.cubicTo(CX + 30, 350, CX - 50, 370, CX - 40, 404);
    road.lineTo(CX + 10, 404);
    road.cubicTo(CX, 372, CX + 50, 350, CX + 6, 326);
    road.closeSubpath();
    p.setBrush(QColor(0xe8, 0xd8, 0xa8));
    p.drawPath(road);

    // The water poured from one cup into the other, never spilling.
    QPainterPath stream;
    stream.moveTo(112, 142);
    stream.cubicTo(170, 150, 230, 190, 240, 238);
    p.setPen(line(QColor(0x2a, 0x5a, 0xa0), 12.0));
    p.drawPath(stream);
    p.setPen(line(QColor(0x8c, 0xc8, 0xf4), 7.0));
    p.drawPath(stream);
    p.setPen(line(QColor(0xf4, 0xfa, 0xff), 2.0));
    p.drawPath(stream);
    drawSuitSymbol(p, Suit::Cups, QPointF(96, 148), 96, 70);
    drawSuitSymbol(p, Suit::Cups, QPointF(248, 262), 96, 0);

    // The square holding the triangle.
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(QColor(0xfb, 0xfb, 0xf6));
    p.drawRect(QRectF(48, 226, 56, 56));
    p.setBrush(QColor(0xf0, 0x90, 0x2a));
    QPainterPath tri;
    tri.moveTo(76, 234);
    tri.lineTo(98, 274);
    tri.lineTo(54, 274);
    tri.closeSubpath();
    p.drawPath(tri);
}

void devil(QPainter &p)
{
    sky(p, QColor(0x1e, 0x0a, 0x0b), QColor(0x5e, 0x1a, 0x10));
    glow(p, QPointF(CX, 150), 150, QColor(0xf0, 0x70, 0x28), 150);
    // Horns over an inverted star.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(CX + side * 30, 110);
        horn.cubicTo(CX + side * 60, 90, CX + side * 110, 70, CX + side * 104, 14);
        horn.cubicTo(CX + side * 96, 60, CX + side * 70, 90, CX + side * 44, 130);
        horn.closeSubpath();
        p.setPen(line(ink::dark, 2.0));
        p.setBrush(vertical(14, 130, QColor(0xf4, 0xe8, 0xcc), QColor(0x9a, 0x86, 0x60)));
        p.drawPath(horn);
    }
    const QPointF star(CX, 158);
    p.setPen(line(ink::dark, 9.0));
    p.setBrush(QColor(0x7a, 0x14, 0x10));
    p.drawEllipse(star, 72, 72);
    p.setPen(line(QColor(0xe8, 0xa0, 0x3a), 4.0));
    p.drawEllipse(star, 72, 72);
    QPainterPath pent;
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI / 2 + i * 4 * M_PI / 5;
        const QPointF pt(star.x() + 66 * std::cos(a), star.y() + 66 * std::sin(a));
        if (i == 0)
            pent.moveTo(pt);
        else
            pent.lineTo(pt);
    }
    pent.closeSubpath();
    p.setPen(line(QColor(0xf4, 0xc0, 0x50), 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pent);

    // The pedestal with its two chains.
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(vertical(250, 300, QColor(0x5a, 0x50, 0x50), QColor(0x2a, 0x24, 0x24)));
    p.drawRect(QRectF(112, 252, 128, 52));
    p.setBrush(QColor(0xc8, 0xa0, 0x40));
    p.drawEllipse(QPointF(128, 296), 6, 6);
    p.drawEllipse(QPointF(224, 296), 6, 6);
    chainLinks(p, QPointF(128, 300), QPointF(70, 404), 5);
    chainLinks(p, QPointF(224, 300), QPointF(282, 404), 5);
    flameTongue(p, QPointF(CX, 252), 50, 26, 0);
}

void tower(QPainter &p)
{
    sky(p, QColor(0x20, 0x22, 0x36), QColor(0x55, 0x50, 0x6c));
    cloud(p, QPointF(60, 40), 130, QColor(0x6a, 0x6c, 0x80));
    cloud(p, QPointF(290, 60), 120, QColor(0x5a, 0x5c, 0x72));
    hills(p, 372, QColor(0x4a, 0x44, 0x40), 6);

    // The tower of grey stone.
    const QRectF body(122, 128, 108, 260);
    p.setPen(line());
    p.setBrush(horizontal(body.left(), body.right(), QColor(0x6a, 0x66, 0x62), QColor(0xb8, 0xb2, 0xaa)));
    p.drawRect(body);
    p.setPen(line(QColor(0x58, 0x54, 0x50), 1.0));
    for (double y = body.top() + 20; y < body.bottom(); y += 20) {
        p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
        const double off = static_cast<int>((y - body.top()) / 20) % 2 ? 18 : 0;
        for (double x = body.left() + off; x < body.right(); x += 36)
            p.drawLine(QPointF(x, y), QPointF(x, y + 20));
    }
    p.setPen(line());
    p.setBrush(horizontal(body.left(), body.right(), QColor(0x6a, 0x66, 0x62), QColor(0xb8, 0xb2, 0xaa)));
    for (int b = 0; b < 5; ++b)
        p.drawRect(QRectF(body.left() - 6 + b * 26, body.top() - 16, 16, 18));

    // Fire from the windows, the crown knocked from the top.
    for (const QPointF &w : { QPointF(CX, 178), QPointF(148, 248), QPointF(204, 248), QPointF(CX, 318) }) {
        p.setPen(line());
        p.setBrush(QColor(0x2a, 0x16, 0x10));
        p.drawRoundedRect(QRectF(w.x() - 10, w.y() - 14, 20, 28), 9, 9);
        flameTongue(p, w + QPointF(0, 10), 40, 22, 8);
    }
    p.save();
    p.translate(262, 96);
    p.rotate(28);
    QPainterPath crown;
    crown.moveTo(-30, 14);
    crown.lineTo(-34, -14);
    crown.lineTo(-16, 2);
    crown.lineTo(0, -20);
    crown.lineTo(16, 2);
    crown.lineTo(34, -14);
    crown.lineTo(30, 14);
    crown.closeSubpath();
    p.setPen(line());
    p.setBrush(goldBar(-34, 34));
    p.drawPath(crown);
    p.restore();

    // The lightning.
    QPainterPath bolt;
    bolt.moveTo(26, 0);
    bolt.lineTo(104, 52);
    bolt.lineTo(86, 62);
    bolt.lineTo(164, 124);
    bolt.lineTo(110, 78);
    bolt.lineTo(128, 70);
    bolt.lineTo(50, 0);
    bolt.closeSubpath();
    glow(p, QPointF(110, 70), 90, QColor(255, 250, 200), 140);
    p.setPen(line(QColor(0xb8, 0x80, 0x10), 2.0));
    p.setBrush(QColor(0xfb, 0xe8, 0x5a));
    p.drawPath(bolt);

    // Falling stones.
    p.setPen(line(ink::dark, 1.2));
    p.setBrush(QColor(0x8a, 0x84, 0x7c));
    const QPointF stones[]
        = { QPointF(70, 170), QPointF(84, 240), QPointF(272, 200), QPointF(290, 280), QPointF(60, 310) };
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(stones[i]);
        p.rotate(i * 23.0);
        p.drawRect(QRectF(-9, -6, 18, 12));
        p.restore();
    }
}

void starThoth(QPainter &p)
{
    sky(p, QColor(0x0a, 0x0c, 0x30), QColor(0x44, 0x20, 0x74));
    scatterStars(p, 1717, 30, QRectF(8, 8, W - 16, H - 16), withAlpha(QColor(0xd8, 0xd0, 0xff), 180), 4.0);
    const QPointF c(CX, 140);
    // A seven-pointed star, from which a spiral unwinds.
    glow(p, c, 150, QColor(0xc8, 0xc0, 0xff), 200);
    QPainterPath spiral;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0;
        const double a = t * 5.0 * M_PI;
        const double r = 12 + t * 150;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a) * 0.9);
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    p.setPen(line(QColor(0x9a, 0xc8, 0xff, 200), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
    p.setPen(line(QColor(0x5a, 0x3a, 0x9a), 2.0));
    p.setBrush(vertical(60, 220, QColor(0xff, 0xff, 0xff), QColor(0xc8, 0xb8, 0xff)));
    p.drawPath(starPath(c, 7, 82, 34));

    // The globe of waters at her feet, poured from two cups.
    const QPointF globe(CX, 330);
    QRadialGradient g(globe + QPointF(-16, -16), 70);
    g.setColorAt(0.0, QColor(0xa8, 0xe0, 0xff));
    g.setColorAt(1.0, QColor(0x1a, 0x4a, 0x9a));
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(g);
    p.drawEllipse(globe, 56, 56);
    p.setPen(line(QColor(0xf0, 0xf8, 0xff, 180), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(globe.x() - 40, globe.y() - 20, 80, 40), 0, 180 * 16);
    p.drawArc(QRectF(globe.x() - 44, globe.y() - 4, 88, 36), 180 * 16, 180 * 16);
    drawSuitSymbol(p, Suit::Cups, QPointF(58, 262), 70, 60);
    drawSuitSymbol(p, Suit::Cups, QPointF(294, 262), 70, -60);
    p.setPen(line(QColor(0x8c, 0xc8, 0xf4), 4.0));
    QPainterPath pour;
    pour.moveTo(84, 250);
    pour.quadTo(120, 250, 136, 292);
    pour.moveTo(268, 250);
    pour.quadTo(232, 250, 216, 292);
    p.drawPath(pour);
}

void starTraditional(QPainter &p)
{
    sky(p, QColor(0x0c, 0x26, 0x4e), QColor(0x3a, 0x76, 0xae));
    const QPointF c(CX, 106);
    glow(p, c, 120, QColor(255, 244, 190), 220);
    p.setPen(line(QColor(0xb8, 0x80, 0x10), 2.0));
    p.setBrush(QColor(0xfb, 0xde, 0x5a));
    p.drawPath(starPath(c, 8, 72, 30));
    p.setBrush(QColor(0xff, 0xf6, 0xc8));
    p.drawPath(starPath(c, 8, 36, 16, -67.5));
    // Seven small stars around the great one.
    p.setPen(line(QColor(0x8a, 0x9a, 0xc0), 1.0));
    p.setBrush(QColor(0xfb, 0xfb, 0xff));
    const QPointF smalls[] = { QPointF(40, 40), QPointF(312, 40), QPointF(30, 120), QPointF(322, 120), QPointF(60, 194),
        QPointF(292, 194), QPointF(CX, 214) };
    for (const QPointF &s : smalls)
        p.drawPath(starPath(s, 8, 16, 6));

    // Land and a pool; two pitchers pour, one on each.
    hills(p, 300, QColor(0x6a, 0xa0, 0x4a), 8);
    p.setPen(line(QColor(0x1a, 0x3a, 0x6a), 1.4));
    p.setBrush(vertical(320, 404, QColor(0x5a, 0xa8, 0xe0), QColor(0x1e, 0x5a, 0x9a)));
    p.drawEllipse(QPointF(120, 370), 116, 38);
    p.setPen(line(QColor(0xd8, 0xf0, 0xff, 180), 1.6));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(120, 364), 24 + i * 18, 6 + i * 5);
    drawSuitSymbol(p, Suit::Cups, QPointF(124, 280), 62, 110);
    drawSuitSymbol(p, Suit::Cups, QPointF(246, 282), 62, 80);
    p.setPen(line(QColor(0x8c, 0xc8, 0xf4), 4.0));
    QPainterPath pour;
    pour.moveTo(98, 284);
    pour.quadTo(94, 320, 112, 358);
    pour.moveTo(274, 290);
    pour.quadTo(290, 314, 300, 330);
    p.drawPath(pour);
}

void moon(QPainter &p)
{
    sky(p, QColor(0x0e, 0x14, 0x36), QColor(0x30, 0x3c, 0x70));
    const QPointF c(CX, 104);
    glow(p, c, 130, QColor(0xe8, 0xf0, 0xff), 170);
    drawRays(p, c, 32, 64, 92, QColor(0xf0, 0xe8, 0xb0, 200), 2.2);
    p.setPen(line(QColor(0x8a, 0x8a, 0x6a), 1.5));
    p.setBrush(QColor(0xf4, 0xee, 0xc8));
    p.drawEllipse(c, 58, 58);
    QPainterPath crescent;
    crescent.addEllipse(c, 48, 48);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(22, -6), 44, 44);
    p.setBrush(QColor(0xd8, 0xcf, 0x98));
    p.drawPath(crescent.subtracted(bite));

    // The dew falling.
    p.setPen(line(QColor(0xa8, 0x80, 0x10), 1.0));
    p.setBrush(QColor(0xf8, 0xd0, 0x4a));
    for (int i = 0; i < 9; ++i) {
        const QPointF d(60 + i * 29, 186 + (i % 3) * 10);
        QPainterPath drop;
        drop.moveTo(d + QPointF(0, -9));
        drop.quadTo(d + QPointF(6, 2), d);
        drop.quadTo(d + QPointF(-6, 2), d + QPointF(0, -9));
        drop.addEllipse(d + QPointF(0, -1), 4.4, 4.4);
        p.drawPath(drop.simplified());
    }

    // Two towers, a path between them, and the water's edge.
    hills(p, 292, QColor(0x3e, 0x5a, 0x46), 6);
    for (double x : { 28.0, 282.0 }) {
        p.setPen(line());
        p.setBrush(horizontal(x, x + 42, QColor(0x6a, 0x68, 0x72), QColor(0xb0, 0xae, 0xb8)));
        p.drawRect(QRectF(x, 206, 42, 96));
        p.setBrush(QColor(0x5a, 0x58, 0x62));
        QPainterPath roof;
        roof.moveTo(x - 4, 206);
        roof.lineTo(x + 21, 176);
        roof.lineTo(x + 46, 206);
        roof.closeSubpath();
        p.drawPath(roof);
        p.setBrush(QColor(0xf8, 0xd0, 0x5a));
        p.drawRect(QRectF(x + 16, 228, 10, 16));
    }
    QPainterPath road;
    road.moveTo(CX - 4, 292);
    road.cubicTo(CX + 40, 310, CX - 60, 330, CX - 20, 352);
    road.lineTo(CX + 16, 352);
    road.cubicTo(CX - 20, 330, CX + 60, 310, CX + 4, 292);
    road.closeSubpath();
    p.setPen(line(QColor(0x8a, 0x7a, 0x5a), 1.0));
    p.setBrush(QColor(0xd8, 0xc8, 0x98));
    p.drawPath(road);
    p.setPen(line(QColor(0x1a, 0x3a, 0x6a), 1.4));
    p.setBrush(vertical(346, 404, QColor(0x4a, 0x8a, 0xc8), QColor(0x1a, 0x3a, 0x7a)));
    QPainterPath water;
    water.moveTo(0, 352);
    for (int i = 0; i <= 8; ++i)
        water.quadTo(i * 44 + 22, 344 + (i % 2) * 16, (i + 1) * 44, 352);
    water.lineTo(W, H + 2);
    water.lineTo(0, H + 2);
    water.closeSubpath();
    p.drawPath(water);
}

void sun(QPainter &p)
{
    sky(p, QColor(0xff, 0xf6, 0xc0), QColor(0xff, 0xc2, 0x58));
    const QPointF c(CX, 142);
    glow(p, c, 160, QColor(255, 255, 230), 230);
    // Straight and wavy rays in turn.
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12.0;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF normal(-dir.y(), dir.x());
        p.setBrush(Qt::NoBrush);
        if (i % 2 == 0) {
            QPainterPath ray;
            ray.moveTo(c + dir * 70 + normal * 9);
            ray.lineTo(c + dir * 128);
            ray.lineTo(c + dir * 70 - normal * 9);
            ray.closeSubpath();
            p.setPen(line(QColor(0xc0, 0x6a, 0x10), 1.4));
            p.setBrush(QColor(0xf8, 0xb0, 0x2a));
            p.drawPath(ray);
        } else {
            QPainterPath wave;
            wave.moveTo(c + dir * 70);
            for (int k = 1; k <= 4; ++k)
                wave.quadTo(c + dir * (70 + k * 11 - 5.5) + normal * (k % 2 ? 7 : -7), c + dir * (70 + k * 11));
            p.setPen(line(QColor(0xe0, 0x84, 0x14), 3.0));
            p.drawPath(wave);
        }
    }
    QRadialGradient disc(c + QPointF(-20, -20), 90);
    disc.setColorAt(0.0, QColor(0xff, 0xf4, 0xa0));
    disc.setColorAt(1.0, QColor(0xf4, 0xa8, 0x1e));
    p.setPen(line(QColor(0xc0, 0x6a, 0x10), 2.0));
    p.setBrush(disc);
    p.drawEllipse(c, 66, 66);

    // A low garden wall with sunflowers.
    p.setPen(line());
    p.setBrush(QColor(0xb8, 0x74, 0x44));
    p.drawRect(QRectF(-2, 318, W + 4, 40));
    p.setPen(line(QColor(0x7a, 0x44, 0x24), 1.0));
    for (int row = 0; row < 2; ++row) {
        p.drawLine(QPointF(0, 338 + row * 20), QPointF(W, 338 + row * 20));
        for (double x = (row ? 18 : 0); x < W; x += 36)
            p.drawLine(QPointF(x, 318 + row * 20), QPointF(x, 338 + row * 20));
    }
    hills(p, 358, QColor(0x8a, 0xbe, 0x4e), 4);
    for (double x : { 52.0, 124.0, 228.0, 300.0 }) {
        const QPointF flower(x, 296 - (static_cast<int>(x) % 3) * 6);
        p.setPen(line(kLeaf.darker(120), 3.0));
        p.drawLine(flower, QPointF(x, 320));
        p.setPen(line(QColor(0xb0, 0x70, 0x10), 0.8));
        p.setBrush(QColor(0xfb, 0xd0, 0x2a));
        for (int k = 0; k < 12; ++k) {
            const double a = k * M_PI / 6;
            p.save();
            p.translate(flower);
            p.rotate(a * 180 / M_PI);
            p.drawEllipse(QPointF(14, 0), 9, 4);
            p.restore();
        }
        p.setBrush(QColor(0x6a, 0x3a, 0x14));
        p.drawEllipse(flower, 9, 9);
    }
}

void judgement(QPainter &p)
{
    sky(p, QColor(0xd8, 0xe0, 0xf0), QColor(0x84, 0x92, 0xb8));
    drawRays(p, QPointF(250, 70), 30, 40, 240, QColor(255, 255, 255, 120), 3.0);
    // Icy peaks and open tombs below.
    QPainterPath peaks;
    peaks.moveTo(0, 330);
    peaks.lineTo(50, 270);
    peaks.lineTo(96, 318);
    peaks.lineTo(150, 286);
    peaks.lineTo(240, 330);
    peaks.lineTo(300, 262);
    peaks.lineTo(W, 306);
    peaks.lineTo(W, H);
    peaks.lineTo(0, H);
    peaks.closeSubpath();
    p.setPen(line(QColor(0x6a, 0x78, 0x98), 1.4));
    p.setBrush(vertical(262, 404, QColor(0xf6, 0xf8, 0xfc), QColor(0x9a, 0xa8, 0xc4)));
    p.drawPath(peaks);
    p.fillRect(QRectF(0, 352, W, 52), vertical(352, 404, QColor(0x3a, 0x6a, 0x9a), QColor(0x1a, 0x3a, 0x6a)));
    for (double x : { 50.0, 150.0, 250.0 }) {
        p.setPen(line());
        p.setBrush(QColor(0x7a, 0x6a, 0x5a));
        p.drawRect(QRectF(x, 350, 56, 28));
        p.setBrush(QColor(0x2a, 0x22, 0x1c));
        p.drawRect(QRectF(x + 6, 354, 44, 12));
        // The dead rise from the tomb, arms raised.
        p.setPen(line(ink::dark, 1.2));
        p.setBrush(ink::skin);
        p.drawEllipse(QPointF(x + 28, 340), 8, 9);
        p.setPen(line(ink::dark, 6.0));
        p.drawLine(QPointF(x + 18, 356), QPointF(x + 10, 322));
        p.drawLine(QPointF(x + 38, 356), QPointF(x + 46, 322));
        p.setPen(line(ink::skin, 3.5));
        p.drawLine(QPointF(x + 18, 356), QPointF(x + 10, 322));
        p.drawLine(QPointF(x + 38, 356), QPointF(x + 46, 322));
    }

    cloud(p, QPointF(250, 64), 170, QColor(0xfb, 0xfb, 0xff));
    cloud(p, QPointF(90, 40), 120, QColor(0xf0, 0xf2, 0xfa));

    // The trumpet with its banner.
    p.save();
    p.translate(226, 96);
    p.rotate(140);
    QPainterPath horn;
    horn.moveTo(0, -5);
    horn.lineTo(150, -7);
    horn.cubicTo(170, -8, 178, -28, 186, -34);
    horn.lineTo(186, 34);
    horn.cubicTo(178, 28, 170, 8, 150, 7);
    horn.lineTo(0, 5);
    horn.closeSubpath();
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(vertical(-34, 34, QColor(0xfb, 0xe4, 0x8c), QColor(0xb3, 0x80, 0x1c)));
    p.drawPath(horn);
    p.drawEllipse(QPointF(186, 0), 6, 34);
    p.restore();
    QPainterPath banner;
    banner.moveTo(150, 166);
    banner.lineTo(212, 170);
    banner.quadTo(218, 200, 214, 226);
    banner.lineTo(152, 222);
    banner.quadTo(146, 194, 150, 166);
    p.setPen(line(ink::dark, 1.8));
    p.setBrush(QColor(0xfb, 0xfb, 0xf6));
    p.drawPath(banner);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(176, 168, 12, 56));
    p.drawRect(QRectF(149, 190, 66, 12));
    p.setPen(line(ink::dark, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(banner);
}

void universe(QPainter &p)
{
    sky(p, QColor(0x16, 0x26, 0x3a), QColor(0x2c, 0x5a, 0x62));
    scatterStars(p, 2121, 30, QRectF(8, 8, W - 16, H - 16), withAlpha(ink::paleGold, 170), 3.5);
    const QPointF c(CX, 206);
    glow(p, c, 150, QColor(0xc8, 0xf0, 0xe8), 140);
    // The laurel wreath.
    const double rx = 104, ry = 150;
    for (int i = 0; i < 44; ++i) {
        const double a = i * 2 * M_PI / 44;
        const QPointF pt(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
        const double tangent = std::atan2(ry * std::cos(a), -rx * std::sin(a)) * 180 / M_PI;
        leafAt(p, pt, 26, 7, tangent + (i % 2 ? 30 : -30), i % 3 ? kLeaf : kLeaf.lighter(125));
    }
    for (int side = -1; side <= 1; side += 2) {
        const QPointF tie(CX, c.y() + side * ry);
        p.setPen(line(ink::dark, 1.4));
        p.setBrush(kRed);
        QPainterPath bow;
        bow.moveTo(tie);
        bow.lineTo(tie + QPointF(-20, -10));
        bow.lineTo(tie + QPointF(-20, 10));
        bow.closeSubpath();
        bow.moveTo(tie);
        bow.lineTo(tie + QPointF(20, -10));
        bow.lineTo(tie + QPointF(20, 10));
        bow.closeSubpath();
        p.drawPath(bow);
        p.drawEllipse(tie, 6, 6);
    }

    // The world within, ringed and turning.
    QRadialGradient globe(c + QPointF(-14, -16), 64);
    globe.setColorAt(0.0, QColor(0xb8, 0xec, 0xe0));
    globe.setColorAt(1.0, QColor(0x1a, 0x6a, 0x70));
    p.setPen(line(ink::dark, 2.0));
    p.setBrush(globe);
    p.drawEllipse(c, 50, 50);
    p.setPen(line(QColor(0x4a, 0x8a, 0x4a), 0));
    p.setBrush(QColor(0x6a, 0xa8, 0x5a));
    p.drawEllipse(c + QPointF(-14, -10), 16, 11);
    p.drawEllipse(c + QPointF(18, 16), 13, 9);
    p.setPen(line(ink::dark, 5.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 86, c.y() - 20, 172, 40), 180 * 16, 180 * 16);
    p.setPen(line(QColor(0xf2, 0xc8, 0x4a), 3.0));
    p.drawArc(QRectF(c.x() - 86, c.y() - 20, 172, 40), 180 * 16, 180 * 16);

    // The four quarters keep the corners.
    drawSuitSymbol(p, Suit::Wands, QPointF(36, 48), 62);
    drawSuitSymbol(p, Suit::Cups, QPointF(316, 50), 56);
    drawSuitSymbol(p, Suit::Swords, QPointF(36, 356), 62);
    drawSuitSymbol(p, Suit::Disks, QPointF(316, 358), 48);
}

} // namespace art::scene
