// The picture control draws a picture at its own size from the picture's file bytes, and draws
// it as sharp as the file allows when it grows after the picture was shown.
#include "platform/ui/picturelabel.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

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

QByteArray Png(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
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
