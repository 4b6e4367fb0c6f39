// Card data of the court cards from the Queen of Swords to the Princess of Disks, cards 27-37.
// Their windows follow the common design in everything but their meanings.
#include "cards/carddata.h"

namespace {

struct Meaning
{
    int card;
    const char16_t *title;
    const char16_t *text;
};

const Meaning kCourtMeanings[] = {
    // Ends with a blank.
    { 27, u"Meaning of The Queen of Swords",
        u"The Queen of Swords sits upon the throne of Libra atop the clouds in the sky that represent the "
        u"airy world of Briah.  She is the water of air, and so rain appears in the sky behind her.  She is "
        u"the Libra personality type who is notorious for her sense of fairness, and she tends to always "
        u"referee for peace and harmony amongst others.  She is diplomatic, and likes to be social, "
        u"gracious, and charming.  She avoids menial tasks, but works well in partnerships.  She has a good "
        u"ascetic sense and loves refinement.  She is known to marry young and maybe often. " },
    { 28, u"Meaning of The Prince of Swords",
        u"The Prince of Air is the fixed air sign of Aquarius, and is a most unconventional type of person "
        u"to say the least.  He is very independent with a love for freedom.  He seems to either really "
        u"love something, or really hate it, and he won\u2019t easily be swayed from his strong opinions, which "
        u"tend to be completely original and unlike anything anyone else thinks.  Things that are different "
        u"have a strong appeal for the Aquarius, and they are known to harbor a sincere love for music.  He "
        u"is highly intellectual yet unpredictable.  Some have compared the Aquarius to the absent-minded "
        u"professor from the Disney movies.  They are notorious for genius, however this is probably "
        u"because Aquarius naturally thinks outside the box, and may even have trouble thinking inside it.  "
        u"The Aquarius has a concern for all of humanity, which can make him seem too indifferent and "
        u"unattached on the level of individual one-on-one relationships." },
    { 29, u"Meaning of The Princess of Swords",
        u"This earth of air Princess of Air also has lines of air tattooed on her to represent the linear "
        u"form that thought takes where it manifests on earth through written language, or symbol.  She is "
        u"the materialization of idea, and she embodies the contradiction of earth and air, which are two "
        u"elements incapable of occupying the same space, or even easily mixing.  She is revengeful, and "
        u"her logic can become destructive.  She is stern and aggressive with wisdom for the practical "
        u"management of affairs.  She has a flair for resolving controversies.  She can become sometimes "
        u"incoherent, and may obsess over revenge." },
    { 30, u"Meaning of The King of Cups",
        u"The King of Cups is knee deep in the emotional waters of Yetzirah where the skies of Briah have "
        u"become rainy.  He is the fire of water, and so is actively flinging water from his cup.  His "
        u"knight's armor is emblazoned with the sign of the mutable water of Pisces on his chest plate.  "
        u"The Pisces personality is the quiet secretive type who is probably up to something, but no one "
        u"will ever know it.  He is imaginative, loving, and kind to others.  He is much affected by people "
        u"and things around him, and is the most impressionable and sensitive sign in the zodiac.  He can "
        u"be always in a dream world, and has a natural love for animals.  He accomplishes things in his "
        u"own quiet way, and he doesn't want to hurt others.  He can be hopelessly indecisive, and run from "
        u"difficult situations.  This is a very psychic sign, and he may have an interest in the occult or "
        u"mysticism." },
    { 31, u"Meaning of The Queen of Cups",
        u"The Queen of Cups is the Queen of water, and is receiving water from above into her cup.  She "
        u"sits upon the waters above the sign of cardinal water, which is Cancer.  Cancers are the "
        u"domesticated sign of the zodiac being represented by the crab that lives in its own shell.  The "
        u"cancer personality likes her home front, and garnishes home with lots of comforts, as well as "
        u"knickknacks, and memorabilia.  She is quiet, but silently concerned about what others think of "
        u"her.  She likes to feel needed, and is very maternal at heart, although she suffers from "
        u"shyness.  She's a good cook, and a talented hostess.  She may be manipulative to get what she "
        u"wants.  She is responsive to everything around her so she needs the security of her own familiar "
        u"abode to calm her emotions." },
    { 32, u"Meaning of The Prince of Cups",
        u"The airy part of water is waist deep in the waters of Yetzirah.  This Prince of Cups is the fixed "
        u"water of the Scorpio personality.  He is willing to go way more than waist deep into emotionally "
        u"troubled waters, and may even have a morbid streak.  He is quiet and reserved, which holds back a "
        u"massive depth of insight.  He is determined and shrewd, and will use that reserved insight to "
        u"manipulate others in order to get his way.  He can be aggressive, resentful, and vengefully "
        u"jealous.  A Scorpio is notorious for remarkable recuperative powers, and being a relentless "
        u"seeker of the truth." },
    { 33, u"Meaning of The Princess of Cups",
        u"Above the Princess of Cups is the female Moon symbol with a water drop about to drip off.  This "
        u"Moon is a symbol for the higher water sephiroth such as Binah, and Chessed, in the same way the "
        u"Sun symbol in these cards symbolizes the higher sephiroth of the element fire.  The earth of "
        u"water is represented by the shoreline where the Princess reclines while pouring water from her "
        u"cup upon the earth.  This is the lower manifestation of water where plant life begins to spring "
        u"up from the earth.  She is sweet and kind with a love for romance.  She lives in a dreamy world "
        u"of her own.  Like water she longs to nurture and support all life." },
    { 34, u"Meaning of The King of Disks",
        u"The King of Disks has applied his active fire energies to the practical matter of land "
        u"cultivation.  He is the fiery part of earth, and uses the disk as a wheel to plow the field he "
        u"cultivates.  He represents the mutable earth personality of a Virgo Sun sign.  Virgo's tend to "
        u"worry a lot, and since they draw comfort from practical concrete facts, they don't like the "
        u"unexplainable, and are uncomfortable with non-material explanations.  He likes routine, and "
        u"meticulous tasks.  He does everything well, particularly when it comes to business.  He is "
        u"responsible, thoughtful, and enjoys doing service." },
    { 35, u"Meaning of The Queen of Disks",
        u"The Queen of the water of earth sits upon a solidly manifested throne on the world of Assiah.  As "
        u"the Queen of Disks, she holds her disk in the receptive form of a plate where the fruits of earth "
        u"are displayed.  The well-watered earth around her is lush and green.  She represents the "
        u"personality of the cardinal earth Capricorn Sun sign.  Self-esteem is important to her and she "
        u"tends to try to be the center of attention.  She is ambitious and works hard for what she wants, "
        u"but can seem to have a difficult time.  She may at times be overwhelmed by self-pity.  She is "
        u"very sociable, and dedicated to duty, which accounts for a lot of Capricorn born in the field of "
        u"politics." },
    { 36, u"Meaning of The Prince of Disks",
        u"The Prince of the airy part of earth is also busy working the field, and stacking his harvest "
        u"upon the disk of this card.  He is a Taurus personality type, which represents the fixed earth.  "
        u"This is of course the most practical sign of the zodiac, but may be so fixed that he is not "
        u"easily swayed by new ideas.  He is persistent with a cautious determination, and will plod along "
        u"until the work is done.  Taurus Sun signs are known to excel in their love for art and music.  He "
        u"is responsible, serious, and often works to establish a firm financial foundation.  He can be "
        u"head strong like a bull, and furious when aroused, but a faithful friend." },
    { 37, u"Meaning of The Princess of Disks",
        u"The Princess of Disks is the plainest of the court cards.  She is the earth of earth, and stands "
        u"upon the disk for this card, which features the alchemical symbol of earth.  She is pregnant with "
        u"all life so she holds one hand upon her womb.  She is surrounded by the wonder of the earthly "
        u"world known as Assiah, as well as the wonder of all the other worlds displayed when these court "
        u"cards are joined together into a single multi-dimensional painting.  She is womanhood on the "
        u"brink of transfiguration.  Her personality attributes are pure manifestations in themselves, and "
        u"thus difficult to individually define here as one attribute or another.  She is the Princess of "
        u"Tetragramaton on the verge of the transformation that fulfils the formula of joining Prince to "
        u"Princess, and completes yet another turn of this wheel of the tarot on the Tree of Life." },
};

} // namespace

void DefineCourtCards(CardData *rows)
{
    DefineCourtCardsA(rows);
    for (const Meaning &meaning : kCourtMeanings) {
        CardData &card = rows[meaning.card];
        card.meaningTitle = QString::fromUtf16(meaning.title);
        card.meaningText = QString::fromUtf16(meaning.text);
    }
}
