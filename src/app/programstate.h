// The program-wide state: every variable the windows share, under its own name.
// One instance (G) for the running program; tests reset it with `G = SharedState{}`.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

constexpr int kCardCount = 78;
// The marker of an empty deck position, and of a card that is in the deck in CardsOut.
inline const QString kNoCard = QStringLiteral("No Card ");

using CardKeys = std::array<QString, kCardCount>;
using CardFlags = std::array<std::int16_t, kCardCount>;

struct SharedState
{
    // The open deck.
    std::int16_t DeckState = 0;   // 0 nothing to save, 1 a new deck, 2 read from or saved to a file
    std::int16_t DeckClosed = 0;  // 1 after the deck was closed
    QString DeckFileName;         // full path of the current deck file
    QString DeckStyleName;        // the style word of the deck file, "Thoth " or "Tradl "
    std::int16_t DeckStyle = 0;   // 0 Thoth, 1 Traditional
    CardKeys FileSlots;           // the deck-file buffer: line 1's 78 keys in file order
    std::int16_t GypsieDeck = 0;  // 1: reversed cards are shown upside down

    // The deck.
    CardKeys Deck;                // card keys by deck position, 0 = top
    CardKeys CardsOut;            // by card number: the key while the card is out, else kNoCard
    CardFlags Reversed{};         // by card number: 1 while the card lies upside down
    std::int16_t ReturnPending = 0;
    QString PicSuffix;            // picture suffix of the card being dealt or picked

    // Card windows.
    std::int16_t CardReturnMode = 0; // 1 a closing card window gives its card back, 2 it does not
    std::int16_t NextCardLeft = 0;
    std::int16_t NextCardTop = 0;
    CardFlags CardView{};            // each card's view state 0..11

    // Readings.
    std::int16_t ReadingState = 0;   // 0 none, 1 Five Card, 5 Celtic Cross waiting for its querent, 2 Celtic Cross
    std::int16_t ReadingBegun = 0;   // 1 from the first card of a reading until it is over
    std::int16_t CelticCount = 0;
    std::int16_t FiveCount = 0;
    std::int16_t SlotHeight = 0;
    std::int16_t SlotWidth = 0;
    // 32 bits: a reading window far out on a large screen still places its cards.
    std::int32_t SlotTop = 0;
    std::int32_t SlotLeft = 0;
};

extern SharedState G;
