#include "app/cardtable.h"
#include "app/programstate.h"
#include "deck/shuffle.h"
#include "platform/random.h"

#include <QQueue>
#include <QTest>

#include <algorithm>

namespace {

// c0 c1 ... c(count-1): cards named by their starting position.
QStringList Cards(int count)
{
    QStringList cards;
    for (int i = 0; i < count; ++i)
        cards << QStringLiteral("c%1").arg(i);
    return cards;
}

// A draw that scales to `value` in a draw of 1 to m, and in a draw of m (0 to m - 1).
float OneTo(int value, int m)
{
    return (value - 0.5f) / m;
}
float Below(int value, int m)
{
    return (value + 0.5f) / m;
}

// Returns scripted draws and writes down every operation: "S" a reseed, "D" a draw.
class RecordingRandom : public platform::RandomSource
{
public:
    explicit RecordingRandom(const QList<float> &draws)
    {
        for (float r : draws)
            m_draws.enqueue(r);
    }
    void reseed() override { log += QLatin1Char('S'); }
    float next() override
    {
        log += QLatin1Char('D');
        return m_draws.isEmpty() ? 0.0f : m_draws.dequeue();
    }
    int Remaining() const { return static_cast<int>(m_draws.size()); }
    QString log;

private:
    QQueue<float> m_draws;
};

// The draws of one shuffle with a single turn of card 0: split shift, mode, clump, side.
QList<float> ShuffleDraws(int direction, int shift, int mode, int clump, int side)
{
    QList<float> draws { Below(0, 3), Below(0, 77), OneTo(direction, 2), OneTo(shift, 3), OneTo(mode, 15) };
    if (mode != 4 && mode != 12)
        draws << OneTo(clump, 5);
    draws << OneTo(side, 2);
    return draws;
}

CardKeys NewDeckKeys()
{
    CardKeys deck;
    for (int n = 0; n < kCardCount; ++n)
        deck[n] = CardKey(n);
    return deck;
}

} // namespace

class tst_shuffle : public QObject
{
    Q_OBJECT

private slots:
    void interleaves_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("clump");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("expected");
        // mode 1 is clump mode; 4 and 12 are pair mode, which draws no clump size.
        QTest::newRow("8, clump 1, top first") << 8 << 1 << 1 << 1 << 1 << 1 << "c0 c4 c1 c5 c2 c6 c3 c7";
        QTest::newRow("8, clump 3, bottom first") << 8 << 1 << 1 << 1 << 3 << 2 << "c4 c5 c6 c0 c1 c2 c3 c7";
        QTest::newRow("8, pairs (4), top first") << 8 << 1 << 1 << 4 << 0 << 1 << "c0 c1 c4 c5 c2 c3 c6 c7";
        QTest::newRow("8, pairs (12), bottom first") << 8 << 1 << 1 << 12 << 0 << 2 << "c4 c5 c0 c1 c2 c3 c6 c7";
        QTest::newRow("8, mode 15 is clump mode") << 8 << 1 << 1 << 15 << 1 << 1 << "c0 c4 c1 c5 c2 c6 c3 c7";
        QTest::newRow("5, top first keeps the order") << 5 << 1 << 1 << 1 << 3 << 1 << "c0 c1 c2 c3 c4";
        QTest::newRow("5, clump 2, bottom first") << 5 << 1 << 1 << 1 << 2 << 2 << "c1 c2 c0 c3 c4";
        QTest::newRow("5, clump 5, bottom first") << 5 << 1 << 1 << 1 << 5 << 2 << "c1 c2 c3 c4 c0";
        QTest::newRow("4, clump 1, top first") << 4 << 1 << 1 << 1 << 1 << 1 << "c0 c2 c1 c3";
        QTest::newRow("4, clump 1, bottom first") << 4 << 1 << 1 << 1 << 1 << 2 << "c2 c0 c1 c3";
        QTest::newRow("4, clump 2, top first") << 4 << 1 << 1 << 1 << 2 << 1 << "c0 c1 c2 c3";
        QTest::newRow("4, pairs, bottom first") << 4 << 1 << 1 << 4 << 0 << 2 << "c2 c3 c0 c1";
        QTest::newRow("11, no shift") << 11 << 2 << 3 << 1 << 1 << 1 << "c0 c5 c1 c6 c2 c7 c3 c8 c4 c9 c10";
        QTest::newRow("12, bottom part grows by 3")
            << 12 << 2 << 3 << 1 << 1 << 1 << "c0 c3 c1 c4 c2 c5 c6 c7 c8 c9 c10 c11";
        QTest::newRow("12, bottom part shrinks by 3")
            << 12 << 1 << 3 << 1 << 1 << 2 << "c9 c0 c1 c10 c2 c11 c3 c4 c5 c6 c7 c8";
    }
    void interleaves()
    {
        QFETCH(int, count);
        QFETCH(int, direction);
        QFETCH(int, shift);
        QFETCH(int, mode);
        QFETCH(int, clump);
        QFETCH(int, side);
        QFETCH(QString, expected);
        QStringList cards = Cards(count);
        CardFlags reversed {};
        RecordingRandom random(ShuffleDraws(direction, shift, mode, clump, side));
        QCOMPARE(ShuffleCards(cards, reversed, random), ShuffleOutcome::Shuffled);
        QCOMPARE(cards.join(QLatin1Char(' ')), expected);
        QCOMPARE(random.Remaining(), 0);
    }

    // The bottom part's first card comes first when the bottom side starts with clumps of
    // one, so the deck's top card tells where the split fell.
    void splitPoint_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("top");
        QTest::newRow("78, down 1") << 78 << 1 << 1 << "c40";
        QTest::newRow("78, down 2") << 78 << 1 << 2 << "c41";
        QTest::newRow("78, down 3") << 78 << 1 << 3 << "c42";
        QTest::newRow("78, up 1") << 78 << 2 << 1 << "c38";
        QTest::newRow("78, up 2") << 78 << 2 << 2 << "c37";
        QTest::newRow("78, up 3") << 78 << 2 << 3 << "c36";
        QTest::newRow("77 (odd: 40 below), down 1") << 77 << 1 << 1 << "c38";
        QTest::newRow("13 (odd: 8 below), up 3") << 13 << 2 << 3 << "c2";
        QTest::newRow("9 (odd: 6 below), no shift") << 9 << 2 << 3 << "c3";
        QTest::newRow("7 (odd: 4 below)") << 7 << 1 << 1 << "c3";
    }
    void splitPoint()
    {
        QFETCH(int, count);
        QFETCH(int, direction);
        QFETCH(int, shift);
        QFETCH(QString, top);
        QStringList cards = Cards(count);
        CardFlags reversed {};
        RecordingRandom random(ShuffleDraws(direction, shift, 1, 1, 2));
        QCOMPARE(ShuffleCards(cards, reversed, random), ShuffleOutcome::Shuffled);
        QCOMPARE(cards.first(), top);
        QCOMPARE(cards.at(1), QStringLiteral("c0"));
    }

    // A seeded generator gives the same shuffle only when every operation comes in order.
    void randomOperationsInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("log");
        QTest::newRow("clump mode, two turns") << 8
                                               << QList<float> { Below(1, 3), 0.1f, 0.2f, OneTo(1, 2), OneTo(1, 3),
                                                      OneTo(1, 15), OneTo(3, 5), OneTo(1, 2) }
                                               << "SDDDSDDDDD";
        QTest::newRow("pair mode, one turn")
            << 8 << QList<float> { Below(0, 3), 0.1f, OneTo(1, 2), OneTo(1, 3), OneTo(4, 15), OneTo(1, 2) }
            << "SDDSDDDD";
        QTest::newRow("three cards stop after the turns")
            << 3 << QList<float> { Below(2, 3), 0.1f, 0.2f, 0.3f } << "SDDDDS";
    }
    void randomOperationsInOrder()
    {
        QFETCH(int, count);
        QFETCH(QList<float>, draws);
        QFETCH(QString, log);
        QStringList cards = Cards(count);
        CardFlags reversed {};
        RecordingRandom random(draws);
        ShuffleCards(cards, reversed, random);
        QCOMPARE(random.log, log);
        QCOMPARE(random.Remaining(), 0);
    }

    void turnsCards_data()
    {
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QList<int>>("before"); // pairs: card number, flag
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("one card turned") << QList<float> { Below(0, 3), Below(5, 77) } << QList<int> {}
                                         << QList<int> { 5, 1 };
        QTest::newRow("a reversed card turned back")
            << QList<float> { Below(0, 3), Below(10, 77) } << QList<int> { 10, 1 } << QList<int> { 10, 0 };
        QTest::newRow("the same card twice") << QList<float> { Below(2, 3), Below(3, 77), Below(3, 77), Below(60, 77) }
                                             << QList<int> {} << QList<int> { 60, 1 };
        QTest::newRow("a draw just below one turns card 76, never 77") << QList<float> { 0.99999994f, 0.99999994f,
            0.99999994f, 0.99999994f } << QList<int> {} << QList<int> { 76, 1 };
        QTest::newRow("any other flag becomes 0")
            << QList<float> { Below(0, 3), Below(7, 77) } << QList<int> { 7, 2 } << QList<int> { 7, 0 };
    }
    void turnsCards()
    {
        QFETCH(QList<float>, draws);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        CardFlags reversed {};
        for (int i = 0; i + 1 < before.size(); i += 2)
            reversed[before[i]] = static_cast<std::int16_t>(before[i + 1]);
        CardFlags expected {};
        for (int i = 0; i + 1 < after.size(); i += 2)
            expected[after[i]] = static_cast<std::int16_t>(after[i + 1]);
        // Three cards are too few to shuffle: the turns stand and the order stays.
        QStringList cards = Cards(3);
        RecordingRandom random(draws);
        QCOMPARE(ShuffleCards(cards, reversed, random), ShuffleOutcome::TooFewCards);
        QCOMPARE(cards, Cards(3));
        QVERIFY(reversed == expected);
    }

    void tooFewCards_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void tooFewCards()
    {
        QFETCH(int, count);
        CardKeys deck;
        deck.fill(kNoCard);
        for (int i = 0; i < count; ++i)
            deck[i] = CardKey(i);
        const CardKeys before = deck;
        CardFlags reversed {};
        RecordingRandom random({ Below(0, 3), Below(20, 77) });
        QCOMPARE(StartShuffle(deck, reversed, random), ShuffleOutcome::TooFewCards);
        QVERIFY(deck == before);
        QCOMPARE(reversed[20], std::int16_t(1));
    }

    void gapsArePacked()
    {
        // A deck file may hold empty slots between cards: every card is shuffled, none is
        // lost or doubled, and the cards end packed from the top.
        CardKeys deck;
        deck.fill(kNoCard);
        const int positions[] = { 0, 1, 3, 4, 6, 7, 8, 77 };
        for (int i = 0; i < 8; ++i)
            deck[positions[i]] = QStringLiteral("c%1").arg(i);
        CardFlags reversed {};
        RecordingRandom random(ShuffleDraws(1, 1, 1, 1, 1));
        QCOMPARE(StartShuffle(deck, reversed, random), ShuffleOutcome::Shuffled);
        const QStringList expected = QStringLiteral("c0 c4 c1 c5 c2 c6 c3 c7").split(QLatin1Char(' '));
        for (int i = 0; i < kCardCount; ++i)
            QCOMPARE(deck[i], i < 8 ? expected[i] : kNoCard);
    }

    void fullDeckKeepsEveryKey()
    {
        // With the clock-seeded generator: whatever it draws, the deck keeps its 78 keys,
        // Ten Disks is never turned and no flag leaves 0 and 1.
        const CardKeys keys = NewDeckKeys();
        QStringList sortedKeys(keys.begin(), keys.end());
        sortedKeys.sort();
        CardKeys deck = keys;
        CardFlags reversed {};
        for (int round = 0; round < 300; ++round) {
            const CardFlags before = reversed;
            QCOMPARE(StartShuffle(deck, reversed, platform::Random()), ShuffleOutcome::Shuffled);
            QStringList now(deck.begin(), deck.end());
            now.sort();
            QCOMPARE(now, sortedKeys);
            QCOMPARE(reversed[77], std::int16_t(0));
            int changed = 0;
            for (int n = 0; n < kCardCount; ++n) {
                QVERIFY(reversed[n] == 0 || reversed[n] == 1);
                changed += reversed[n] != before[n];
            }
            QVERIFY(changed <= 3);
        }
    }

    void partDeckKeepsEmptySlots()
    {
        CardKeys deck;
        deck.fill(kNoCard);
        for (int i = 0; i < 40; ++i)
            deck[i] = CardKey(i);
        CardFlags reversed {};
        for (int round = 0; round < 50; ++round) {
            StartShuffle(deck, reversed, platform::Random());
            QStringList cards(deck.begin(), deck.begin() + 40);
            cards.sort();
            QStringList expected;
            for (int i = 0; i < 40; ++i)
                expected << CardKey(i);
            expected.sort();
            QCOMPARE(cards, expected);
            QVERIFY(std::all_of(deck.begin() + 40, deck.end(), [](const QString &key) { return key == kNoCard; }));
        }
    }
};

QTEST_MAIN(tst_shuffle)
#include "tst_shuffle.moc"
