// The deck as Pick A Card sees it: how many positions it lists, which position an entry of
// its list names, where a card lies, and taking a card out from any position.
#pragma once

#include "app/programstate.h"

#include <QString>
#include <QStringList>

// The number of positions the position list offers: 78 when the last position holds a card,
// otherwise the first empty position counted from the top.
int PickListCount(const CardKeys &deck);

// The entries "1" to "count" of the position list.
QStringList PositionEntries(int count);

// The deck position (0 = top) that the list entry `entry` names, or -1 when it names no
// position that holds a card now (an entry counted before the deck shrank, or text that is
// not a whole number). Such an entry is ignored.
int PositionOfEntry(const QString &entry, const CardKeys &deck);

// The first position holding `key`, when `key` is one of the 78 card keys; -1 otherwise
// ("No Card " names no card, although empty positions hold it).
int PositionOfCard(const CardKeys &deck, const QString &key);

// Takes the entry at `position` out of the deck: every later entry moves up one place and
// the last position becomes empty.
void RemoveDeckEntry(CardKeys &deck, int position);
