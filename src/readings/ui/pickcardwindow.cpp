#include "readings/ui/pickcardwindow.h"

#include "app/cardtable.h"
#include "app/programstate.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "readings/pickcard.h"
#include "readings/readingtexts.h"
#include "readings/ui/layoutwindow.h"
#include "resourcelist.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QtDebug>

#include <algorithm>

namespace {

constexpr float kClientWidth = 5160;
constexpr float kClientHeight = 1590;
// Below the deck window and left of the Celtic Cross, so that it covers neither the deck nor
// a place of the spread.
constexpr float kLeft = 0;
constexpr float kTop = 3800;

QPointer<PickCardWindow> g_pickCard;

QPixmap InstructionPicture()
{
    QPixmap picture;
    if (!picture.loadFromData(platform::Resource(QLatin1String(art::kPickCardPicture.name))))
        qWarning("Picture %s is missing; Pick A Card works without it.", art::kPickCardPicture.name);
    return picture;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// The labels were laid out for a smaller system font: the text shrinks to its label rather
// than being cut off.
void FitLabelFont(QLabel *label)
{
    constexpr qreal kSmallestPoints = 6.0;
    QFont font = label->font();
    while (font.pointSizeF() > kSmallestPoints && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - 0.5));
    label->setFont(font);
}

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}

} // namespace

PositionList::PositionList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
}

void PositionList::showPopup()
{
    emit DropDown();
    // Filling the list may have hidden the window (the querent was chosen already).
    if (!isVisible())
        return;
    QComboBox::showPopup();
}

void PositionList::keyPressEvent(QKeyEvent *event)
{
    if (IsNavigationKey(event->key())) {
        showPopup();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Escape) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // Typing an entry's first letters would choose it without opening the list.
    event->accept();
}

void PositionList::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

PickCardWindow::PickCardWindow()
    : ChildWindow(QStringLiteral("frmPickCard"), kClientWidth, kClientHeight)
{
    const QPixmap picture = InstructionPicture();
    if (!picture.isNull()) {
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(picture));
        setPalette(pal);
        setAutoFillBackground(true);
    }

    // Pictures and labels first: the lists and the button lie over them.
    Image2 = new platform::PictureLabel(QStringLiteral("Image2"), this);
    Image2->setPixmap(picture);
    Image2->setAccessibleName(kPickCardCaption);
    Image1 = new platform::PictureLabel(QStringLiteral("Image1"), this);
    Label2 = MakeLabel(this, "Label2", kPickListLabel);
    Label1 = MakeLabel(this, "Label1", kPickPositionLabel);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(kPickListLabel);
    Label2->setBuddy(List1);
    for (int n = 0; n < kCardCount; ++n)
        List1->addItem(CardKey(n));
    List1->installEventFilter(this);
    // A click picks, also on the entry already selected; moving through the list with the
    // arrow keys only selects, and Enter picks (see eventFilter).
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });

    Combo1 = new PositionList(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(kPickPositionLabel);
    Label1->setBuddy(Combo1);
    connect(Combo1, &PositionList::DropDown, this, &PickCardWindow::Combo1_DropDown);
    // Only the user's choice of an entry picks; the program's refilling does not.
    connect(Combo1, &QComboBox::activated, this, [this](int index) { Combo1_Click(Combo1->itemText(index)); });

    Command1 = new platform::WrappingButton(QStringLiteral("Command1"), kPickExitCaption, this);
    connect(Command1, &QPushButton::clicked, this, &PickCardWindow::Command1_Click);
}

void PickCardWindow::resetControls()
{
    setCaption(kPickCardCaption);
    Image2->setGeometryTwips(0, 0, 5196, 1608);
    Image1->setGeometryTwips(0, 0, 5172, 1572);
    platform::PlaceControl(Label2, 3000, 0, 1932, 252);
    platform::PlaceControl(List1, 3000, 240, 2052, 255);
    platform::PlaceControl(Label1, 3000, 720, 972, 252);
    FitLabelFont(Label2);
    FitLabelFont(Label1);
    platform::PlaceControl(Combo1, 3000, 960, 972, 288);
    platform::PlaceControl(Command1, 4080, 1080, 972, 372);
    List1->setCurrentRow(-1);
    List1->clearSelection();
    List1->scrollToTop();
    Combo1->clear();
}

void PickCardWindow::loadEvent()
{
    setLeftTwips(kLeft);
    setTopTwips(kTop);
    RefreshPickList();
}

bool PickCardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && List1->currentItem()) {
            List1_Click();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void PickCardWindow::Combo1_DropDown()
{
    RefreshPickList();
}

void PickCardWindow::RefreshPickList()
{
    Combo1->clear();
    FillPickList(PickListCount(program::state.deck));
}

void PickCardWindow::FillPickList(int count)
{
    if (program::state.reading == Reading::CelticCross) {
        platform::dialogs().message(kQuerentChosenText);
        hideWindow();
    }
    Combo1->addItems(PositionEntries(count));
    // Nothing is chosen until the user chooses.
    Combo1->setCurrentIndex(-1);
}

void PickCardWindow::Combo1_Click(const QString &entry)
{
    const int position = PositionOfEntry(entry, program::state.deck);
    if (position < 0)
        return; // not a position of the deck as it is now
    TakeCard(program::state.deck[position]);
}

void PickCardWindow::List1_Click()
{
    const QListWidgetItem *item = List1->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    if (program::state.reading == Reading::CelticCross) {
        platform::dialogs().message(kQuerentChosenText);
        hideWindow();
        return;
    }
    // The whole deck is scanned: a card taken here whose card number lies beyond the position
    // it was taken from is met again among the cards that are out and shown again.
    for (int i = 0; i < kCardCount; ++i) {
        if (program::state.cardsOut[i] == name && program::state.reading != Reading::CelticCross)
            ShowOutCard(name);
        if (program::state.deck[i] == name)
            TakeCard(name);
    }
}

void PickCardWindow::Command1_Click()
{
    if (program::state.reading == Reading::CelticAwaitingQuerent) {
        platform::dialogs().message(kQuerentSkippedText);
        program::state.reading = Reading::CelticCross;
    }
    hideWindow();
}

PickCardWindow *PickCardWindow::instance()
{
    return platform::SingleWindow(g_pickCard);
}
