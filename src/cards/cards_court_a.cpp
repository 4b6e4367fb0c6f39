// Card data of cards 22-26, the Knight, Queen, Prince and Princess of Wands and the Knight of
// Swords. The Knights keep the King's key and picture names; only their captions and meaning
// titles call them Knights.
#include "cards/carddata.h"

namespace {

void SetMeaning(CardData &card, const char16_t *title, const char16_t *text)
{
    card.meaningTitle = QString::fromUtf16(title);
    card.meaningText = QString::fromUtf16(text);
}

} // namespace

void DefineCourtCardsA(CardData *rows)
{
    SetMeaning(rows[22], u"Meaning of The Knight of Wands",
        u"The face of the Sun symbol on this card marks fire in its highest and purest form, the fire of"
        u" fire.  The arrow in flames stands for Sagittarius, the sign of the Archer, and shows a mind"
        u" that is always aimed at a distant goal.  When this card stands for a person, it is someone of a"
        u" Sagittarian temperament.  Such a person is outspoken and says what they think, often without a"
        u" thought for how it will be received.  They are devoted to lofty causes and will give a great"
        u" deal of time and energy to an ideal.  They are accepting of others and slow to judge, generous"
        u" and open-handed.  They are fond of travel and adventure and restless when kept in one place for"
        u" long.  Divinatory meanings would be energy, swiftness and a sudden departure or arrival. "
        u" Ill-dignified the card can mean a hasty temper, cruelty, or a person who starts much and"
        u" finishes little.");
    SetMeaning(rows[23], u"Meaning of The Queen of Wands",
        u"The Queen of Wands wears a crown that symbolizes the watery part of fire.  Her sceptre is"
        u" crowned with the horns of the ram, the sign of Aries.  When this card stands for a person, it"
        u" is someone with an Aries character.  Such a person is driven and hot-headed, and can be"
        u" obstinate once their mind is made up.  They are born leaders who dislike taking orders.  In"
        u" their haste they can overlook what others need.  They are quick to anger but just as quick to"
        u" forgive, and they rarely hold a grudge for long.  Divinatory meanings would be ambition, pride"
        u" and a warm and generous heart.");
    SetMeaning(rows[24], u"Meaning of The Prince of Wands",
        u"The air of fire is the Prince of Wands whose wand is shaped like a torch and marked with the"
        u" sign of Leo, a lion.  He is the airy part of fire, swift and bright.  When this card stands for"
        u" a person, it is someone with a Leo character.  Such a person is dignified and proud, sociable,"
        u" and enthusiastic about whatever they take up.  They are devoted to their family, to children,"
        u" and to their friends, and will defend them fiercely.  Yet they can be impatient and"
        u" hot-tempered, and when crossed they are capable of cruelty.  Divinatory meanings would be swift"
        u" action, courage, and generosity.");
    SetMeaning(rows[25], u"Meaning of The Princess of Wands",
        u"This Princess of Wands holds a wand that is tipped at each end, and the two ends stand for the"
        u" two extremes between which all things move.  The stripes that run between them carry the twelve"
        u" colours of the signs of the zodiac, so that the whole year of the heavens lies in her hand. "
        u" The symbols of fire are tattooed on her body, marking her as a child of that element.  She is"
        u" the earthy part of fire, the fuel that is ready to burst into flame.  When this card stands for"
        u" a person, it is someone brilliant, fearless, and full of energy, who is quick to love and just"
        u" as quick to anger.  Such a person is daring and can bring new life to any venture.  Divinatory"
        u" meanings would be enthusiasm, ambition, and a sudden new beginning.  Ill-dignified the card can"
        u" mean a person who is irrational, vengeful, unreliable, domineering and cruel to those close to"
        u" her.");
    SetMeaning(rows[26], u"Meaning of The Knight of Swords",
        u"The fire of air is the King of Swords, who wears the armour of a centurion with the sign of"
        u" Gemini on his breastplate.  He is the fiery part of air, quick and sharp as the wind.  When"
        u" this card stands for a person, it is someone with a Gemini character.  Such a person is"
        u" restless, talkative and sympathetic, always seeking change and variety.  They enjoy hobbies and"
        u" reading, and they speak eloquently on almost any subject.  Yet they can be irresponsible and"
        u" too talkative, and they may leave a task half done for the next.  Divinatory meanings would be"
        u" skill, cleverness and swift thought.");
}
