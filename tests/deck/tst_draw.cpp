// The free deal's table: which card the top key is, and the picture and cache file it deals.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "deck/draw.h"
#include "platform/resources.h"

#include <QTest>

class tst_draw : public QObject
{
    Q_OBJECT

private slots:
    // Every key of the table finds its card, and only the exact key does.
    void keys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("card");
        for (int n = 0; n < kCardCount; ++n)
            QTest::addRow("%s", qPrintable(CardKey(n))) << CardKey(n) << n;
        QTest::newRow("High Priestess with a blank") << QStringLiteral("High Priestess ") << -1;
        QTest::newRow("Fool in lower case") << QStringLiteral("the fool ") << -1;
        QTest::newRow("Fool without its blank") << QStringLiteral("The Fool") << -1;
        QTest::newRow("empty deck") << kNoCard << -1;
        QTest::newRow("title, not key") << QStringLiteral("Hanged Man") << -1;
    }
    void keys()
    {
        QFETCH(QString, key);
        QTEST(CardNumberOfKey(key), "card");
    }

    void picSuffix_data()
    {
        QTest::addColumn<int>("reversed");
        QTest::addColumn<int>("gypsie");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("upright") << 0 << 1 << QString();
        QTest::newRow("reversed, shown upright") << 1 << 0 << QString();
        QTest::newRow("reversed, shown upside down") << 1 << 1 << QStringLiteral("6");
        QTest::newRow("reversed 2 does not count") << 2 << 1 << QString();
        QTest::newRow("gypsie 2 does not count") << 1 << 2 << QString();
    }
    void picSuffix()
    {
        QFETCH(int, reversed);
        QFETCH(int, gypsie);
        QTEST(FreeDealPicSuffix(std::int16_t(reversed), std::int16_t(gypsie)), "suffix");
    }

    void names_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("cacheFile");
        QTest::newRow("Fool") << 0 << 0 << QString() << "FoolCardbg"
                              << "foolcardbg";
        QTest::newRow("Fool upside down") << 0 << 0 << "6"
                                          << "FoolCardbg6"
                                          << "foolcardbg6";
        QTest::newRow("Emperor Thoth") << 4 << 0 << QString() << "EmperorCardbg"
                                       << "Emperorbg";
        QTest::newRow("Emperor Traditional") << 4 << 1 << "6"
                                             << "TraditionalEmperorbg6"
                                             << "TraditionalEmperor6";
        QTest::newRow("Hierophant") << 5 << 1 << QString() << "HierophantCardbg"
                                    << "hierophantCardbg";
        QTest::newRow("Strength Thoth") << 8 << 3 << QString() << "ThothStrengthCardbg"
                                        << "ThothStrengthCard";
        QTest::newRow("Strength Traditional") << 8 << 1 << QString() << "StrengthCardbg"
                                              << "StrengthCard";
        QTest::newRow("Justice Thoth") << 11 << 0 << QString() << "ThothJusticeCardbg"
                                       << "thothjusticeCardbg";
        QTest::newRow("Justice Traditional") << 11 << 1 << QString() << "JusticeCardbg"
                                             << "JusticeCard";
        QTest::newRow("Hanged Man") << 12 << 0 << QString() << "HangmanCardbg"
                                    << "hangemanbg";
        QTest::newRow("Star Thoth") << 17 << 0 << QString() << "StarCardbg"
                                    << "starbg";
        QTest::newRow("Star Traditional") << 17 << 1 << QString() << "TraditionalStarCardbg"
                                          << "TraditionalStarCard";
        QTest::newRow("Last Judgement") << 20 << 0 << QString() << "JudgementCardbg"
                                        << "lastjudgementbg";
        QTest::newRow("Ace Wands") << 38 << 0 << QString() << "AceWandsbg"
                                   << "acewandsbg";
        QTest::newRow("Princess Swords") << 29 << 1 << "6"
                                         << "PrincessSwordsbg6"
                                         << "princessswordsbg6";
        QTest::newRow("Ten Disks") << 77 << 0 << QString() << "TenDisksbg"
                                   << "tendisksbg";
    }
    void names()
    {
        QFETCH(int, card);
        QFETCH(int, deckStyle);
        QFETCH(QString, suffix);
        const DealPicture picture = FreeDealPicture(card, static_cast<DeckStyle>(deckStyle), suffix);
        QTEST(picture.resource, "resource");
        QTEST(picture.cacheFile, "cacheFile");
    }

    // Every picture the free deal can ask for is one the program carries.
    void everyDealtPictureIsEmbedded()
    {
        for (int n = 0; n < kCardCount; ++n) {
            for (int style : { 0, 1 }) {
                for (const char *suffix : { "", "6" }) {
                    const QString name
                        = FreeDealPicture(n, static_cast<DeckStyle>(style), QLatin1String(suffix)).resource;
                    QVERIFY2(platform::HasResource(name), qPrintable(name));
                }
            }
        }
    }
};

QTEST_MAIN(tst_draw)
#include "tst_draw.moc"
