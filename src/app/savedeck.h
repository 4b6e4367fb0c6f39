// Saving the deck: which cards go into the deck file, in which order, and writing the file.
#pragma once

#include "app/programstate.h"

#include <QString>

// The file slots for File Save and File Save As: the cards in the deck in deck order, then the
// cards that are out in card-number order, kNoCard in whatever is left. A card that finds no
// free slot is dropped.
CardKeys SlotsForSave(const CardKeys &deck, const CardKeys &cardsOut);

// True when `keys` name no card at all (every key empty or kNoCard): there is no deck to save.
bool HoldsNoCard(const CardKeys &keys);

// Writes the deck file `state.deckFileName` (through a link of that name, the file it leads
// to) from fileSlots, deckStyleName, reversed and gypsieDeck. An empty style word is written,
// and kept, as "Thoth ". The file is replaced only by a complete new one: on success deckState
// becomes NothingToSave; on failure the file that was there is untouched, deckState keeps its
// value and `error` says why. File slots that hold no card are refused that way too: such a
// file would replace a deck with one that deals nothing.
bool WriteDeckFile(ProgramState &state, QString *error);

// What the user is told when a deck file could not be written.
QString SaveFailedMessage(const QString &path, const QString &reason);
