#include "app/cardtable.h"
#include "app/deckfile.h"
#include "app/deckstyle.h"
#include "app/initdeck.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "app/ui/propertieswindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/ui/buttons.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "support/fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

const QString kRefusal = QStringLiteral("Properties can not be changed with effected cards outside the deck");

// Where Strength and Justice stand in the deck.
struct Places
{
    int strength;
    int justice;
};

Places PlacesIn(const CardKeys &deck)
{
    Places places { -1, -1 };
    for (int i = 0; i < kCardCount; ++i) {
        if (deck[i] == CardKey(kStrength))
            places.strength = i;
        if (deck[i] == CardKey(kJustice))
            places.justice = i;
    }
    return places;
}

// Starts the program with a new deck (DeckState::New) or with a deck opened from a file (DeckState::FromFile),
// in the given style. The deck is a new deck of that style either way.
void StartWith(ProgramFixture &f, int style, int deckState)
{
    if (deckState == 1) {
        program::state.deckStyle = static_cast<DeckStyle>(style);
        f.Start(true);
        return;
    }
    ProgramState fresh;
    fresh.deckStyle = static_cast<DeckStyle>(style);
    InitDeck(fresh);
    DeckFileContents contents;
    contents.keys = fresh.deck;
    contents.styleName = style == 1 ? QStringLiteral("Tradl ") : QStringLiteral("Thoth ");
    const QString path = f.PathOf("style.dek");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(DeckFileBytes(contents));
    file.close();
    f.dialogs.ExpectOpen(QStringLiteral("Open"), path);
    f.Start(false);
}

// Deals card `n`: it is brought to the top of the deck and the deck picture is clicked.
void TakeOut(int n)
{
    const auto at = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(n));
    QVERIFY(at != program::state.deck.end());
    std::iter_swap(program::state.deck.begin(), at);
    DeckWindow::instance()->drawTopCard();
    QCOMPARE(program::state.cardsOut[n], CardKey(n));
}

// Returns card `n` by closing its window.
void GiveBack(int n)
{
    platform::ChildWindow *window = platform::FindWindowByCaption(CardTitle(n));
    QVERIFY(window);
    QVERIFY(window->unload());
    QCOMPARE(program::state.cardsOut[n], kNoCard);
}

} // namespace

class tst_properties : public QObject
{
    Q_OBJECT

private slots:
    void keySwapOnePassWherever_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("justice");
        QTest::newRow("new Thoth deck") << 11 << 8;
        QTest::newRow("top and bottom") << 0 << 77;
        QTest::newRow("neighbours") << 40 << 41;
    }
    void keySwapOnePassWherever()
    {
        QFETCH(int, strength);
        QFETCH(int, justice);
        QStringList others;
        for (int n = 0; n < kCardCount; ++n) {
            if (n != kStrength && n != kJustice)
                others << CardKey(n);
        }
        ProgramState state;
        for (int i = 0, k = 0; i < kCardCount; ++i)
            state.deck[i] = i == strength ? CardKey(kStrength) : i == justice ? CardKey(kJustice) : others[k++];
        const CardKeys before = state.deck;
        SwapStrengthAndJustice(state.deck);
        QCOMPARE(PlacesIn(state.deck).strength, justice);
        QCOMPARE(PlacesIn(state.deck).justice, strength);
        for (int i = 0; i < kCardCount; ++i) {
            if (i != strength && i != justice)
                QCOMPARE(state.deck[i], before[i]);
        }
    }

    void loadRunsTheCurrentStylesChoice_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("deckState");
        QTest::addColumn<bool>("swapped");
        QTest::newRow("Thoth, new deck") << 0 << 1 << true;
        QTest::newRow("Thoth, opened deck") << 0 << 2 << true;
        QTest::newRow("Traditional, new deck") << 1 << 1 << false;
        QTest::newRow("Traditional, opened deck") << 1 << 2 << true;
    }
    void loadRunsTheCurrentStylesChoice()
    {
        QFETCH(int, style);
        QFETCH(int, deckState);
        QFETCH(bool, swapped);
        ProgramFixture f;
        StartWith(f, style, deckState);
        QCOMPARE(int(program::state.deckState), deckState);
        const Places before = PlacesIn(program::state.deck);

        MainWindow::instance()->propertiesAction->trigger();
        PropertiesWindow *w = PropertiesWindow::loadedInstance();
        QVERIFY(w && w->isShown());
        QCOMPARE(w->thothButton->isChecked(), style == 0);
        QCOMPARE(w->traditionalButton->isChecked(), style == 1);
        QCOMPARE(int(program::state.deckStyle), style);
        QCOMPARE(program::state.deckStyleName, style == 1 ? QStringLiteral("Tradl ") : QStringLiteral("Thoth "));
        const Places after = PlacesIn(program::state.deck);
        QCOMPARE(after.strength, swapped ? before.justice : before.strength);
        QCOMPARE(after.justice, swapped ? before.strength : before.justice);

        // Shown again after "Exit Properties": nothing moves.
        QTest::mouseClick(w->exitButton, Qt::LeftButton);
        QVERIFY(!w->isShown());
        QVERIFY(w->isLoaded());
        MainWindow::instance()->showProperties();
        QCOMPARE(PropertiesWindow::loadedInstance(), w);
        QVERIFY(w->isShown());
        QCOMPARE(PlacesIn(program::state.deck).strength, after.strength);

        // Closed by File Close and opened again: loaded anew, the choice runs again.
        f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to Save the deck?"), false)
            .ExpectQuestion(QStringLiteral("     Close Deck?"), false);
        MainWindow::instance()->closeDeck();
        QVERIFY(!PropertiesWindow::loadedInstance());
        MainWindow::instance()->showProperties();
        QVERIFY(PropertiesWindow::loadedInstance());
        // A second swap brings the keys back where they were before the first load.
        QCOMPARE(PlacesIn(program::state.deck).strength, before.strength);
        VERIFY_DIALOGS(f.dialogs);
    }

    void styleChoiceByClick_data()
    {
        QTest::addColumn<int>("deckState");
        QTest::addColumn<int>("style"); // at load
        QTest::addColumn<int>("clicked"); // 1 Thoth, 2 Traditional
        QTest::addColumn<int>("newStyle");
        QTest::addColumn<bool>("swapped"); // by the click
        QTest::newRow("new deck, Traditional: no swap") << 1 << 0 << 2 << 1 << false;
        QTest::newRow("new deck, then Thoth: swap") << 1 << 1 << 1 << 0 << true;
        QTest::newRow("opened deck, Traditional: swap") << 2 << 0 << 2 << 1 << true;
        QTest::newRow("opened deck, Thoth: swap") << 2 << 1 << 1 << 0 << true;
        QTest::newRow("marked Thoth clicked again: nothing") << 2 << 0 << 1 << 0 << false;
        QTest::newRow("marked Traditional clicked again: nothing") << 2 << 1 << 2 << 1 << false;
    }
    void styleChoiceByClick()
    {
        QFETCH(int, deckState);
        QFETCH(int, style);
        QFETCH(int, clicked);
        QFETCH(int, newStyle);
        QFETCH(bool, swapped);
        ProgramFixture f;
        StartWith(f, style, deckState);
        MainWindow::instance()->showProperties();
        PropertiesWindow *w = PropertiesWindow::loadedInstance();
        QVERIFY(w);
        const Places before = PlacesIn(program::state.deck);

        QTest::mouseClick(clicked == 1 ? w->thothButton : w->traditionalButton, Qt::LeftButton);
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(int(program::state.deckStyle), newStyle);
        QCOMPARE(program::state.deckStyleName, newStyle == 1 ? QStringLiteral("Tradl ") : QStringLiteral("Thoth "));
        QCOMPARE(w->thothButton->isChecked(), newStyle == 0);
        QCOMPARE(w->traditionalButton->isChecked(), newStyle == 1);
        const Places after = PlacesIn(program::state.deck);
        QCOMPARE(after.strength, swapped ? before.justice : before.strength);
        QCOMPARE(after.justice, swapped ? before.strength : before.justice);
    }

    void guardRefusesWhileAStyleCardIsOut_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("loadedBefore");
        for (int card : { 4, kStrength, kJustice, 17 }) {
            QTest::addRow("%s out, never loaded", qPrintable(CardTitle(card))) << card << false;
            QTest::addRow("%s out, window shown", qPrintable(CardTitle(card))) << card << true;
        }
    }
    void guardRefusesWhileAStyleCardIsOut()
    {
        QFETCH(int, card);
        QFETCH(bool, loadedBefore);
        ProgramFixture f;
        f.Start(true);
        if (loadedBefore)
            MainWindow::instance()->showProperties();
        TakeOut(card);
        const ProgramState before = program::state;

        f.dialogs.ExpectMessage(kRefusal);
        MainWindow::instance()->propertiesAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
        PropertiesWindow *w = PropertiesWindow::loadedInstance();
        QCOMPARE(bool(w), loadedBefore);
        if (w)
            QVERIFY(!w->isShown());
        QVERIFY(program::state.deck == before.deck);
        QCOMPARE(program::state.deckStyleName, before.deckStyleName);
        QCOMPARE(program::state.deckStyle, before.deckStyle);

        // With the card back the window opens.
        GiveBack(card);
        MainWindow::instance()->propertiesAction->trigger();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(PropertiesWindow::loadedInstance() && PropertiesWindow::loadedInstance()->isShown());
    }

    void otherCardsOutDoNotStopTheWindow()
    {
        ProgramFixture f;
        f.Start(true);
        TakeOut(0);
        TakeOut(12);
        MainWindow::instance()->showProperties();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(PropertiesWindow::loadedInstance() && PropertiesWindow::loadedInstance()->isShown());
    }

    void styleChoiceRefusedWhileStrengthOrJusticeIsOut_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Strength out") << int(kStrength) << true;
        QTest::newRow("Justice out") << int(kJustice) << true;
        // Its picture follows the style at its next change; no key moves for it.
        QTest::newRow("The Emperor out") << 4 << false;
    }
    void styleChoiceRefusedWhileStrengthOrJusticeIsOut()
    {
        QFETCH(int, card);
        QFETCH(bool, refused);
        ProgramFixture f;
        StartWith(f, 0, 2);
        MainWindow::instance()->showProperties();
        PropertiesWindow *w = PropertiesWindow::loadedInstance();
        QVERIFY(w);
        TakeOut(card); // dealt while the window is open
        const CardKeys deck = program::state.deck;

        if (refused)
            f.dialogs.ExpectMessage(kRefusal);
        w->traditionalButton->click();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(w->thothButton->isChecked(), refused);
        QCOMPARE(w->traditionalButton->isChecked(), !refused);
        QCOMPARE(int(program::state.deckStyle), refused ? 0 : 1);
        if (refused)
            QVERIFY(program::state.deck == deck);
        // The card comes back: each key is in the deck exactly once.
        GiveBack(card);
        QCOMPARE(int(std::count(program::state.deck.begin(), program::state.deck.end(), CardKey(kStrength))), 1);
        QCOMPARE(int(std::count(program::state.deck.begin(), program::state.deck.end(), CardKey(kJustice))), 1);
    }

    void gypsieBoxesShowOppositeStates_data()
    {
        QTest::addColumn<int>("gypsie"); // when the window is loaded
        QTest::addColumn<int>("clicked"); // 0 none, 1 "Turn Gypsie Deck ON", 2 "Turn Gypsie Deck OFF"
        QTest::addColumn<int>("expected");
        QTest::newRow("loaded off") << 0 << 0 << 0;
        QTest::newRow("loaded on") << 1 << 0 << 1;
        QTest::newRow("ON ticked") << 0 << 1 << 1;
        QTest::newRow("ON cleared") << 1 << 1 << 0;
        QTest::newRow("OFF cleared") << 0 << 2 << 1;
        QTest::newRow("OFF ticked") << 1 << 2 << 0;
    }
    void gypsieBoxesShowOppositeStates()
    {
        QFETCH(int, gypsie);
        QFETCH(int, clicked);
        QFETCH(int, expected);
        ProgramFixture f;
        f.Start(true);
        program::state.gypsieDeck = static_cast<std::int16_t>(gypsie);
        MainWindow::instance()->showProperties();
        PropertiesWindow *w = PropertiesWindow::loadedInstance();
        QVERIFY(w);
        QCOMPARE(int(program::state.gypsieDeck), gypsie);
        QSignalSpy on(w->gypsieOnBox, &platform::WrappingCheckBox::changed);
        QSignalSpy off(w->gypsieOffBox, &platform::WrappingCheckBox::changed);
        if (clicked)
            QTest::mouseClick(clicked == 1 ? w->gypsieOnBox : w->gypsieOffBox, Qt::LeftButton);
        QCOMPARE(int(program::state.gypsieDeck), expected);
        QCOMPARE(w->gypsieOnBox->isChecked(), expected == 1);
        QCOMPARE(w->gypsieOffBox->isChecked(), expected == 0);
        // Each box's handler ran once: the chain ends at the box that started it.
        QCOMPARE(on.count(), clicked ? 1 : 0);
        QCOMPARE(off.count(), clicked ? 1 : 0);
    }

    void windowAsDesigned()
    {
        ProgramFixture f;
        f.Start(true);
        MainWindow::instance()->showProperties();
        PropertiesWindow *w = PropertiesWindow::loadedInstance();
        QVERIFY(w);
        QCOMPARE(w->caption(), QStringLiteral("Brivet Tarot Properties"));
        QCOMPARE(w->innerWidthTwips(), 2745.0f);
        QCOMPARE(w->innerHeightTwips(), 2310.0f);
        QVERIFY(w->thothButton->text().isEmpty());
        QVERIFY(w->traditionalButton->text().isEmpty());
        QVERIFY(w->thothButton->y() < w->traditionalButton->y()); // Thoth above Traditional, as the picture says
        QCOMPARE(w->exitButton->text(), QStringLiteral("Exit Properties"));
        QCOMPARE(w->gypsieLabel->text(), QStringLiteral("Gypsie Deck Allows for Upside Down Dignity"));
        QCOMPARE(w->gypsieOnBox->text(), QStringLiteral("Turn Gypsie Deck ON"));
        QCOMPARE(w->gypsieOffBox->text(), QStringLiteral("Turn Gypsie Deck OFF"));
        // The picture lies beneath every other control.
        QCOMPARE(w->children().indexOf(w->stylePicture), 0);
    }
};

QTEST_MAIN(tst_properties)
#include "tst_properties.moc"
