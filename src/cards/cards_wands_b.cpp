// Card data of cards 45-47, Eight to Ten of Wands. The rest of the suit calls this from
// cards_wands.cpp.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

} // namespace

// Called by DefineWandsCards, which declares it too.
void DefineWandsCardsB(CardData *rows);

void DefineWandsCardsB(CardData *rows)
{
    CardData &eight = rows[45];
    SetMeaning(eight, u"Meaning of The Eight of Wands",
        u"Swiftness.  Eloquent speech.  Electricity and light.  Energy is active, and at a high "
        u"velocity.  Letter or message.  The goal is being approached.  Boldness, rapidity, freedom.  "
        u"Could be a flash in the pan application of too much energy too suddenly.");

    CardData &nine = rows[46];
    SetMeaning(nine, u"Meaning of The Nine of Wands",
        u"Strength.  Power and health.  Success after opposition.  Recovery from sickness.  Tremendous "
        u"force.  Victory after a really close call, or after overcoming much fear.  Demonstrates that "
        u"constant change is the way to achieve stability.");

    CardData &ten = rows[47];
    SetMeaning(ten, u"Meaning of The Ten of Wands",
        u"Oppression.  The most destructive aspect of fire.  Force detached from higher wisdom.  Malice "
        u"and cruelty.  Repression.  Selfishness.  Slander and lying.");
}
