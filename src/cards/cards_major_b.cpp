// Card data of cards 11-21, Justice to The Universe.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

// Rotate brings these cards back upright in a window a little narrower than the one Enlarge
// and Shrink give them.
const SizeOverride kNarrowUprightByRotate = { 0, Route::Rotate, 3312.0f, 2054.0f };

} // namespace

void DefineMajorCardsB(CardData *rows)
{
    // Justice shows a picture of the current deck style in every state, state 0 included.
    CardData &justice = rows[11];
    SetMeaning(justice, u"Meaning of Justice",
        u"This card in a reading indicates that karma is occurring, and what was sown is now being reaped."
        u"  It can mean a lawsuit, a contract, or a legal judgement that is yet to come.  In questions of"
        u" love it may point to trouble in a marriage that must be weighed with care.  Divinatory meanings"
        u" would be balance, adjustment, and fairness.  Affairs may be held in suspense until a decision"
        u" is reached.  In other decks the figure is a woman holding a sword and a pair of scales, and"
        u" here she stands for the same even measure.");
    justice.stateZeroFromFile = true;
    justice.background = CardBackground::Window;
    justice.flatAppearance = true;

    // The caption and the key word the card differently; its picture control is named "Image2".
    CardData &hangedMan = rows[12];
    SetMeaning(hangedMan, u"Meaning of Hanged Man",
        u"Divinatory meanings for this card can be difficulties, crisis and a time of hardship that cannot"
        u" be hurried.  The card can mean surrender to events and a view of the world turned upside down. "
        u" It may point to punishment, loss, or a sacrifice that is asked and not chosen.  The Hanged Man"
        u" indicates the calm endurance of severe trials and the strength that is found in waiting.  It"
        u" can also mean self-sacrifice for a cause, giving up something of value for the sake of a"
        u" greater good.");
    hangedMan.pictureObjectName = QStringLiteral("Image2");
    hangedMan.sizeOverrides = { kNarrowUprightByRotate };

    CardData &death = rows[13];
    SetMeaning(death, u"Meaning of Death",
        u"Divinatory meanings may be a warning that resistance to change will only bring pain.  The card"
        u" means sudden transformation, the end of one thing and the beginning of another, often when it"
        u" is least expected.  It can indicate an ending, a time of mourning, or the loss of something"
        u" long held dear.  Rarely, and only with other cards to support it, the card can mean death"
        u" itself.");
    death.background = CardBackground::Window;
    death.flatAppearance = true;
    death.sizeOverrides = { kNarrowUprightByRotate };

    CardData &temperance = rows[14];
    SetMeaning(temperance, u"Meaning of Temperance",
        u"Divinatory meanings for the card Temperance would be the combination of forces that brings about"
        u" success.  It means moderation, self-control, and the careful management of affairs so that each"
        u" part works well with all the others.  The card advises the querent to temper their own conduct.");
    temperance.sizeOverrides = { kNarrowUprightByRotate };

    CardData &devil = rows[15];
    SetMeaning(devil, u"Meaning of The Devil",
        u"Divinatory meanings for this card could mean that you should put aside restraint and go after"
        u" what you want.  Ambition, pleasure, and the drive to succeed in the material world are all"
        u" shown here.  The card can point to a dominant man, magnetic and hard to resist, who will have"
        u" his way.  It may mean materialism, excess, and a strong passion that rules the heart. "
        u" Ill-dignified the card can mean addiction, bondage to money or to the flesh, or a chain that"
        u" one has forged for oneself and has not yet seen.");
    devil.background = CardBackground::Black;
    devil.sizeOverrides = { kNarrowUprightByRotate };

    // The caption has no article; the meaning box has one.
    CardData &tower = rows[16];
    SetMeaning(tower, u"Meaning of The Blasted Tower",
        u"Divinatory meanings for this card can be a breaking point, a sudden upheaval that comes without"
        u" warning.  The card means that illusions of one's own making are torn down so that a truth may"
        u" be seen.  What seemed so solid proves to have been built on sand, and its fall is very swift. "
        u" It can indicate crisis, conflict, quarrels and separation from a person or a place.  Plans may"
        u" be overturned and old certainties lost.  Yet the card can also mean a release from confinement,"
        u" the breaking of walls that held one prisoner, and freedom that follows the shock.  What is"
        u" destroyed was not meant to stand.");

    // The Star, like Justice, follows the deck style in every state.
    CardData &star = rows[17];
    SetMeaning(star, u"Meaning of The Star",
        u"The meaning for this Star card in a reading is hope, and the guidance that comes to those who"
        u" keep looking up.  The card asks the querent to be open to new ideas and to listen to the inner"
        u" voice that knows the way.  Divinatory meanings would be renewal and healing after a time of"
        u" hardship, as water restores dry ground.  Feelings that were held back may now be released, and"
        u" it is a good time to make a peace with the past and let old hurts go.  The card can mean"
        u" support from friends, help that arrives unasked, and a kindness that is returned.  It indicates"
        u" spiritual clarity, calm, and a sense of purpose that had been lost.  Plans made now rest on"
        u" firm ground.  For what is hoped for, the Star is a favourable sign: wishes may come true,"
        u" though patience is still needed.  Ill-dignified the card can mean doubt, pessimism, or hope"
        u" that is held too loosely.");
    star.stateZeroFromFile = true;

    // The Moon refills an empty deck window to the same height as every other card.
    CardData &moon = rows[18];
    SetMeaning(moon, u"Meaning of The Moon",
        u"This card can indicate that others are lying to you, or that all is not as it seems.  The card"
        u" warns that there are unseen dangers near, and that the path ahead is lit by a pale, changing"
        u" light.  Divinatory meanings would be fantasy, intuition, and dreams that carry messages of"
        u" their own.  It can mean confusion, illusion, and fears that grow in the dark.  Trust the"
        u" instincts but check the facts.  The Moon also indicates that a turning point is approaching,"
        u" and what is hidden will soon come to light.");

    // The Sun's normal quarter turns stand a little taller than the design table's.
    CardData &sun = rows[19];
    SetMeaning(sun, u"Meaning of The Sun",
        u"The divinatory meaning of the card is glory, gain, riches, and success in whatever is"
        u" undertaken.  The Sun is one of the most fortunate cards in the whole deck.  It means wealth,"
        u" good health, and an energy that seems to have no end at all.  It can indicate a marriage, the"
        u" birth of a child, or the simple happiness of being alive on a bright summer day.  Work goes"
        u" well, and efforts are rewarded, often beyond what was expected.  The card brings clarity,"
        u" warmth, and the confidence to be seen as one truly is.  Friends gather, and old quarrels are"
        u" easily forgotten.  Ill-dignified the card can mean pride, arrogance, and vanity, or a show of"
        u" wealth that hides an empty heart.  It may warn against taking good fortune for granted.  Above"
        u" all the Sun is a promise that a dark time is over.  The night has passed and the day has come,"
        u" and whatever was feared will not come to pass.  Things will turn out well, and the querent may"
        u" look forward with a glad heart to what lies ahead.");
    sun.sizeOverrides = {
        { 1, Route::Any, 2274.0f, 2512.0f },
        { 3, Route::Any, 2274.0f, 2512.0f },
    };

    // The design picture runs below the client area until the first redisplay sizes it.
    CardData &judgement = rows[20];
    SetMeaning(judgement, u"Meaning of Last Judgement",
        u"The divinatory meaning for this card is awakening, a call which cannot be ignored.  It means"
        u" renewal, and a decisive change or step that leaves the old life behind.  The card can indicate"
        u" rebirth and a second chance, as if rising from a long sleep to find the world made new.  It may"
        u" mean a final reckoning, when past deeds are weighed and accounts are settled, or a"
        u" transformation that follows an ordeal.  What was buried comes back into the light.  In matters"
        u" of health it can mean recovery, and in matters of work a new calling that was long awaited. "
        u" The card asks the querent to answer the call without fear, and to rise to meet whatever the new"
        u" day may bring with it.  Ill-dignified the card can mean hesitation, delay, and postponement, a"
        u" chance let slip for fear of what it will cost.  There may be a sense of foreboding about what"
        u" lies ahead, a feeling that the \u2018last word\u2019 has not yet been spoken.");
    judgement.pictureHeight = 2892.0f;

    CardData &universe = rows[21];
    SetMeaning(universe, u"Meaning of The Universe",
        u"The card can mean a successful conclusion to a matter that has taken a long time to complete. "
        u" Divinatory meanings would be the happy outcome of a long undertaking, and the reward that"
        u" follows it.  Work that was begun long ago is finished at last, and its fruits may now be"
        u" enjoyed.  The card indicates a completion, wholeness, and a sense that everything has found its"
        u" proper place.  It can mean spiritual fulfilment and a oneness with the world.  In a reading the"
        u" Universe often stands for the heart of the question which was asked, the matter itself, and the"
        u" cards that lie around it fill in what that matter is.  It may also point to travel: a long and"
        u" pleasant journey, perhaps to a distant land, taken in good and cheerful company.  Ill-dignified"
        u" the card can mean a delay in success, inertia, or a task that cannot quite be finished.");
}
