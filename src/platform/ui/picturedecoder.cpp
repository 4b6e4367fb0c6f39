#include "platform/ui/picturedecoder.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace platform {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to the decoding step that was running. The steps below keep only plain data on their
// stack frames, so that nothing is left undestroyed by the jump.
struct JpegErrors
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

extern "C" void JpegFailed(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors *>(info->err)->jump, 1);
}

// Warnings about damaged data are not worth a line on the console: the picture shows what
// could be decoded.
extern "C" void JpegQuiet(j_common_ptr)
{
}

struct Jpeg
{
    jpeg_decompress_struct info;
    JpegErrors errors;
};

// Reads the header and sets the output up: BGRX pixels, which are QImage::Format_RGB32 in
// memory, at `eighths`/8 of the whole size. False when the bytes are no JPEG it can decode.
bool StartJpeg(Jpeg &jpeg, const unsigned char *bytes, unsigned long size, int eighths)
{
    if (setjmp(jpeg.errors.jump))
        return false;
    jpeg_mem_src(&jpeg.info, bytes, size);
    if (jpeg_read_header(&jpeg.info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (jpeg.info.jpeg_color_space != JCS_YCbCr && jpeg.info.jpeg_color_space != JCS_RGB
        && jpeg.info.jpeg_color_space != JCS_GRAYSCALE)
        return false;
    jpeg.info.out_color_space = JCS_EXT_BGRX;
    jpeg.info.scale_num = static_cast<unsigned int>(eighths);
    jpeg.info.scale_denom = 8;
    jpeg_calc_output_dimensions(&jpeg.info);
    return true;
}

// Decodes every row into `pixels` (rows `stride` bytes apart).
bool ReadJpeg(Jpeg &jpeg, unsigned char *pixels, long stride)
{
    if (setjmp(jpeg.errors.jump))
        return false;
    jpeg_start_decompress(&jpeg.info);
    while (jpeg.info.output_scanline < jpeg.info.output_height) {
        constexpr unsigned kRowsAtOnce = 16;
        JSAMPROW rows[kRowsAtOnce];
        const unsigned first = jpeg.info.output_scanline;
        const unsigned count = std::min(kRowsAtOnce, jpeg.info.output_height - first);
        for (unsigned i = 0; i < count; ++i)
            rows[i] = pixels + (first + i) * stride;
        if (jpeg_read_scanlines(&jpeg.info, rows, count) == 0)
            return false;
    }
    jpeg_finish_decompress(&jpeg.info);
    return true;
}

bool IsJpeg(const QByteArray &encoded)
{
    return encoded.size() > 3 && static_cast<unsigned char>(encoded[0]) == 0xFF
        && static_cast<unsigned char>(encoded[1]) == 0xD8 && static_cast<unsigned char>(encoded[2]) == 0xFF;
}

// A picture at half its size or less is decoded at the eighths of its size that just cover
// the size shown, and scaled from there, as Qt's reader does: the same pixels as it gives.
int EighthsFor(QSize whole, QSize shown)
{
    if (shown.width() * 2 > whole.width() || shown.height() * 2 > whole.height())
        return 8;
    const double factor
        = std::min(double(whole.width()) / shown.width(), double(whole.height()) / shown.height());
    return std::clamp(static_cast<int>(std::ceil(8 / factor)), 1, 8);
}

// True when the whole picture takes more memory than Qt's readers may allocate for an image
// (QImageReader::allocationLimit, 0 for no limit). The whole size counts, not the size decoded:
// libjpeg keeps buffers of the whole picture for some files.
bool LargerThanAllowed(QSize whole)
{
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return limit > 0 && qint64(whole.width()) * whole.height() * 4 > limit;
}

// The picture in `encoded`, or null when it does not decode; `tooLarge` tells a picture
// refused by LargerThanAllowed, before anything was allocated for it.
QImage DecodeJpeg(const QByteArray &encoded, QSize shown, bool *tooLarge)
{
    Jpeg jpeg;
    jpeg.info.err = jpeg_std_error(&jpeg.errors.manager);
    jpeg.errors.manager.error_exit = JpegFailed;
    jpeg.errors.manager.output_message = JpegQuiet;
    jpeg_create_decompress(&jpeg.info);
    const auto *bytes = reinterpret_cast<const unsigned char *>(encoded.constData());
    const auto size = static_cast<unsigned long>(encoded.size());
    QImage picture;
    if (StartJpeg(jpeg, bytes, size, 8)) {
        const QSize whole(int(jpeg.info.image_width), int(jpeg.info.image_height));
        *tooLarge = LargerThanAllowed(whole);
        if (!*tooLarge) {
            const int eighths = EighthsFor(whole, shown);
            if (eighths != 8) {
                jpeg.info.scale_num = static_cast<unsigned int>(eighths);
                jpeg_calc_output_dimensions(&jpeg.info);
            }
            picture = QImage(int(jpeg.info.output_width), int(jpeg.info.output_height), QImage::Format_RGB32);
            if (picture.isNull() || !ReadJpeg(jpeg, picture.bits(), picture.bytesPerLine()))
                picture = QImage();
        }
    }
    jpeg_destroy_decompress(&jpeg.info);
    return picture;
}

} // namespace

QImage DecodePicture(const QByteArray &encoded, QSize shown)
{
    if (shown.isEmpty())
        return QImage();
    bool tooLarge = false;
    QImage picture = IsJpeg(encoded) ? DecodeJpeg(encoded, shown, &tooLarge) : QImage();
    if (tooLarge)
        return QImage();
    if (picture.isNull()) {
        QBuffer buffer;
        buffer.setData(encoded);
        QImageReader reader(&buffer);
        const QSize whole = reader.size();
        // Much smaller: the reader leaves out what would be scaled away.
        if (shown.width() * 2 <= whole.width() && shown.height() * 2 <= whole.height())
            reader.setScaledSize(shown);
        picture = reader.read();
    }
    if (!picture.isNull() && picture.size() != shown)
        picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

} // namespace platform
