#include "cards/ui/cardwindow.h"

#include "app/programstate.h"
#include "cards/viewstates.h"
#include "deck/decksize.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/resources.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

#include <array>
#include <cmath>

#ifdef __GLIBC__
#include <malloc.h>
#endif

const char *const kCardMenuItems[6] = {
    "Enlarge       ",
    "Shrink",
    "Rotate",
    "Meaning",
    "Return To Deck",
    "Do Nothing",
};

namespace {

constexpr float kListWidth = 1212.0f;
constexpr float kListHeight = 1035.0f;
// Hanged Man's unused Image1: a small empty control in the corner.
constexpr float kSpareImageSize = 15.0f;

enum MenuIndex { kEnlarge = 0, kShrink, kRotate, kMeaning, kReturnToDeck, kDoNothing };

std::array<QPointer<CardWindow>, kCardCount> g_defaultWindows;

int ToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / platform::kTwipsPerPixel));
}

// The largest type, up to the program's own, in which the list's fixed size holds all six
// rows whole. Every card's menu is the same, so it is worked out once.
int MenuPixelSize(QListWidget *list)
{
    static int chosen = 0;
    if (chosen > 0)
        return chosen;
    constexpr int kSmallestPixels = 6;
    const int frame = 2 * list->frameWidth();
    const int textMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const QSize room(ToPixels(kListWidth) - frame - textMargins, ToPixels(kListHeight) - frame);
    QFont font = list->font();
    int pixels = QFontInfo(font).pixelSize();
    for (; pixels > kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        list->setFont(font);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const char *item : kCardMenuItems)
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(item).trimmed()));
        if (widest <= room.width() && list->sizeHintForRow(0) * list->count() <= room.height())
            break;
    }
    chosen = pixels;
    return chosen;
}

// The pictures of closed windows go back to the system, not only to the heap: one trim a
// moment after a run of windows closed, out of the way of what the user does next.
void GiveMemoryBack()
{
#ifdef __GLIBC__
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(kTrimDelayMs, [] {
        pending = false;
        malloc_trim(0);
    });
#endif
}

} // namespace

CardWindow::CardWindow(int cardNumber)
    : ChildWindow(
        CardDataOf(cardNumber).objectName, CardDataOf(cardNumber).clientWidth, CardDataOf(cardNumber).clientHeight)
    , m_card(cardNumber)
{
    const CardData &card = Data();
    Image1 = new platform::PictureLabel(QStringLiteral("Image1"), this);
    if (card.pictureObjectName == QLatin1String("Image2")) {
        Image2 = new platform::PictureLabel(QStringLiteral("Image2"), this);
        m_picture = Image2;
    } else {
        m_picture = Image1;
    }
    m_picture->setAccessibleName(card.title);
    connect(m_picture, &platform::PictureLabel::clicked, this, [this] { Image1_Click(); });

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(card.title + QStringLiteral(" menu"));
    for (const char *item : kCardMenuItems)
        List1->addItem(QString::fromLatin1(item));
    List1->setGeometry(0, 0, ToPixels(kListWidth), ToPixels(kListHeight));
    // A small menu over the picture: compact rows, and no sideways scrolling for the blanks
    // that pad "Enlarge". The rows are drawn without padding as they are; a style sheet would
    // change nothing on screen and make every card window several times slower to open.
    QFont listFont = List1->font();
    listFont.setPixelSize(MenuPixelSize(List1));
    List1->setFont(listFont);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    QPalette listPalette = List1->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::ToolTipBase));
    listPalette.setColor(QPalette::Text, listPalette.color(QPalette::ToolTipText));
    List1->setPalette(listPalette);
    List1->setMouseTracking(true);
    List1->viewport()->setMouseTracking(true);
    List1->viewport()->installEventFilter(this);
    List1->installEventFilter(this);
    // Only a click on an item runs its command, also on the item already selected.
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    List1->hide();

    if (card.background != CardBackground::ButtonFace) {
        QPalette pal = palette();
        pal.setColor(
            QPalette::Window, card.background == CardBackground::Black ? QColor(Qt::black) : pal.color(QPalette::Base));
        setPalette(pal);
        setAutoFillBackground(true);
    }
}

CardWindow::~CardWindow()
{
    GiveMemoryBack();
}

const CardData &CardWindow::Data() const
{
    return CardDataOf(m_card);
}

void CardWindow::resetControls()
{
    const CardData &card = Data();
    setCaption(card.title);
    if (Image2) {
        Image1->setGeometryTwips(0, 0, kSpareImageSize, kSpareImageSize);
        Image1->clearPicture();
    }
    m_picture->setGeometryTwips(0, 0, card.pictureWidth, card.pictureHeight);
    ShowDesignPicture();
    List1->setCurrentRow(-1);
    List1->clearSelection();
    List1->raise();
}

void CardWindow::ShowDesignPicture()
{
    const CardData &card = Data();
    const QString resource = card.designPicture.isEmpty() ? card.pictureStem[kThoth] : card.designPicture;
    // Decoded only when painted: a deal replaces it with the card's own picture at once.
    if (!m_picture->setPictureBytesLater(platform::Resource(resource))) {
        m_picture->clearPicture();
        qWarning("Card picture %s is missing; the window shows no picture.", qPrintable(resource));
    }
}

bool CardWindow::ShowPicture(const QString &cacheFilePath, const QString &resource)
{
    if (m_picture->setPictureBytes(platform::CachedFileBytes(cacheFilePath, resource)))
        return true;
    // The cache folder failed us: the embedded picture itself is just as good to look at.
    if (m_picture->setPictureBytes(platform::Resource(resource)))
        return true;
    qWarning("Card picture %s could not be shown.", qPrintable(resource));
    return false;
}

void CardWindow::SetReturnFlag()
{
    program::state.cardReturn = CardReturn::ToDeck;
}

void CardWindow::loadEvent()
{
    List1->hide();
    setTopTwips(program::state.nextCardTop);
    setLeftTwips(program::state.nextCardLeft);
}

void CardWindow::Image1_Click()
{
    List1->show();
    List1->raise();
}

void CardWindow::Form_MouseDown()
{
    if (Data().listOnMouseDown) {
        List1->show();
        List1->raise();
    }
}

void CardWindow::mousePressEvent(QMouseEvent *event)
{
    Form_MouseDown();
    event->accept();
}

void CardWindow::List1_LostFocus()
{
    List1->hide();
}

void CardWindow::List1_MouseMove()
{
    program::state.nextCardLeft = platform::RoundToInt16(leftTwips());
    program::state.nextCardTop = platform::RoundToInt16(topTwips());
}

bool CardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1->viewport() && event->type() == QEvent::MouseMove)
        List1_MouseMove();
    else if (watched == List1 && event->type() == QEvent::FocusOut)
        List1_LostFocus();
    return ChildWindow::eventFilter(watched, event);
}

bool CardWindow::CaptionIsOpen() const
{
    return isLoaded() && platform::FindWindowByCaption(Data().title) != nullptr;
}

void CardWindow::UnloadCard()
{
    program::state.cardReturn = CardReturn::StaysOut;
    // Only this window closes, once, however many windows of the card are open.
    if (CaptionIsOpen())
        unload();
}

void CardWindow::ReturnToDeck()
{
    if (CaptionIsOpen())
        unload();
}

void CardWindow::List1_Click()
{
    const int n = m_card;
    switch (List1->currentItem() && List1->currentItem()->isSelected() ? List1->currentRow() : -1) {
    case kEnlarge:
        Redisplay(EnlargeTarget(DefaultCardWindow(n)->heightTwips()), Route::Enlarge);
        break;
    case kShrink:
        Redisplay(ShrinkTarget(DefaultCardWindow(n)->heightTwips()), Route::Shrink);
        break;
    case kRotate:
        if (const int to = RotateTarget(program::state.viewStates[n]); to >= 0)
            Redisplay(to, Route::Rotate);
        break;
    case kMeaning:
        List1->hide();
        platform::dialogs().message(Data().meaningText, Data().meaningTitle);
        break;
    case kReturnToDeck:
        ReturnToDeck();
        break;
    case kDoNothing:
        List1->hide();
        break;
    default:
        break;
    }
    program::state.cardReturn = CardReturn::ToDeck;
}

void CardWindow::Redisplay(int state, Route route)
{
    const int n = m_card;
    const CardData &card = Data();
    program::state.reversed[n] = ReversedOfState(state);
    UnloadCard();

    // The default window opens again where this one stood (nextCardLeft/Top), before the one
    // step that can fail: writing the picture.
    CardWindow *target = DefaultCardWindow(n);
    const WindowSize size = SizeOfState(card, state, route);
    target->setHeightTwips(size.height);
    target->setWidthTwips(size.width);
    const StatePicture picture = PictureOfState(card, state, program::state.deckStyle);
    const QString path = picture.isDesignPicture() ? QString() : platform::DataPath(picture.cacheFile);
    if (!picture.isDesignPicture())
        platform::SaveResToFile(picture.resource, path);
    target->PictureControl()->setHeightTwips(target->innerHeightTwips());
    target->PictureControl()->setWidthTwips(target->innerWidthTwips());
    if (picture.isDesignPicture())
        target->ShowDesignPicture();
    else
        target->ShowPicture(path, picture.resource);
    SetReturnFlag();
    program::state.viewStates[n] = static_cast<std::int16_t>(state);
}

void CardWindow::queryUnloadEvent(bool &cancel, platform::UnloadReason reason)
{
    Q_UNUSED(cancel);
    Q_UNUSED(reason);
    if (program::state.cardReturn != CardReturn::ToDeck)
        return;
    const CardData &card = Data();
    // Only a card that is out goes back: when another window of the card has already given it
    // back, this close gives nothing, so the deck never gains a second copy.
    if (program::state.cardsOut[card.number] != card.key)
        return;
    const int slot = FirstFreePosition(program::state.deck);
    if (slot < 0)
        return;
    DeckWindow *deck = DeckWindow::instance();
    if (slot == 0 && deck) {
        deck->showWindow();
        deck->setHeightTwips(card.refillHeight);
        deck->setWidthTwips(static_cast<float>(kDeckFloorWidth));
    }
    program::state.deck[slot] = card.key;
    program::state.cardsOut[m_card] = kNoCard;
    program::state.viewStates[m_card] = 0;
    program::state.nextCardLeft = static_cast<std::int16_t>(card.returnPosition);
    program::state.nextCardTop = static_cast<std::int16_t>(card.returnPosition);
    program::state.returnPending = true;
    if (deck)
        deck->growAfterCardReturned();
    else
        program::state.returnPending = false;
}

CardWindow *DefaultCardWindow(int cardNumber)
{
    QPointer<CardWindow> &window = g_defaultWindows[cardNumber];
    if (!window)
        window = new CardWindow(cardNumber);
    return window;
}

CardWindow *NewCardWindow(int cardNumber)
{
    auto *window = new CardWindow(cardNumber);
    window->setDeleteOnUnload(true);
    return window;
}
