#include "platform/twips.h"

#include <algorithm>
#include <cmath>

namespace platform {

int TwipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect TwipsRect::toPixels() const
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), std::max(0, TwipsToPixels(width)),
        std::max(0, TwipsToPixels(height)));
}

} // namespace platform
