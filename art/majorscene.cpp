#include "majorscene.h"

#include "rng.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art::scene {

QPen line(const QColor &c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(double top, double bottom, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, a);
    g.setColorAt(1.0, b);
    return g;
}

QLinearGradient horizontal(double left, double right, const QColor &edge, const QColor &middle)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, edge);
    g.setColorAt(0.45, middle);
    g.setColorAt(1.0, edge);
    return g;
}

QLinearGradient goldBar(double left, double right)
{
    return horizontal(left, right, QColor(0xa8, 0x78, 0x1c), QColor(0xfb, 0xe4, 0x8c));
}

void sky(QPainter &p, const QColor &top, const QColor &bottom)
{
    p.fillRect(QRectF(0, 0, W, H), vertical(0, H, top, bottom));
}

void glow(QPainter &p, QPointF c, double r, const QColor &colour, int alpha)
{
    QRadialGradient g(c, r);
    g.setColorAt(0.0, withAlpha(colour, alpha));
    g.setColorAt(0.5, withAlpha(colour, alpha / 3));
    g.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void scatterStars(QPainter &p, std::uint64_t seed, int count, const QRectF &area, const QColor &colour, double size)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double s = size * rng.range(0.5, 1.0);
        p.drawPath(starPath(c, 4, s, s * 0.3));
    }
}

void cloud(QPainter &p, QPointF c, double w, const QColor &colour)
{
    QPainterPath path;
    path.addEllipse(c + QPointF(-w * 0.3, 0), w * 0.3, w * 0.18);
    path.addEllipse(c + QPointF(w * 0.05, -w * 0.1), w * 0.3, w * 0.24);
    path.addEllipse(c + QPointF(w * 0.32, 0.02 * w), w * 0.24, w * 0.16);
    path.addRoundedRect(QRectF(c.x() - w * 0.5, c.y() - w * 0.02, w, w * 0.16), w * 0.08, w * 0.08);
    path.setFillRule(Qt::WindingFill);
    path = path.simplified();
    p.setPen(line(withAlpha(colour.darker(130), 180), 1.2));
    p.setBrush(colour);
    p.drawPath(path);
}

void hills(QPainter &p, double y, const QColor &colour, double wave)
{
    QPainterPath ground;
    ground.moveTo(0, y);
    ground.cubicTo(W * 0.3, y - wave, W * 0.6, y + wave, W, y - wave * 0.4);
    ground.lineTo(W, H + 2);
    ground.lineTo(0, H + 2);
    ground.closeSubpath();
    p.setPen(line(colour.darker(140), 1.4));
    p.setBrush(vertical(y - wave, H, colour.lighter(112), colour.darker(115)));
    p.drawPath(ground);
}

void lemniscate(QPainter &p, QPointF c, double width, const QColor &colour, double stroke)
{
    QPainterPath path;
    const int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2.0 * M_PI * i / steps;
        const double d = 1.0 + std::sin(t) * std::sin(t);
        const QPointF pt(c.x() + width / 2.0 * std::cos(t) / d, c.y() + width / 2.0 * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(line(ink::dark, stroke + 3.0));
    p.drawPath(path);
    p.setPen(line(colour, stroke));
    p.drawPath(path);
}

void pillar(QPainter &p, double left, double right, double top, const QColor &body, const QColor &trim)
{
    const double w = right - left;
    p.setPen(line());
    p.setBrush(horizontal(left, right, body.darker(130), body.lighter(130)));
    p.drawRect(QRectF(left + w * 0.12, top + 24, w * 0.76, H - top - 24));
    p.setBrush(trim);
    QPainterPath capital;
    capital.moveTo(left - 4, top);
    capital.lineTo(right + 4, top);
    capital.lineTo(right - w * 0.08, top + 24);
    capital.lineTo(left + w * 0.08, top + 24);
    capital.closeSubpath();
    p.drawPath(capital);
    p.drawRect(QRectF(left - 2, top - 8, w + 4, 8));
}

void flameTongue(QPainter &p, QPointF base, double h, double w, double lean, const QColor &outer, const QColor &inner)
{
    QPainterPath f;
    f.moveTo(base.x() + lean, base.y() - h);
    f.cubicTo(base.x() + w * 0.3 + lean * 0.4, base.y() - h * 0.6, base.x() + w * 0.7, base.y() - h * 0.3,
        base.x() + w * 0.5, base.y());
    f.lineTo(base.x() - w * 0.5, base.y());
    f.cubicTo(base.x() - w * 0.7, base.y() - h * 0.3, base.x() - w * 0.3 + lean * 0.4, base.y() - h * 0.6,
        base.x() + lean, base.y() - h);
    p.setPen(line(outer.darker(150), 1.0));
    p.setBrush(outer);
    p.drawPath(f);
    QTransform t;
    t.translate(base.x(), base.y());
    t.scale(0.5, 0.6);
    t.translate(-base.x(), -base.y());
    p.setPen(Qt::NoPen);
    p.setBrush(inner);
    p.drawPath(t.map(f));
}

void rose(QPainter &p, QPointF c, double r, const QColor &petal)
{
    p.setPen(line(petal.darker(160), 1.0));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        p.drawEllipse(c + QPointF(r * 0.55 * std::cos(a), r * 0.55 * std::sin(a)), r * 0.55, r * 0.55);
    }
    p.setBrush(petal.darker(108));
    p.drawEllipse(c, r * 0.42, r * 0.42);
    p.setBrush(QColor(0xe8, 0xb8, 0x30));
    p.drawEllipse(c, r * 0.18, r * 0.18);
}

void leafAt(QPainter &p, QPointF base, double length, double width, double angleDeg, const QColor &colour)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    leaf.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    p.setPen(line(colour.darker(150), 1.0));
    p.setBrush(colour);
    p.drawPath(leaf);
    p.restore();
}

void cross(QPainter &p, QPointF c, double size, double thick, const QColor &colour)
{
    QPainterPath path;
    path.addRect(QRectF(c.x() - thick / 2, c.y() - size / 2, thick, size));
    path.addRect(QRectF(c.x() - size * 0.35, c.y() - size * 0.2 - thick / 2, size * 0.7, thick));
    p.setPen(line(ink::dark, 1.4));
    p.setBrush(colour);
    p.drawPath(path.simplified());
}

void chainLinks(QPainter &p, QPointF from, QPointF to, int links)
{
    const QPointF step = (to - from) / links;
    const double angle = std::atan2(step.y(), step.x()) * 180.0 / M_PI;
    const double len = std::hypot(step.x(), step.y());
    for (int i = 0; i < links; ++i) {
        p.save();
        p.translate(from + step * (i + 0.5));
        p.rotate(angle);
        p.setBrush(Qt::NoBrush);
        p.setPen(line(ink::dark, 5.0));
        const double w = i % 2 == 0 ? len * 0.32 : len * 0.2;
        p.drawEllipse(QPointF(0, 0), len * 0.68, w);
        p.setPen(line(QColor(0xa9, 0xa3, 0x9a), 2.6));
        p.drawEllipse(QPointF(0, 0), len * 0.68, w);
        p.restore();
    }
}

void balance(QPainter &p, QPointF pivot, double halfWidth, double drop, const QColor &metal)
{
    p.setPen(line(ink::dark, 6.0));
    p.drawLine(pivot - QPointF(halfWidth, 0), pivot + QPointF(halfWidth, 0));
    p.setPen(line(metal, 3.5));
    p.drawLine(pivot - QPointF(halfWidth, 0), pivot + QPointF(halfWidth, 0));
    for (int side = -1; side <= 1; side += 2) {
        const QPointF end = pivot + QPointF(side * halfWidth, 0);
        const QPointF pan = end + QPointF(0, drop);
        p.setPen(line(ink::dark, 1.2));
        p.drawLine(end, pan + QPointF(-26, 0));
        p.drawLine(end, pan + QPointF(26, 0));
        QPainterPath bowl;
        bowl.moveTo(pan + QPointF(-30, 0));
        bowl.quadTo(pan + QPointF(0, 26), pan + QPointF(30, 0));
        bowl.closeSubpath();
        p.setPen(line());
        p.setBrush(goldBar(pan.x() - 30, pan.x() + 30));
        p.drawPath(bowl);
        p.setBrush(metal);
        p.drawEllipse(end, 4, 4);
    }
    p.setBrush(metal);
    p.drawEllipse(pivot, 6, 6);
}

} // namespace art::scene
