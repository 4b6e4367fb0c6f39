#include "app/cardtable.h"
#include "deck/decksize.h"

#include <QTest>

namespace {

CardKeys DeckOf(int cards)
{
    CardKeys deck;
    for (int i = 0; i < kCardCount; ++i)
        deck[i] = i < cards ? CardKey(i) : kNoCard;
    return deck;
}

} // namespace

class tst_decksize : public QObject
{
    Q_OBJECT

private slots:
    void shiftDeck()
    {
        CardKeys deck = DeckOf(3);
        ShiftDeck(deck);
        QCOMPARE(deck[0], CardKey(1));
        QCOMPARE(deck[1], CardKey(2));
        QCOMPARE(deck[2], kNoCard);
        QCOMPARE(deck[77], kNoCard);

        CardKeys one = DeckOf(1);
        ShiftDeck(one);
        QVERIFY(one == DeckOf(0));
        QVERIFY(DeckIsEmpty(one));
    }

    void firstFreePosition()
    {
        QCOMPARE(FirstFreePosition(DeckOf(0)), 0);
        QCOMPARE(FirstFreePosition(DeckOf(40)), 40);
        QCOMPARE(FirstFreePosition(DeckOf(78)), -1);
    }

    void sizeAfterCardTaken_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("newHeight");
        QTest::addColumn<float>("newWidth");
        QTest::newRow("design size shrinks one step") << 3702.0f << 2727.0f << float(3702 - 3.68) << float(2727 - 6.15);
        QTest::newRow("steps add up as decimals") << float(3702 - 3.68) << float(2727 - 6.15) << float(3702 - 7.36)
                                                  << float(2727 - 12.3);
        QTest::newRow("just above the floor") << 3410.0f << 2250.0f << float(3410 - 3.68) << float(2250 - 6.15);
        QTest::newRow("at the floor") << 3409.0f << 2300.0f << 3409.0f << 2244.0f;
        QTest::newRow("below the floor") << 3000.0f << 2000.0f << 3409.0f << 2244.0f;
    }
    void sizeAfterCardTaken()
    {
        QFETCH(float, height);
        QFETCH(float, width);
        QFETCH(float, newHeight);
        QFETCH(float, newWidth);
        const DeckWindowSize size = SizeAfterCardTaken(height, width);
        QCOMPARE(size.height, newHeight);
        QCOMPARE(size.width, newWidth);
    }

    void sizeAfterCardReturned_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<float>("newHeight");
        QTest::addColumn<float>("newWidth");
        QTest::newRow("into an empty deck, from the floor")
            << 3409.0f << 2244.0f << 1 << true << float(3409 + 3.68) << float(2244 + 6.15);
        QTest::newRow("at the threshold grows a step")
            << 3796.0f << 2500.0f << 30 << true << float(3796 + 3.68) << float(2500 + 6.15);
        QTest::newRow("taller than the threshold: sized by count")
            << 3900.0f << 2800.0f << 40 << true << float(3409 + 39 * 3.68) << float(2244 + 39 * 6.15);
        QTest::newRow("77 cards") << 4000.0f << 3000.0f << 77 << true << float(3409 + 76 * 3.68)
                                  << float(2244 + 76 * 6.15);
        QTest::newRow("full deck keeps its size") << 4000.0f << 3000.0f << 78 << false << 0.0f << 0.0f;
    }
    void sizeAfterCardReturned()
    {
        QFETCH(float, height);
        QFETCH(float, width);
        QFETCH(int, cards);
        QFETCH(bool, changes);
        QFETCH(float, newHeight);
        QFETCH(float, newWidth);
        const auto size = SizeAfterCardReturned(height, width, DeckOf(cards));
        QCOMPARE(size.has_value(), changes);
        if (changes) {
            QCOMPARE(size->height, newHeight);
            QCOMPARE(size->width, newWidth);
        }
    }
};

QTEST_GUILESS_MAIN(tst_decksize)
#include "tst_decksize.moc"
