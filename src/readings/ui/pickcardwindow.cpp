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
    emit aboutToOpen();
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
    instructions = new platform::PictureLabel(QStringLiteral("Image2"), this);
    instructions->setPixmap(picture);
    instructions->setAccessibleName(kPickCardCaption);
    backdrop = new platform::PictureLabel(QStringLiteral("Image1"), this);
    cardListLabel = MakeLabel(this, "Label2", kPickListLabel);
    positionLabel = MakeLabel(this, "Label1", kPickPositionLabel);

    cardList = new QListWidget(this);
    cardList->setObjectName(QStringLiteral("List1"));
    cardList->setAccessibleName(kPickListLabel);
    cardListLabel->setBuddy(cardList);
    for (int n = 0; n < kCardCount; ++n)
        cardList->addItem(CardKey(n));
    cardList->installEventFilter(this);
    // A click picks, also on the entry already selected; moving through the list with the
    // arrow keys only selects, and Enter picks (see eventFilter).
    connect(cardList, &QListWidget::itemClicked, this, [this] { pickNamedCard(); });

    positionBox = new PositionList(this);
    positionBox->setObjectName(QStringLiteral("Combo1"));
    positionBox->setAccessibleName(kPickPositionLabel);
    positionLabel->setBuddy(positionBox);
    connect(positionBox, &PositionList::aboutToOpen, this, &PickCardWindow::refreshPositionBox);
    // Only the user's choice of an entry picks; the program's refilling does not.
    connect(
        positionBox, &QComboBox::activated, this, [this](int index) { pickPosition(positionBox->itemText(index)); });

    exitButton = new platform::WrappingButton(QStringLiteral("Command1"), kPickExitCaption, this);
    connect(exitButton, &QPushButton::clicked, this, &PickCardWindow::leave);
}

void PickCardWindow::resetControls()
{
    setCaption(kPickCardCaption);
    instructions->setGeometryTwips(0, 0, 5196, 1608);
    backdrop->setGeometryTwips(0, 0, 5172, 1572);
    platform::PlaceControl(cardListLabel, 3000, 0, 1932, 252);
    platform::PlaceControl(cardList, 3000, 240, 2052, 255);
    platform::PlaceControl(positionLabel, 3000, 720, 972, 252);
    FitLabelFont(cardListLabel);
    FitLabelFont(positionLabel);
    platform::PlaceControl(positionBox, 3000, 960, 972, 288);
    platform::PlaceControl(exitButton, 4080, 1080, 972, 372);
    cardList->setCurrentRow(-1);
    cardList->clearSelection();
    cardList->scrollToTop();
    positionBox->clear();
}

void PickCardWindow::loadEvent()
{
    setLeftTwips(kLeft);
    setTopTwips(kTop);
    refreshPositionBox();
}

bool PickCardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cardList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cardList->currentItem()) {
            pickNamedCard();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void PickCardWindow::refreshPositionBox()
{
    positionBox->clear();
    fillPositionBox(PickListCount(program::state.deck));
}

void PickCardWindow::fillPositionBox(int count)
{
    if (program::state.reading == Reading::CelticCross) {
        platform::dialogs().message(kQuerentChosenText);
        hideWindow();
    }
    positionBox->addItems(PositionEntries(count));
    // Nothing is chosen until the user chooses.
    positionBox->setCurrentIndex(-1);
}

void PickCardWindow::pickPosition(const QString &entry)
{
    const int position = PositionOfEntry(entry, program::state.deck);
    if (position < 0)
        return; // not a position of the deck as it is now
    takeCard(program::state.deck[position]);
}

void PickCardWindow::pickNamedCard()
{
    const QListWidgetItem *item = cardList->currentItem();
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
            showOutCard(name);
        if (program::state.deck[i] == name)
            takeCard(name);
    }
}

void PickCardWindow::leave()
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
