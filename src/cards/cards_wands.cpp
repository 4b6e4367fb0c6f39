// Card data of the Wands, Ace to Seven, cards 38-44; the Eight to Ten follow in cards_wands_b.cpp.
#include "cards/carddata.h"

namespace {

struct Meaning
{
    int card;
    const char16_t *title;
    const char16_t *text;
};

const Meaning kWandsMeanings[] = {
    { 38, u"Meaning of The Ace of Wands",
        u"Ace of Wands.  Root of the powers of fire.  Pure energy or natural force.  Strength and vigor "
        u"expressed like an outburst of flame." },
    { 39, u"Meaning of The Two of Wands",
        u"Dominion.  Highest form of fire.  Energy initiating a force.  Overbearing influence on another.  "
        u"Fierceness and courage.  Could be obstinacy or restlessness." },
    { 40, u"Meaning of The Three of Wands",
        u"Virtue.  Strength established and realization of hope.  Nobility.  Could be pride, arrogance, or "
        u"conceit." },
    { 41, u"Meaning of The Four of Wands",
        u"Completion.  Work perfected.  The end of much labor.  Rest and a settlement.  Previous knowledge "
        u"leads to a conclusion.  Could be unreliability from being too much in a hurry." },
    { 42, u"Meaning of The Five of Wands",
        u"Strife.  Quarrel, competition, cruelty, and fighting.  Lust and desire and violent confusion." },
    { 43, u"Meaning of The Six of Wands",
        u"Victory.  The balanced manifestation of energy.  Triumph and gain after strife.  Love and "
        u"success.  Could be pride and insolence." },
    { 44, u"Meaning of The Seven of Wands",
        u"Valour.  Energy is at its last chance for success.  A victory is possible with a struggle.  There "
        u"are difficulties but also courage to take them on.  Victory in little things.  It could mean a "
        u"quarrel." },
};

} // namespace

void DefineWandsCards(CardData *rows)
{
    for (const Meaning &meaning : kWandsMeanings) {
        CardData &card = rows[meaning.card];
        card.meaningTitle = QString::fromUtf16(meaning.title);
        card.meaningText = QString::fromUtf16(meaning.text);
    }

    // The Ace's window is 15 twips wider than its picture: at the design size a narrow strip
    // of the window shows along the picture's right edge.
    rows[38].clientWidth = 2115.0f;
    rows[38].pictureWidth = 2100.0f;

    DefineWandsCardsB(rows);
}
