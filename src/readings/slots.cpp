#include "readings/slots.h"

#include "platform/numbers.h"

using platform::IntDiv;
using platform::RoundToInt32;

namespace {

constexpr std::int32_t kCardHeight = 1850;
constexpr std::int32_t kCardWidth = 1092;
// The crossing card lies on its side.
constexpr std::int32_t kCrossingHeight = 1430;
constexpr std::int32_t kCrossingWidth = 1650;

Slot Place(std::int32_t height, std::int32_t width, double top, double left)
{
    return Slot { height, width, RoundToInt32(top), RoundToInt32(left) };
}

} // namespace

Slot CelticSlot(int place, const LayoutFrame &frame)
{
    // Every expression in double precision, left to right, as the layout was designed.
    const double L = frame.left;
    const double T = frame.top;
    const double W = frame.innerWidth;
    const double H = frame.innerHeight;
    switch (place) {
    case 1: // covers him: the middle
        return Place(kCardHeight, kCardWidth, H / 2 + T, W / 3 + L);
    case kCrossingPlace: // crosses him
        return Place(kCrossingHeight, kCrossingWidth, H / 1.8 + T, W / 3.8 + L);
    case 3: // crowns him: above
        return Place(kCardHeight, kCardWidth, H / 4 + T, W / 3 + L);
    case 4: // beneath him
        return Place(kCardHeight, kCardWidth, H / 4 + T + H / 2, W / 3 + L);
    case 5: // behind him: to the right
        return Place(kCardHeight, kCardWidth, H / 2 + T, W / 2 + L + W / 15);
    case 6: // before him: to the left
        return Place(kCardHeight, kCardWidth, H / 2 + T, W / 15 + L);
    case 7: // himself: the column at the right edge, from the bottom up
        return Place(kCardHeight, kCardWidth, H / 4 + T + H / 2, W / 1.2 + L);
    case 8: // his house
        return Place(kCardHeight, kCardWidth, H / 2 + T, W / 1.2 + L);
    case 9: // hopes and fears
        return Place(kCardHeight, kCardWidth, H / 4 + T, W / 1.2 + L);
    case 10: // final result
        return Place(kCardHeight, kCardWidth, H / 15 + T, W / 1.2 + L);
    default:
        return kClosingSlot;
    }
}

QString CelticPicSuffix(int place)
{
    return place == kCrossingPlace ? QStringLiteral("5") : QString();
}

Slot FiveCardSlot(int place, const LayoutFrame &frame)
{
    const double L = frame.left;
    const double T = frame.top;
    const double W = frame.innerWidth;
    const double H = frame.innerHeight;
    // The divisors 2.4, 3.9, 2.3 and 2.6 round to 2, 4, 2 and 3 before they divide.
    const double top = T + IntDiv(H, 2.4);
    switch (place) {
    case 1: // how you work
        return Place(kCardHeight, kCardWidth, top, L + IntDiv(W, 26));
    case 2: // how you feel
        return Place(kCardHeight, kCardWidth, top, L + IntDiv(W, 3.9));
    case 3: // what you think
        return Place(kCardHeight, kCardWidth, top, L + IntDiv(W, 2.3) - IntDiv(W, 19));
    case 4: // what you own
        return Place(kCardHeight, kCardWidth, top, L + IntDiv(W, 2.3) + IntDiv(W, 7));
    case 5: // what you are
        return Place(kCardHeight, kCardWidth, top, L + IntDiv(W, 2.6) + IntDiv(W, 2.3));
    default:
        return kClosingSlot;
    }
}
