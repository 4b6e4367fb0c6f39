// The one page of help the Help Contents window shows. The window shrinks
// the page to about a fifth of its size, so the type is large.

#include "painting.h"
#include "resourcelist.h"
#include "suits.h"
#include "windowparts.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace art {

namespace {

const QColor kText(0x33, 0x27, 0x1e);
const QColor kHeading(0x6a, 0x30, 0x1a);

struct Entry
{
    const char *term; // empty for a plain paragraph
    const char *text;
};

struct Section
{
    const char *heading;
    std::vector<Entry> entries;
};

const std::vector<Section> &helpSections()
{
    static const std::vector<Section> sections = {
        { "Starting",
            { { "",
                "At start-up the program asks whether to open an existing deck. Answer Yes to choose a "
                "deck file; answer No to begin with a new deck, all 78 cards in their usual order. "
                "Decks are saved as .dek files, which keep the order of the cards, which of them lie "
                "upside down, the deck style and the Gypsie Deck setting." } } },
        { "Drawing a card",
            { { "",
                "Click the deck to draw its top card. The card opens in a window of its own. The deck "
                "grows thinner with every card taken and thicker with every card put back." } } },
        { "The card window",
            { { "", "Click a card's picture to open its menu:" }, { "Enlarge", "show the card at its large size." },
                { "Shrink", "show the card at its small size." },
                { "Rotate", "turn the card a quarter turn clockwise." }, { "Meaning", "read what the card means." },
                { "Return To Deck", "put the card back at the bottom of the deck." },
                { "Do Nothing", "close the menu." } } },
        { "File menu",
            { { "Open...", "open a saved deck, or answer No to start a new one." },
                { "Close", "put the deck away, offering first to save it." },
                { "Save, Save As...", "save the deck in a .dek file." },
                { "Properties",
                    "choose the Thoth or the Traditional deck, and turn the Gypsie Deck on or "
                    "off: while it is on, cards that lie reversed are shown upside down. Not "
                    "while The Emperor, Strength, Justice or The Star is out of the deck." },
                { "Exit", "end the program, offering to save the deck." } } },
        { "Readings menu",
            { { "Celtic Cross Spread",
                  "ten cards in the pattern of the Celtic Cross, after a querent "
                  "card chosen in Pick A Card, or skipped." },
                { "Five Card Spread",
                    "five cards: how you work, feel and think, what you own and what "
                    "you are." },
                { "",
                    "In a reading each click on the deck deals the next card onto its place and tells "
                    "what that place means." } } },
        { "Shuffle menu",
            { { "Shuffle Cards", "shuffle the deck; one to three cards are turned over." },
                { "Cut Cards", "cut the deck once or twice." },
                { "Pick A Card", "take a card out of the deck by its position or by its name." },
                { "", "Shuffling and cutting are possible until the first card of a reading is dealt." } } },
        { "Edit and Help menus",
            { { "", "The Edit menu is not in use." }, { "Contents", "this page." },
                { "About", "who made the program." } } },
    };
    return sections;
}

struct Style
{
    QFont heading;
    QFont term;
    QFont text;
    double indent;
    double gap;
};

Style styleAt(double scale)
{
    return { font(FontFace::SerifBold, 64 * scale), font(FontFace::SansBold, 46 * scale),
        font(FontFace::Sans, 46 * scale), 48 * scale, 34 * scale };
}

// Lays out (and with a painter, draws) one section from `y`; returns its height.
double layoutSection(QPainter *p, const Section &s, const Style &st, double x, double y, double width)
{
    const double top = y;
    const QString heading = QString::fromLatin1(s.heading);
    if (p) {
        drawTextLine(*p, heading, st.heading, QRectF(x, y, width, st.heading.pixelSize() * 1.3), kHeading,
            Qt::AlignLeft | Qt::AlignVCenter);
        p->setPen(QPen(ink::gold, 3.0));
        p->drawLine(
            QPointF(x, y + st.heading.pixelSize() * 1.35), QPointF(x + width * 0.4, y + st.heading.pixelSize() * 1.35));
    }
    y += st.heading.pixelSize() * 1.6;
    for (const Entry &e : s.entries) {
        const QString term = QString::fromLatin1(e.term);
        const QString text = QString::fromLatin1(e.text);
        if (term.isEmpty()) {
            if (p)
                drawParagraph(*p, text, st.text, QRectF(x, y, width, 4000), kText, 1.3);
            y += paragraphHeight(text, st.text, width, 1.3);
        } else {
            if (p)
                drawParagraph(*p, term, st.term, QRectF(x, y, width, 4000), kText, 1.3);
            y += st.term.pixelSize() * 1.3;
            if (p)
                drawParagraph(*p, text, st.text, QRectF(x + st.indent, y, width - st.indent, 4000), kText, 1.3);
            y += paragraphHeight(text, st.text, width - st.indent, 1.3);
        }
        y += st.gap * 0.35;
    }
    return y - top + st.gap;
}

// Splits the sections between the two columns at `split` and draws them when
// given a painter; returns the taller column's height.
double layoutColumns(QPainter *p, const Style &st, std::size_t split, const QRectF &left, const QRectF &right)
{
    const std::vector<Section> &sections = helpSections();
    double tallest = 0.0;
    for (int side = 0; side < 2; ++side) {
        const QRectF &column = side == 0 ? left : right;
        double y = column.top();
        const std::size_t first = side == 0 ? 0 : split;
        const std::size_t last = side == 0 ? split : sections.size();
        for (std::size_t i = first; i < last; ++i)
            y += layoutSection(p, sections[i], st, column.left(), y, column.width());
        tallest = std::max(tallest, y - column.top());
    }
    return tallest;
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
    p.drawRect(QRectF(36, 36, w - 72, h - 72));
    p.setPen(QPen(ink::gold, 4.0));
    p.drawRect(QRectF(56, 56, w - 112, h - 112));

    drawTextLine(
        p, QStringLiteral("Game of Kestov"), font(FontFace::SerifBold, 120), QRectF(100, 90, w - 200, 150), kText);
    drawTextLine(
        p, QStringLiteral("Help Contents"), font(FontFace::SerifItalic, 64), QRectF(100, 240, w - 200, 80), kHeading);
    const Suit suits[] = { Suit::Wands, Suit::Cups, Suit::Swords, Suit::Disks };
    for (int i = 0; i < 4; ++i) {
        const double x = i < 2 ? 180 + i * 120 : w - 180 - (3 - i) * 120;
        drawSuitSymbol(p, suits[i], QPointF(x, 200), suits[i] == Suit::Disks ? 120 : 150);
    }
    p.setPen(QPen(ink::gold, 4.0));
    p.drawLine(QPointF(140, 350), QPointF(w - 140, 350));

    const QRectF left(130, 400, 880, h - 400 - 130);
    const QRectF right(w - 130 - 880, 400, 880, h - 400 - 130);
    // The largest type that fits, with the sections split where the two
    // columns come out most even.
    const std::size_t sections = helpSections().size();
    double scale = 1.3;
    std::size_t split = 1;
    for (; scale > 0.6; scale -= 0.02) {
        double best = 1e9;
        for (std::size_t s = 1; s < sections; ++s) {
            const double tallest = layoutColumns(nullptr, styleAt(scale), s, left, right);
            if (tallest < best) {
                best = tallest;
                split = s;
            }
        }
        if (best <= left.height())
            break;
    }
    layoutColumns(&p, styleAt(scale), split, left, right);
    p.setPen(QPen(withAlpha(ink::gold, 160), 3.0));
    p.drawLine(QPointF(w / 2.0, 420), QPointF(w / 2.0, h - 160));
    p.end();
    return img;
}

} // namespace art
