#include "deck/deckcards.h"

#include "platform/numbers.h"
#include "platform/random.h"

#include <algorithm>
#include <cmath>

QStringList CardsInDeck(const CardKeys &deck)
{
    QStringList cards;
    for (const QString &key : deck) {
        if (key != kNoCard)
            cards << key;
    }
    return cards;
}

void PutCardsInDeck(CardKeys &deck, const QStringList &cards)
{
    for (int i = 0; i < kCardCount; ++i)
        deck[i] = i < cards.size() ? cards[i] : kNoCard;
}

int LowerPartSize(int count)
{
    if (count % 2 == 0)
        return count / 2;
    return platform::RoundToInt16(count / 2.0 + 1);
}

// The products are formed in double precision: in single precision a draw just below 1 can
// round up to m and fall outside the range. The clamp only guards against a faulty source.
int DrawBelow(platform::RandomSource &random, int m)
{
    const int value = static_cast<int>(std::floor(static_cast<double>(random.next()) * m));
    return std::clamp(value, 0, m - 1);
}

int DrawFromOneTo(platform::RandomSource &random, int m)
{
    const int value = static_cast<int>(std::floor(static_cast<double>(random.next()) * m + 1));
    return std::clamp(value, 1, m);
}
