// The picture control draws a picture at its own size from the picture's file bytes, and draws
// it as sharp as the file allows when it grows after the picture was shown.
#include "platform/ui/picturedecoder.h"
#include "platform/ui/picturelabel.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

// Fine detail (one-pixel lines) that a picture scaled up from a smaller copy loses.
QImage Pattern()
{
    QImage picture(400, 544, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int x = 0; x < picture.width(); ++x)
        painter.fillRect(x, 0, 1, picture.height(), x % 2 ? QColor(20, 40, 200) : QColor(240, 230, 60));
    for (int y = 0; y < picture.height(); y += 3)
        painter.fillRect(0, y, picture.width(), 1, Qt::black);
    return picture;
}

QByteArray Encoded(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 90);
    return bytes;
}

// A small JPEG whose frame header says it is 65435 x 63215 pixels; its data ends long before.
QByteArray HugeHeader()
{
    QImage tiny(8, 8, QImage::Format_RGB32);
    tiny.fill(Qt::white);
    QByteArray bytes = Encoded(tiny, "JPEG");
    const int frame = bytes.indexOf("\xFF\xC0");
    if (frame < 0)
        return QByteArray();
    // Marker, length, precision, then height and width, big-endian.
    bytes[frame + 5] = char(63215 >> 8);
    bytes[frame + 6] = char(63215 & 0xFF);
    bytes[frame + 7] = char(65435 >> 8);
    bytes[frame + 8] = char(65435 & 0xFF);
    return bytes;
}

// A JPEG of `size` written by libjpeg: CMYK, or YCbCr with the colour at full resolution
// (4:4:4), progressive or in one scan. Qt's writer makes neither.
QByteArray LibjpegFile(QSize size, bool cmyk, bool progressive)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &buffer, &length);
    info.image_width = JDIMENSION(size.width());
    info.image_height = JDIMENSION(size.height());
    info.input_components = cmyk ? 4 : 3;
    info.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(size.width()) * info.input_components);
    while (info.next_scanline < info.image_height) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>((i * 7 + info.next_scanline * 3) & 0xFF);
        JSAMPROW rows[] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(length));
    std::free(buffer);
    return bytes;
}

QByteArray Png(const QImage &picture)
{
    return Encoded(picture, "PNG");
}

// Mean difference per colour channel, 0..255.
double Difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 255;
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * x.width() * x.height());
}

QImage Scaled(const QImage &picture, QSize size)
{
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// What Qt's reader makes of `bytes` at `shown`: asked for the size itself when it is half the
// file's or less, else read whole and scaled.
QImage ReadByQt(const QByteArray &bytes, QSize shown)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize whole = reader.size();
    if (shown.width() * 2 <= whole.width() && shown.height() * 2 <= whole.height())
        reader.setScaledSize(shown);
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    return picture.size() == shown ? picture : Scaled(picture, shown);
}

} // namespace

class tst_picturelabel : public QObject
{
    Q_OBJECT

private slots:
    void drawnSharpAtEverySize_data()
    {
        QTest::addColumn<bool>("later");
        QTest::newRow("decoded when shown") << false;
        QTest::newRow("decoded when painted") << true;
    }
    void drawnSharpAtEverySize()
    {
        QFETCH(bool, later);
        const QImage picture = Pattern();
        platform::PictureLabel control(QStringLiteral("Image1"), nullptr);
        const QSize small(100, 136);
        control.resize(small);
        QVERIFY(later ? control.setPictureBytesLater(Png(picture)) : control.setPictureBytes(Png(picture)));
        QVERIFY(control.hasPicture());
        QCOMPARE(control.pictureSize(), picture.size());
        QVERIFY(Difference(control.grab().toImage(), Scaled(picture, small)) < 2);

        // Grown by the user: drawn from the file again, not from the small copy.
        const QSize large(300, 408);
        control.resize(large);
        const QImage drawn = control.grab().toImage();
        QVERIFY(Difference(drawn, Scaled(picture, large)) < 2);
        QVERIFY(Difference(Scaled(Scaled(picture, small), large), Scaled(picture, large)) > 10);
    }

    // JPEG files are decoded without Qt's reader: the same pixels at every size a card takes.
    void decodedLikeQtsReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("shown");
        const QImage picture = Pattern();
        const QByteArray jpeg = Encoded(picture, "JPEG");
        const QByteArray gray = Encoded(picture.convertToFormat(QImage::Format_Grayscale8), "JPEG");
        QTest::newRow("whole size") << jpeg << QSize(400, 544);
        QTest::newRow("enlarged card") << jpeg << QSize(319, 431);
        QTest::newRow("wider than the file") << jpeg << QSize(430, 308);
        // Decoded at a reduced size first, as the reader does for a small picture.
        QTest::newRow("dealt card") << jpeg << QSize(140, 190);
        QTest::newRow("an eighth") << jpeg << QSize(50, 68);
        QTest::newRow("one pixel") << jpeg << QSize(1, 1);
        QTest::newRow("grey JPEG") << gray << QSize(400, 544);
        QTest::newRow("grey JPEG scaled") << gray << QSize(319, 431);
        QTest::newRow("PNG") << Png(picture) << QSize(319, 431);
        QTest::newRow("cut off halfway") << jpeg.left(jpeg.size() / 2) << QSize(319, 431);
    }
    void decodedLikeQtsReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, shown);
        const QImage decoded = platform::DecodePicture(bytes, shown);
        QCOMPARE(decoded.size(), shown);
        QCOMPARE(Difference(decoded, ReadByQt(bytes, shown)), 0.0);
    }

    // A picture decoded ahead, while its window opens, is shown only where it fits exactly.
    void decodedAheadOnlyWhereItFits_data()
    {
        QTest::addColumn<QByteArray>("aheadBytes");
        QTest::addColumn<QSize>("aheadSize");
        const QImage picture = Pattern();
        QTest::newRow("this picture at this size") << Encoded(picture, "JPEG") << QSize(319, 431);
        QTest::newRow("another size") << Encoded(picture, "JPEG") << QSize(140, 190);
        QTest::newRow("another picture") << Encoded(picture.mirrored(true, false), "JPEG") << QSize(319, 431);
    }
    void decodedAheadOnlyWhereItFits()
    {
        QFETCH(QByteArray, aheadBytes);
        QFETCH(QSize, aheadSize);
        const QByteArray jpeg = Encoded(Pattern(), "JPEG");
        const QSize shown(319, 431);
        platform::DecodeAhead(aheadBytes, aheadSize);
        platform::PictureLabel control(QStringLiteral("Image1"), nullptr);
        control.resize(shown);
        QVERIFY(control.setPictureBytes(jpeg));
        QCOMPARE(Difference(control.grab().toImage(), ReadByQt(jpeg, shown)), 0.0);
    }

    void bytesThatAreNoPictureDecodeToNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = Encoded(Pattern(), "JPEG");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("JPEG start only") << jpeg.left(3);
        QTest::newRow("header cut off") << jpeg.left(40);
        QTest::newRow("JPEG start, then text") << QByteArray("\xFF\xD8\xFF no picture follows");
        QTest::newRow("text") << QByteArray("no picture");
    }
    void bytesThatAreNoPictureDecodeToNothing()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(platform::DecodePicture(bytes, QSize(140, 190)).isNull());
    }

    // A picture larger than Qt's readers may allocate for an image is refused before its
    // pixels are allocated, whatever size it is shown at.
    void pictureLargerThanAllowedIsRefused_data()
    {
        QTest::addColumn<int>("limitMegabytes");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<bool>("decodes");
        const QByteArray card = Encoded(Pattern(), "JPEG"); // 400 x 544: 0.83 MB decoded
        const QByteArray larger = Encoded(Pattern().scaled(600, 600), "JPEG"); // 1.37 MB
        QTest::newRow("within the limit") << 1 << card << QSize(400, 544) << true;
        QTest::newRow("over the limit") << 1 << larger << QSize(600, 600) << false;
        QTest::newRow("over the limit, shown small") << 1 << larger << QSize(140, 190) << false;
        QTest::newRow("no limit") << 0 << larger << QSize(600, 600) << true;
        // A picture declaring 65435 x 63215 pixels: 16 GB, at the usual limit.
        QTest::newRow("a huge header") << QImageReader::allocationLimit() << HugeHeader() << QSize(400, 544) << false;
        // 512 x 512 pixels are exactly 1 MB decoded.
        QTest::newRow("one scan, at the limit")
            << 1 << Encoded(Pattern().scaled(512, 512), "JPEG") << QSize(512, 512) << true;
        QTest::newRow("one scan, a row over the limit")
            << 1 << Encoded(Pattern().scaled(512, 513), "JPEG") << QSize(140, 190) << false;
        // CMYK is decoded by Qt's reader, which would hold its limit to the small picture only.
        const QByteArray cmyk = LibjpegFile(QSize(600, 600), true, true);
        QTest::newRow("CMYK progressive, over the limit, shown small") << 1 << cmyk << QSize(140, 190) << false;
        QTest::newRow("CMYK progressive, no limit") << 0 << cmyk << QSize(140, 190) << true;
        QTest::newRow("CMYK progressive, within the limit")
            << 1 << LibjpegFile(QSize(200, 200), true, true) << QSize(140, 190) << true;
        // A progressive file also keeps 2 bytes a sample of each component until its last
        // scan: 6 bytes a pixel more at 4:4:4, 1.6 MB in all for 400 x 400.
        QTest::newRow("progressive 4:4:4, over the limit with what it keeps")
            << 1 << LibjpegFile(QSize(400, 400), false, true) << QSize(400, 400) << false;
        QTest::newRow("progressive 4:4:4, within the limit with what it keeps")
            << 1 << LibjpegFile(QSize(300, 300), false, true) << QSize(300, 300) << true;
        QTest::newRow("4:4:4 in one scan keeps nothing more")
            << 1 << LibjpegFile(QSize(400, 400), false, false) << QSize(400, 400) << true;
        QTest::newRow("PNG over the limit, shown small")
            << 1 << Png(Pattern().scaled(600, 600)) << QSize(140, 190) << false;
    }
    void pictureLargerThanAllowedIsRefused()
    {
        QFETCH(int, limitMegabytes);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, shown);
        QFETCH(bool, decodes);
        const int usual = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(limitMegabytes);
        const QImage decoded = platform::DecodePicture(bytes, shown);
        QImageReader::setAllocationLimit(usual);
        QCOMPARE(!decoded.isNull(), decodes);
    }

    void bytesThatAreNoPictureLeaveTheShownOne()
    {
        platform::PictureLabel control(QStringLiteral("Image1"), nullptr);
        control.resize(50, 68);
        QVERIFY(control.setPictureBytes(Png(Pattern())));
        QVERIFY(!control.setPictureBytes("no picture"));
        QVERIFY(!control.setPictureBytesLater("no picture"));
        QCOMPARE(control.pictureSize(), QSize(400, 544));
        control.clearPicture();
        QVERIFY(!control.hasPicture());
        QCOMPARE(control.pictureSize(), QSize());
    }
};

QTEST_MAIN(tst_picturelabel)
#include "tst_picturelabel.moc"
