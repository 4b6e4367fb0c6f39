// Card data of cards 58-67, Ace to Ten of Swords.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

} // namespace

void DefineSwordsCards(CardData *rows)
{
    CardData &ace = rows[58];
    SetMeaning(ace, u"Meaning of The Ace of Swords",
        u"Ace of Swords.  Root of the powers of Air.  This is invoked and calculated force.  Great power "
        u"deliberately for either good or evil.  Conquest and activity.  Advantage gained by much "
        u"trouble.  May be sword of affliction, punishment, and wrath.");

    CardData &two = rows[59];
    SetMeaning(two, u"Meaning of The Two of Swords",
        u"Peace.  The same nature at home with contradictory characteristics.  Peace restored after "
        u"quarrel yet there is still tension.  Truth and untruth.  Could be indecision.");

    CardData &three = rows[60];
    SetMeaning(three, u"Meaning of The Three of Swords",
        u"Sorrow.  Unhappiness with tears.  Discord and strife.  Delay.  A melancholy separation.  Mirth "
        u"and deceit.  Could be a sublime singing of the blues, or honesty in money transactions.");

    // The Four's cache files begin with a capital; the data folder lower-cases every name,
    // so they are still one file per state.
    CardData &four = rows[61];
    SetMeaning(four, u"Meaning of The Four of Swords",
        u"Truce.  Rest after sorrow.  Peace following war.  The end to anxiety.  Recovery after "
        u"sickness.  Change for better.  Could be adherence to convention or the establishment of dogma.");
    four.cacheStem[kThoth] = QStringLiteral("Fourswords");

    CardData &five = rows[62];
    SetMeaning(five, u"Meaning of The Five of Swords",
        u"Defeat.  You lose.  Malice and spite.  Failure, anxiety, weakness, dishonor, and poverty.  "
        u"Could be obedience, patience, or unselfishness.");

    CardData &six = rows[63];
    SetMeaning(six, u"Meaning of The Six of Swords",
        u"Science.  Intelligence realizing its goal.  Escape from difficulty.  Success with labor and "
        u"work.  Journey by water.  Could be intellectual pride or selfish conceit.");

    CardData &seven = rows[64];
    SetMeaning(seven, u"Meaning of The Seven of Swords",
        u"Futility.  Vain striving against what is too powerful.  Giving up on the brink of winning "
        u"because you're out of energy.  Untrustworthy person.  A journey on land.");

    CardData &eight = rows[65];
    SetMeaning(eight, u"Meaning of The Eight of Swords",
        u"Interference.  Too much attention to details at the expense of what's more important.  No "
        u"persistence.  Bad luck that is not foreseen.  Restriction.");

    CardData &nine = rows[66];
    SetMeaning(nine, u"Meaning of The Nine of Swords",
        u"Cruelty.  Agony of mind.  Hopeless worry and despair.  Illness and loss.  Pain malice and "
        u"oppression.  Lying and shame.  Could be obedience and faithfulness.");

    CardData &ten = rows[67];
    SetMeaning(ten, u"Meaning of The Ten of Swords",
        u"Ruin.  Reason divorced from any grasp of reality.  Failure, disaster, death.  Idle chatter and "
        u"disruption.  Could be not entirely without hope however, and may herald the end of delusion.");
}
