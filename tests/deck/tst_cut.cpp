#include "app/cardtable.h"
#include "app/programstate.h"
#include "deck/cut.h"
#include "platform/random.h"
#include "support/scriptedrandom.h"

#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

// c<from> ... c<to>, both included.
QStringList Range(int from, int to)
{
    QStringList cards;
    for (int i = from; i <= to; ++i)
        cards << QStringLiteral("c%1").arg(i);
    return cards;
}

QStringList Cards(int count)
{
    return Range(0, count - 1);
}

float OneTo(int value, int m)
{
    return (value - 0.5f) / m;
}

CardKeys DeckOf(const QStringList &cards)
{
    CardKeys deck;
    deck.fill(kNoCard);
    for (int i = 0; i < cards.size(); ++i)
        deck[i] = cards[i];
    return deck;
}

} // namespace

class tst_cut : public QObject
{
    Q_OBJECT

private slots:
    void cutOnce_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("2") << 2 << 1 << 1 << QStringList { "c1", "c0" };
        QTest::newRow("3: the bottom card stays") << 3 << 1 << 1 << QStringList { "c1", "c0", "c2" };
        QTest::newRow("4") << 4 << 1 << 1 << QStringList { "c2", "c3", "c0", "c1" };
        QTest::newRow("5") << 5 << 1 << 1 << QStringList { "c1", "c2", "c3", "c0", "c4" };
        QTest::newRow("7") << 7 << 2 << 5 << (Range(3, 5) + Range(0, 2) + Range(6, 6));
        QTest::newRow("11: no shift") << 11 << 2 << 5 << (Range(5, 9) + Range(0, 4) + Range(10, 10));
        QTest::newRow("12, down 5") << 12 << 1 << 5 << (Range(11, 11) + Range(0, 10));
        QTest::newRow("12, up 5") << 12 << 2 << 5 << (Range(1, 11) + Range(0, 0));
        QTest::newRow("13, down 5") << 13 << 1 << 5 << (Range(10, 11) + Range(0, 9) + Range(12, 12));
        QTest::newRow("13, up 5: nothing cut off") << 13 << 2 << 5 << Cards(13);
        QTest::newRow("78, down 3") << 78 << 1 << 3 << (Range(42, 77) + Range(0, 41));
        QTest::newRow("77, up 2: the bottom card stays")
            << 77 << 2 << 2 << (Range(35, 75) + Range(0, 34) + Range(76, 76));
    }
    void cutOnce()
    {
        QFETCH(int, count);
        QFETCH(int, direction);
        QFETCH(int, shift);
        QFETCH(QStringList, expected);
        QStringList cards = Cards(count);
        ScriptedRandom random;
        random.Push({ OneTo(direction, 2), OneTo(shift, 5) });
        QCOMPARE(CutDeck(cards, random), CutOutcome::Cut);
        QCOMPARE(cards, expected);
        QCOMPARE(random.draws, 2);
        QCOMPARE(random.reseeds, 0);
    }

    void fullDeckMovesBetween34And44Cards()
    {
        QSet<int> moved;
        for (int direction = 1; direction <= 2; ++direction) {
            for (int shift = 1; shift <= 5; ++shift) {
                QStringList cards = Cards(78);
                ScriptedRandom random;
                random.Push({ OneTo(direction, 2), OneTo(shift, 5) });
                CutDeck(cards, random);
                // The old top card now lies right under the cards that stayed.
                const int kept = static_cast<int>(cards.indexOf(QStringLiteral("c0")));
                QCOMPARE(cards.mid(kept), Range(0, 77 - kept));
                moved.insert(78 - kept);
            }
        }
        QCOMPARE(moved, (QSet<int> { 34, 35, 36, 37, 38, 40, 41, 42, 43, 44 }));
    }

    void cutOnceRefusals_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<CutOutcome>("outcome");
        QTest::addColumn<int>("draws");
        QTest::newRow("one card: refused before drawing") << 1 << CutOutcome::OneCard << 0;
        QTest::newRow("empty deck: draws, changes nothing, no refusal") << 0 << CutOutcome::Cut << 2;
    }
    void cutOnceRefusals()
    {
        QFETCH(int, count);
        QFETCH(CutOutcome, outcome);
        QFETCH(int, draws);
        CardKeys deck = DeckOf(Cards(count));
        const CardKeys before = deck;
        ScriptedRandom random;
        random.Push({ OneTo(2, 2), OneTo(5, 5) });
        QCOMPARE(StartCut(deck, random), outcome);
        QVERIFY(deck == before);
        QCOMPARE(random.draws, draws);
    }

    void cutTwice_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("3: reversed") << 3 << QStringList { "c2", "c1", "c0" };
        QTest::newRow("4: unchanged") << 4 << Cards(4);
        QTest::newRow("5") << 5 << (Range(4, 4) + Range(1, 3) + Range(0, 0));
        QTest::newRow("7") << 7 << (Range(6, 6) + Range(1, 5) + Range(0, 0));
        QTest::newRow("8") << 8 << (Range(6, 7) + Range(2, 5) + Range(0, 1));
        QTest::newRow("10") << 10 << (Range(8, 9) + Range(2, 7) + Range(0, 1));
        QTest::newRow("11") << 11 << (Range(8, 10) + Range(3, 7) + Range(0, 2));
        QTest::newRow("13") << 13 << (Range(10, 12) + Range(3, 9) + Range(0, 2));
        QTest::newRow("76") << 76 << (Range(52, 75) + Range(24, 51) + Range(0, 23));
        QTest::newRow("77") << 77 << (Range(52, 76) + Range(25, 51) + Range(0, 24));
        QTest::newRow("78") << 78 << (Range(53, 77) + Range(25, 52) + Range(0, 24));
    }
    void cutTwice()
    {
        QFETCH(int, count);
        QFETCH(QStringList, expected);
        QStringList cards = Cards(count);
        QCOMPARE(CutDeckTwice(cards), CutOutcome::Cut);
        QCOMPARE(cards, expected);
    }

    void cutTwiceRefusesFewerThanThree_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
    }
    void cutTwiceRefusesFewerThanThree()
    {
        QFETCH(int, count);
        CardKeys deck = DeckOf(Cards(count));
        const CardKeys before = deck;
        QCOMPARE(StartCutTwice(deck), CutOutcome::TooFewCards);
        QVERIFY(deck == before);
    }

    void gapsArePacked_data()
    {
        QTest::addColumn<bool>("twice");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("once") << false << (Range(4, 7) + Range(0, 3));
        QTest::newRow("twice") << true << (Range(6, 7) + Range(2, 5) + Range(0, 1));
    }
    void gapsArePacked()
    {
        // Empty slots between the cards of a deck read from a file: every card is cut, none is
        // lost or doubled, and the cards end packed from the top.
        QFETCH(bool, twice);
        QFETCH(QStringList, expected);
        CardKeys deck;
        deck.fill(kNoCard);
        const int positions[] = { 1, 2, 5, 9, 10, 40, 41, 77 };
        for (int i = 0; i < 8; ++i)
            deck[positions[i]] = QStringLiteral("c%1").arg(i);
        ScriptedRandom random;
        random.Push({ OneTo(1, 2), OneTo(1, 5) });
        QCOMPARE(twice ? StartCutTwice(deck) : StartCut(deck, random), CutOutcome::Cut);
        for (int i = 0; i < kCardCount; ++i)
            QCOMPARE(deck[i], i < 8 ? expected[i] : kNoCard);
    }

    void everyKeyStays_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("full deck") << 78;
        QTest::newRow("25 cards") << 25;
        QTest::newRow("12 cards") << 12;
    }
    void everyKeyStays()
    {
        QFETCH(int, count);
        QStringList keys;
        for (int n = 0; n < count; ++n)
            keys << CardKey(n);
        CardKeys deck = DeckOf(keys);
        keys.sort();
        for (int round = 0; round < 100; ++round) {
            if (round % 2 == 0)
                StartCut(deck, platform::Random());
            else
                StartCutTwice(deck);
            QStringList now(deck.begin(), deck.begin() + count);
            now.sort();
            QCOMPARE(now, keys);
            QVERIFY(std::all_of(deck.begin() + count, deck.end(), [](const QString &key) { return key == kNoCard; }));
        }
    }
};

QTEST_MAIN(tst_cut)
#include "tst_cut.moc"
