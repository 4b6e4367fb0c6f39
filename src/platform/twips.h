// Places and sizes in twips, the unit the windows are designed in: 15 to a pixel.
#pragma once

#include <QRect>

namespace platform {

constexpr float kTwipsPerPixel = 15.0f;

// `twips` in whole pixels, rounded to the nearest (halves away from zero).
int TwipsToPixels(float twips);

// A control's place and size in twips, kept as set.
struct TwipsRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    // In pixels; a negative width or height is none.
    QRect toPixels() const;
};

} // namespace platform
