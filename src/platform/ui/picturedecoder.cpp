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

// Reads the header. False when the bytes are no JPEG libjpeg can read.
bool ReadJpegHeader(Jpeg &jpeg, const unsigned char *bytes, unsigned long size)
{
    if (setjmp(jpeg.errors.jump))
        return false;
    jpeg_mem_src(&jpeg.info, bytes, size);
    return jpeg_read_header(&jpeg.info, TRUE) == JPEG_HEADER_OK;
}

// The colours decoded here; others (CMYK, YCCK) are left to Qt's reader.
bool DecodesColours(const jpeg_decompress_struct &info)
{
    return info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB
        || info.jpeg_color_space == JCS_GRAYSCALE;
}

// Sets the output up: BGRX pixels, which are QImage::Format_RGB32 in memory, at `eighths`/8
// of the whole size.
bool SetJpegOutput(Jpeg &jpeg, int eighths)
{
    if (setjmp(jpeg.errors.jump))
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
    const double factor = std::min(double(whole.width()) / shown.width(), double(whole.height()) / shown.height());
    return std::clamp(static_cast<int>(std::ceil(8 / factor)), 1, 8);
}

// True when decoding takes more memory than Qt's readers may allocate for an image
// (QImageReader::allocationLimit, 0 for no limit).
bool LargerThanAllowed(qint64 bytes)
{
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return limit > 0 && bytes > limit;
}

qint64 WholePictureBytes(QSize whole)
{
    return qint64(whole.width()) * whole.height() * 4;
}

// What decoding the JPEG whose header was read keeps in memory at most, whichever reader
// decodes it: the whole picture at 4 bytes a pixel, and for a file of more than one scan
// (progressive, or one component at a time) the coefficients libjpeg keeps for the whole
// picture until the last scan is in, 2 bytes a sample of every component, counted in its
// blocks rounded up to whole sampling units as libjpeg allocates them.
qint64 MemoryToDecode(const jpeg_decompress_struct &info)
{
    qint64 bytes = WholePictureBytes(QSize(int(info.image_width), int(info.image_height)));
    if (info.progressive_mode || info.comps_in_scan < info.num_components) {
        const auto roundUp = [](qint64 count, qint64 unit) { return (count + unit - 1) / unit * unit; };
        for (int i = 0; i < info.num_components; ++i) {
            const jpeg_component_info &component = info.comp_info[i];
            bytes += roundUp(component.width_in_blocks, component.h_samp_factor)
                * roundUp(component.height_in_blocks, component.v_samp_factor) * qint64(sizeof(JBLOCK));
        }
    }
    return bytes;
}

// The picture in `encoded`, or null when it is not decoded here; `tooLarge` tells a picture
// refused by its header, before anything was allocated for it.
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
    if (ReadJpegHeader(jpeg, bytes, size)) {
        *tooLarge = LargerThanAllowed(MemoryToDecode(jpeg.info));
        const QSize whole(int(jpeg.info.image_width), int(jpeg.info.image_height));
        if (!*tooLarge && DecodesColours(jpeg.info) && SetJpegOutput(jpeg, EighthsFor(whole, shown))) {
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
        // Checked before reading: on a scaled read, Qt's own limit applies to the scaled picture only.
        const QSize whole = reader.size();
        if (whole.isValid() && LargerThanAllowed(WholePictureBytes(whole)))
            return QImage();
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
