// Card data of cards 68-77, Ace to Ten of Disks: the design in every respect but the meaning.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

} // namespace

void DefineDisksCards(CardData *rows)
{
    CardData &ace = rows[68];
    SetMeaning(ace, u"Meaning of The Ace of Disks",
        u"Root of the powers of Earth.  Material gain and wealth from labor.  Power.  Materiality in "
        u"every sense.  Contentment.");

    CardData &two = rows[69];
    SetMeaning(two, u"Meaning of The Two of Disks",
        u"Change.  Gain and loss in alternation.  Varying occupation, or wandering.  A visit with "
        u"friends.  Pleasant new course for the better.  A person who is industrious yet unreliable.");

    CardData &three = rows[70];
    SetMeaning(three, u"Meaning of The Three of Disks",
        u"Work.  Paid employment and business with commercial transactions.  Increase and growth of "
        u"material things.  Agreement in a long term matter.  Could be a greedy selfish person after "
        u"impossibilities.");

    CardData &four = rows[71];
    SetMeaning(four, u"Meaning of The Four of Disks",
        u"Power.  Rule of law and order.  Gain of influence and/or money.  Rank and success.  Skill with "
        u"physical endeavors and earthly power.  Could be covetousness or prejudice, a suspicious nature, "
        u"or lack of originality.");

    CardData &five = rows[72];
    SetMeaning(five, u"Meaning of The Five of Disks",
        u"Worry.  Strain intensifying because of continued inaction.  Money lost.  Monetary anxiety or "
        u"loss of job.  Could be labor and building, or land cultivation done intelligently.");

    CardData &six = rows[73];
    SetMeaning(six, u"Meaning of The Six of Disks",
        u"Success.  Gain of material success, power, and influence.  Noble philanthropy.  A dreamy "
        u"transitory situation.  Could be conceit with wealth or prodigality.");

    CardData &seven = rows[74];
    SetMeaning(seven, u"Meaning of The Seven of Disks",
        u"Failure.  Abandoned labor and sloth.  Unfulfilled promise of success.  Disappointment from "
        u"deceived hopes.  Not much attained from much labor.  Could be delay but growth, or work with no "
        u"expectation of material gain.");

    CardData &eight = rows[75];
    SetMeaning(eight, u"Meaning of The Eight of Disks",
        u"Prudence.  Agriculture.  Building with skill.  Intelligence applied to finances.  "
        u"Industriousness.  Could be a penny wise, pound foolish attitude or meanness and hoarding.");

    CardData &nine = rows[76];
    SetMeaning(nine, u"Meaning of The Nine of Disks",
        u"Gain.  Good luck in material matters.  Increase of wealth.  Inheritance.  Could be covetousness "
        u"or theft.");

    CardData &ten = rows[77];
    SetMeaning(ten, u"Meaning of The Ten of Disks",
        u"Wealth.  Prosperity and riches.  Completion of fortune, yet now there must be devotion to "
        u"creativity.  Old age.  Could mean dullness of mind regarding money transactions.  Could be "
        u"heaviness or slothfulness.");
}
