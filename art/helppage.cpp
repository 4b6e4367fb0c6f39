// The one page of help the Help Contents window shows. The window shrinks
// the page to about a fifth of its size (about 457 x 497 pixels when it
// opens), so the body type is over 50 pixels high here: 11 pixels and more
// on the screen.

#include "helptext.h"
#include "painting.h"
#include "resourcelist.h"
#include "suits.h"
#include "windowparts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace art {

namespace {

const QColor kText(0x33, 0x27, 0x1e);
const QColor kHeading(0x6a, 0x30, 0x1a);

// The smallest body type, in page pixels, that still reads at the window's size.
constexpr double kMinBody = 52.0;
constexpr double kLineHeight = 1.1;
constexpr double kBlockGap = 0.16; // between paragraphs and items, in body heights

// Where the EXIT button lies over the page when the window opens (its client
// area about 457 x 497 pixels): no text there.
const QRectF kButtonArea(1655, 2040, 413, 100);

struct Style
{
    QFont heading;
    QFont term;
    QFont text;
    double body;
};

Style styleAt(double body)
{
    return { font(FontFace::SerifBold, body * 1.15), font(FontFace::SansCondensedBold, body),
        font(FontFace::SansCondensed, body), body };
}

struct Word
{
    QString text;
    bool bold;
};

using Line = std::vector<Word>;

std::vector<Word> wordsOf(const help::Block &b)
{
    std::vector<Word> words;
    const auto add = [&words](const char *text, bool bold) {
        const QStringList parts = QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &part : parts)
            words.push_back({ part, bold });
    };
    if (b.kind == help::Kind::Item) {
        add(b.term, true);
        add(help::kDash, false);
    }
    add(b.text, false);
    return words;
}

// The right edge of the text on a line spanning [top, bottom) of a column
// that ends at `right`: lines beside the EXIT button stop short of it.
double rightEdge(double right, double top, double bottom)
{
    const bool beside = bottom > kButtonArea.top() && top < kButtonArea.bottom() && right > kButtonArea.left();
    return beside ? kButtonArea.left() : right;
}

struct Placed
{
    Line words;
    double x;
};

// Greedy wrapping from `y` down; items' later lines start further in.
std::vector<Placed> wrap(const help::Block &b, const Style &st, const QRectF &column, double y)
{
    const QFontMetricsF plain(st.text), bold(st.term);
    const double space = plain.horizontalAdvance(QLatin1Char(' '));
    const double step = st.body * kLineHeight;
    const double indent = b.kind == help::Kind::Item ? st.body * 1.1 : 0.0;
    std::vector<Placed> lines { { {}, column.left() } };
    double used = 0.0;
    for (const Word &w : wordsOf(b)) {
        const double advance = (w.bold ? bold : plain).horizontalAdvance(w.text);
        const double top = y + (lines.size() - 1) * step;
        const double limit = rightEdge(column.right(), top, top + step) - lines.back().x;
        if (!lines.back().words.empty() && used + space + advance > limit) {
            lines.push_back({ {}, column.left() + indent });
            used = 0.0;
        }
        used += (lines.back().words.empty() ? 0.0 : space) + advance;
        lines.back().words.push_back(w);
    }
    return lines;
}

// Lays out (and with a painter, draws) one block at `y`; returns the height it takes.
double layoutBlock(QPainter *p, const help::Block &b, const Style &st, const QRectF &column, double y, bool first)
{
    const double top = y;
    if (b.kind == help::Kind::Heading) {
        if (!first)
            y += st.body * 0.4;
        const QFontMetricsF fm(st.heading);
        if (p) {
            const double baseline = y + fm.ascent();
            p->setPen(Qt::NoPen);
            p->setBrush(kHeading);
            p->drawPath(textPath(QString::fromUtf8(b.text), st.heading).translated(column.left(), baseline));
            p->setPen(QPen(ink::gold, 4.0));
            const double rule = baseline + fm.descent() * 0.7;
            p->drawLine(QPointF(column.left(), rule),
                QPointF(column.left() + fm.horizontalAdvance(QString::fromUtf8(b.text)), rule));
        }
        return y - top + fm.ascent() + fm.descent() * 1.1;
    }
    const std::vector<Placed> lines = wrap(b, st, column, y);
    const double step = st.body * kLineHeight;
    if (p) {
        const QFontMetricsF plain(st.text), bold(st.term);
        const double space = plain.horizontalAdvance(QLatin1Char(' '));
        double baseline = y + plain.ascent();
        p->setPen(Qt::NoPen);
        p->setBrush(kText);
        for (const Placed &line : lines) {
            double x = line.x;
            for (const Word &w : line.words) {
                const QFont &f = w.bold ? st.term : st.text;
                p->drawPath(textPath(w.text, f).translated(x, baseline));
                x += (w.bold ? bold : plain).horizontalAdvance(w.text) + space;
            }
            baseline += step;
        }
    }
    return lines.size() * step + st.body * kBlockGap;
}

// Lays out blocks [first, last) down a column from its top; returns the height used.
double layoutColumn(QPainter *p, const Style &st, std::size_t first, std::size_t last, const QRectF &column)
{
    double y = column.top();
    for (std::size_t i = first; i < last; ++i)
        y += layoutBlock(p, help::kBlocks[i], st, column, y, i == first);
    return y - column.top() - st.body * kBlockGap; // no gap after the last
}

struct Fit
{
    double body = kMinBody;
    std::size_t split = 0; // the first block of the right column
};

// The largest type at which the page fits, with the right column starting at a
// block boundary (never under its heading) where the two columns come out most even.
Fit bestFit(const QRectF &left, const QRectF &right)
{
    const std::size_t count = std::size(help::kBlocks);
    for (double body = 64.0; body >= kMinBody; body -= 1.0) {
        const Style st = styleAt(body);
        double best = 1e9;
        Fit fit;
        for (std::size_t s = 1; s < count; ++s) {
            if (help::kBlocks[s - 1].kind == help::Kind::Heading)
                continue;
            const double l = layoutColumn(nullptr, st, 0, s, left);
            const double r = layoutColumn(nullptr, st, s, count, right);
            if (l <= left.height() && r <= right.height() && std::max(l, r) < best) {
                best = std::max(l, r);
                fit = { body, s };
            }
        }
        if (fit.split != 0)
            return fit;
    }
    std::fprintf(stderr, "kestov_art: the help text does not fit its page\n");
    return { kMinBody, count / 2 };
}

} // namespace

QImage helpPage()
{
    const int w = kHelpPage.width, h = kHelpPage.height;
    QImage img = texturedPaper(w, h, QColor(0xf7, 0xf1, 0xe3), 5.0, 1.5, 0x4E1Bull);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::dark, 8.0));
    p.drawRect(QRectF(20, 20, w - 40, h - 40));
    p.setPen(QPen(ink::gold, 4.0));
    p.drawRect(QRectF(36, 36, w - 72, h - 72));

    // The title line, between two suit symbols at each end.
    drawTextLine(p, QString::fromUtf8(help::kTitle), font(FontFace::SerifBold, 84), QRectF(300, 40, 860, 100), kText,
        Qt::AlignLeft | Qt::AlignVCenter);
    drawTextLine(p, QString::fromUtf8(help::kSubtitle), font(FontFace::SerifItalic, 66), QRectF(1180, 40, 580, 100),
        kHeading, Qt::AlignRight | Qt::AlignVCenter);
    const Suit suits[] = { Suit::Wands, Suit::Cups, Suit::Swords, Suit::Disks };
    for (int i = 0; i < 4; ++i) {
        const double x = i < 2 ? 110 + i * 96 : w - 110 - (3 - i) * 96;
        drawSuitSymbol(p, suits[i], QPointF(x, 90), suits[i] == Suit::Disks ? 80 : 100);
    }
    p.setPen(QPen(ink::gold, 4.0));
    p.drawLine(QPointF(56, 148), QPointF(w - 56, 148));

    const double top = 168, gap = 52, margin = 48;
    const double columnWidth = (w - 2 * margin - gap) / 2.0;
    const QRectF left(margin, top, columnWidth, h - 44 - top);
    const QRectF right(margin + columnWidth + gap, top, columnWidth, h - 44 - top);
    const Fit fit = bestFit(left, right);
    const Style st = styleAt(fit.body);
    layoutColumn(&p, st, 0, fit.split, left);
    layoutColumn(&p, st, fit.split, std::size(help::kBlocks), right);
    p.setPen(QPen(withAlpha(ink::gold, 160), 3.0));
    p.drawLine(QPointF(w / 2.0, top + 10), QPointF(w / 2.0, h - 70));
    p.end();
    return img;
}

} // namespace art
