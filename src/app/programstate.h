// The program-wide state: every variable the windows share, under its own name.
// One instance (program::state) for the running program; tests reset it with
// `program::state = ProgramState{}`.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

constexpr int kCardCount = 78;
// The marker of an empty deck position, and of a card that is in the deck in cardsOut.
inline const QString kNoCard = QStringLiteral("No Card ");

using CardKeys = std::array<QString, kCardCount>;
using CardFlags = std::array<std::int16_t, kCardCount>;

// None of these codes is stored: the deck file keeps the style word, the reversed flags and
// the Gypsie flag. Their numbers mean nothing outside the program.
enum class DeckState : std::int16_t {
    NothingToSave = 0, // saved, closed, or no deck yet
    New = 1,           // built by InitDeck, never saved
    FromFile = 2,      // opened from or saved to a file
};
enum class DeckStyle : std::int16_t { Thoth = 0, Traditional = 1 };
enum class CardReturn : std::int16_t {
    NotSet = 0,   // before the first deck: a closing card window gives nothing back
    ToDeck = 1,   // a closing card window puts its card at the bottom of the deck
    StaysOut = 2, // a window closed to redisplay or re-show its card keeps it out
};
enum class Reading : std::int16_t {
    NoReading = 0,            // not `None`: X11 defines a macro of that name
    FiveCard = 1,
    CelticCross = 2,          // querent chosen or skipped: cards are dealt into places
    CelticAwaitingQuerent = 5 // Pick A Card must choose (or skip) the querent first
};

struct ProgramState
{
    // The open deck.
    DeckState deckState = DeckState::NothingToSave;
    bool deckClosed = false;      // after the deck was closed
    QString deckFileName;         // full path of the current deck file
    QString deckStyleName;        // the style word of the deck file, "Thoth " or "Tradl "
    DeckStyle deckStyle = DeckStyle::Thoth;
    CardKeys fileSlots;           // the deck-file buffer: line 1's 78 keys in file order
    std::int16_t gypsieDeck = 0;  // as read from the deck file; only 1 shows reversed cards upside down

    // The deck.
    CardKeys deck;                // card keys by deck position, 0 = top
    CardKeys cardsOut;            // by card number: the key while the card is out, else kNoCard
    CardFlags reversed{};         // by card number: 1 while the card lies upside down (stored as is)
    bool returnPending = false;
    QString pictureSuffix;        // picture suffix of the card being dealt or picked

    // Card windows.
    CardReturn cardReturn = CardReturn::NotSet;
    std::int16_t nextCardLeft = 0; // twips, 16 bits as the place is recorded
    std::int16_t nextCardTop = 0;
    CardFlags viewStates{};       // each card's view state 0..11: size row * 4 + quarter turns

    // Readings.
    Reading reading = Reading::NoReading;
    bool readingBegun = false;    // from the first card of a reading until it is over
    bool dealingCrossingCard = false; // the crossing card of a Celtic Cross keeps its quarter turn
    std::int16_t celticDraws = 0; // draws made in the reading; 11 / 6 is the closing draw
    std::int16_t fiveCardDraws = 0;
    std::int16_t slotHeight = 0;
    std::int16_t slotWidth = 0;
    // 32 bits: a reading window far out on a large screen still places its cards.
    std::int32_t slotTop = 0;
    std::int32_t slotLeft = 0;
};

namespace program {
extern ProgramState state; // the running program's one instance
}
