#include "app/mainplace.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStripHeight = 24;
constexpr double kLeastWidth = 48;
constexpr double kLeastHeight = 8;

bool SideIsSane(double side)
{
    return std::isfinite(side) && side >= 1 && side <= kLargestWindowSide;
}

} // namespace

bool PlaceIsUsable(const QRectF &frame, const QList<QRect> &screens)
{
    if (!std::isfinite(frame.x()) || !std::isfinite(frame.y()) || !SideIsSane(frame.width())
        || !SideIsSane(frame.height()))
        return false;
    const QRectF strip(frame.x(), frame.y(), frame.width(), std::min(frame.height(), kStripHeight));
    const double leastWidth = std::min(kLeastWidth, strip.width());
    const double leastHeight = std::min(kLeastHeight, strip.height());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
        const QRectF seen = strip.intersected(QRectF(screen));
        return seen.width() >= leastWidth && seen.height() >= leastHeight;
    });
}
