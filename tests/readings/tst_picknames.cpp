// Pick A Card's view of the deck, and the pictures and cache files of the reading deal, the
// pick and the re-show of a card that is out.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "platform/resources.h"
#include "readings/cardpictures.h"
#include "readings/pickcard.h"

#include <QTest>

namespace {

// A deck holding the first `count` cards of a new deck.
CardKeys DeckOf(int count)
{
    CardKeys deck;
    for (int i = 0; i < kCardCount; ++i)
        deck[i] = i < count ? CardKey(i) : kNoCard;
    return deck;
}

QString Names(const QList<DealPicture> &pictures)
{
    QStringList parts;
    for (const DealPicture &picture : pictures)
        parts << picture.resource + QLatin1String(" > ") + picture.cacheFile;
    return parts.join(QLatin1String(", "));
}

QString Names(const DealPicture &picture)
{
    return Names(QList<DealPicture> { picture });
}

} // namespace

class tst_picknames : public QObject
{
    Q_OBJECT

private slots:
    void positionList_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("count");
        QTest::newRow("full deck") << 78 << 78;
        QTest::newRow("40 cards") << 40 << 40;
        QTest::newRow("one card") << 1 << 1;
        QTest::newRow("empty deck") << 0 << 0;
    }
    void positionList()
    {
        QFETCH(int, cards);
        QFETCH(int, count);
        const int listed = PickListCount(DeckOf(cards));
        QCOMPARE(listed, count);
        const QStringList entries = PositionEntries(listed);
        QCOMPARE(entries.size(), count);
        if (count > 0) {
            QCOMPARE(entries.first(), QStringLiteral("1"));
            QCOMPARE(entries.last(), QString::number(count));
        }
    }

    // Only a position that holds a card now can be picked.
    void positionOfEntry_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("position");
        QTest::newRow("top card") << 78 << "1" << 0;
        QTest::newRow("bottom of a full deck") << 78 << "78" << 77;
        QTest::newRow("last card of 40") << 40 << "40" << 39;
        QTest::newRow("counted before the deck shrank") << 40 << "41" << -1;
        QTest::newRow("empty deck") << 0 << "1" << -1;
        QTest::newRow("zero") << 78 << "0" << -1;
        QTest::newRow("beyond the deck") << 78 << "79" << -1;
        QTest::newRow("not a number") << 78 << "one" << -1;
        QTest::newRow("nothing") << 78 << "" << -1;
    }
    void positionOfEntry()
    {
        QFETCH(int, cards);
        QFETCH(QString, entry);
        QTEST(PositionOfEntry(entry, DeckOf(cards)), "position");
    }

    void positionOfCard()
    {
        CardKeys deck = DeckOf(10);
        deck[7] = CardKey(3); // a malformed deck file can hold a key twice
        QCOMPARE(PositionOfCard(deck, CardKey(3)), 3);
        QCOMPARE(PositionOfCard(deck, CardKey(9)), 9);
        QCOMPARE(PositionOfCard(deck, CardKey(10)), -1);
        // Empty positions hold the marker, but it names no card.
        QCOMPARE(PositionOfCard(deck, kNoCard), -1);
        QCOMPARE(PositionOfCard(deck, QStringLiteral("The Fool")), -1);
    }

    void removeDeckEntry_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("top") << 0;
        QTest::newRow("middle") << 30;
        QTest::newRow("bottom of a full deck") << 77;
    }
    void removeDeckEntry()
    {
        QFETCH(int, position);
        const CardKeys before = DeckOf(78);
        CardKeys deck = before;
        RemoveDeckEntry(deck, position);
        for (int i = 0; i < position; ++i)
            QCOMPARE(deck[i], before[i]);
        for (int i = position; i < 77; ++i)
            QCOMPARE(deck[i], before[i + 1]);
        QCOMPARE(deck[77], kNoCard);
    }

    // The reading deal: the style cards write their Thoth picture first and, in the Traditional
    // style, their Traditional picture after it; the last one is shown.
    void readingDealPictures_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("names");
        QTest::newRow("Fool") << 0 << 0 << ""
                              << "Foolcardbg > foolcardbg";
        QTest::newRow("High Priestess, own cache name") << 2 << 1 << ""
                                                        << "hpriestesscardbg > hpriestessbg";
        QTest::newRow("Hanged Man turned") << 12 << 0 << "5"
                                           << "hangmancardbg5 > hangedmanbg5";
        QTest::newRow("Emperor Thoth") << 4 << 0 << ""
                                       << "EmperorCardbg > emperorbg";
        QTest::newRow("Emperor Traditional")
            << 4 << 1 << "6"
            << "EmperorCardbg6 > emperorbg6, TraditionalEmperorbg6 > TraditionalEmperor6";
        QTest::newRow("Strength Traditional")
            << 8 << 1 << ""
            << "thothstrengthcardbg > thothstrengthbg, StrengthCardbg > StrengthCardbg";
        QTest::newRow("Justice Traditional") << 11 << 1 << ""
                                             << "ThothJusticeCardbg > thothjusticebg, JusticeCardbg > Justicebg";
        QTest::newRow("Star Traditional") << 17 << 1 << ""
                                          << "Starcardbg > starbg, TraditionalStarCardbg > TraditionalStarCardbg";
        QTest::newRow("Star, style 2 is Thoth") << 17 << 2 << ""
                                                << "Starcardbg > starbg";
        QTest::newRow("Knight Wands") << 22 << 0 << ""
                                      << "kingwandsbg > kingwandsbg";
        QTest::newRow("Princess Swords") << 29 << 0 << "5"
                                         << "PrincessSwordsbg5 > princessswordsbg5";
        QTest::newRow("Ten Disks") << 77 << 0 << "6"
                                   << "TenDisksbg6 > tendisksbg6";
    }
    void readingDealPictures()
    {
        QFETCH(int, card);
        QFETCH(int, deckStyle);
        QFETCH(QString, suffix);
        QTEST(Names(ReadingDealPictures(card, static_cast<DeckStyle>(deckStyle), suffix)), "names");
    }

    void takeAndOutPictures_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("take");
        QTest::addColumn<QString>("out");
        QTest::newRow("Fool") << 0 << 0 << "FoolCardbg > foolcardbg"
                              << "FoolCardbg > foolcardbg";
        QTest::newRow("Lovers") << 6 << 0 << "LoversCardbg > loversbg"
                                << "LoversCardbg > loverscardbg";
        QTest::newRow("Emperor Traditional") << 4 << 1 << "TraditionalEmperorbg > traditionalemperorbg"
                                             << "TraditionalEmperorBG > traditionalemperorbg";
        QTest::newRow("Strength Thoth") << 8 << 0 << "ThothStrengthCardbg > thothstrengthcardbg"
                                        << "ThothStrengthCardBG > thothstrengthcardbg";
        QTest::newRow("Strength Traditional") << 8 << 1 << "StrengthCardbg > strengthcardbg"
                                              << "StrengthCardBG > strengthcardbg";
        QTest::newRow("Justice, style 3 is Thoth") << 11 << 3 << "ThothJusticeCardbg > thothjusticebg"
                                                   << "ThothJusticeCardbg > thothjusticecardbg";
        QTest::newRow("Justice Traditional") << 11 << 1 << "JusticeCardbg > justice"
                                             << "JusticeCardBG > justicecardbg";
        QTest::newRow("Hanged Man") << 12 << 0 << "HangmanCardbg > hangemancardbg"
                                    << "HangmanCardbg > hangmancardbg";
        QTest::newRow("Star Traditional") << 17 << 1 << "TraditionalStarCardbg > traditionalstar"
                                          << "TraditionalStarCardbg > traditionalstarcardbg";
        QTest::newRow("Last Judgement") << 20 << 0 << "JudgementCardbg > lastjudgementbg"
                                        << "JudgementCardbg > lastjudgementbg";
        QTest::newRow("Prince Swords") << 28 << 0 << "PrinceSwordsbg > princeswordsbg"
                                       << "PrinceSwordsbg > princewordsbg";
        QTest::newRow("Princess Swords") << 29 << 0 << "PrincessSwordsbg > princessswordsbg"
                                         << "PrincessSwordsbg > princesswordsbg";
        QTest::newRow("Six Wands") << 43 << 0 << "SixWandsbg > sixwandsbg"
                                   << "SixWandsbg > Sixwandsbg";
        QTest::newRow("Ten Disks") << 77 << 0 << "TenDisksbg > tendisksbg"
                                   << "TenDisksbg > tendisksbg";
    }
    void takeAndOutPictures()
    {
        QFETCH(int, card);
        QFETCH(int, deckStyle);
        QTEST(Names(TakeCardPicture(card, static_cast<DeckStyle>(deckStyle), QString())), "take");
        QTEST(Names(OutCardPicture(card, static_cast<DeckStyle>(deckStyle), QString())), "out");
        // The suffix follows both the picture and its file.
        const DealPicture turned = TakeCardPicture(card, static_cast<DeckStyle>(deckStyle), QStringLiteral("6"));
        QVERIFY(turned.resource.endsWith(QLatin1Char('6')));
        QVERIFY(turned.cacheFile.endsWith(QLatin1Char('6')));
    }

    // Every picture the three can ask for is one the program carries, in every turn they use.
    void everyPictureIsEmbedded()
    {
        for (int n = 0; n < kCardCount; ++n) {
            for (int style : { 0, 1 }) {
                for (const char *suffix : { "", "5", "6" }) {
                    const QString s = QLatin1String(suffix);
                    QList<DealPicture> pictures = ReadingDealPictures(n, static_cast<DeckStyle>(style), s);
                    pictures << TakeCardPicture(n, static_cast<DeckStyle>(style), s)
                             << OutCardPicture(n, static_cast<DeckStyle>(style), s);
                    for (const DealPicture &picture : std::as_const(pictures))
                        QVERIFY2(platform::HasResource(picture.resource), qPrintable(picture.resource));
                }
            }
        }
    }
};

QTEST_MAIN(tst_picknames)
#include "tst_picknames.moc"
