// Dealing the top card into the reading under way (Reading::FiveCard or CelticCross): the reading's next
// place gives the card window its size and position, and the card is shown there.
#pragma once

#include <QPointer>
#include <QString>

class CardWindow;

// What the deck window keeps of a reading deal: the card, its window and its picture.
struct DealtCard
{
    int cardNumber = -1; // -1: the deck was empty, nothing was dealt
    QPointer<CardWindow> window;
    QString picture; // the embedded picture shown (resource stem + pictureSuffix)
};

// Called by the deck click instead of the free deal while a reading is under way. Advances the
// reading to its next place and takes the top card off the deck.
DealtCard DealReadingCard();
