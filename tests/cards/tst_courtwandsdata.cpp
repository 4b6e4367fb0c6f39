// The rows of the court cards from the Queen of Swords to the Princess of Disks and of the Ace
// to Seven of Wands: names, meanings, sizes and pictures, and one of them dealt and returned.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/carddata.h"
#include "cards/ui/cardwindow.h"
#include "cards/viewstates.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kFirstCard = 27; // Queen of Swords
constexpr int kLastCard = 44; // Seven of Wands
constexpr int kAceOfWands = 38;

enum Item { kEnlarge, kShrink, kRotate, kMeaning, kReturnToDeck, kDoNothing };

void AddCardRows()
{
    QTest::addColumn<int>("card");
    for (int n = kFirstCard; n <= kLastCard; ++n)
        QTest::addRow("%s", qPrintable(CardTitle(n))) << n;
}

} // namespace

Q_DECLARE_METATYPE(Route)

class tst_courtwandsdata : public QObject
{
    Q_OBJECT

private slots:
    // Every row belongs to its card, is titled "Meaning of The <rank> of <suit>" and has one
    // set of pictures, named after the key, all of them embedded.
    void rowFollowsItsCard_data() { AddCardRows(); }
    void rowFollowsItsCard()
    {
        QFETCH(int, card);
        const CardData &row = CardDataOf(card);
        QCOMPARE(row.number, card);
        QCOMPARE(row.key, CardKey(card));
        QCOMPARE(row.title, CardTitle(card));
        QCOMPARE(row.objectName, CardObjectName(card));

        const QStringList words = row.key.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 2);
        QCOMPARE(row.meaningTitle, QStringLiteral("Meaning of The %1 of %2").arg(words[0], words[1]));

        QVERIFY(!row.hasStyles());
        QCOMPARE(row.pictureStem[kThoth], words.join(QString()) + QStringLiteral("bg"));
        QCOMPARE(row.cacheStem[kThoth], words.join(QString()).toLower());
        for (const char *ending : { "", "5", "6", "7" }) {
            const QString name = row.pictureStem[kThoth] + QLatin1String(ending);
            QVERIFY2(platform::HasResource(name), qPrintable(name));
        }
        QVERIFY(row.cacheOverrides.empty());
        QVERIFY(!row.stateZeroFromFile);
        QCOMPARE(row.returnPosition, 2);
        QCOMPARE(row.pictureObjectName, QStringLiteral("Image1"));
        QVERIFY(row.listOnMouseDown);
    }

    // The texts as given: their lengths, the Queen of Swords' closing blank and the Prince of
    // Swords' typographic apostrophe; two blanks after every full stop inside a text.
    void meaningText_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("closingBlank");
        QTest::addColumn<int>("typographicApostrophes");
        QTest::newRow("Queen Swords") << 27 << 559 << true << 0;
        QTest::newRow("Prince Swords") << 28 << 924 << false << 1;
        QTest::newRow("Princess Swords") << 29 << 612 << false << 0;
        QTest::newRow("King Cups") << 30 << 873 << false << 0;
        QTest::newRow("Queen Cups") << 31 << 775 << false << 0;
        QTest::newRow("Prince Cups") << 32 << 591 << false << 0;
        QTest::newRow("Princess Cups") << 33 << 638 << false << 0;
        QTest::newRow("King Disks") << 34 << 602 << false << 0;
        QTest::newRow("Queen Disks") << 35 << 677 << false << 0;
        QTest::newRow("Prince Disks") << 36 << 645 << false << 0;
        QTest::newRow("Princess Disks") << 37 << 854 << false << 0;
        QTest::newRow("Ace Wands") << 38 << 130 << false << 0;
        QTest::newRow("Two Wands") << 39 << 157 << false << 0;
        QTest::newRow("Three Wands") << 40 << 105 << false << 0;
        QTest::newRow("Four Wands") << 41 << 175 << false << 0;
        QTest::newRow("Five Wands") << 42 << 93 << false << 0;
        QTest::newRow("Six Wands") << 43 << 129 << false << 0;
        QTest::newRow("Seven Wands") << 44 << 201 << false << 0;
    }
    void meaningText()
    {
        QFETCH(int, card);
        QFETCH(bool, closingBlank);
        const QString text = CardDataOf(card).meaningText;
        QTEST(int(text.size()), "length");
        QTEST(int(text.count(QChar(0x2019))), "typographicApostrophes");
        QCOMPARE(text.endsWith(QLatin1String(". ")), closingBlank);
        const QString body = closingBlank ? text.chopped(1) : text;
        QVERIFY(body.endsWith(QLatin1Char('.')));
        QVERIFY(!body.startsWith(QLatin1Char(' ')));
        for (int i = 0; i + 1 < body.size(); ++i) {
            if (body[i] == QLatin1Char('.')) {
                QVERIFY2(body.mid(i + 1, 2) == QLatin1String("  ") && body[i + 3] != QLatin1Char(' '),
                    qPrintable(body.mid(i - 10, 20)));
            }
        }
    }

    // None of these windows departs from the design sizes, by whatever route a state is
    // reached; the Ace of Wands' window alone is wider than its picture.
    void stateSize_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("state");
        QTest::addColumn<Route>("route");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::newRow("Queen Swords 0 by Rotate") << 27 << 0 << Route::Rotate << 3312.0f << 2172.0f;
        QTest::newRow("Prince Disks 0 by Shrink") << 36 << 0 << Route::Shrink << 3312.0f << 2172.0f;
        QTest::newRow("King Cups 0 by Enlarge") << 30 << 0 << Route::Enlarge << 3312.0f << 2172.0f;
        QTest::newRow("Ace Wands 0 by Rotate") << 38 << 0 << Route::Rotate << 3312.0f << 2172.0f;
        QTest::newRow("Ace Wands 0 by Shrink") << 38 << 0 << Route::Shrink << 3312.0f << 2172.0f;
        QTest::newRow("Queen Cups 1") << 31 << 1 << Route::Rotate << 2254.0f << 2512.0f;
        QTest::newRow("Queen Disks 2") << 35 << 2 << Route::Rotate << 2912.0f << 1854.0f;
        QTest::newRow("Princess Disks 3") << 37 << 3 << Route::Rotate << 2254.0f << 2512.0f;
        QTest::newRow("Two Wands 4") << 39 << 4 << Route::Enlarge << 6924.0f << 4858.0f;
        QTest::newRow("King Disks 5") << 34 << 5 << Route::Rotate << 5058.0f << 6524.0f;
        QTest::newRow("Ace Wands 6") << 38 << 6 << Route::Rotate << 6924.0f << 4858.0f;
        QTest::newRow("Ace Wands 7") << 38 << 7 << Route::Rotate << 5058.0f << 6524.0f;
        QTest::newRow("Princess Cups 8") << 33 << 8 << Route::Shrink << 1900.0f << 1112.0f;
        QTest::newRow("Six Wands 9") << 43 << 9 << Route::Rotate << 1482.0f << 1446.0f;
        QTest::newRow("Prince Swords 10") << 28 << 10 << Route::Rotate << 1900.0f << 1112.0f;
        QTest::newRow("Prince Swords 11") << 28 << 11 << Route::Rotate << 1482.0f << 1446.0f;
    }
    void stateSize()
    {
        QFETCH(int, card);
        QFETCH(int, state);
        QFETCH(Route, route);
        const WindowSize size = SizeOfState(CardDataOf(card), state, route);
        QTEST(size.height, "height");
        QTEST(size.width, "width");
    }

    void designLayout_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<float>("clientWidth");
        QTest::newRow("Ace Wands") << 38 << 2115.0f;
        QTest::newRow("Two Wands") << 39 << 2100.0f;
        QTest::newRow("Seven Wands") << 44 << 2100.0f;
        QTest::newRow("Queen Swords") << 27 << 2100.0f;
        QTest::newRow("Princess Disks") << 37 << 2100.0f;
    }
    void designLayout()
    {
        QFETCH(int, card);
        const CardData &row = CardDataOf(card);
        QTEST(row.clientWidth, "clientWidth");
        QCOMPARE(row.clientHeight, 2850.0f);
        QCOMPARE(row.pictureWidth, 2100.0f);
        QCOMPARE(row.pictureHeight, 2856.0f);
        QVERIFY(row.sizeOverrides.empty());
    }

    // The picture and cache file of a state, under either deck style: these cards have one set
    // of pictures.
    void statePicture_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("file");
        QTest::newRow("Queen Swords 4") << 27 << 4 << 0 << "QueenSwordsbg"
                                        << "queenswordsbg";
        QTest::newRow("Prince Swords 10") << 28 << 10 << 0 << "PrinceSwordsbg6"
                                          << "princeswordssm10";
        QTest::newRow("Princess Swords 1") << 29 << 1 << 0 << "PrincessSwordsbg5"
                                           << "princessswords1";
        QTest::newRow("King Cups 10") << 30 << 10 << 0 << "KingCupsbg6"
                                      << "kingcupssm10";
        QTest::newRow("Queen Cups 1, Traditional") << 31 << 1 << 1 << "QueenCupsbg5"
                                                   << "queencups1";
        QTest::newRow("Prince Cups 11") << 32 << 11 << 0 << "PrinceCupsbg7"
                                        << "princecupssm11";
        QTest::newRow("Princess Cups 6") << 33 << 6 << 0 << "PrincessCupsbg6"
                                         << "princesscupsbg6";
        QTest::newRow("King Disks 5") << 34 << 5 << 0 << "KingDisksbg5"
                                      << "kingdisksbg5";
        QTest::newRow("Queen Disks 2, Traditional") << 35 << 2 << 1 << "QueenDisksbg6"
                                                    << "queendisks2";
        QTest::newRow("Prince Disks 8") << 36 << 8 << 0 << "PrinceDisksbg"
                                        << "princediskssm";
        QTest::newRow("Princess Disks 3") << 37 << 3 << 0 << "PrincessDisksbg7"
                                          << "princessdisks3";
        QTest::newRow("Ace Wands 7") << 38 << 7 << 0 << "AceWandsbg7"
                                     << "acewandsbg7";
        QTest::newRow("Two Wands 10") << 39 << 10 << 0 << "TwoWandsbg6"
                                      << "twowandssm10";
        QTest::newRow("Three Wands 8") << 40 << 8 << 0 << "ThreeWandsbg"
                                       << "threewandssm";
        QTest::newRow("Four Wands 2") << 41 << 2 << 0 << "FourWandsbg6"
                                      << "fourwands2";
        QTest::newRow("Five Wands 1") << 42 << 1 << 0 << "FiveWandsbg5"
                                      << "fivewands1";
        QTest::newRow("Six Wands 9") << 43 << 9 << 0 << "SixWandsbg5"
                                     << "sixwandssm9";
        QTest::newRow("Seven Wands 6, Traditional") << 44 << 6 << 1 << "SevenWandsbg6"
                                                    << "sevenwandsbg6";
        QTest::newRow("Seven Wands 0: design picture") << 44 << 0 << 0 << ""
                                                       << "";
        QTest::newRow("Queen Swords 0, Traditional") << 27 << 0 << 1 << ""
                                                     << "";
    }
    void statePicture()
    {
        QFETCH(int, card);
        QFETCH(int, state);
        QFETCH(int, deckStyle);
        const StatePicture picture = PictureOfState(CardDataOf(card), state, static_cast<DeckStyle>(deckStyle));
        QTEST(picture.resource, "resource");
        QTEST(picture.cacheFile, "file");
    }

    // The Ace of Wands dealt: its window is wider than its picture until the first change of
    // view state fits the picture to the window; its meaning box, then its return.
    void aceOfWandsDealtTurnedAndReturned()
    {
        ProgramFixture f;
        f.Start(true);
        const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(kAceOfWands));
        QVERIFY(it != program::state.deck.end());
        std::rotate(program::state.deck.begin(), it, it + 1);

        QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
        CardWindow *window = WindowOf(kAceOfWands);
        QVERIFY(window);
        QCOMPARE(window->innerWidthTwips(), 2115.0f);
        QCOMPARE(window->picture()->widthTwips(), 2100.0f);
        QCOMPARE(program::state.cardsOut[kAceOfWands], QStringLiteral("Ace Wands "));

        Choose(window, kRotate);
        window = WindowOf(kAceOfWands);
        QVERIFY(window);
        QCOMPARE(window->heightTwips(), 2254.0f);
        QCOMPARE(window->widthTwips(), 2512.0f);
        QCOMPARE(window->picture()->widthTwips(), window->innerWidthTwips());
        QCOMPARE(FileBytes(platform::DataPath(QStringLiteral("acewands1"))),
            platform::Resource(QStringLiteral("AceWandsbg5")));

        Choose(window, kRotate);
        QCOMPARE(program::state.viewStates[kAceOfWands], std::int16_t(2));
        QCOMPARE(program::state.reversed[kAceOfWands], std::int16_t(1));
        Choose(WindowOf(kAceOfWands), kShrink);
        QCOMPARE(program::state.viewStates[kAceOfWands], std::int16_t(8));
        QCOMPARE(program::state.reversed[kAceOfWands], std::int16_t(0));
        QCOMPARE(WindowOf(kAceOfWands)->heightTwips(), 1900.0f);

        f.dialogs.ExpectMessage(CardDataOf(kAceOfWands).meaningText, QStringLiteral("Meaning of The Ace of Wands"));
        Choose(WindowOf(kAceOfWands), kMeaning);
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(program::state.viewStates[kAceOfWands], std::int16_t(8));

        Choose(WindowOf(kAceOfWands), kReturnToDeck);
        QVERIFY(!WindowOf(kAceOfWands));
        QCOMPARE(program::state.deck[77], QStringLiteral("Ace Wands "));
        QCOMPARE(program::state.cardsOut[kAceOfWands], kNoCard);
        QCOMPARE(program::state.viewStates[kAceOfWands], std::int16_t(0));
        QCOMPARE(program::state.nextCardLeft, std::int16_t(2));
        QCOMPARE(program::state.nextCardTop, std::int16_t(2));
        QCOMPARE(program::state.cardReturn, CardReturn::ToDeck);
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_courtwandsdata)
#include "tst_courtwandsdata.moc"
