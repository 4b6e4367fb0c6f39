// Whether a remembered place of the main window can be used on the screens there are now: a
// place stored on another set of screens, or damaged in the settings, must not put the window
// where nobody can see or reach it.
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>

// The largest side, in pixels, a remembered window may have: more than any screen arrangement
// offers, far less than a damaged setting can hold.
constexpr double kLargestWindowSide = 16384;

// True when a window with the outer rectangle `frame` (pixels) can be used as it stands on the
// screens whose available areas are `screens`: its sides lie within 1 .. kLargestWindowSide,
// and one screen holds a piece of its top strip (its top 24 pixels, where the title bar is, by
// which it can be dragged) at least 48 pixels wide and 8 pixels high, or the whole strip when
// the window is smaller than that.
bool PlaceIsUsable(const QRectF &frame, const QList<QRect> &screens);
