// kestov_art: draws every picture and animation the program carries and
// writes them, with the sources that embed them, into one folder.
//
//   kestov_art --out DIR                     all resources, resources.S, resources_index.cpp
//   kestov_art --contact-sheet FILE.png [--scale S]
//                                            every card picture side by side, for review
//
// The output is the same, byte for byte, on every run.

#include "animations.h"
#include "cardlist.h"
#include "cards.h"
#include "embedwriter.h"
#include "generated.h"
#include "painting.h"
#include "parallel.h"
#include "texts.h"
#include "windowpictures.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace art {

QByteArray jpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return bytes;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

namespace {

std::vector<QImage> renderUprightCards()
{
    std::vector<QImage> cards(kCardPictureCount);
    forEachInParallel(kCardPictureCount, [&cards](std::size_t i) { cards[i] = renderCardPicture(kCardPictures[i]); });
    return cards;
}

GeneratedFiles makeCardFiles()
{
    const std::vector<QImage> upright = renderUprightCards();
    constexpr std::size_t turns = std::size(kOrientationEndings);
    GeneratedFiles files(kCardPictureCount * turns);
    forEachInParallel(kCardPictureCount * turns, [&](std::size_t i) {
        const std::size_t card = i / turns;
        const std::size_t turn = i % turns;
        files[i].name = QString::fromLatin1(kCardPictures[card].stem) + QString::fromLatin1(kOrientationEndings[turn]);
        files[i].data = jpegBytes(turnedPicture(upright[card], kOrientationAngles[turn]), kCardJpegQuality);
    });
    return files;
}

int writeContactSheet(const QString &path, double scale)
{
    const std::vector<QImage> cards = renderUprightCards();
    const int columns = 12;
    const int gap = std::max(2, static_cast<int>(12 * scale));
    const int w = static_cast<int>(kCardWidth * scale);
    const int h = static_cast<int>(kCardHeight * scale);
    const int rows = static_cast<int>((cards.size() + columns - 1) / columns);
    QImage sheet(columns * (w + gap) + gap, rows * (h + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x5a, 0x52, 0x4a));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int col = static_cast<int>(i % columns);
        const int row = static_cast<int>(i / columns);
        p.drawImage(QRect(gap + col * (w + gap), gap + row * (h + gap), w, h), cards[i]);
    }
    p.end();
    if (!sheet.save(path, "PNG")) {
        std::fprintf(stderr, "kestov_art: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

int writeResources(const QString &outDir)
{
    // The animations and the window pictures are drawn while the cards are.
    GeneratedFiles parts[3];
    forEachInParallel(3, [&parts](std::size_t i) {
        if (i == 0)
            parts[0] = makeCardFiles();
        else if (i == 1)
            parts[1] = makeAnimations();
        else
            parts[2] = makeWindowPictures();
    });
    GeneratedFiles all;
    for (GeneratedFiles &part : parts) {
        for (GeneratedFile &f : part)
            all.push_back(std::move(f));
    }
    for (GeneratedFile &f : makeTexts())
        all.push_back(std::move(f));
    return writeEmbeddedFiles(outDir, all) ? 0 : 1;
}

void usage()
{
    std::fprintf(stderr,
        "usage: kestov_art --out DIR\n"
        "       kestov_art --contact-sheet FILE.png [--scale S]\n");
}

} // namespace

} // namespace art

int main(int argc, char *argv[])
{
    // The generator runs during the build, with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // loadFonts() names each font file it could not load.
    if (!art::loadFonts())
        return 1;

    const QStringList args = app.arguments();
    QString outDir, sheet;
    double scale = 0.5;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--out") && hasValue)
            outDir = args[++i];
        else if (a == QLatin1String("--contact-sheet") && hasValue)
            sheet = args[++i];
        else if (a == QLatin1String("--scale") && hasValue)
            scale = std::clamp(args[++i].toDouble(), 0.05, 1.0);
        else {
            art::usage();
            return 2;
        }
    }
    if (!sheet.isEmpty())
        return art::writeContactSheet(sheet, scale);
    if (!outDir.isEmpty())
        return art::writeResources(outDir);
    art::usage();
    return 2;
}
