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

bool ChooseThoth(SharedState &state)
{
    if (StyleChoiceBlocked(state.CardsOut))
        return false;
    state.DeckStyle = 0;
    state.DeckStyleName = kThothStyleName;
    SwapStrengthAndJustice(state.Deck);
    return true;
}

bool ChooseTraditional(SharedState &state)
{
    if (StyleChoiceBlocked(state.CardsOut))
        return false;
    state.DeckStyle = 1;
    state.DeckStyleName = kTraditionalStyleName;
    if (state.DeckState != 1)
        SwapStrengthAndJustice(state.Deck);
    return true;
}
