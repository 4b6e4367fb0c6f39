// Shared by the scenes of the major cards: the picture area's units and the
// small drawing pieces (skies, glows, clouds, flames, pillars ...) they are
// built from.
#pragma once

#include "painting.h"

#include <QColor>
#include <QLinearGradient>
#include <QPen>
#include <QPointF>

#include <cstdint>

class QPainter;

namespace art::scene {

// Every scene is drawn in the picture area's own units.
constexpr double W = 352.0;
constexpr double H = 404.0;
constexpr double CX = W / 2.0;

inline const QColor kSilver(0xdf, 0xe4, 0xec);
inline const QColor kRed(0xb8, 0x2c, 0x26);
inline const QColor kLeaf(0x4f, 0x8a, 0x3c);

QPen line(const QColor &c = ink::dark, double w = 1.8);
QLinearGradient vertical(double top, double bottom, const QColor &a, const QColor &b);
QLinearGradient horizontal(double left, double right, const QColor &edge, const QColor &middle);
QLinearGradient goldBar(double left, double right);

void sky(QPainter &p, const QColor &top, const QColor &bottom);
void glow(QPainter &p, QPointF c, double r, const QColor &colour, int alpha = 200);
void scatterStars(
    QPainter &p, std::uint64_t seed, int count, const QRectF &area, const QColor &colour, double size = 4.0);
void cloud(QPainter &p, QPointF c, double w, const QColor &colour);
void hills(QPainter &p, double y, const QColor &colour, double wave = 16.0);
void lemniscate(QPainter &p, QPointF c, double width, const QColor &colour, double stroke);
void pillar(QPainter &p, double left, double right, double top, const QColor &body, const QColor &trim);
void flameTongue(QPainter &p, QPointF base, double h, double w, double lean,
    const QColor &outer = QColor(0xe8, 0x5d, 0x22), const QColor &inner = QColor(0xf8, 0xc7, 0x44));
void rose(QPainter &p, QPointF c, double r, const QColor &petal);
void leafAt(QPainter &p, QPointF base, double length, double width, double angleDeg, const QColor &colour);
void cross(QPainter &p, QPointF c, double size, double thick, const QColor &colour);
void chainLinks(QPainter &p, QPointF from, QPointF to, int links);
// Scales with two pans hanging from a beam.
void balance(QPainter &p, QPointF pivot, double halfWidth, double drop, const QColor &metal);

// The scenes, one per picture; the style cards have two.
void fool(QPainter &p);
void magus(QPainter &p);
void highPriestess(QPainter &p);
void empress(QPainter &p);
void emperorThoth(QPainter &p);
void emperorTraditional(QPainter &p);
void hierophant(QPainter &p);
void lovers(QPainter &p);
void chariot(QPainter &p);
void strengthThoth(QPainter &p);
void strengthTraditional(QPainter &p);
void hermit(QPainter &p);
void fortune(QPainter &p);
void justiceThoth(QPainter &p);
void justiceTraditional(QPainter &p);
void hangedMan(QPainter &p);
void death(QPainter &p);
void temperance(QPainter &p);
void devil(QPainter &p);
void tower(QPainter &p);
void starThoth(QPainter &p);
void starTraditional(QPainter &p);
void moon(QPainter &p);
void sun(QPainter &p);
void judgement(QPainter &p);
void universe(QPainter &p);

} // namespace art::scene
