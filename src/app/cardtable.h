// The 78 cards: number, window object name, key and title. Card numbers never change; the key is
// what stands in the deck, the deck file and cardsOut, the title is the card window's caption.
#pragma once

#include <QString>

struct CardEntry
{
    int number;
    const char *objectName; // "Form1" .. "Form78"
    const char *key;
    const char *title;
};

// The row of card `number` (0..77).
const CardEntry &Card(int number);
QString CardKey(int number);
QString CardTitle(int number);
QString CardObjectName(int number);
// The card number of an exact key, or -1 when the key names no card.
int CardNumberOfKey(const QString &key);
// The card number of an exact title, or -1.
int CardNumberOfTitle(const QString &title);

// Strength and Justice: their positions in a new deck depend on the deck style.
constexpr int kStrength = 8;
constexpr int kJustice = 11;
