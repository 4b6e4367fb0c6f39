#include "animations.h"

#include "cards.h"
#include "gifwriter.h"
#include "painting.h"
#include "parallel.h"
#include "resourcelist.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art {

namespace {

// Ten frames a second; the last frame is held until the window closes.
constexpr int kFrameCs = 10;
constexpr int kPaletteColours = 32;

const QColor kTable(0xe9, 0xdf, 0xc9);
const QColor kTableEdge(0xc9, 0xb8, 0x96);

// Cards seen from above, each a little higher and to the left of the one
// beneath it, so a pile shows its thickness.
const QPointF kThickness(-0.4, -0.55);

double smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Progress of a step that runs from `start` to `end` seconds.
double phase(double t, double start, double end)
{
    return smooth((t - start) / (end - start));
}

QPointF lerp(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

class Stage
{
public:
    Stage(int width, int height, QSizeF cardSize)
        : width_(width)
        , height_(height)
        , cardSize_(cardSize)
    {
        // One card back, drawn once with a margin so turned copies stay smooth.
        sprite_ = QImage(static_cast<int>(cardSize.width()) + 4, static_cast<int>(cardSize.height()) + 4,
            QImage::Format_ARGB32_Premultiplied);
        sprite_.fill(Qt::transparent);
        QPainter p(&sprite_);
        paintCardBack(p, QRectF(2, 2, cardSize.width(), cardSize.height()), true);
    }

    QImage blankFrame() const
    {
        QImage frame(width_, height_, QImage::Format_RGB32);
        frame.fill(kTable);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kTableEdge, 3.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(8.5, 8.5, width_ - 17, height_ - 17), 14, 14);
        return frame;
    }

    void card(QPainter &p, QPointF centre, double angleDeg = 0.0) const
    {
        const QPointF corner = centre - QPointF(sprite_.width() / 2.0, sprite_.height() / 2.0);
        if (angleDeg == 0.0) {
            // Lying straight, a card is copied pixel for pixel: quick, and crisp.
            p.drawImage(
                QPoint(static_cast<int>(std::lround(corner.x())), static_cast<int>(std::lround(corner.y()))), sprite_);
            return;
        }
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(centre);
        p.rotate(angleDeg);
        p.drawImage(QPointF(-sprite_.width() / 2.0, -sprite_.height() / 2.0), sprite_);
        p.restore();
    }

    void shadow(QPainter &p, QPointF centre, double lift, double angleDeg = 0.0) const
    {
        p.save();
        p.translate(centre + QPointF(4 + lift * 8, 5 + lift * 10));
        p.rotate(angleDeg);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 50, 30, static_cast<int>(60 - lift * 25)));
        p.drawRoundedRect(
            QRectF(-cardSize_.width() / 2, -cardSize_.height() / 2, cardSize_.width(), cardSize_.height()), 8, 8);
        p.restore();
    }

    // A pile of `count` cards whose bottom card lies at `base`; a lifted pile
    // floats a little above the table.
    void pile(QPainter &p, QPointF base, int count, double lift = 0.0) const
    {
        if (count <= 0)
            return;
        shadow(p, base, lift);
        const QPointF raised = base + QPointF(-3, -6) * lift;
        for (int k = 0; k < count; ++k)
            card(p, raised + kThickness * k);
    }

    QPointF topOf(QPointF base, int count) const { return base + kThickness * std::max(0, count - 1); }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    QSizeF cardSize_;
    QImage sprite_;
};

std::vector<GifFrame> film(const Stage &stage, int durationMs, const std::function<void(QPainter &, double)> &draw)
{
    const int totalCs = durationMs / 10;
    const int frames = totalCs / kFrameCs;
    std::vector<GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        QImage img = stage.blankFrame();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, f * kFrameCs / 100.0);
        p.end();
        out.push_back({ img, kFrameCs });
    }
    // The delays add up to the time the animation window stays open.
    int used = 0;
    for (const GifFrame &g : out)
        used += g.delayCs;
    out.back().delayCs += totalCs - used;
    return out;
}

// The deck is split in two and the halves riffled together.
std::vector<GifFrame> shuffleFrames()
{
    const Stage stage(kShuffleAnimation.width, kShuffleAnimation.height, QSizeF(96, 130));
    const int n = 40;
    const QPointF centre(stage.width() / 2.0 + 10, stage.height() / 2.0 + 10);
    const QPointF left = centre + QPointF(-170, 14);
    const QPointF right = centre + QPointF(170, 14);
    const double splitStart = 0.5, splitEnd = 1.1;
    const double riffleStart = 1.2, perCard = 0.05, flight = 0.22;
    const double squareStart = riffleStart + n * perCard + flight, squareEnd = squareStart + 0.5;

    return film(stage, kShuffleAnimation.durationMs, [&](QPainter &p, double t) {
        if (t < splitEnd) {
            const double s = phase(t, splitStart, splitEnd);
            // The top half is lifted off to the right, the bottom half slides left.
            stage.pile(p, lerp(centre, left, s), n / 2);
            stage.pile(p, lerp(centre + kThickness * (n / 2), right, s), n / 2, std::sin(s * M_PI) * 0.8);
            return;
        }
        // Card i leaves its half at riffleStart + i * perCard, the halves in turn.
        int landed = 0, leftLeft = n / 2, rightLeft = n / 2;
        std::vector<int> flying;
        for (int i = 0; i < n; ++i) {
            const double start = riffleStart + i * perCard;
            if (t >= start) {
                (i % 2 == 0 ? leftLeft : rightLeft) -= 1;
                if (t >= start + flight)
                    ++landed;
                else
                    flying.push_back(i);
            }
        }
        const double square = phase(t, squareStart, squareEnd);
        stage.pile(p, left, leftLeft);
        stage.pile(p, right, rightLeft);
        if (landed > 0)
            stage.shadow(p, centre, 0.0);
        for (int k = 0; k < landed; ++k) {
            // Cards land a little out of line and are squared up at the end.
            const QPointF offset(((k * 53) % 9 - 4) * 1.5 * (1.0 - square), 0);
            stage.card(p, centre + kThickness * k + offset);
        }
        for (int i : flying) {
            const double s = smooth((t - (riffleStart + i * perCard)) / flight);
            const QPointF from = stage.topOf(i % 2 == 0 ? left : right, (i % 2 == 0 ? leftLeft : rightLeft) + 1);
            const QPointF to = centre + kThickness * landed;
            const QPointF arc(0, -std::sin(s * M_PI) * 24);
            const double angle = (i % 2 == 0 ? 1 : -1) * (1.0 - s) * 14;
            stage.card(p, lerp(from, to, s) + arc, angle);
        }
    });
}

// A part taken from the top goes under the rest.
std::vector<GifFrame> cutOnceFrames()
{
    const Stage stage(kCutOnceAnimation.width, kCutOnceAnimation.height, QSizeF(104, 142));
    const int n = 40, top = 18, rest = n - top;
    const QPointF centre(stage.width() / 2.0, stage.height() / 2.0 + 12);
    const QPointF aside = centre + QPointF(170, 0);

    return film(stage, kCutOnceAnimation.durationMs, [&](QPainter &p, double t) {
        const double lift = phase(t, 0.4, 1.4);
        const double over = phase(t, 1.6, 2.6);
        const double back = phase(t, 2.8, 3.5);
        if (over <= 0.0) {
            stage.pile(p, centre, rest);
            stage.pile(p, lerp(centre + kThickness * rest, aside, lift), top, std::sin(lift * M_PI) * 0.9);
            return;
        }
        // The rest is lifted and laid on top of the part taken off.
        const QPointF home = lerp(aside, centre, back);
        stage.pile(p, home, top);
        const QPointF onTop = home + kThickness * top;
        stage.pile(p, lerp(centre, onTop, over), rest, std::sin(over * M_PI) * 0.9);
    });
}

// A block from the top and a block of the same size from the bottom trade places.
std::vector<GifFrame> cutTwiceFrames()
{
    const Stage stage(kCutTwiceAnimation.width, kCutTwiceAnimation.height, QSizeF(100, 136));
    const int block = 12, middle = 16;
    const QPointF centre(stage.width() / 2.0, stage.height() / 2.0 + 10);
    const QPointF leftSpot = centre + QPointF(-165, 0);
    const QPointF rightSpot = centre + QPointF(165, 0);

    return film(stage, kCutTwiceAnimation.durationMs, [&](QPainter &p, double t) {
        const double topOff = phase(t, 0.25, 0.7); // top block to the right
        const double bottomOut = phase(t, 0.8, 1.25); // bottom block out to the left
        const double swap = phase(t, 1.35, 2.1); // the two blocks trade sides
        const double middleOn = phase(t, 2.2, 2.6); // middle onto the old top block
        const double lastOn = phase(t, 2.65, 3.05); // old bottom block on top of all
        const double home = phase(t, 3.1, 3.45); // the pile back to the middle

        // Where the old top block lies, and the old bottom block.
        QPointF topBlock = lerp(centre + kThickness * (block + middle), rightSpot, topOff);
        QPointF bottomBlock = lerp(centre, leftSpot, bottomOut);
        if (swap > 0.0) {
            topBlock = lerp(rightSpot, leftSpot, swap) + QPointF(0, -std::sin(swap * M_PI) * 115);
            bottomBlock = lerp(leftSpot, rightSpot, swap) + QPointF(0, std::sin(swap * M_PI) * 95);
        }
        QPointF middleBlock = centre + kThickness * block * (1.0 - bottomOut);
        const QPointF finalBase = lerp(leftSpot, centre, home);
        if (home > 0.0)
            topBlock = finalBase;
        if (middleOn > 0.0)
            middleBlock = lerp(centre, topBlock + kThickness * block, middleOn);
        if (lastOn > 0.0)
            bottomBlock = lerp(rightSpot, topBlock + kThickness * (block + middle), lastOn);

        const double swapLift = std::sin(swap * M_PI) * 0.9;
        if (swap <= 0.0) {
            stage.pile(p, bottomBlock, block);
            stage.pile(p, middleBlock, middle);
            stage.pile(p, topBlock, block, std::sin(topOff * M_PI) * 0.9);
        } else if (middleOn <= 0.0) {
            stage.pile(p, middleBlock, middle);
            stage.pile(p, bottomBlock, block, swapLift);
            stage.pile(p, topBlock, block, swapLift);
        } else {
            stage.pile(p, topBlock, block);
            stage.pile(p, middleBlock, middle, std::sin(middleOn * M_PI) * 0.9);
            stage.pile(p, bottomBlock, block, std::sin(lastOn * M_PI) * 0.9);
        }
    });
}

} // namespace

GeneratedFiles makeAnimations()
{
    using Frames = std::vector<GifFrame> (*)();
    const Frames films[] = { shuffleFrames, cutOnceFrames, cutTwiceFrames };
    GeneratedFiles files(std::size(kAnimations));
    forEachInParallel(files.size(), [&](std::size_t i) {
        files[i] = { QString::fromLatin1(kAnimations[i].name), writeAnimatedGif(films[i](), kPaletteColours) };
    });
    return files;
}

} // namespace art
