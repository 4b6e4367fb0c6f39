#include "deck/cut.h"

#include "deck/deckcards.h"
#include "platform/random.h"

#include <algorithm>

CutOutcome StartCut(CardKeys &deck, platform::RandomSource &random)
{
    QStringList cards = CardsInDeck(deck);
    const CutOutcome outcome = CutDeck(cards, random);
    if (outcome == CutOutcome::Cut)
        PutCardsInDeck(deck, cards);
    return outcome;
}

CutOutcome StartCutTwice(CardKeys &deck)
{
    QStringList cards = CardsInDeck(deck);
    const CutOutcome outcome = CutDeckTwice(cards);
    if (outcome == CutOutcome::Cut)
        PutCardsInDeck(deck, cards);
    return outcome;
}

CutOutcome CutDeck(QStringList &cards, platform::RandomSource &random)
{
    const int count = static_cast<int>(cards.size());
    if (count == 1)
        return CutOutcome::OneCard;

    int kept = LowerPartSize(count);
    const int direction = DrawFromOneTo(random, 2);
    const int shift = DrawFromOneTo(random, 5);
    if (count >= 12)
        kept += direction == 1 ? -shift : shift;
    if (count == 0)
        return CutOutcome::Cut;

    // The top `count - kept` cards go under the rest. With an odd count the bottom card
    // stays where it is and the cut-off part goes above it.
    const bool odd = count % 2 == 1;
    kept = std::clamp(kept, odd ? 1 : 0, count);
    const int cutOff = count - kept;
    QStringList result = cards.mid(cutOff, odd ? kept - 1 : kept);
    result += cards.mid(0, cutOff);
    if (odd)
        result << cards.last();
    cards = result;
    return CutOutcome::Cut;
}

CutOutcome CutDeckTwice(QStringList &cards)
{
    const int count = static_cast<int>(cards.size());
    if (count < 3)
        return CutOutcome::TooFewCards;
    if (count == 3) {
        cards.swapItemsAt(0, 2);
        return CutOutcome::Cut;
    }
    const int block = (count + 1) / 3 - 1;
    QStringList result = cards.mid(count - block);
    result += cards.mid(block, count - 2 * block);
    result += cards.mid(0, block);
    cards = result;
    return CutOutcome::Cut;
}
