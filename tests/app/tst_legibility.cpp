// Every window shows its captions whole and is heard by the words it shows: each control that
// assistive technology reaches has a name, and never one of the program's internal names.
#include "app/captions.h"
#include "app/cardtable.h"
#include "app/programstate.h"
#include "app/ui/aboutwindow.h"
#include "app/ui/mainwindow.h"
#include "cards/ui/cardwindow.h"
#include "deck/ui/cutcardswindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/timers.h"
#include "platform/ui/buttons.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"
#include "readings/readingtexts.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>

namespace {

enum class Open {
    Deck,
    CardMenu,
    SecondPictureCardMenu,
    CutCards,
    Shuffle,
    CutOnce,
    CutTwice,
    PickACard,
    Properties,
    About,
    HelpContents,
    CelticCross,
    FiveCard
};

QString Describe(QWidget *w)
{
    QWidget *childWindow = w;
    while (childWindow && !qobject_cast<platform::ChildWindow *>(childWindow))
        childWindow = childWindow->parentWidget();
    return QStringLiteral("%1 \"%2\" in \"%3\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
            childWindow ? static_cast<platform::ChildWindow *>(childWindow)->caption() : w->window()->windowTitle());
}

QString AccessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// What a user meets as a control: something to press, choose from, or read.
bool IsControl(QWidget *w)
{
    if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QListWidget *>(w))
        return true;
    if (auto *label = qobject_cast<QLabel *>(w))
        return !label->text().isEmpty() || !label->pixmap().isNull() || label->movie();
    return false;
}

// The caption `text` fits `rect` in `font`: on one line, or, where the control wraps, word by
// word within the width and with all its lines within the height.
QString CaptionProblem(const QFont &font, const QRect &rect, const QString &text, bool wraps)
{
    const QFontMetrics metrics(font);
    if (!wraps) {
        if (metrics.horizontalAdvance(text) > rect.width() || metrics.height() > rect.height())
            return QStringLiteral("\"%1\" needs %2x%3 px, has %4x%5")
                .arg(text)
                .arg(metrics.horizontalAdvance(text))
                .arg(metrics.height())
                .arg(rect.width())
                .arg(rect.height());
        return QString();
    }
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > rect.width())
            return QStringLiteral("word \"%1\" of \"%2\" is wider than %3 px").arg(word, text).arg(rect.width());
    }
    const int height = metrics.boundingRect(rect, Qt::TextWordWrap, text).height();
    if (height > rect.height())
        return QStringLiteral("\"%1\" wrapped needs %2 px high, has %3").arg(text).arg(height).arg(rect.height());
    return QString();
}

QString CaptionProblem(QWidget *w)
{
    // The program's own buttons and check boxes wrap their captions; Qt's draw one line.
    const bool ownControl
        = qobject_cast<platform::WrappingButton *>(w) || qobject_cast<platform::WrappingCheckBox *>(w);
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (button->text().isEmpty())
            return QString();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox *>(w))
            element = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton *>(w))
            element = QStyle::SE_RadioButtonContents;
        QRect rect = button->style()->subElementRect(element, &option, button);
        if (element != QStyle::SE_PushButtonContents && ownControl)
            rect = QRect(rect.left(), 0, rect.width(), button->height());
        return CaptionProblem(button->font(), rect, button->text(), ownControl);
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty())
            return QString();
        const QRect rect = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        return CaptionProblem(label->font(), rect, label->text(), label->wordWrap());
    }
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        const QRect room = list->viewport()->rect();
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem *item = list->item(i);
            const QString text = item->text().trimmed();
            const QRect row = list->visualItemRect(item);
            const int needed = QFontMetrics(list->font()).horizontalAdvance(text);
            if (needed > std::min(row.width(), room.width()))
                return QStringLiteral("item \"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(row.width());
            // A short list is a menu: every row shows without scrolling.
            if (list->count() <= 10 && !room.contains(row))
                return QStringLiteral("item \"%1\" lies outside the list").arg(text);
        }
        return QString();
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field
            = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            const QString problem = CaptionProblem(combo->font(), field, combo->itemText(i), false);
            if (!problem.isEmpty())
                return problem;
        }
    }
    return QString();
}

void OpenWindow(ProgramFixture &f, Open which)
{
    switch (which) {
    case Open::Deck:
        break;
    case Open::CardMenu:
    case Open::SecondPictureCardMenu: {
        // The Hanged Man shows its picture in a second picture control.
        const int card = which == Open::CardMenu ? 0 : 12;
        std::rotate(program::state.deck.begin(),
            std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(card)),
            std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(card)) + 1);
        QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
        QVERIFY(WindowOf(card));
        QTest::mouseClick(WindowOf(card)->picture(), Qt::LeftButton);
        QVERIFY(WindowOf(card)->cardMenu->isVisible());
        break;
    }
    case Open::CutCards:
        MainWindow::instance()->cutCardsAction->trigger();
        break;
    case Open::Shuffle:
        platform::SetTimerScale(1); // the animation stays on screen while it is looked at
        MainWindow::instance()->shuffleAction->trigger();
        break;
    case Open::CutOnce:
    case Open::CutTwice: {
        platform::SetTimerScale(1);
        MainWindow::instance()->cutCardsAction->trigger();
        auto *chooser = qobject_cast<CutCardsWindow *>(platform::FindWindowByCaption(QStringLiteral("Cut Cards")));
        QVERIFY(chooser);
        (which == Open::CutOnce ? chooser->cutOnceButton : chooser->cutTwiceButton)->click();
        break;
    }
    case Open::PickACard:
        MainWindow::instance()->pickCardAction->trigger();
        break;
    case Open::Properties:
        MainWindow::instance()->propertiesAction->trigger();
        break;
    case Open::About:
        MainWindow::instance()->aboutAction->trigger();
        break;
    case Open::HelpContents:
        MainWindow::instance()->helpContentsAction->trigger();
        break;
    case Open::CelticCross:
        f.dialogs.ExpectMessage(kAskForQuerentText);
        MainWindow::instance()->celticCrossAction->trigger();
        break;
    case Open::FiveCard:
        f.dialogs.ExpectMessage(kFiveCardIntroText);
        MainWindow::instance()->fiveCardAction->trigger();
        break;
    }
}

} // namespace

class TestLegibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlNamedAndWhole_data()
    {
        QTest::addColumn<Open>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("deck") << Open::Deck << QString::fromLatin1(kDeckCaption);
        QTest::newRow("card with its menu") << Open::CardMenu << CardTitle(0);
        QTest::newRow("card with a second picture control") << Open::SecondPictureCardMenu << CardTitle(12);
        QTest::newRow("Cut Cards") << Open::CutCards << QStringLiteral("Cut Cards");
        QTest::newRow("shuffle") << Open::Shuffle << QStringLiteral("Shuffle");
        QTest::newRow("cut once") << Open::CutOnce << QStringLiteral("Cut Cards Once ");
        QTest::newRow("cut twice") << Open::CutTwice << QStringLiteral("Cut Cards Twice");
        QTest::newRow("Pick A Card") << Open::PickACard << kPickCardCaption;
        QTest::newRow("Properties") << Open::Properties << QStringLiteral("Brivet Tarot Properties");
        QTest::newRow("About") << Open::About << QString::fromUtf8(kAboutCaption);
        QTest::newRow("Help Contents") << Open::HelpContents << QStringLiteral("Help Contents");
        QTest::newRow("Celtic Cross") << Open::CelticCross << kCelticCaption;
        QTest::newRow("Five Card") << Open::FiveCard << kFiveCardCaption;
    }
    void everyControlNamedAndWhole()
    {
        QFETCH(Open, window);
        QFETCH(QString, caption);
        ProgramFixture f;
        f.Start(true);
        OpenWindow(f, window);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(MainWindow::instance());
        MainWindow::instance()->show();
        QVERIFY(QTest::qWaitForWindowExposed(MainWindow::instance()));
        if (!caption.isEmpty()) {
            platform::ChildWindow *childWindow = platform::FindWindowByCaption(caption);
            QVERIFY(childWindow && childWindow->isShown());
        }

        static const QRegularExpression internalName(
            QStringLiteral("^(Command|Label|Combo|List|Image|Option|Check|Timer)\\d+$|^Form\\d+$|^frm\\w+$"));
        QStringList problems;
        QList<QWidget *> widgets = MainWindow::instance()->findChildren<QWidget *>();
        widgets.prepend(MainWindow::instance());
        for (QWidget *w : std::as_const(widgets)) {
            if (!w->isVisible())
                continue;
            const QString name = AccessibleName(w);
            auto *childWindow = qobject_cast<platform::ChildWindow *>(w);
            // A window is heard by its caption, or not at all.
            if (internalName.match(name).hasMatch()
                || (childWindow && !name.isEmpty() && name != childWindow->caption()))
                problems << Describe(w) + QStringLiteral(" is heard as ") + name;
            if (childWindow)
                continue;
            if (!IsControl(w))
                continue;
            if (name.trimmed().isEmpty())
                problems << Describe(w) + QStringLiteral(" has no accessible name");
            else if (name == w->objectName())
                problems << Describe(w) + QStringLiteral(" is heard by its internal name");
            const QString caption = CaptionProblem(w);
            if (!caption.isEmpty())
                problems << Describe(w) + QStringLiteral(": ") + caption;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        VERIFY_DIALOGS(f.dialogs);
        f.TearDown();
    }

    // What each kind of control is heard as: the words it shows or the thing it is.
    void namesSayWhatControlsAre()
    {
        ProgramFixture f;
        f.Start(true);
        QCOMPARE(AccessibleName(DeckWindow::instance()->pile), QStringLiteral("Deck"));
        QCOMPARE(AccessibleName(DeckWindow::instance()), QString::fromLatin1(kDeckCaption));
        std::rotate(program::state.deck.begin(),
            std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(2)),
            std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(2)) + 1);
        QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
        CardWindow *card = WindowOf(2);
        QVERIFY(card);
        QCOMPARE(AccessibleName(card->picture()), CardTitle(2));
        QCOMPARE(AccessibleName(card->cardMenu), CardTitle(2) + QStringLiteral(" menu"));

        MainWindow::instance()->cutCardsAction->trigger();
        auto *chooser = qobject_cast<CutCardsWindow *>(platform::FindWindowByCaption(QStringLiteral("Cut Cards")));
        QVERIFY(chooser);
        QCOMPARE(AccessibleName(chooser->cutOnceButton), QStringLiteral("Cut Cards Once"));
        QCOMPARE(AccessibleName(chooser->exitButton), QStringLiteral("Exit Form"));

        MainWindow::instance()->pickCardAction->trigger();
        platform::ChildWindow *pick = platform::FindWindowByCaption(kPickCardCaption);
        QVERIFY(pick);
        QCOMPARE(AccessibleName(pick->findChild<QListWidget *>(QStringLiteral("List1"))), kPickListLabel);
        QCOMPARE(AccessibleName(pick->findChild<QComboBox *>(QStringLiteral("Combo1"))), kPickPositionLabel);
        QCOMPARE(AccessibleName(pick->findChild<QLabel *>(QStringLiteral("Label1"))), kPickPositionLabel);
        QCOMPARE(AccessibleName(pick->findChild<QPushButton *>(QStringLiteral("Command1"))), kPickExitCaption);
        f.TearDown();
    }
};

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
