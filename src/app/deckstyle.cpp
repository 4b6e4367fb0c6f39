#include "app/deckstyle.h"

#include "app/cardtable.h"

namespace {

constexpr int kEmperor = 4;
constexpr int kStar = 17;

bool IsOut(const CardKeys &cardsOut, int card)
{
    return cardsOut[card] == CardKey(card);
}

} // namespace

bool StyleCardOut(const CardKeys &cardsOut)
{
    return IsOut(cardsOut, kEmperor) || IsOut(cardsOut, kStrength) || IsOut(cardsOut, kJustice)
        || IsOut(cardsOut, kStar);
}

bool StyleChoiceBlocked(const CardKeys &cardsOut)
{
    // Any entry other than the marker counts: whatever stands there, the card is not in the deck.
    return cardsOut[kStrength] != kNoCard || cardsOut[kJustice] != kNoCard;
}

void SwapStrengthAndJustice(CardKeys &deck)
{
    const QString strength = CardKey(kStrength);
    const QString justice = CardKey(kJustice);
    for (QString &key : deck) {
        if (key == justice)
            key = strength;
        else if (key == strength)
            key = justice;
    }
}

bool ChooseThoth(ProgramState &state)
{
    if (StyleChoiceBlocked(state.cardsOut))
        return false;
    state.deckStyle = DeckStyle::Thoth;
    state.deckStyleName = kThothStyleName;
    SwapStrengthAndJustice(state.deck);
    return true;
}

bool ChooseTraditional(ProgramState &state)
{
    if (StyleChoiceBlocked(state.cardsOut))
        return false;
    state.deckStyle = DeckStyle::Traditional;
    state.deckStyleName = kTraditionalStyleName;
    if (state.deckState != DeckState::New)
        SwapStrengthAndJustice(state.deck);
    return true;
}
