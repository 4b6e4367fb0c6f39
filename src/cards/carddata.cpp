#include "cards/carddata.h"

#include "app/cardtable.h"
#include "app/programstate.h"

#include <array>

namespace {

struct MajorNames
{
    const char *stem;
    const char *cacheStem;
    const char *traditionalStem; // nullptr: one set of pictures
    const char *traditionalCacheStem;
};

// The 22 major cards' picture and cache stems; they follow no rule.
const MajorNames kMajorNames[22] = {
    { "FoolCardbg", "fool", nullptr, nullptr },
    { "MagusCardbg", "magus", nullptr, nullptr },
    { "HPriestessCardbg", "hpriestesscard", nullptr, nullptr },
    { "EmpressCardbg", "empresscard", nullptr, nullptr },
    { "EmperorCardbg", "emperorcard", "TraditionalEmperorbg", "traditionalemperor" },
    { "HierophantCardbg", "hierophantCard", nullptr, nullptr },
    { "LoversCardbg", "loverscard", nullptr, nullptr },
    { "ChariotCardbg", "chariotcard", nullptr, nullptr },
    { "ThothStrengthCardbg", "thothstrengthcard", "StrengthCardbg", "strengthcard" },
    { "HermitCardbg", "hermit", nullptr, nullptr },
    { "FortuneCardbg", "fortune", nullptr, nullptr },
    { "ThothJusticeCardbg", "thothjustice", "JusticeCardbg", "justice" },
    { "HangmanCardbg", "hangeman", nullptr, nullptr },
    { "DeathCardbg", "death", nullptr, nullptr },
    { "TemperanceCardbg", "temperance", nullptr, nullptr },
    { "DevilCardbg", "devil", nullptr, nullptr },
    { "TowerCardbg", "tower", nullptr, nullptr },
    { "StarCardbg", "star", "TraditionalStarCardbg", "traditionalstar" },
    { "MoonCardbg", "moon", nullptr, nullptr },
    { "SunCardbg", "sun", nullptr, nullptr },
    { "JudgementCardbg", "judgement", nullptr, nullptr },
    { "UniverseCardbg", "universe", nullptr, nullptr },
};

using CardRows = std::array<CardData, kCardCount>;

CardRows BuildRows()
{
    CardRows rows;
    for (int n = 0; n < kCardCount; ++n)
        rows[n] = DefaultCardData(n);
    DefineMajorCardsA(rows.data());
    DefineMajorCardsB(rows.data());
    DefineCourtCards(rows.data());
    DefineWandsCards(rows.data());
    DefineCupsCards(rows.data());
    DefineSwordsCards(rows.data());
    DefineDisksCards(rows.data());
    return rows;
}

} // namespace

CardData DefaultCardData(int number)
{
    CardData row;
    row.number = number;
    row.objectName = CardObjectName(number);
    row.title = CardTitle(number);
    row.key = CardKey(number);
    if (number < 22) {
        const MajorNames &names = kMajorNames[number];
        row.pictureStem[kThoth] = QLatin1String(names.stem);
        row.cacheStem[kThoth] = QLatin1String(names.cacheStem);
        if (names.traditionalStem) {
            row.pictureStem[kTraditional] = QLatin1String(names.traditionalStem);
            row.cacheStem[kTraditional] = QLatin1String(names.traditionalCacheStem);
        }
    } else {
        // Minor cards: the key without its blanks, then "bg"; the cache stem is the same
        // in lower case without the "bg".
        QString plain = row.key;
        plain.remove(QLatin1Char(' '));
        row.pictureStem[kThoth] = plain + QStringLiteral("bg");
        row.cacheStem[kThoth] = plain.toLower();
    }
    row.meaningTitle = QStringLiteral("Meaning of ") + row.title;
    return row;
}

const CardData &CardDataOf(int number)
{
    static const CardRows rows = BuildRows();
    return rows[number];
}
