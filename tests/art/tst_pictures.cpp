// The files embedded in the program: card pictures in their four
// orientations, window pictures, animations, component files and the About
// text. Each must be found under the name the program asks for, decode, and
// have the size its window is laid out for.

#include "cardlist.h"
#include "embedded.h"
#include "resourcelist.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTransform>
#include <QtTest>

#include <cmath>

namespace {

// The program looks names up without regard to letter case.
const embedded::Entry *findResource(const QString &name)
{
    for (std::size_t i = 0; i < embedded::count(); ++i) {
        const embedded::Entry &e = embedded::entries()[i];
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

QByteArray bytesOf(const embedded::Entry &e)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(e.data), static_cast<qsizetype>(e.size));
}

QImage decode(const QByteArray &bytes, QByteArray *format = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (format)
        *format = reader.format();
    return reader.read();
}

// Mean difference per channel of two pictures of the same size, compared
// small so that JPEG noise does not count.
double difference(const QImage &a, const QImage &b)
{
    const QSize small(40, 40);
    const QImage x
        = a.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    const QImage y
        = b.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int j = 0; j < small.height(); ++j) {
        for (int i = 0; i < small.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * small.width() * small.height());
}

QImage turned(const QImage &img, int clockwiseDegrees)
{
    return img.transformed(QTransform().rotate(clockwiseDegrees));
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void namesAreDistinctIgnoringCase();
    void cardPicture_data();
    void cardPicture();
    void styleVersionsDiffer_data();
    void styleVersionsDiffer();
    void windowPicture_data();
    void windowPicture();
    void animation_data();
    void animation();
    void componentFiles();
    void aboutText();
    void totalSize();
};

void tst_Pictures::namesAreDistinctIgnoringCase()
{
    // Two names that differ only in case would make a look-up ambiguous.
    QSet<QString> seen;
    for (std::size_t i = 0; i < embedded::count(); ++i) {
        const QString key = QString::fromLatin1(embedded::entries()[i].name).toLower();
        QVERIFY2(!seen.contains(key), qPrintable(key));
        seen.insert(key);
    }
}

void tst_Pictures::cardPicture_data()
{
    QTest::addColumn<QString>("stem");
    for (const art::CardPicture &card : art::kCardPictures)
        QTest::newRow(card.stem) << QString::fromLatin1(card.stem);
}

void tst_Pictures::cardPicture()
{
    QFETCH(QString, stem);
    QImage pictures[4];
    for (int turn = 0; turn < 4; ++turn) {
        const QString name = stem + QLatin1String(art::kOrientationEndings[turn]);
        const embedded::Entry *entry = findResource(name);
        QVERIFY2(entry, qPrintable(name + QLatin1String(" is not embedded")));
        QByteArray format;
        pictures[turn] = decode(bytesOf(*entry), &format);
        QVERIFY2(!pictures[turn].isNull(), qPrintable(name + QLatin1String(" does not decode")));
        QCOMPARE(format, QByteArray("jpeg"));
        const bool portrait = turn % 2 == 0;
        QCOMPARE(pictures[turn].size(),
            portrait ? QSize(art::kCardWidth, art::kCardHeight) : QSize(art::kCardHeight, art::kCardWidth));
    }

    // "5" has the card's top at the right, "6" is upside down, "7" has the top
    // at the left: each must match the upright picture turned that way, and
    // clearly not the opposite way.
    for (int turn = 1; turn < 4; ++turn) {
        const int angle = art::kOrientationAngles[turn];
        const double right = difference(pictures[turn], turned(pictures[0], angle));
        const double wrong = difference(pictures[turn], turned(pictures[0], angle + 180));
        QVERIFY2(right < 2.0,
            qPrintable(QStringLiteral("ending %1 differs from the turned upright picture by %2")
                           .arg(QLatin1String(art::kOrientationEndings[turn]))
                           .arg(right)));
        QVERIFY2(wrong > right + 8.0,
            qPrintable(QStringLiteral("ending %1 is turned the wrong way")
                           .arg(QLatin1String(art::kOrientationEndings[turn]))));
    }
}

void tst_Pictures::styleVersionsDiffer_data()
{
    QTest::addColumn<QString>("thoth");
    QTest::addColumn<QString>("traditional");
    QTest::newRow("The Emperor") << "EmperorCardbg"
                                 << "TraditionalEmperorbg";
    QTest::newRow("Strength") << "ThothStrengthCardbg"
                              << "StrengthCardbg";
    QTest::newRow("Justice") << "ThothJusticeCardbg"
                             << "JusticeCardbg";
    QTest::newRow("The Star") << "StarCardbg"
                              << "TraditionalStarCardbg";
}

void tst_Pictures::styleVersionsDiffer()
{
    // The deck style must show: the two versions of a style card are not
    // one picture embedded twice.
    QFETCH(QString, thoth);
    QFETCH(QString, traditional);
    const embedded::Entry *a = findResource(thoth);
    const embedded::Entry *b = findResource(traditional);
    QVERIFY(a && b);
    QVERIFY(difference(decode(bytesOf(*a)), decode(bytesOf(*b))) > 20.0);
}

void tst_Pictures::windowPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const art::PictureResource &res : art::kWindowPictures)
        QTest::newRow(res.name) << QString::fromLatin1(res.name) << QSize(res.width, res.height);
}

void tst_Pictures::windowPicture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const embedded::Entry *entry = findResource(name);
    QVERIFY2(entry, qPrintable(name + QLatin1String(" is not embedded")));
    QByteArray format;
    const QImage img = decode(bytesOf(*entry), &format);
    QVERIFY2(!img.isNull(), qPrintable(name + QLatin1String(" does not decode")));
    QCOMPARE(img.size(), size);
    // The file's contents match the kind its name promises.
    QCOMPARE(format, name.endsWith(QLatin1String(".png")) ? QByteArray("png") : QByteArray("jpeg"));
}

void tst_Pictures::animation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("windowMs");
    for (const art::AnimationResource &a : art::kAnimations)
        QTest::newRow(a.name) << QString::fromLatin1(a.name) << QSize(a.width, a.height) << a.durationMs;
}

void tst_Pictures::animation()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, windowMs);
    const embedded::Entry *entry = findResource(name);
    QVERIFY2(entry, qPrintable(name + QLatin1String(" is not embedded")));
    QBuffer buffer;
    buffer.setData(bytesOf(*entry));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.size(), size);
    QVERIFY(reader.imageCount() > 1);
    // Played once: no looping.
    QCOMPARE(reader.loopCount(), 0);

    int totalMs = 0;
    int lastDelay = 0;
    int frames = 0;
    while (reader.canRead()) {
        const QImage frame = reader.read();
        if (frame.isNull())
            break;
        QCOMPARE(frame.size(), size);
        lastDelay = reader.nextImageDelay();
        totalMs += lastDelay;
        ++frames;
    }
    QCOMPARE(frames, reader.imageCount());
    // It runs for the time its window stays open and ends on a still frame.
    QVERIFY2(totalMs >= windowMs * 9 / 10 && totalMs <= windowMs, qPrintable(QString::number(totalMs)));
    QVERIFY(lastDelay >= 200);
}

void tst_Pictures::componentFiles()
{
    for (const char *name : art::kComponentFiles) {
        const embedded::Entry *entry = findResource(QString::fromLatin1(name));
        QVERIFY2(entry, name);
        QVERIFY(entry->size > 0);
    }
    // Start-up asks for this one too and must find nothing.
    QVERIFY(!findResource(QStringLiteral("COMCTL32.OCX")));
}

void tst_Pictures::aboutText()
{
    const embedded::Entry *entry = findResource(QString::fromLatin1(art::kAboutText));
    QVERIFY(entry);
    const QString text = QString::fromUtf8(bytesOf(*entry));
    QVERIFY(text.contains(QLatin1String("Game of Kestov")));
    QVERIFY(text.contains(QLatin1String("the Kestov developers")));
    // One paragraph that fits the About box's label.
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QVERIFY2(text.size() >= 250 && text.size() <= 290, qPrintable(QString::number(text.size())));
}

void tst_Pictures::totalSize()
{
    std::size_t total = 0;
    for (std::size_t i = 0; i < embedded::count(); ++i)
        total += embedded::entries()[i].size;
    QVERIFY2(total < 20u * 1024u * 1024u, qPrintable(QString::number(total)));
}

QTEST_GUILESS_MAIN(tst_Pictures)
#include "tst_pictures.moc"
