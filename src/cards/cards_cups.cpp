// Card data of cards 48-57, Ace to Ten of Cups: the design in every respect but the meaning.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

} // namespace

void DefineCupsCards(CardData *rows)
{
    CardData &ace = rows[48];
    SetMeaning(ace, u"Meaning of The Ace of Cups",
        u"Ace of Cups.  Root of the powers of water.  Beauty, pleasure, fertility.  Happiness and "
        u"productiveness.");

    CardData &two = rows[49];
    SetMeaning(two, u"Meaning of The Two of Cups",
        u"Love.  Male and female in harmony.  Intense joy from that harmony.  Warm friendship.  Could be "
        u"folly or waste.");

    CardData &three = rows[50];
    SetMeaning(three, u"Meaning of The Three of Cups",
        u"Abundance.  Plenty with hospitality.  Sensuality, kindness, love.  A kind of passive success.  "
        u"Bounty.  The good things in life can be enjoyed but they can't be relied upon.");

    CardData &four = rows[51];
    SetMeaning(four, u"Meaning of The Four of Cups",
        u"Luxury.  Giving in to desire.  Pleasure mixed with worry.  Weakness.  Pleasure and success that "
        u"might not last much longer.  The fruits of pleasure may be starting to loose that sweet "
        u"appealing taste.");

    CardData &five = rows[52];
    SetMeaning(five, u"Meaning of The Five of Cups",
        u"Disappointment.  The fun is over.  Unexpected disturbance.  Unrequited love, and misfortune.  "
        u"Loss of a friend or unkindness from them.  Treachery, sadness, and regret.");

    CardData &six = rows[53];
    SetMeaning(six, u"Meaning of The Six of Cups",
        u"Pleasure.  Harmony of forces flowing naturally without effort.  Satisfaction and ease.  Success "
        u"and happiness.  Sexual gratification.  The beginning of what appears to be a bright future.  "
        u"Could be thanklessness, vanity or presumption.");

    CardData &seven = rows[54];
    SetMeaning(seven, u"Meaning of The Seven of Cups",
        u"Debauch.  Drug addiction.  Delusion.  Lying, guilt and deceit.  Intoxication.  Unfulfilled "
        u"promise.  Fornication and lust.  Could be vanity and dissipation in love.");

    CardData &eight = rows[55];
    SetMeaning(eight, u"Meaning of The Eight of Cups",
        u"Indolence.  Success is abandoned.  There is no longer interest in anything.  Instability, "
        u"repining, and misery.  A journey from place to place.  Could mean leaving material concerns for "
        u"something higher.");

    CardData &nine = rows[56];
    SetMeaning(nine, u"Meaning of The Nine of Cups",
        u"Happiness.  Total success.  Fulfillment of pleasure.  Physically feeling great.  Perfect "
        u"happiness that might be temporary.  Danger of vanity, conceit, or overindulgence.");

    CardData &ten = rows[57];
    SetMeaning(ten, u"Meaning of The Ten of Cups",
        u"Satiety.  Success in the pursuit of pleasure, yet there's something missing.  Matters arranged "
        u"as wished with lasting success.  Peacemaking.  Could be debauchery, waste, or stagnation.");
}
