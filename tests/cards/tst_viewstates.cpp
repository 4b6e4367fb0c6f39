// The view-state rules without windows: where each command leads from each state, the size
// of a state by the way it was reached, and the picture and cache file of every state.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/carddata.h"
#include "cards/viewstates.h"

#include <QTest>

class tst_viewstates : public QObject
{
    Q_OBJECT

private slots:
    // The transition table with the card shown in its default window in each state: the
    // Enlarge and Shrink tests see that state's height; Rotate reads the view state.
    void transitions_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("enlarge");
        QTest::addColumn<int>("shrink");
        QTest::addColumn<int>("rotate");
        const int rows[12][4]
            = { { 0, 4, 8, 1 }, { 1, 4, 8, 2 }, { 2, 4, 8, 3 }, { 3, 4, 8, 0 }, { 4, 4, 0, 5 }, { 5, 4, 8, 6 },
                  { 6, 4, 0, 7 }, { 7, 4, 8, 4 }, { 8, 0, 8, 9 }, { 9, 4, 8, 10 }, { 10, 0, 8, 11 }, { 11, 4, 8, 8 } };
        for (const auto &row : rows)
            QTest::addRow("state %d", row[0]) << row[0] << row[1] << row[2] << row[3];
    }
    void transitions()
    {
        QFETCH(int, state);
        const float height = DesignSizeOfState(state).height;
        QTEST(EnlargeTarget(height), "enlarge");
        QTEST(ShrinkTarget(height), "shrink");
        QTEST(RotateTarget(state), "rotate");
    }

    // A window just dealt (or one whose size matches no state height) enlarges to 4 and
    // shrinks to 8, and only exact heights count.
    void heightsOfOtherWindows_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("enlarge");
        QTest::addColumn<int>("shrink");
        QTest::newRow("design window 2850 client") << 3312.0f << 4 << 8;
        QTest::newRow("design window 2835 client") << 3297.0f << 4 << 8;
        QTest::newRow("Hermit large turned") << 5068.0f << 4 << 8;
        QTest::newRow("Sun normal turned") << 2274.0f << 4 << 8;
        QTest::newRow("just under small") << 1899.99f << 4 << 8;
        QTest::newRow("just over large") << 6924.01f << 4 << 8;
    }
    void heightsOfOtherWindows()
    {
        QFETCH(float, height);
        QTEST(EnlargeTarget(height), "enlarge");
        QTEST(ShrinkTarget(height), "shrink");
    }

    void rotateIgnoresValuesThatAreNoState()
    {
        QCOMPARE(RotateTarget(12), -1);
        QCOMPARE(RotateTarget(-1), -1);
    }

    // Sizes that depend on the card and on the way into the state.
    void sizes_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("route"); // a Route
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::newRow("Fool 0 by Enlarge") << 0 << 0 << int(Route::Enlarge) << 3312.0f << 2172.0f;
        QTest::newRow("Fool 0 by Shrink") << 0 << 0 << int(Route::Shrink) << 3312.0f << 2064.0f;
        QTest::newRow("Fool 0 by Rotate") << 0 << 0 << int(Route::Rotate) << 3312.0f << 2054.0f;
        QTest::newRow("Fool 5") << 0 << 5 << int(Route::Rotate) << 5078.0f << 6524.0f;
        QTest::newRow("Fool 7") << 0 << 7 << int(Route::Rotate) << 5078.0f << 6524.0f;
        QTest::newRow("Fool 9") << 0 << 9 << int(Route::Rotate) << 1482.0f << 1446.0f;
        QTest::newRow("Magus 0 by Rotate") << 1 << 0 << int(Route::Rotate) << 3312.0f << 2172.0f;
        QTest::newRow("Magus 5") << 1 << 5 << int(Route::Rotate) << 5058.0f << 6524.0f;
        QTest::newRow("Emperor 0 by Shrink") << 4 << 0 << int(Route::Shrink) << 3312.0f << 2172.0f;
        QTest::newRow("Strength 0 by Rotate") << 8 << 0 << int(Route::Rotate) << 3312.0f << 2172.0f;
        QTest::newRow("Hermit 5") << 9 << 5 << int(Route::Rotate) << 5068.0f << 6524.0f;
        QTest::newRow("Hermit 7") << 9 << 7 << int(Route::Rotate) << 5068.0f << 6524.0f;
        QTest::newRow("Hermit 0 by Rotate") << 9 << 0 << int(Route::Rotate) << 3312.0f << 2054.0f;
        QTest::newRow("Hermit 0 by Enlarge") << 9 << 0 << int(Route::Enlarge) << 3312.0f << 2172.0f;
        QTest::newRow("Fortune 0 by Rotate") << 10 << 0 << int(Route::Rotate) << 3312.0f << 2054.0f;
        QTest::newRow("Fortune 0 by Shrink") << 10 << 0 << int(Route::Shrink) << 3312.0f << 2172.0f;
        QTest::newRow("Fortune 5") << 10 << 5 << int(Route::Rotate) << 5058.0f << 6524.0f;
        QTest::newRow("Chariot 2") << 7 << 2 << int(Route::Rotate) << 2912.0f << 1854.0f;
        QTest::newRow("Chariot 8") << 7 << 8 << int(Route::Shrink) << 1900.0f << 1112.0f;
    }
    void sizes()
    {
        QFETCH(int, card);
        QFETCH(int, state);
        QFETCH(int, route);
        const WindowSize size = SizeOfState(CardDataOf(card), state, static_cast<Route>(route));
        QTEST(size.height, "height");
        QTEST(size.width, "width");
    }

    // Picture and cache file of every state: an ordinary card, and both styles of the two
    // style cards of this group (The Emperor departs from the naming rule in three places).
    void pictures_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QStringList>("resources"); // states 0..11
        QTest::addColumn<QStringList>("files");
        const auto names = [](const QString &stem) {
            QStringList list;
            for (const char *end : { "", "5", "6", "7", "", "5", "6", "7", "", "5", "6", "7" })
                list << stem + QLatin1String(end);
            return list;
        };
        const auto files = [](const QString &stem, const QString &zero) {
            QStringList list { zero };
            for (const char *end : { "1", "2", "3", "bg", "bg5", "bg6", "bg7", "sm", "sm9", "sm10", "sm11" })
                list << stem + QLatin1String(end);
            return list;
        };
        QStringList fool = names(QStringLiteral("FoolCardbg"));
        fool[0].clear();
        QTest::newRow("Fool") << 0 << 0 << fool << files(QStringLiteral("fool"), QString());
        QStringList priestess = names(QStringLiteral("HPriestessCardbg"));
        priestess[0].clear();
        QTest::newRow("High Priestess, style ignored")
            << 2 << 1 << priestess << files(QStringLiteral("hpriestesscard"), QString());
        QStringList hierophant = names(QStringLiteral("HierophantCardbg"));
        hierophant[0].clear();
        QTest::newRow("Hierophant keeps its capital")
            << 5 << 0 << hierophant << files(QStringLiteral("hierophantCard"), QString());

        QStringList thothEmperor = files(QStringLiteral("emperorcard"), QStringLiteral("emperorcard"));
        thothEmperor[2] = thothEmperor[10] = QStringLiteral("emperorcardbg6");
        QTest::newRow("Emperor Thoth") << 4 << 0 << names(QStringLiteral("EmperorCardbg")) << thothEmperor;
        QTest::newRow("Emperor style 2 is Thoth") << 4 << 2 << names(QStringLiteral("EmperorCardbg")) << thothEmperor;
        QStringList tradEmperor = files(QStringLiteral("traditionalemperor"), QStringLiteral("traditionalemperor"));
        tradEmperor[1] = QStringLiteral("traditionalemperor5");
        tradEmperor[2] = tradEmperor[10] = QStringLiteral("traditionalemperorbg6");
        QTest::newRow("Emperor Traditional") << 4 << 1 << names(QStringLiteral("TraditionalEmperorbg")) << tradEmperor;

        QTest::newRow("Strength Thoth") << 8 << 0 << names(QStringLiteral("ThothStrengthCardbg"))
                                        << files(QStringLiteral("thothstrengthcard"),
                                               QStringLiteral("thothstrengthcard"));
        QTest::newRow("Strength Traditional") << 8 << 1 << names(QStringLiteral("StrengthCardbg"))
                                              << files(QStringLiteral("strengthcard"), QStringLiteral("strengthcard"));
    }
    void pictures()
    {
        QFETCH(int, card);
        QFETCH(int, deckStyle);
        QFETCH(QStringList, resources);
        QFETCH(QStringList, files);
        for (int state = 0; state < kViewStateCount; ++state) {
            const StatePicture picture = PictureOfState(CardDataOf(card), state, static_cast<DeckStyle>(deckStyle));
            QCOMPARE(picture.resource, resources[state]);
            QCOMPARE(picture.cacheFile, files[state]);
        }
    }

    // Every row is the card of its number, and a card can be shown in every state.
    void everyRowIsComplete()
    {
        for (int n = 0; n < kCardCount; ++n) {
            const CardData &card = CardDataOf(n);
            QCOMPARE(card.number, n);
            QCOMPARE(card.key, CardKey(n));
            QCOMPARE(card.title, CardTitle(n));
            QCOMPARE(card.objectName, QStringLiteral("Form%1").arg(n + 1));
            QVERIFY2(!card.pictureStem[kThoth].isEmpty() && !card.cacheStem[kThoth].isEmpty(), qPrintable(card.title));
            QVERIFY2(card.meaningTitle.startsWith(QLatin1String("Meaning of ")), qPrintable(card.title));
            QVERIFY(card.returnPosition >= 1);
        }
    }
};

QTEST_MAIN(tst_viewstates)
#include "tst_viewstates.moc"
