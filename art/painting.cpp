#include "painting.h"

#include "rng.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace art {

namespace {

const char *const kFontFolder = "/usr/share/fonts/truetype/dejavu/";

struct FontFile
{
    FontFace face;
    const char *file;
    int weight;
    bool italic;
    const char *package; // the Debian package that ships the file
};

const FontFile kFontFiles[] = {
    { FontFace::Sans, "DejaVuSans.ttf", QFont::Normal, false, "fonts-dejavu-core" },
    { FontFace::SansBold, "DejaVuSans-Bold.ttf", QFont::Bold, false, "fonts-dejavu-core" },
    { FontFace::Serif, "DejaVuSerif.ttf", QFont::Normal, false, "fonts-dejavu-core" },
    { FontFace::SerifBold, "DejaVuSerif-Bold.ttf", QFont::Bold, false, "fonts-dejavu-core" },
    { FontFace::SerifItalic, "DejaVuSerif-Italic.ttf", QFont::Normal, true, "fonts-dejavu-extra" },
    { FontFace::SerifCondensedBold, "DejaVuSerifCondensed-Bold.ttf", QFont::Bold, false, "fonts-dejavu-extra" },
    { FontFace::SansCondensed, "DejaVuSansCondensed.ttf", QFont::Normal, false, "fonts-dejavu-extra" },
    { FontFace::SansCondensedBold, "DejaVuSansCondensed-Bold.ttf", QFont::Bold, false, "fonts-dejavu-extra" },
};

// Family names as the font files report them, filled by loadFonts().
QString gFamilies[std::size(kFontFiles)];

const FontFile &fontFile(FontFace face)
{
    for (const FontFile &f : kFontFiles) {
        if (f.face == face)
            return f;
    }
    return kFontFiles[0];
}

std::size_t fontIndex(FontFace face)
{
    for (std::size_t i = 0; i < std::size(kFontFiles); ++i) {
        if (kFontFiles[i].face == face)
            return i;
    }
    return 0;
}

// Smooth noise on a lattice that wraps around, so the result tiles.
class TileNoise
{
public:
    TileNoise(int columns, int rows, Rng &rng)
        : columns_(std::max(1, columns))
        , rows_(std::max(1, rows))
        , values_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_))
    {
        for (float &v : values_)
            v = static_cast<float>(rng.range(-1.0, 1.0));
    }

    // u, v in [0, 1) across the whole picture.
    double sample(double u, double v) const
    {
        const double x = u * columns_;
        const double y = v * rows_;
        const int i = static_cast<int>(std::floor(x));
        const int j = static_cast<int>(std::floor(y));
        const double fx = smooth(x - i);
        const double fy = smooth(y - j);
        const double a = at(i, j) + (at(i + 1, j) - at(i, j)) * fx;
        const double b = at(i, j + 1) + (at(i + 1, j + 1) - at(i, j + 1)) * fx;
        return a + (b - a) * fy;
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    double at(int i, int j) const
    {
        i = ((i % columns_) + columns_) % columns_;
        j = ((j % rows_) + rows_) % rows_;
        return values_[static_cast<std::size_t>(j) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(i)];
    }

    int columns_;
    int rows_;
    std::vector<float> values_;
};

// Random values along one edge, lightly smoothed, that wrap around.
std::vector<double> threadValues(int n, Rng &rng)
{
    std::vector<double> raw(static_cast<std::size_t>(n));
    for (double &v : raw)
        v = rng.range(-1.0, 1.0);
    std::vector<double> out(raw.size());
    for (int i = 0; i < n; ++i) {
        const auto at = [&](int k) { return raw[static_cast<std::size_t>(((k % n) + n) % n)]; };
        out[static_cast<std::size_t>(i)] = 0.25 * at(i - 1) + 0.5 * at(i) + 0.25 * at(i + 1);
    }
    return out;
}

int clampByte(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

} // namespace

bool loadFonts()
{
    bool ok = true;
    for (std::size_t i = 0; i < std::size(kFontFiles); ++i) {
        const QString path = QString::fromLatin1(kFontFolder) + QLatin1String(kFontFiles[i].file);
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            std::fprintf(
                stderr, "kestov_art: cannot load the font %s (package %s)\n", qPrintable(path), kFontFiles[i].package);
            ok = false;
            gFamilies[i] = QStringLiteral("DejaVu Sans");
        } else {
            gFamilies[i] = families.first();
        }
    }
    return ok;
}

QFont font(FontFace face, double pixelSize)
{
    const FontFile &file = fontFile(face);
    QFont f(gFamilies[fontIndex(face)]);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setWeight(static_cast<QFont::Weight>(file.weight));
    f.setItalic(file.italic);
    if (face == FontFace::SerifCondensedBold || face == FontFace::SansCondensed || face == FontFace::SansCondensedBold)
        f.setStretch(QFont::SemiCondensed);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QPainterPath textPath(const QString &text, const QFont &f)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), f, text);
    return path;
}

void drawTextLine(
    QPainter &p, const QString &text, const QFont &f, const QRectF &box, const QColor &colour, Qt::Alignment align)
{
    const QFontMetricsF fm(f);
    const double advance = fm.horizontalAdvance(text);
    const double scale = advance > box.width() ? box.width() / advance : 1.0;
    const double width = advance * scale;

    double x = box.left() + (box.width() - width) / 2.0;
    if (align & Qt::AlignLeft)
        x = box.left();
    else if (align & Qt::AlignRight)
        x = box.right() - width;

    // Centre the capitals, so a line of titles sits level whatever its letters.
    const double capHeight = fm.capHeight() * scale;
    double baseline = box.center().y() + capHeight / 2.0;
    if (align & Qt::AlignTop)
        baseline = box.top() + fm.ascent() * scale;
    else if (align & Qt::AlignBottom)
        baseline = box.bottom() - fm.descent() * scale;

    p.save();
    p.translate(x, baseline);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(textPath(text, f));
    p.restore();
}

namespace {

QStringList wrapLines(const QString &text, const QFontMetricsF &fm, double width)
{
    QStringList lines;
    const QStringList hardLines = text.split(QLatin1Char('\n'));
    for (const QString &hard : hardLines) {
        const QStringList words = hard.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QString line;
        for (const QString &word : words) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                lines << line;
                line = word;
            } else {
                line = candidate;
            }
        }
        lines << line;
    }
    return lines;
}

} // namespace

double paragraphHeight(const QString &text, const QFont &f, double width, double lineHeight)
{
    return wrapLines(text, QFontMetricsF(f), width).size() * f.pixelSize() * lineHeight;
}

double drawParagraph(QPainter &p, const QString &text, const QFont &f, const QRectF &box, const QColor &colour,
    double lineHeight, Qt::Alignment align)
{
    const QFontMetricsF fm(f);
    const double step = f.pixelSize() * lineHeight;
    const QStringList lines = wrapLines(text, fm, box.width());

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    double baseline = box.top() + fm.ascent();
    for (const QString &line : lines) {
        const double w = fm.horizontalAdvance(line);
        double x = box.left();
        if (align & Qt::AlignHCenter)
            x = box.left() + (box.width() - w) / 2.0;
        else if (align & Qt::AlignRight)
            x = box.right() - w;
        p.drawPath(textPath(line, f).translated(x, baseline));
        baseline += step;
    }
    p.restore();
    return lines.size() * step;
}

QImage texturedPaper(int width, int height, const QColor &base, double amount, double weave, std::uint64_t seed)
{
    Rng rng(seed);
    // Broad blotches, then finer grain; the cell counts keep the noise smooth
    // enough to compress well.
    const int coarse = std::max(2, width / 180);
    const int coarseRows = std::max(2, height / 180);
    TileNoise broad(coarse, coarseRows, rng);
    TileNoise middle(coarse * 4, coarseRows * 4, rng);
    TileNoise fine(coarse * 16, coarseRows * 16, rng);
    const std::vector<double> rows = threadValues(height, rng);
    const std::vector<double> columns = threadValues(width, rng);

    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const double v = (y + 0.5) / height;
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            double n = 0.55 * broad.sample(u, v) + 0.3 * middle.sample(u, v) + 0.15 * fine.sample(u, v);
            n *= amount;
            if (weave > 0.0)
                n += weave * (0.5 * rows[static_cast<std::size_t>(y)] + 0.5 * columns[static_cast<std::size_t>(x)]);
            line[x] = qRgb(
                clampByte(base.red() + n), clampByte(base.green() + n * 0.95), clampByte(base.blue() + n * 0.85));
        }
    }
    return img;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(
        lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()), lerp(a.alpha(), b.alpha()));
}

QColor withAlpha(const QColor &c, int alpha)
{
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QPainterPath starPath(QPointF centre, int points, double outer, double inner, double rotationDeg)
{
    QPainterPath path;
    const double step = M_PI / points;
    const double start = rotationDeg * M_PI / 180.0;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF pt(centre.x() + r * std::cos(start + i * step), centre.y() + r * std::sin(start + i * step));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF c, double size)
{
    const double s = size / 2.0;
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.95);
    path.cubicTo(
        c.x() - s * 0.25, c.y() + s * 0.65, c.x() - s * 1.05, c.y() + s * 0.2, c.x() - s * 0.98, c.y() - s * 0.35);
    path.cubicTo(c.x() - s * 0.9, c.y() - s * 0.95, c.x() - s * 0.15, c.y() - s * 1.0, c.x(), c.y() - s * 0.5);
    path.cubicTo(
        c.x() + s * 0.15, c.y() - s * 1.0, c.x() + s * 0.9, c.y() - s * 0.95, c.x() + s * 0.98, c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 1.05, c.y() + s * 0.2, c.x() + s * 0.25, c.y() + s * 0.65, c.x(), c.y() + s * 0.95);
    path.closeSubpath();
    return path;
}

void drawRays(QPainter &p, QPointF c, int count, double inner, double outer, const QColor &colour, double width,
    double rotationDeg)
{
    p.save();
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    for (int i = 0; i < count; ++i) {
        const double a = (rotationDeg + 360.0 * i / count) * M_PI / 180.0;
        const double r = (i % 2 == 0) ? outer : inner + (outer - inner) * 0.6;
        p.drawLine(QPointF(c.x() + inner * std::cos(a), c.y() + inner * std::sin(a)),
            QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a)));
    }
    p.restore();
}

} // namespace art
