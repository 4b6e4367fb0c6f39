// The rows of the numbered cards from the Eight of Wands to the Ten of Disks: they follow
// the design in everything but their meaning and the Four of Swords' cache stem, so most
// checks are rules that every one of these rows must keep.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/carddata.h"
#include "cards/ui/cardwindow.h"
#include "cards/viewstates.h"
#include "deck/draw.h"
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
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kFirstCard = 45; // Eight of Wands
constexpr int kLastCard = 77; // Ten of Disks

const char *const kNumberWords[10] = { "Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten" };
const char *const kSuits[4] = { "Wands", "Cups", "Swords", "Disks" };

QString NumberWord(int n)
{
    return QLatin1String(kNumberWords[(n - 38) % 10]);
}

QString Suit(int n)
{
    return QLatin1String(kSuits[(n - 38) / 10]);
}

enum Item { kEnlarge, kShrink, kRotate, kMeaning, kReturnToDeck };

// Opens the menu list with a click on the picture, crosses the list to `item` and clicks it.

} // namespace

class tst_suitsdata : public QObject
{
    Q_OBJECT

private slots:
    // Card -> length of its meaning text as written for it.
    void rows_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("textLength");
        const int lengths[kLastCard - kFirstCard + 1] = {
            250, 234, 153, // Eight to Ten of Wands
            103, 110, 173, 200, 168, 235, 164, 203, 170, 184, // Cups
            243, 167, 182, 180, 138, 165, 162, 148, 157, 187, // Swords
            117, 178, 197, 214, 175, 156, 216, 171, 105, 207, // Disks
        };
        for (int n = kFirstCard; n <= kLastCard; ++n)
            QTest::newRow(qPrintable(CardTitle(n))) << n << lengths[n - kFirstCard];
    }
    void rows()
    {
        QFETCH(int, card);
        const CardData &row = CardDataOf(card);

        QCOMPARE(row.number, card);
        QCOMPARE(row.key, CardKey(card));
        QCOMPARE(row.title, CardTitle(card));
        QCOMPARE(row.objectName, CardObjectName(card));
        QCOMPARE(row.title, NumberWord(card) + QLatin1Char(' ') + Suit(card));
        QCOMPARE(row.meaningTitle,
            QStringLiteral("Meaning of The ") + NumberWord(card) + QStringLiteral(" of ") + Suit(card));

        // One set of pictures, named by the title without its blank.
        QVERIFY(!row.hasStyles());
        const QString stem = NumberWord(card) + Suit(card) + QStringLiteral("bg");
        QCOMPARE(row.pictureStem[kThoth], stem);
        for (const char *ending : { "", "5", "6", "7" })
            QVERIFY2(platform::HasResource(stem + QLatin1String(ending)), qPrintable(stem + QLatin1String(ending)));

        // The design layout and behaviour, unchanged.
        QCOMPARE(row.clientWidth, 2100.0f);
        QCOMPARE(row.clientHeight, 2850.0f);
        QCOMPARE(row.pictureWidth, 2100.0f);
        QCOMPARE(row.pictureHeight, 2856.0f);
        QCOMPARE(row.pictureObjectName, QStringLiteral("Image1"));
        QCOMPARE(row.returnPosition, 2);
        QCOMPARE(row.refillHeight, 3409.0f);
        QVERIFY(row.listOnMouseDown);
        QVERIFY(!row.stateZeroFromFile);
        QCOMPARE(row.background, CardBackground::ButtonFace);
        QVERIFY(!row.flatAppearance);
        QVERIFY(row.designPicture.isEmpty() || row.designPicture == stem);
        QVERIFY(row.cacheOverrides.empty());
        for (int state = 0; state < kViewStateCount; ++state) {
            for (Route route : { Route::Enlarge, Route::Shrink, Route::Rotate }) {
                const WindowSize size = SizeOfState(row, state, route);
                const WindowSize design = DesignSizeOfState(state);
                QCOMPARE(size.height, design.height);
                QCOMPARE(size.width, design.width);
            }
        }

        // The meaning: complete, and sentences parted by a full stop and two blanks.
        const QString &text = row.meaningText;
        QTEST(int(text.size()), "textLength");
        QCOMPARE(text.trimmed(), text);
        QVERIFY(text.endsWith(QLatin1Char('.')));
        static const QRegularExpression badStop(QStringLiteral("\\.(?!  \\S|$)"));
        QVERIFY2(!badStop.match(text).hasMatch(), qPrintable(text));
    }

    void statePictures_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("file");
        QTest::newRow("Four Swords upright: design picture") << 61 << 0 << ""
                                                             << "";
        QTest::newRow("Four Swords normal turned") << 61 << 1 << "FourSwordsbg5"
                                                   << "Fourswords1";
        QTest::newRow("Four Swords large") << 61 << 4 << "FourSwordsbg"
                                           << "Fourswordsbg";
        QTest::newRow("Four Swords small three-quarter") << 61 << 11 << "FourSwordsbg7"
                                                         << "Fourswordssm11";
        QTest::newRow("Eight Wands small") << 45 << 8 << "EightWandsbg"
                                           << "eightwandssm";
        QTest::newRow("Nine Wands large upside down") << 46 << 6 << "NineWandsbg6"
                                                      << "ninewandsbg6";
        QTest::newRow("Two Cups normal upside down") << 49 << 2 << "TwoCupsbg6"
                                                     << "twocups2";
        QTest::newRow("Ten Cups normal three-quarter") << 57 << 3 << "TenCupsbg7"
                                                       << "tencups3";
        QTest::newRow("Five Disks small upside down") << 72 << 10 << "FiveDisksbg6"
                                                      << "fivediskssm10";
        QTest::newRow("Ten Disks large turned") << 77 << 5 << "TenDisksbg5"
                                                << "tendisksbg5";
    }
    void statePictures()
    {
        QFETCH(int, card);
        QFETCH(int, state);
        for (int style : { 0, 1 }) {
            const StatePicture picture = PictureOfState(CardDataOf(card), state, static_cast<DeckStyle>(style));
            QTEST(picture.resource, "resource");
            QTEST(picture.cacheFile, "file");
        }
    }

    // Every state of every one of these cards has a file of its own in the data folder, whose
    // names are lower-cased; the deal's large pictures go through the same files as states
    // 4 to 6, written from the same pictures, so either may write them first.
    void cacheFilesAreDistinctAndSharedWithTheDeal()
    {
        QSet<QString> paths;
        int expected = 0;
        for (int n = kFirstCard; n <= kLastCard; ++n) {
            const CardData &row = CardDataOf(n);
            for (int state = 1; state < kViewStateCount; ++state) {
                paths.insert(platform::DataPath(PictureOfState(row, state, DeckStyle::Thoth).cacheFile));
                ++expected;
            }
            const QString suffixes[3] = { QString(), QStringLiteral("5"), QStringLiteral("6") };
            for (int i = 0; i < 3; ++i) {
                const DealPicture deal = FreeDealPicture(n, DeckStyle::Thoth, suffixes[i]);
                const StatePicture window = PictureOfState(row, 4 + i, DeckStyle::Thoth);
                QCOMPARE(platform::DataPath(deal.cacheFile), platform::DataPath(window.cacheFile));
                QCOMPARE(deal.resource.toLower(), window.resource.toLower());
            }
        }
        QCOMPARE(paths.size(), expected);
    }

    // A card dealt, moved through view states by its menu and given back: the window's size,
    // the cache file and the card's state after the moves, then the return to the deck.
    // Commands: E Enlarge, S Shrink, R Rotate, M Meaning.
    void dealMoveAndReturn_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("file");
        QTest::newRow("Four Swords enlarged") << 61 << "EM" << 4 << "Fourswordsbg";
        QTest::newRow("Nine Wands large upside down") << 46 << "ERR" << 6 << "ninewandsbg6";
        QTest::newRow("Ten Wands small, turned full circle") << 47 << "SRRRR" << 8 << "tenwandssm";
        QTest::newRow("Five Swords small upside down, enlarged") << 62 << "SRRE" << 0 << "";
        QTest::newRow("Two Cups rotated twice") << 49 << "RRM" << 2 << "twocups2";
        QTest::newRow("Ten Disks large, shrunk twice") << 77 << "ESS" << 8 << "tendiskssm";
    }
    void dealMoveAndReturn()
    {
        QFETCH(int, card);
        QFETCH(QString, commands);
        QFETCH(int, state);
        QFETCH(QString, file);
        const CardData &row = CardDataOf(card);
        ProgramFixture f;
        f.Start(true);
        const auto top = std::find(program::state.deck.begin(), program::state.deck.end(), row.key);
        QVERIFY(top != program::state.deck.end());
        std::rotate(program::state.deck.begin(), top, top + 1);
        QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
        QVERIFY(WindowOf(card));

        for (const QChar c : commands) {
            if (c == QLatin1Char('M'))
                f.dialogs.ExpectMessage(row.meaningText, row.meaningTitle);
            const int item = c == QLatin1Char('E') ? kEnlarge
                : c == QLatin1Char('S')            ? kShrink
                : c == QLatin1Char('R')            ? kRotate
                                                   : kMeaning;
            Choose(WindowOf(card), item);
        }

        CardWindow *window = WindowOf(card);
        QCOMPARE(window, DefaultCardWindow(card));
        QCOMPARE(int(program::state.viewStates[card]), state);
        QCOMPARE(program::state.reversed[card], ReversedOfState(state));
        QCOMPARE(window->heightTwips(), DesignSizeOfState(state).height);
        QCOMPARE(window->widthTwips(), DesignSizeOfState(state).width);
        QCOMPARE(program::state.cardsOut[card], row.key);
        QVERIFY(window->picture()->hasPicture());
        if (!file.isEmpty())
            QCOMPARE(FileBytes(platform::DataPath(file)),
                platform::Resource(PictureOfState(row, state, DeckStyle::Thoth).resource));

        Choose(window, kReturnToDeck);
        QVERIFY(!WindowOf(card));
        QCOMPARE(program::state.deck[77], row.key);
        QCOMPARE(program::state.cardsOut[card], kNoCard);
        QCOMPARE(int(program::state.viewStates[card]), 0);
        QCOMPARE(program::state.reversed[card], ReversedOfState(state));
        QCOMPARE(program::state.nextCardLeft, std::int16_t(2));
        QCOMPARE(program::state.nextCardTop, std::int16_t(2));
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_suitsdata)
#include "tst_suitsdata.moc"
