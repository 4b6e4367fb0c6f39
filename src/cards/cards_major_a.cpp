// Card data of cards 0-10, The Fool to Fortune.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

} // namespace

void DefineMajorCardsA(CardData *rows)
{
    CardData &fool = rows[0];
    SetMeaning(fool, u"Meaning of The Fool",
        u"The Fool card stands for the start of a journey taken in innocence and trust.  Divinatory "
        u"meanings would be spontaneity, freedom, and an openness to whatever the road may bring.  It "
        u"can mean a leap of faith, a new venture begun without a plan, or a spirit that will not be "
        u"held by custom.  The card indicates idealism, a light heart and the wisdom of youth.  Ill-dignified "
        u"the card can mean folly, recklessness, or a risk run without thought.");
    fool.returnPosition = 2;
    fool.listOnMouseDown = false;
    fool.sizeOverrides = {
        { 0, Route::Shrink, 3312.0f, 2064.0f },
        { 0, Route::Rotate, 3312.0f, 2054.0f },
        { 5, Route::Any, 5078.0f, 6524.0f },
        { 7, Route::Any, 5078.0f, 6524.0f },
    };

    CardData &magus = rows[1];
    SetMeaning(magus, u"Meaning of The Magus",
        u"Divinatory meanings for the Magus card are skill, will and the power to turn ideas into deeds. "
        u" The card means that the tools needed are at hand and can be used with wisdom.  It can indicate "
        u"communication, adroitness, self-assurance and a keen mind.  Ill-dignified the card can mean "
        u"trickery, deceit, or a rare talent wasted on vanity and cunning.");
    magus.returnPosition = 2;
    magus.clientHeight = 2835.0f;
    magus.pictureHeight = 2832.0f;

    CardData &priestess = rows[2];
    SetMeaning(priestess, u"Meaning of The High Priestess",
        u"The High Priestess card means hidden knowledge, intuition, and the wisdom that is found in "
        u"silence.  Divinatory meanings would be change that unfolds slowly, dreams, and the pull of "
        u"the unconscious.  The card can indicate a secret not yet revealed or a calm, self-reliant nature. "
        u" Ill-dignified it can mean coldness, shallow learning, or a refusal to look within oneself.");
    priestess.returnPosition = 5;
    priestess.clientWidth = 2175.0f;
    priestess.clientHeight = 2835.0f;
    priestess.pictureWidth = 2172.0f;
    priestess.pictureHeight = 2892.0f;

    CardData &empress = rows[3];
    SetMeaning(empress, u"Meaning of The Empress",
        u"The Empress card means fertility, abundance, and the love that nourishes all growing things. "
        u" Divinatory meanings would be comfort, beauty, pleasure, and success in the work of the hands "
        u"or the heart.  It can indicate a mother\u2019s care or a long season of plenty.  Ill-dignified "
        u"the card can mean idleness, excess, vanity, or a heavy dependence on others.");
    empress.returnPosition = 1;
    empress.clientWidth = 2115.0f;
    empress.pictureWidth = 2111.0f;

    // The Emperor shows a picture of the current deck style in every state, state 0 included.
    // Its three upside-down states share the file of state 6, and the Traditional quarter turn
    // is cached under "5" rather than "1".
    CardData &emperor = rows[4];
    SetMeaning(emperor, u"Meaning of The Emperor",
        u"The Emperor card means authority, leadership, and the strength to build order where there "
        u"was none.  Divinatory meanings would be ambition, stability, reasoning, and the will to protect "
        u"what has been earned by work.  It can indicate a father figure, a person in power, or a time "
        u"to take firm control of one's own affairs.  Ill-dignified the card can mean tyranny, rigidity, "
        u"arrogance, or a hunger for power that overrides all good sense.");
    emperor.returnPosition = 1;
    emperor.stateZeroFromFile = true;
    emperor.cacheOverrides = {
        { 1, kTraditional, QStringLiteral("traditionalemperor5") },
        { 2, kThoth, QStringLiteral("emperorcardbg6") },
        { 2, kTraditional, QStringLiteral("traditionalemperorbg6") },
        { 10, kThoth, QStringLiteral("emperorcardbg6") },
        { 10, kTraditional, QStringLiteral("traditionalemperorbg6") },
    };

    CardData &hierophant = rows[5];
    SetMeaning(hierophant, u"Meaning of The Hierophant",
        u"This card means divine wisdom and inspiration.  It can also mean stubborn strength, endurance, and "
        u"toil that are characteristic of a Taurus personality.  This card indicates teaching and help from "
        u"those in authority.  The card can mean goodness of heart, peace, or organization.  The Hierophant "
        u"card indicates voluntarily invoked forces of the occult.");
    hierophant.returnPosition = 1;

    CardData &lovers = rows[6];
    SetMeaning(lovers, u"Meaning of The Lovers",
        u"Divinatory meanings for the Lovers card can be external religion.  The card means openness to "
        u"inspiration.  Intuition, childishness, beauty, attraction, and love.  Ill-dignified the card can mean "
        u"self-contradiction, superficiality, or a shallow union with others.");
    lovers.returnPosition = 1;

    CardData &chariot = rows[7];
    SetMeaning(chariot, u"Meaning of The Chariot",
        u"Divinatory meaning would be Victory, a hopeful outcome.  Good health, and faithfulness.  It could mean "
        u"success, but only if opposing forces are skillfully handled.  One could interpret it literally as a "
        u"vehicle ride on a journey somewhere.  It could be, if ill dignified, lust for destruction, or violent "
        u"defense of ideals.");
    chariot.returnPosition = 1;

    CardData &strength = rows[8];
    SetMeaning(strength, u"Meaning of Strength",
        u"Divinatory meanings would be joy in desire, lust and strength.  The Strength card indicates energy "
        u"and the use of magickal power.  This card can mean a great love affair, resort to magick, or control "
        u"of the life force.");
    strength.returnPosition = 1;
    strength.stateZeroFromFile = true;

    CardData &hermit = rows[9];
    SetMeaning(hermit, u"Meaning of The Hermit",
        u"Divinatory meanings would are illumination from within.  The Hermit card could mean Wisdom and divine "
        u"inspiration.  The card may mean circumspection or prudence.  The Hermit represents retirement from "
        u"participating in the secular world, or current events.");
    hermit.returnPosition = 1;
    hermit.sizeOverrides = {
        { 0, Route::Rotate, 3312.0f, 2054.0f },
        { 5, Route::Any, 5068.0f, 6524.0f },
        { 7, Route::Any, 5068.0f, 6524.0f },
    };

    CardData &fortune = rows[10];
    SetMeaning(fortune, u"Meaning of Fortune",
        u"The Fortune card means a change in fortune that is usually for the better, and destiny.");
    fortune.returnPosition = 2;
    fortune.sizeOverrides = { { 0, Route::Rotate, 3312.0f, 2054.0f } };
}
