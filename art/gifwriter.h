// Writes animated GIFs with giflib: one shared palette, only the changed part
// of each frame stored, played once (no looping extension).
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace art {

struct GifFrame
{
    QImage image;
    int delayCs; // how long the frame stays, in hundredths of a second
};

// All frames must have the same size. `maxColours` (2..255) bounds the
// palette; one more entry is kept for the see-through pixels of partial frames.
// Returns an empty array when giflib reports an error.
QByteArray writeAnimatedGif(const std::vector<GifFrame> &frames, int maxColours);

} // namespace art
