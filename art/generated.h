// A file made by the generator, ready to be embedded under its name.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace art {

struct GeneratedFile
{
    QString name;
    QByteArray data;
};

using GeneratedFiles = std::vector<GeneratedFile>;

// JPEG quality of the card pictures and of the window pictures: chosen so
// that everything together stays well under 20 MB.
inline constexpr int kCardJpegQuality = 84;
inline constexpr int kWindowJpegQuality = 86;

QByteArray jpegBytes(const QImage &image, int quality);
QByteArray pngBytes(const QImage &image);

} // namespace art
