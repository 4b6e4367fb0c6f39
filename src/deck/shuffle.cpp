#include "deck/shuffle.h"

#include "deck/deckcards.h"
#include "platform/random.h"

#include <algorithm>

namespace {

// One to three cards change their orientation. Card 77 is never drawn; a card may be drawn
// twice and so turned back, and cards that are out of the deck are turned as well.
void TurnCards(CardFlags &reversed, platform::RandomSource &random)
{
    const int turns = DrawBelow(random, 3) + 1;
    for (int i = 0; i < turns; ++i) {
        const int card = DrawBelow(random, 77);
        reversed[card] = reversed[card] == 0 ? 1 : 0;
    }
}

// Puts the two parts back together, up to `clump` cards from each part in turn. The first
// round starts with the bottom part when `startSide` is 2; every later round starts with the
// top part. Once one part is used up the other follows in its order.
QStringList Interleave(const QStringList &top, const QStringList &bottom, int clump, int startSide)
{
    QStringList result;
    int topIndex = 0;
    int bottomIndex = 0;
    auto take = [&](const QStringList &part, int &index) {
        for (int i = 0; i < clump && index < part.size(); ++i)
            result << part[index++];
    };
    const int count = static_cast<int>(top.size() + bottom.size());
    for (int round = 0; result.size() < count; ++round) {
        if (round == 0 && startSide == 2) {
            take(bottom, bottomIndex);
            take(top, topIndex);
        } else {
            take(top, topIndex);
            take(bottom, bottomIndex);
        }
    }
    return result;
}

} // namespace

ShuffleOutcome StartShuffle(CardKeys &deck, CardFlags &reversed, platform::RandomSource &random)
{
    QStringList cards = CardsInDeck(deck);
    const ShuffleOutcome outcome = ShuffleCards(cards, reversed, random);
    if (outcome == ShuffleOutcome::Shuffled)
        PutCardsInDeck(deck, cards);
    return outcome;
}

ShuffleOutcome ShuffleCards(QStringList &cards, CardFlags &reversed, platform::RandomSource &random)
{
    random.reseed();
    TurnCards(reversed, random);
    random.reseed();

    const int count = static_cast<int>(cards.size());
    if (count < 4)
        return ShuffleOutcome::TooFewCards;

    int bottomSize = LowerPartSize(count);
    const int direction = DrawFromOneTo(random, 2);
    const int shift = DrawFromOneTo(random, 3);
    if (count >= 12)
        bottomSize += direction == 1 ? -shift : shift;
    bottomSize = std::clamp(bottomSize, 0, count);

    const int mode = DrawFromOneTo(random, 15);
    const int clump = (mode == 4 || mode == 12) ? 2 : DrawFromOneTo(random, 5);
    const int startSide = DrawFromOneTo(random, 2);

    const QStringList top = cards.mid(0, count - bottomSize);
    const QStringList bottom = cards.mid(count - bottomSize);
    cards = Interleave(top, bottom, clump, startSide);
    return ShuffleOutcome::Shuffled;
}
