// Decoding a picture file's bytes at the size it is shown at.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace platform {

// The picture in `encoded` at exactly `shown` pixels, smoothly scaled; null when the bytes do
// not decode, or when decoding would take more memory than Qt's readers may allocate for an
// image (QImageReader::allocationLimit). That is told from the size the file declares, before
// anything is allocated, whichever reader decodes it: the whole picture at 4 bytes a pixel,
// and for a progressive JPEG also the coefficients the decoder keeps meanwhile. A JPEG in
// RGB, YCbCr or grey is decoded straight into the image's pixels, and a picture at half its
// size or less is decoded at a reduced size first (the decoder leaves out what would be
// scaled away); other colours and formats go through Qt's readers.
QImage DecodePicture(const QByteArray &encoded, QSize shown);

} // namespace platform
