#include "gifwriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace art {

namespace {

// Colours are counted on a 5-bit-per-channel grid: fine enough for drawn
// pictures, small enough to map every pixel through one table.
constexpr int kBits = 5;
constexpr int kGrid = 1 << kBits;
constexpr int kBins = kGrid * kGrid * kGrid;

int binOf(QRgb c)
{
    return ((qRed(c) >> (8 - kBits)) << (2 * kBits)) | ((qGreen(c) >> (8 - kBits)) << kBits)
        | (qBlue(c) >> (8 - kBits));
}

struct Bin
{
    int rgb[3];
    std::uint64_t count;
};

struct Box
{
    std::vector<Bin> bins;

    std::uint64_t weight() const
    {
        std::uint64_t w = 0;
        for (const Bin &b : bins)
            w += b.count;
        return w;
    }
    // The channel with the widest spread, and that spread.
    std::pair<int, int> widest() const
    {
        int best = 0, bestRange = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = kGrid, hi = -1;
            for (const Bin &b : bins) {
                lo = std::min(lo, b.rgb[ch]);
                hi = std::max(hi, b.rgb[ch]);
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = ch;
            }
        }
        return { best, bestRange };
    }
};

// Median cut over the colours of every frame, so all frames share one palette.
std::vector<GifColorType> buildPalette(const std::vector<GifFrame> &frames, int maxColours)
{
    std::vector<std::uint64_t> histogram(kBins, 0);
    for (const GifFrame &f : frames) {
        const QImage img = f.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                ++histogram[static_cast<std::size_t>(binOf(line[x]))];
        }
    }
    std::vector<Box> boxes(1);
    for (int i = 0; i < kBins; ++i) {
        if (histogram[static_cast<std::size_t>(i)] > 0)
            boxes[0].bins.push_back({ { i >> (2 * kBits), (i >> kBits) & (kGrid - 1), i & (kGrid - 1) },
                histogram[static_cast<std::size_t>(i)] });
    }
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box where the most pixels meet the widest spread.
        int pick = -1;
        double bestScore = 0.0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].bins.size() < 2)
                continue;
            const double score
                = static_cast<double>(boxes[i].widest().second) * std::sqrt(static_cast<double>(boxes[i].weight()));
            if (score > bestScore) {
                bestScore = score;
                pick = static_cast<int>(i);
            }
        }
        if (pick < 0)
            break;
        Box &box = boxes[static_cast<std::size_t>(pick)];
        const int ch = box.widest().first;
        std::stable_sort(
            box.bins.begin(), box.bins.end(), [ch](const Bin &a, const Bin &b) { return a.rgb[ch] < b.rgb[ch]; });
        const std::uint64_t half = box.weight() / 2;
        std::uint64_t acc = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.bins.size(); ++i) {
            acc += box.bins[i].count;
            cut = i + 1;
            if (acc >= half)
                break;
        }
        Box upper;
        upper.bins.assign(box.bins.begin() + static_cast<std::ptrdiff_t>(cut), box.bins.end());
        box.bins.resize(cut);
        boxes.push_back(std::move(upper));
    }

    std::vector<GifColorType> palette;
    for (const Box &box : boxes) {
        double sum[3] = { 0, 0, 0 };
        const double w = static_cast<double>(box.weight());
        for (const Bin &b : box.bins) {
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += (b.rgb[ch] * 255.0 / (kGrid - 1)) * static_cast<double>(b.count);
        }
        const auto channel = [&](int ch) {
            return static_cast<GifByteType>(std::clamp(static_cast<int>(std::lround(sum[ch] / w)), 0, 255));
        };
        palette.push_back({ channel(0), channel(1), channel(2) });
    }
    return palette;
}

std::vector<GifByteType> nearestTable(const std::vector<GifColorType> &palette)
{
    std::vector<GifByteType> table(kBins);
    for (int i = 0; i < kBins; ++i) {
        const int r = ((i >> (2 * kBits)) * 255) / (kGrid - 1);
        const int g = (((i >> kBits) & (kGrid - 1)) * 255) / (kGrid - 1);
        const int b = ((i & (kGrid - 1)) * 255) / (kGrid - 1);
        int best = 0;
        int bestDist = std::numeric_limits<int>::max();
        for (std::size_t k = 0; k < palette.size(); ++k) {
            const int dr = r - palette[k].Red, dg = g - palette[k].Green, db = b - palette[k].Blue;
            const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (d < bestDist) {
                bestDist = d;
                best = static_cast<int>(k);
            }
        }
        table[static_cast<std::size_t>(i)] = static_cast<GifByteType>(best);
    }
    return table;
}

std::vector<GifByteType> indexed(const QImage &image, const std::vector<GifByteType> &table)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    std::vector<GifByteType> out(static_cast<std::size_t>(img.width()) * static_cast<std::size_t>(img.height()));
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            out[static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width()) + static_cast<std::size_t>(x)]
                = table[static_cast<std::size_t>(binOf(line[x]))];
    }
    return out;
}

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    auto *bytes = static_cast<QByteArray *>(gif->UserData);
    bytes->append(reinterpret_cast<const char *>(data), length);
    return length;
}

struct Rect
{
    int x = 0, y = 0, w = 0, h = 0;
};

// The smallest rectangle that holds every pixel that changed.
Rect changedArea(const std::vector<GifByteType> &prev, const std::vector<GifByteType> &cur, int w, int h)
{
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i
                = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
            if (prev[i] != cur[i]) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0)
        return {};
    return { x0, y0, x1 - x0 + 1, y1 - y0 + 1 };
}

} // namespace

QByteArray writeAnimatedGif(const std::vector<GifFrame> &frames, int maxColours)
{
    if (frames.empty())
        return {};
    maxColours = std::clamp(maxColours, 2, 255);
    const int width = frames.front().image.width();
    const int height = frames.front().image.height();

    std::vector<GifColorType> palette = buildPalette(frames, maxColours);
    const std::vector<GifByteType> table = nearestTable(palette);
    const auto transparent = static_cast<GifByteType>(palette.size());
    int tableSize = 2;
    while (tableSize < static_cast<int>(palette.size()) + 1)
        tableSize *= 2;
    palette.resize(static_cast<std::size_t>(tableSize), GifColorType { 0, 0, 0 });

    // Index every frame; a frame identical to the one before only lengthens it.
    struct Indexed
    {
        std::vector<GifByteType> pixels;
        int delayCs;
    };
    std::vector<Indexed> shots;
    for (const GifFrame &f : frames) {
        std::vector<GifByteType> px = indexed(f.image, table);
        if (!shots.empty() && shots.back().pixels == px)
            shots.back().delayCs += f.delayCs;
        else
            shots.push_back({ std::move(px), f.delayCs });
    }

    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif)
        return {};
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(tableSize, palette.data());
    bool ok = map && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;

    for (std::size_t s = 0; ok && s < shots.size(); ++s) {
        Rect area { 0, 0, width, height };
        if (s > 0) {
            area = changedArea(shots[s - 1].pixels, shots[s].pixels, width, height);
            if (area.w == 0)
                area = { 0, 0, 1, 1 };
        }
        GraphicsControlBlock gcb;
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.UserInputFlag = false;
        gcb.DelayTime = shots[s].delayCs;
        gcb.TransparentColor = s == 0 ? NO_TRANSPARENT_COLOR : transparent;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&gcb, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK
            && EGifPutImageDesc(gif, area.x, area.y, area.w, area.h, false, nullptr) == GIF_OK;
        std::vector<GifByteType> row(static_cast<std::size_t>(area.w));
        for (int y = area.y; ok && y < area.y + area.h; ++y) {
            for (int x = area.x; x < area.x + area.w; ++x) {
                const std::size_t i
                    = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
                // Pixels that did not change are left see-through, which
                // shrinks the frame a good deal.
                const bool same = s > 0 && shots[s - 1].pixels[i] == shots[s].pixels[i];
                row[static_cast<std::size_t>(x - area.x)] = same ? transparent : shots[s].pixels[i];
            }
            ok = EGifPutLine(gif, row.data(), area.w) == GIF_OK;
        }
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    GifFreeMapObject(map);
    if (!ok) {
        std::fprintf(stderr, "kestov_art: giflib error %d\n", error);
        return {};
    }
    return bytes;
}

} // namespace art
