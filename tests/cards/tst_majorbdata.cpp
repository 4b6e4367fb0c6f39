// Card data of Justice to The Universe, the Wands court cards and the Knight of Swords: names
// against the card table, meaning titles and texts, sizes and pictures by state, and a few of
// the cards driven through their windows.
#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/carddata.h"
#include "cards/ui/cardwindow.h"
#include "cards/viewstates.h"
#include "deck/decksize.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kFirst = 11;
constexpr int kLast = 26;

enum Item { kEnlarge, kShrink, kRotate, kMeaning, kReturnToDeck, kDoNothing };

QStringList StatePictures(const QString &stem)
{
    QStringList list;
    for (const char *end : { "", "5", "6", "7", "", "5", "6", "7", "", "5", "6", "7" })
        list << stem + QLatin1String(end);
    return list;
}

// Cache files of states 0..11; `zero` is the file of state 0 (empty: the design picture).
QStringList StateFiles(const QString &stem, const QString &zero)
{
    QStringList list { zero };
    for (const char *end : { "1", "2", "3", "bg", "bg5", "bg6", "bg7", "sm", "sm9", "sm10", "sm11" })
        list << stem + QLatin1String(end);
    return list;
}

void PutOnTop(int n)
{
    const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(n));
    QVERIFY(it != program::state.deck.end());
    std::rotate(program::state.deck.begin(), it, it + 1);
}

// Opens the menu list with a click on the picture and clicks `item`, as a user does.
void Choose(int n, int item)
{
    CardWindow *window = WindowOf(n);
    QVERIFY(window);
    QTest::mouseClick(window->picture(), Qt::LeftButton);
    QVERIFY(window->cardMenu->isVisible());
    QListWidgetItem *entry = window->cardMenu->item(item);
    window->cardMenu->scrollToItem(entry);
    const QPoint at = window->cardMenu->visualItemRect(entry).center();
    QTest::mouseClick(window->cardMenu->viewport(), Qt::LeftButton, {}, at);
    FlushDeletes();
}

// Deals card `n` from a new deck by a click on the deck picture.
void Deal(int n)
{
    PutOnTop(n);
    QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
    QVERIFY(WindowOf(n));
}

} // namespace

class tst_majorbdata : public QObject
{
    Q_OBJECT

private slots:
    // A card's key is its title and one blank, except where the two word the card differently.
    void keysAndTitles_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("key");
        QTest::newRow("Hanged Man") << 12 << "Hanged Man"
                                    << "The Hangedman ";
        QTest::newRow("Knight of Wands") << 22 << "Knight Wands"
                                         << "King Wands ";
        QTest::newRow("Knight of Swords") << 26 << "Knight Swords"
                                          << "King Swords ";
    }
    void keysAndTitles()
    {
        QFETCH(int, card);
        QFETCH(QString, title);
        QFETCH(QString, key);
        const CardData &row = CardDataOf(card);
        QCOMPARE(row.title, title);
        QCOMPARE(row.key, key);
        QCOMPARE(CardNumberOfKey(row.key), card);
        QCOMPARE(CardNumberOfTitle(row.title), card);
    }

    void otherKeysAreTitlePlusBlank()
    {
        for (int n = kFirst; n <= kLast; ++n) {
            const CardData &row = CardDataOf(n);
            QCOMPARE(row.number, n);
            QCOMPARE(row.objectName, QStringLiteral("Form%1").arg(n + 1));
            QCOMPARE(row.title, CardTitle(n));
            QCOMPARE(row.key, CardKey(n));
            if (n != 12 && n != 22 && n != 26)
                QCOMPARE(row.key, row.title + QLatin1Char(' '));
        }
    }

    // Major cards: "Meaning of " and the caption, except that the Tower's box has the article
    // its caption lacks. Court cards: "Meaning of The <rank> of <suit>".
    void meaningTitles()
    {
        for (int n = kFirst; n <= kLast; ++n) {
            const CardData &row = CardDataOf(n);
            QString expected = QStringLiteral("Meaning of ") + row.title;
            if (n == 16)
                expected = QStringLiteral("Meaning of The Blasted Tower");
            if (n >= 22) {
                const QStringList words = row.title.split(QLatin1Char(' '));
                QCOMPARE(words.size(), 2);
                expected = QStringLiteral("Meaning of The %1 of %2").arg(words[0], words[1]);
            }
            QCOMPARE(row.meaningTitle, expected);
        }
        QCOMPARE(CardDataOf(12).meaningTitle, QStringLiteral("Meaning of Hanged Man"));
    }

    void meaningTexts_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");
        QTest::newRow("Justice") << 11 << 516 << "This card in a reading indicates that karma is occurring";
        QTest::newRow("Hanged Man") << 12 << 483 << "Divinatory meanings for this card can be difficulties, crisis";
        QTest::newRow("Death") << 13 << 378 << "Divinatory meanings may be a warning that resistance to change";
        QTest::newRow("Temperance") << 14 << 288
                                    << "Divinatory meanings for the card Temperance would be the combination";
        QTest::newRow("The Devil") << 15 << 507 << "Divinatory meanings for this card could mean that you should";
        QTest::newRow("Blasted Tower") << 16 << 600 << "Divinatory meanings for this card can be a breaking point,";
        QTest::newRow("The Star") << 17 << 860 << "The meaning for this Star card in a reading";
        QTest::newRow("The Moon") << 18 << 504 << "This card can indicate that others are lying to you";
        QTest::newRow("The Sun") << 19 << 977 << "The divinatory meaning of the card is glory, gain, riches";
        QTest::newRow("Last Judgement") << 20 << 907 << "The divinatory meaning for this card is awakening";
        QTest::newRow("The Universe") << 21 << 840 << "The card can mean a successful conclusion";
        QTest::newRow("Knight of Wands") << 22 << 857 << "The face of the Sun symbol";
        QTest::newRow("Queen of Wands") << 23 << 583 << "The Queen of Wands wears a crown that symbolizes";
        QTest::newRow("Prince of Wands") << 24 << 590 << "The air of fire is the Prince of Wands whose wand";
        QTest::newRow("Princess of Wands") << 25 << 859 << "This Princess of Wands holds a wand that is";
        QTest::newRow("Knight of Swords") << 26 << 592 << "The fire of air is the King of Swords";
    }
    void meaningTexts()
    {
        QFETCH(int, card);
        QFETCH(int, length);
        QFETCH(QString, opening);
        const QString text = CardDataOf(card).meaningText;
        QCOMPARE(text.size(), length);
        QVERIFY(text.startsWith(opening));
        // Sentences are set apart by two blanks, and the text is one paragraph.
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("\\. (?! )"))), qPrintable(text));
        QVERIFY(!text.contains(QLatin1Char('\n')));
        // Plain text, but for the two typographic quotation marks of Last Judgement.
        QString rest = text;
        if (card == 20) {
            QCOMPARE(rest.count(QChar(0x2018)), 1);
            QCOMPARE(rest.count(QChar(0x2019)), 1);
            rest.remove(QChar(0x2018)).remove(QChar(0x2019));
        }
        for (const QChar c : rest)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(text));
    }

    // Sizes that depart from the design table, and some that must not.
    void sizes_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("route"); // a Route
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        const int enlarge = int(Route::Enlarge), shrink = int(Route::Shrink), rotate = int(Route::Rotate);
        for (int n : { 12, 13, 14, 15 }) {
            const QByteArray name = CardTitle(n).toLatin1();
            QTest::addRow("%s 0 by Rotate", name.data()) << n << 0 << rotate << 3312.0f << 2054.0f;
            QTest::addRow("%s 0 by Enlarge", name.data()) << n << 0 << enlarge << 3312.0f << 2172.0f;
            QTest::addRow("%s 0 by Shrink", name.data()) << n << 0 << shrink << 3312.0f << 2172.0f;
        }
        QTest::newRow("Justice 0 by Rotate") << 11 << 0 << rotate << 3312.0f << 2172.0f;
        QTest::newRow("Star 0 by Rotate") << 17 << 0 << rotate << 3312.0f << 2172.0f;
        QTest::newRow("Moon 0 by Rotate") << 18 << 0 << rotate << 3312.0f << 2172.0f;
        QTest::newRow("Sun 1") << 19 << 1 << rotate << 2274.0f << 2512.0f;
        QTest::newRow("Sun 3") << 19 << 3 << rotate << 2274.0f << 2512.0f;
        QTest::newRow("Sun 0 by Rotate") << 19 << 0 << rotate << 3312.0f << 2172.0f;
        QTest::newRow("Sun 5") << 19 << 5 << rotate << 5058.0f << 6524.0f;
        QTest::newRow("Sun 9") << 19 << 9 << rotate << 1482.0f << 1446.0f;
        QTest::newRow("Universe 7") << 21 << 7 << rotate << 5058.0f << 6524.0f;
        QTest::newRow("Knight Swords 0 by Rotate") << 26 << 0 << rotate << 3312.0f << 2172.0f;
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

    // Beyond the sizes above, every state of these cards has the design table's size.
    void noOtherSizeDeparts()
    {
        for (int n = kFirst; n <= kLast; ++n) {
            for (int state = 0; state < kViewStateCount; ++state) {
                for (Route route : { Route::Enlarge, Route::Shrink, Route::Rotate }) {
                    const bool narrowUpright = n >= 12 && n <= 15 && state == 0 && route == Route::Rotate;
                    const bool sunTurned = n == 19 && (state == 1 || state == 3);
                    if (narrowUpright || sunTurned)
                        continue;
                    const WindowSize size = SizeOfState(CardDataOf(n), state, route);
                    const WindowSize design = DesignSizeOfState(state);
                    QVERIFY2(size.height == design.height && size.width == design.width,
                        qPrintable(QStringLiteral("card %1 state %2").arg(n).arg(state)));
                }
            }
        }
    }

    // Picture and cache file of every state; the style cards show a file in state 0 too.
    void pictures_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QStringList>("resources"); // states 0..11
        QTest::addColumn<QStringList>("files");
        const auto designZero = [](QStringList list) {
            list[0].clear();
            return list;
        };
        const QString justice = QStringLiteral("justice"), thothJustice = QStringLiteral("thothjustice");
        QTest::newRow("Justice Thoth") << 11 << 0 << StatePictures(QStringLiteral("ThothJusticeCardbg"))
                                       << StateFiles(thothJustice, thothJustice);
        QTest::newRow("Justice style 3 is Thoth")
            << 11 << 3 << StatePictures(QStringLiteral("ThothJusticeCardbg")) << StateFiles(thothJustice, thothJustice);
        QTest::newRow("Justice Traditional")
            << 11 << 1 << StatePictures(QStringLiteral("JusticeCardbg")) << StateFiles(justice, justice);
        const QString star = QStringLiteral("star"), tradStar = QStringLiteral("traditionalstar");
        QTest::newRow("Star Thoth") << 17 << 0 << StatePictures(QStringLiteral("StarCardbg")) << StateFiles(star, star);
        QTest::newRow("Star Traditional")
            << 17 << 1 << StatePictures(QStringLiteral("TraditionalStarCardbg")) << StateFiles(tradStar, tradStar);
        QTest::newRow("Hanged Man") << 12 << 0 << designZero(StatePictures(QStringLiteral("HangmanCardbg")))
                                    << StateFiles(QStringLiteral("hangeman"), QString());
        QTest::newRow("Blasted Tower, style ignored")
            << 16 << 1 << designZero(StatePictures(QStringLiteral("TowerCardbg")))
            << StateFiles(QStringLiteral("tower"), QString());
        QTest::newRow("Last Judgement") << 20 << 0 << designZero(StatePictures(QStringLiteral("JudgementCardbg")))
                                        << StateFiles(QStringLiteral("judgement"), QString());
        QTest::newRow("Knight of Wands") << 22 << 1 << designZero(StatePictures(QStringLiteral("KingWandsbg")))
                                         << StateFiles(QStringLiteral("kingwands"), QString());
        QTest::newRow("Princess of Wands") << 25 << 0 << designZero(StatePictures(QStringLiteral("PrincessWandsbg")))
                                           << StateFiles(QStringLiteral("princesswands"), QString());
        QTest::newRow("Knight of Swords") << 26 << 0 << designZero(StatePictures(QStringLiteral("KingSwordsbg")))
                                          << StateFiles(QStringLiteral("kingswords"), QString());
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
            // Every picture named here is one the program carries.
            if (!picture.resource.isEmpty())
                QVERIFY2(!platform::Resource(picture.resource).isEmpty(), qPrintable(picture.resource));
        }
    }

    // Window layout and return: the design, except where a card says otherwise.
    void layout()
    {
        for (int n = kFirst; n <= kLast; ++n) {
            const CardData &row = CardDataOf(n);
            const QByteArray name = row.title.toLatin1();
            QVERIFY2(row.clientWidth == 2100.0f && row.clientHeight == 2850.0f, name);
            QVERIFY2(row.pictureWidth == 2100.0f, name);
            QVERIFY2(row.pictureHeight == (n == 20 ? 2892.0f : 2856.0f), name);
            QVERIFY2(row.pictureObjectName == QLatin1String(n == 12 ? "Image2" : "Image1"), name);
            QVERIFY2(row.hasStyles() == (n == 11 || n == 17), name);
            QVERIFY2(row.stateZeroFromFile == row.hasStyles(), name);
            QVERIFY2(row.cacheOverrides.empty(), name);
            // The Moon too: an empty deck window comes back at the height every card gives it.
            QVERIFY2(row.refillHeight == 3409.0f, name);
            QVERIFY2(row.returnPosition == 2, name);
            QVERIFY2(row.listOnMouseDown, name);
            QVERIFY2(row.designPicture.isEmpty(), name);
        }
    }

    void appearance_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("background"); // a CardBackground
        QTest::addColumn<bool>("flat");
        QTest::newRow("Justice") << 11 << int(CardBackground::Window) << true;
        QTest::newRow("Death") << 13 << int(CardBackground::Window) << true;
        QTest::newRow("The Devil") << 15 << int(CardBackground::Black) << false;
        QTest::newRow("Temperance") << 14 << int(CardBackground::ButtonFace) << false;
        QTest::newRow("The Star") << 17 << int(CardBackground::ButtonFace) << false;
        QTest::newRow("Knight of Swords") << 26 << int(CardBackground::ButtonFace) << false;
    }
    void appearance()
    {
        QFETCH(int, card);
        QFETCH(int, background);
        QCOMPARE(int(CardDataOf(card).background), background);
        QTEST(CardDataOf(card).flatAppearance, "flat");
    }

    // Hanged Man's picture is its second control: a click on it opens the menu, redisplays fill it,
    // Rotate brings it back upright in the narrower window, and it goes back under its key.
    void hangedManThroughItsStates()
    {
        ProgramFixture f;
        f.Start(true);
        Deal(12);
        CardWindow *dealt = WindowOf(12);
        QVERIFY(dealt->spareImage());
        QCOMPARE(dealt->picture()->objectName(), QStringLiteral("Image2"));
        QCOMPARE(program::state.cardsOut[12], QStringLiteral("The Hangedman "));

        for (int i = 0; i < 4; ++i)
            Choose(12, kRotate);
        CardWindow *window = WindowOf(12);
        QVERIFY(window);
        QCOMPARE(program::state.viewStates[12], std::int16_t(0));
        QCOMPARE(window->heightTwips(), 3312.0f);
        QCOMPARE(window->widthTwips(), 2054.0f);
        QCOMPARE(window->picture()->widthTwips(), window->innerWidthTwips());
        for (const char *file : { "hangeman1", "hangeman2", "hangeman3" })
            QVERIFY2(QFile::exists(platform::DataPath(QLatin1String(file))), file);
        QCOMPARE(FileBytes(platform::DataPath(QStringLiteral("hangeman2"))),
            platform::Resource(QStringLiteral("HangmanCardbg6")));

        Choose(12, kEnlarge); // 3312 high: the large upright state
        QCOMPARE(program::state.viewStates[12], std::int16_t(4));
        QCOMPARE(WindowOf(12)->heightTwips(), 6924.0f);
        QVERIFY(QFile::exists(platform::DataPath(QStringLiteral("hangemanbg"))));

        Choose(12, kReturnToDeck);
        QVERIFY(!WindowOf(12));
        QCOMPARE(program::state.cardsOut[12], kNoCard);
        QCOMPARE(program::state.deck[77], QStringLiteral("The Hangedman "));
        QCOMPARE(program::state.viewStates[12], std::int16_t(0));
        VERIFY_DIALOGS(f.dialogs);
    }

    // The style cards write and show a file of the style of the moment in state 0 as well.
    void styleCardUprightAgain_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("deckStyle");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("file");
        QTest::newRow("Justice Traditional") << 11 << 1 << "JusticeCardbg"
                                             << "justice";
        QTest::newRow("Justice Thoth") << 11 << 0 << "ThothJusticeCardbg"
                                       << "thothjustice";
        QTest::newRow("Star Traditional") << 17 << 1 << "TraditionalStarCardbg"
                                          << "traditionalstar";
    }
    void styleCardUprightAgain()
    {
        QFETCH(int, card);
        QFETCH(int, deckStyle);
        QFETCH(QString, resource);
        QFETCH(QString, file);
        ProgramFixture f;
        f.Start(true);
        Deal(card);
        program::state.deckStyle = static_cast<DeckStyle>(deckStyle);
        for (int i = 0; i < 4; ++i)
            Choose(card, kRotate);
        QCOMPARE(program::state.viewStates[card], std::int16_t(0));
        QCOMPARE(WindowOf(card)->widthTwips(), 2172.0f);
        QCOMPARE(FileBytes(platform::DataPath(file)), platform::Resource(resource));
        Choose(card, kReturnToDeck);
        VERIFY_DIALOGS(f.dialogs);
    }

    // A card given back into an empty deck shows the deck window from its floor size, then
    // one card's step bigger.
    void moonRefillsAnEmptyDeck()
    {
        ProgramFixture f;
        f.Start(true);
        PutOnTop(18);
        std::fill(program::state.deck.begin() + 1, program::state.deck.end(), kNoCard);
        QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
        QVERIFY(WindowOf(18));
        QVERIFY(!DeckWindow::instance()->isShown());

        Choose(18, kReturnToDeck);
        QVERIFY(DeckWindow::instance()->isShown());
        QCOMPARE(program::state.deck[0], QStringLiteral("The Moon "));
        const auto grown = SizeAfterCardReturned(3409.0f, 2244.0f, program::state.deck);
        QVERIFY(grown);
        QCOMPARE(DeckWindow::instance()->heightTwips(), grown->height);
        QCOMPARE(DeckWindow::instance()->widthTwips(), grown->width);
        VERIFY_DIALOGS(f.dialogs);
    }
};

QTEST_MAIN(tst_majorbdata)
#include "tst_majorbdata.moc"
