#include "app/cardtable.h"
#include "app/initdeck.h"
#include "app/programstate.h"

#include <QSet>
#include <QTest>

class tst_cardtable : public QObject
{
    Q_OBJECT

private slots:
    void keysAndTitlesFollowTheNamingRule()
    {
        // Every key is its title plus one blank, except the cards named otherwise on purpose.
        const QSet<int> renamed{2, 12, 22, 26};
        QSet<QString> keys;
        QSet<QString> titles;
        for (int n = 0; n < kCardCount; ++n) {
            QCOMPARE(Card(n).number, n);
            QCOMPARE(CardObjectName(n), QStringLiteral("Form%1").arg(n + 1));
            keys.insert(CardKey(n));
            titles.insert(CardTitle(n));
            if (!renamed.contains(n))
                QCOMPARE(CardKey(n), CardTitle(n) + QLatin1Char(' '));
            QCOMPARE(CardNumberOfKey(CardKey(n)), n);
            QCOMPARE(CardNumberOfTitle(CardTitle(n)), n);
        }
        QCOMPARE(keys.size(), kCardCount);
        QCOMPARE(titles.size(), kCardCount);
        QVERIFY(!keys.contains(kNoCard));
    }

    void specialNames()
    {
        QCOMPARE(CardKey(2), QStringLiteral("High Priestess"));
        QCOMPARE(CardKey(12), QStringLiteral("The Hangedman "));
        QCOMPARE(CardTitle(12), QStringLiteral("Hanged Man"));
        QCOMPARE(CardKey(22), QStringLiteral("King Wands "));
        QCOMPARE(CardTitle(22), QStringLiteral("Knight Wands"));
        QCOMPARE(CardTitle(26), QStringLiteral("Knight Swords"));
        QCOMPARE(CardKey(kStrength), QStringLiteral("Strength "));
        QCOMPARE(CardKey(kJustice), QStringLiteral("Justice "));
        QCOMPARE(CardKey(77), QStringLiteral("Ten Disks "));
        // Keys are compared exactly.
        QCOMPARE(CardNumberOfKey(QStringLiteral("The Fool")), -1);
        QCOMPARE(CardNumberOfKey(QStringLiteral("the fool ")), -1);
    }

    void initDeck_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("eighth");
        QTest::addColumn<QString>("eleventh");
        QTest::newRow("Thoth") << 0 << "Justice " << "Strength ";
        QTest::newRow("Traditional") << 1 << "Strength " << "Justice ";
    }
    void initDeck()
    {
        QFETCH(int, style);
        QFETCH(QString, eighth);
        QFETCH(QString, eleventh);
        ProgramState state;
        state.deckStyle = static_cast<DeckStyle>(style);
        state.gypsieDeck = 1;
        state.reversed.fill(1);
        state.cardReturn = CardReturn::StaysOut;
        InitDeck(state);
        QCOMPARE(state.deck[8], eighth);
        QCOMPARE(state.deck[11], eleventh);
        for (int i = 0; i < kCardCount; ++i) {
            if (i != 8 && i != 11)
                QCOMPARE(state.deck[i], CardKey(i));
            QCOMPARE(state.cardsOut[i], kNoCard);
            QCOMPARE(int(state.reversed[i]), 0);
        }
        QCOMPARE(int(state.deckState), 1);
        QCOMPARE(int(state.gypsieDeck), 0);
        QCOMPARE(int(state.cardReturn), 1);
        QCOMPARE(int(state.deckStyle), style);

        // Building it again gives the same deck.
        const CardKeys first = state.deck;
        InitDeck(state);
        QVERIFY(state.deck == first);
    }
};

QTEST_GUILESS_MAIN(tst_cardtable)
#include "tst_cardtable.moc"
