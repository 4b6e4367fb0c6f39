#include "readings/cardpictures.h"

#include "app/cardtable.h"
#include "app/programstate.h"

#include <iterator>

namespace {

struct Names
{
    const char *stem;
    const char *cache;
};

// A major card's names; `traditional` is set for the four cards drawn in both deck styles.
struct MajorNames
{
    Names thoth;
    Names traditional;
};

constexpr int kMajorCount = 22;

const MajorNames kReadingDealMajors[kMajorCount] = {
    { { "Foolcardbg", "foolcardbg" }, {} },
    { { "Maguscardbg", "maguscardbg" }, {} },
    { { "hpriestesscardbg", "hpriestessbg" }, {} },
    { { "EmpressCardbg", "empressbg" }, {} },
    { { "EmperorCardbg", "emperorbg" }, { "TraditionalEmperorbg", "TraditionalEmperor" } },
    { { "hierophantCardbg", "hierophantbg" }, {} },
    { { "LoversCardbg", "loversbg" }, {} },
    { { "ChariotCardbg", "chariotbg" }, {} },
    { { "thothstrengthcardbg", "thothstrengthbg" }, { "StrengthCardbg", "StrengthCardbg" } },
    { { "Hermitcardbg", "hermitbg" }, {} },
    { { "Fortunecardbg", "fortunebg" }, {} },
    { { "ThothJusticeCardbg", "thothjusticebg" }, { "JusticeCardbg", "Justicebg" } },
    { { "hangmancardbg", "hangedmanbg" }, {} },
    { { "Deathcardbg", "deathbg" }, {} },
    { { "temperancecardbg", "temperancebg" }, {} },
    { { "Devilcardbg", "devilbg" }, {} },
    { { "Towercardbg", "towerbg" }, {} },
    { { "Starcardbg", "starbg" }, { "TraditionalStarCardbg", "TraditionalStarCardbg" } },
    { { "Mooncardbg", "moonbg" }, {} },
    { { "Suncardbg", "sunbg" }, {} },
    { { "Judgementcardbg", "lastjudgementbg" }, {} },
    { { "Universecardbg", "universebg" }, {} },
};

const MajorNames kTakeCardMajors[kMajorCount] = {
    { { "FoolCardbg", "foolcardbg" }, {} },
    { { "MagusCardbg", "maguscardbg" }, {} },
    { { "HPriestessCardbg", "hpriestesscardbg" }, {} },
    { { "EmpressCardbg", "empresscardbg" }, {} },
    { { "EmperorCardbg", "emperorcardbg" }, { "TraditionalEmperorbg", "traditionalemperorbg" } },
    { { "HierophantCardbg", "hierophantcardbg" }, {} },
    { { "LoversCardbg", "loversbg" }, {} },
    { { "ChariotCardbg", "chariotbg" }, {} },
    { { "ThothStrengthCardbg", "thothstrengthcardbg" }, { "StrengthCardbg", "strengthcardbg" } },
    { { "HermitCardbg", "hermitbg" }, {} },
    { { "FortuneCardbg", "fortunebg" }, {} },
    { { "ThothJusticeCardbg", "thothjusticebg" }, { "JusticeCardbg", "justice" } },
    { { "HangmanCardbg", "hangemancardbg" }, {} },
    { { "DeathCardbg", "deathbg" }, {} },
    { { "TemperanceCardbg", "temperancebg" }, {} },
    { { "DevilCardbg", "devilbg" }, {} },
    { { "TowerCardbg", "towerbg" }, {} },
    { { "StarCardbg", "starbg" }, { "TraditionalStarCardbg", "traditionalstar" } },
    { { "MoonCardbg", "moonbg" }, {} },
    { { "SunCardbg", "sunbg" }, {} },
    { { "JudgementCardbg", "lastjudgementbg" }, {} },
    { { "UniverseCardbg", "universebg" }, {} },
};

const MajorNames kOutCardMajors[kMajorCount] = {
    { { "FoolCardbg", "foolcardbg" }, {} },
    { { "MagusCardbg", "maguscardbg" }, {} },
    { { "HPriestessCardbg", "hpriestesscardbg" }, {} },
    { { "EmpressCardbg", "empresscardbg" }, {} },
    { { "EmperorCardbg", "emperorcardbg" }, { "TraditionalEmperorBG", "traditionalemperorbg" } },
    { { "HierophantCardbg", "hierophantcardbg" }, {} },
    { { "LoversCardbg", "loverscardbg" }, {} },
    { { "ChariotCardbg", "chariotcardbg" }, {} },
    { { "ThothStrengthCardBG", "thothstrengthcardbg" }, { "StrengthCardBG", "strengthcardbg" } },
    { { "HermitCardbg", "hermitcardbg" }, {} },
    { { "FortuneCardbg", "fortunecardbg" }, {} },
    { { "ThothJusticeCardbg", "thothjusticecardbg" }, { "JusticeCardBG", "justicecardbg" } },
    { { "HangmanCardbg", "hangmancardbg" }, {} },
    { { "DeathCardbg", "deathcardbg" }, {} },
    { { "TemperanceCardbg", "temperancecardbg" }, {} },
    { { "DevilCardbg", "devilcardbg" }, {} },
    { { "TowerCardbg", "towercardbg" }, {} },
    { { "StarCardbg", "starcardbg" }, { "TraditionalStarCardbg", "traditionalstarcardbg" } },
    { { "MoonCardbg", "mooncardbg" }, {} },
    { { "SunCardbg", "suncardbg" }, {} },
    { { "JudgementCardbg", "lastjudgementbg" }, {} },
    { { "UniverseCardbg", "universebg" }, {} },
};

// A minor card whose name in one of the tables is off the usual rule.
struct MinorException
{
    int card;
    Names names;
};

const MinorException kReadingDealMinorExceptions[] = {
    { 22, { "kingwandsbg", "kingwandsbg" } },
};
const MinorException kOutCardMinorExceptions[] = {
    { 28, { "PrinceSwordsbg", "princewordsbg" } },
    { 29, { "PrincessSwordsbg", "princesswordsbg" } },
    { 43, { "SixWandsbg", "Sixwandsbg" } },
    { 44, { "SevenWandsbg", "Sevenwandsbg" } },
};

DealPicture WithSuffix(const Names &names, const QString &picSuffix)
{
    return { QLatin1String(names.stem) + picSuffix, QLatin1String(names.cache) + picSuffix };
}

// A minor card's usual names: the key without its blanks followed by "bg", cached under the
// same name in lower case ("Ace Wands " -> "AceWandsbg", "acewandsbg"); `exceptions` lists the
// cards a table spells otherwise.
DealPicture MinorPicture(int cardNumber, const MinorException *exceptions, std::size_t count, const QString &picSuffix)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (exceptions[i].card == cardNumber)
            return WithSuffix(exceptions[i].names, picSuffix);
    }
    const QString stem = CardKey(cardNumber).remove(QLatin1Char(' ')) + QLatin1String("bg");
    return { stem + picSuffix, stem.toLower() + picSuffix };
}

bool HasTraditional(const MajorNames &names)
{
    return names.traditional.stem != nullptr;
}

DealPicture StylePicture(const MajorNames &names, DeckStyle deckStyle, const QString &picSuffix)
{
    const bool traditional = HasTraditional(names) && deckStyle == DeckStyle::Traditional;
    return WithSuffix(traditional ? names.traditional : names.thoth, picSuffix);
}

} // namespace

QList<DealPicture> ReadingDealPictures(int cardNumber, DeckStyle deckStyle, const QString &picSuffix)
{
    if (cardNumber < 0 || cardNumber >= kCardCount)
        return {};
    if (cardNumber >= kMajorCount)
        return { MinorPicture(
            cardNumber, kReadingDealMinorExceptions, std::size(kReadingDealMinorExceptions), picSuffix) };
    const MajorNames &names = kReadingDealMajors[cardNumber];
    QList<DealPicture> pictures { WithSuffix(names.thoth, picSuffix) };
    if (HasTraditional(names) && deckStyle == DeckStyle::Traditional)
        pictures << WithSuffix(names.traditional, picSuffix);
    return pictures;
}

DealPicture TakeCardPicture(int cardNumber, DeckStyle deckStyle, const QString &picSuffix)
{
    if (cardNumber < 0 || cardNumber >= kCardCount)
        return {};
    if (cardNumber < kMajorCount)
        return StylePicture(kTakeCardMajors[cardNumber], deckStyle, picSuffix);
    return MinorPicture(cardNumber, nullptr, 0, picSuffix);
}

DealPicture OutCardPicture(int cardNumber, DeckStyle deckStyle, const QString &picSuffix)
{
    if (cardNumber < 0 || cardNumber >= kCardCount)
        return {};
    if (cardNumber < kMajorCount)
        return StylePicture(kOutCardMajors[cardNumber], deckStyle, picSuffix);
    return MinorPicture(cardNumber, kOutCardMinorExceptions, std::size(kOutCardMinorExceptions), picSuffix);
}
