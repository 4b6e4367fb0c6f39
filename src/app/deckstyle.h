// The two deck styles, Thoth and Traditional. Strength and Justice trade places between them,
// and The Emperor, Strength, Justice and The Star have a picture for each style.
#pragma once

#include "app/programstate.h"

#include <QString>

// The style words of the deck file.
inline const QString kThothStyleName = QStringLiteral("Thoth ");
inline const QString kTraditionalStyleName = QStringLiteral("Tradl ");

inline const QString kStyleCardsOutMessage
    = QStringLiteral("Properties can not be changed with effected cards outside the deck");

// True while The Emperor, Strength, Justice or The Star is out of the deck: the options cannot
// be changed then.
bool StyleCardOut(const CardKeys &cardsOut);

// True while Strength or Justice is out of the deck: swapping their keys then would leave one
// key twice in the deck once the card comes back.
bool StyleChoiceBlocked(const CardKeys &cardsOut);

// One pass over the deck: "Justice " becomes "Strength " and "Strength " becomes "Justice ",
// wherever they lie.
void SwapStrengthAndJustice(CardKeys &deck);

// The Thoth choice: deckStyle Thoth, "Thoth ", and the key swap. The Traditional choice:
// deckStyle Traditional, "Tradl ", and the key swap unless the deck is a new one (DeckState::New).
// Both refuse, changing nothing and returning false, while StyleChoiceBlocked.
bool ChooseThoth(ProgramState &state);
bool ChooseTraditional(ProgramState &state);
