#include "readings/pickcard.h"

#include "app/cardtable.h"
#include "platform/numbers.h"

#include <cmath>

int PickListCount(const CardKeys &deck)
{
    if (deck[kCardCount - 1] != kNoCard)
        return kCardCount;
    for (int i = 0; i < kCardCount; ++i) {
        if (deck[i] == kNoCard)
            return i;
    }
    return kCardCount;
}

QStringList PositionEntries(int count)
{
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries << QString::number(i);
    return entries;
}

int PositionOfEntry(const QString &entry, const CardKeys &deck)
{
    bool ok = false;
    const double value = entry.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return -1;
    const int position = platform::RoundToInt16(value - 1);
    if (position < 0 || position >= PickListCount(deck))
        return -1;
    return position;
}

int PositionOfCard(const CardKeys &deck, const QString &key)
{
    if (CardNumberOfKey(key) < 0)
        return -1;
    for (int i = 0; i < kCardCount; ++i) {
        if (deck[i] == key)
            return i;
    }
    return -1;
}

void RemoveDeckEntry(CardKeys &deck, int position)
{
    if (position < 0 || position >= kCardCount)
        return;
    for (int i = position; i < kCardCount - 1; ++i)
        deck[i] = deck[i + 1];
    deck[kCardCount - 1] = kNoCard;
}
