#include "deck/draw.h"

#include "app/cardtable.h"

namespace {

struct MajorDealNames
{
    const char *stem;
    const char *cacheBase;
    const char *traditionalStem; // nullptr: one set of pictures
    const char *traditionalCacheBase;
};

// The major cards' names follow no rule; they are used exactly as spelled.
const MajorDealNames kMajorDealNames[22] = {
    { "FoolCardbg", "foolcardbg", nullptr, nullptr },
    { "MagusCardbg", "maguscardbg", nullptr, nullptr },
    { "HPriestessCardbg", "hpriestesscardbg", nullptr, nullptr },
    { "EmpressCardbg", "empresscardbg", nullptr, nullptr },
    { "EmperorCardbg", "Emperorbg", "TraditionalEmperorbg", "TraditionalEmperor" },
    { "HierophantCardbg", "hierophantCardbg", nullptr, nullptr },
    { "LoversCardbg", "loversCardbg", nullptr, nullptr },
    { "ChariotCardbg", "chariotCardbg", nullptr, nullptr },
    { "ThothStrengthCardbg", "ThothStrengthCard", "StrengthCardbg", "StrengthCard" },
    { "HermitCardbg", "hermitCardbg", nullptr, nullptr },
    { "FortuneCardbg", "fortuneCardbg", nullptr, nullptr },
    { "ThothJusticeCardbg", "thothjusticeCardbg", "JusticeCardbg", "JusticeCard" },
    { "HangmanCardbg", "hangemanbg", nullptr, nullptr },
    { "DeathCardbg", "deathbg", nullptr, nullptr },
    { "TemperanceCardbg", "temperancebg", nullptr, nullptr },
    { "DevilCardbg", "devilbg", nullptr, nullptr },
    { "TowerCardbg", "towerbg", nullptr, nullptr },
    { "StarCardbg", "starbg", "TraditionalStarCardbg", "TraditionalStarCard" },
    { "MoonCardbg", "moonbg", nullptr, nullptr },
    { "SunCardbg", "sunbg", nullptr, nullptr },
    { "JudgementCardbg", "lastjudgementbg", nullptr, nullptr },
    { "UniverseCardbg", "universebg", nullptr, nullptr },
};

} // namespace

QString FreeDealPicSuffix(std::int16_t reversed, std::int16_t gypsieDeck)
{
    return reversed == 1 && gypsieDeck == 1 ? QStringLiteral("6") : QString();
}

DealPicture FreeDealPicture(int cardNumber, DeckStyle deckStyle, const QString &picSuffix)
{
    QString stem;
    QString cacheBase;
    if (cardNumber < 22) {
        const MajorDealNames &names = kMajorDealNames[cardNumber];
        const bool traditional = names.traditionalStem && deckStyle == DeckStyle::Traditional;
        stem = QLatin1String(traditional ? names.traditionalStem : names.stem);
        cacheBase = QLatin1String(traditional ? names.traditionalCacheBase : names.cacheBase);
    } else {
        // Minor cards: the key without its blanks, then "bg"; the cache file is that in lower case.
        stem = CardKey(cardNumber);
        stem.remove(QLatin1Char(' '));
        stem += QStringLiteral("bg");
        cacheBase = stem.toLower();
    }
    return { stem + picSuffix, cacheBase + picSuffix };
}
