#include "cards/ui/cardwindow.h"

#include "app/programstate.h"
#include "cards/viewstates.h"
#include "deck/ui/cardreturn.h"
#include "platform/files.h"
#include "platform/memory.h"
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
// The spare image: a small empty control in the corner.
constexpr float kSpareImageSize = 15.0f;

enum MenuIndex { kEnlarge = 0, kShrink, kRotate, kMeaning, kReturnToDeck, kDoNothing };

std::array<QPointer<CardWindow>, kCardCount> g_defaultWindows;

// The height the card's default window has, or will have when it is made and opened, without
// making or opening it.
float DefaultWindowHeightTwips(int cardNumber)
{
    const CardWindow *window = g_defaultWindows[cardNumber];
    return window ? window->heightTwipsWithoutLoading() : CardDataOf(cardNumber).clientHeight + platform::kFrameHeight;
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
    const QSize room(platform::TwipsToPixels(kListWidth) - frame - textMargins, platform::TwipsToPixels(kListHeight) - frame);
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
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(kTrimDelayMs, [] {
        pending = false;
        platform::GiveFreeMemoryBack();
    });
}

} // namespace

CardWindow::CardWindow(int cardNumber)
    : ChildWindow(
        CardDataOf(cardNumber).objectName, CardDataOf(cardNumber).clientWidth, CardDataOf(cardNumber).clientHeight)
    , m_card(cardNumber)
{
    const CardData &card = cardData();
    auto *first = new platform::PictureLabel(QStringLiteral("Image1"), this);
    if (card.pictureObjectName == QLatin1String("Image2")) {
        m_spareImage = first;
        m_picture = new platform::PictureLabel(QStringLiteral("Image2"), this);
    } else {
        m_picture = first;
    }
    m_picture->setAccessibleName(card.title);
    connect(m_picture, &platform::PictureLabel::clicked, this, &CardWindow::showMenu);

    cardMenu = new QListWidget(this);
    cardMenu->setObjectName(QStringLiteral("List1"));
    cardMenu->setAccessibleName(card.title + QStringLiteral(" menu"));
    for (const char *item : kCardMenuItems)
        cardMenu->addItem(QString::fromLatin1(item));
    cardMenu->setGeometry(0, 0, platform::TwipsToPixels(kListWidth), platform::TwipsToPixels(kListHeight));
    // A small menu over the picture: compact rows, and no sideways scrolling for the blanks
    // that pad "Enlarge". The rows are drawn without padding as they are; a style sheet would
    // change nothing on screen and make every card window several times slower to open.
    QFont listFont = cardMenu->font();
    listFont.setPixelSize(MenuPixelSize(cardMenu));
    cardMenu->setFont(listFont);
    cardMenu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cardMenu->setTextElideMode(Qt::ElideNone);
    QPalette listPalette = cardMenu->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::ToolTipBase));
    listPalette.setColor(QPalette::Text, listPalette.color(QPalette::ToolTipText));
    cardMenu->setPalette(listPalette);
    cardMenu->setMouseTracking(true);
    cardMenu->viewport()->setMouseTracking(true);
    cardMenu->viewport()->installEventFilter(this);
    cardMenu->installEventFilter(this);
    // Only a click on an item runs its command, also on the item already selected.
    connect(cardMenu, &QListWidget::itemClicked, this, &CardWindow::runMenuItem);
    cardMenu->hide();

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

const CardData &CardWindow::cardData() const
{
    return CardDataOf(m_card);
}

void CardWindow::resetControls()
{
    const CardData &card = cardData();
    setCaption(card.title);
    if (m_spareImage) {
        m_spareImage->setGeometryTwips(0, 0, kSpareImageSize, kSpareImageSize);
        m_spareImage->clearPicture();
    }
    m_picture->setGeometryTwips(0, 0, card.pictureWidth, card.pictureHeight);
    showDesignPicture();
    cardMenu->setCurrentRow(-1);
    cardMenu->clearSelection();
    cardMenu->raise();
}

void CardWindow::showDesignPicture()
{
    const CardData &card = cardData();
    const QString resource = card.designPicture.isEmpty() ? card.pictureStem[kThoth] : card.designPicture;
    // Decoded only when painted: a deal replaces it with the card's own picture at once.
    if (!m_picture->setPictureBytesLater(platform::Resource(resource))) {
        m_picture->clearPicture();
        qWarning("Card picture %s is missing; the window shows no picture.", qPrintable(resource));
    }
}

bool CardWindow::showPicture(const QString &cacheFilePath, const QString &resource)
{
    if (m_picture->setPictureBytes(platform::CachedFileBytes(cacheFilePath, resource)))
        return true;
    // The cache folder failed us: the embedded picture itself is just as good to look at.
    if (m_picture->setPictureBytes(platform::Resource(resource)))
        return true;
    qWarning("Card picture %s could not be shown.", qPrintable(resource));
    return false;
}

void CardWindow::loadEvent()
{
    cardMenu->hide();
    setTopTwips(program::state.nextCardTop);
    setLeftTwips(program::state.nextCardLeft);
}

void CardWindow::showMenu()
{
    cardMenu->show();
    cardMenu->raise();
}

void CardWindow::surfacePressed()
{
    if (cardData().listOnMouseDown) {
        cardMenu->show();
        cardMenu->raise();
    }
}

void CardWindow::mousePressEvent(QMouseEvent *event)
{
    surfacePressed();
    event->accept();
}

void CardWindow::hideMenu()
{
    cardMenu->hide();
}

void CardWindow::rememberPlace()
{
    program::state.nextCardLeft = platform::RoundToInt16(leftTwips());
    program::state.nextCardTop = platform::RoundToInt16(topTwips());
}

bool CardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cardMenu->viewport() && event->type() == QEvent::MouseMove)
        rememberPlace();
    else if (watched == cardMenu && event->type() == QEvent::FocusOut)
        hideMenu();
    return ChildWindow::eventFilter(watched, event);
}

bool CardWindow::captionIsOpen() const
{
    return isLoaded() && platform::FindWindowByCaption(cardData().title) != nullptr;
}

void CardWindow::closeKeepingCard()
{
    program::state.cardReturn = CardReturn::StaysOut;
    // Only this window closes, once, however many windows of the card are open.
    if (captionIsOpen())
        unload();
}

void CardWindow::returnToDeck()
{
    if (captionIsOpen())
        unload();
}

void CardWindow::runMenuItem()
{
    const int n = m_card;
    switch (cardMenu->currentItem() && cardMenu->currentItem()->isSelected() ? cardMenu->currentRow() : -1) {
    // Each starts decoding the picture it will show before anything else: touching the default
    // window's size opens it.
    case kEnlarge:
        decodeAhead(EnlargeTarget(DefaultWindowHeightTwips(n)), Route::Enlarge);
        redisplay(EnlargeTarget(DefaultCardWindow(n)->heightTwips()), Route::Enlarge);
        break;
    case kShrink:
        decodeAhead(ShrinkTarget(DefaultWindowHeightTwips(n)), Route::Shrink);
        redisplay(ShrinkTarget(DefaultCardWindow(n)->heightTwips()), Route::Shrink);
        break;
    case kRotate:
        if (const int to = RotateTarget(program::state.viewStates[n]); to >= 0) {
            decodeAhead(to, Route::Rotate);
            redisplay(to, Route::Rotate);
        }
        break;
    case kMeaning:
        cardMenu->hide();
        platform::dialogs().message(cardData().meaningText, cardData().meaningTitle);
        break;
    case kReturnToDeck:
        returnToDeck();
        break;
    case kDoNothing:
        cardMenu->hide();
        break;
    default:
        break;
    }
    program::state.cardReturn = CardReturn::ToDeck;
}

void CardWindow::decodeAhead(int state, Route route) const
{
    const WindowSize size = SizeOfState(cardData(), state, route);
    const StatePicture picture = PictureOfState(cardData(), state, program::state.deckStyle);
    if (!picture.isDesignPicture())
        DecodeCardPictureAhead(picture.resource, size.width - platform::kFrameWidth, size.height - platform::kFrameHeight);
}

void CardWindow::redisplay(int state, Route route)
{
    const int n = m_card;
    const CardData &card = cardData();
    const WindowSize size = SizeOfState(card, state, route);
    const StatePicture picture = PictureOfState(card, state, program::state.deckStyle);
    program::state.reversed[n] = ReversedOfState(state);
    closeKeepingCard();

    // The default window opens again where this one stood (nextCardLeft/Top), before the one
    // step that can fail: writing the picture.
    CardWindow *target = DefaultCardWindow(n);
    target->setHeightTwips(size.height);
    target->setWidthTwips(size.width);
    const QString path = picture.isDesignPicture() ? QString() : platform::DataPath(picture.cacheFile);
    if (!picture.isDesignPicture())
        platform::SaveResToFile(picture.resource, path);
    target->picture()->setHeightTwips(target->innerHeightTwips());
    target->picture()->setWidthTwips(target->innerWidthTwips());
    if (picture.isDesignPicture())
        target->showDesignPicture();
    else
        target->showPicture(path, picture.resource);
    program::state.cardReturn = CardReturn::ToDeck;
    program::state.viewStates[n] = static_cast<std::int16_t>(state);
}

void CardWindow::queryUnloadEvent(bool &cancel, platform::UnloadReason reason)
{
    Q_UNUSED(cancel);
    Q_UNUSED(reason);
    if (program::state.cardReturn == CardReturn::ToDeck)
        ReturnCardToDeck(cardData());
}

CardWindow *DefaultCardWindow(int cardNumber)
{
    QPointer<CardWindow> &window = g_defaultWindows[cardNumber];
    if (!window)
        window = new CardWindow(cardNumber);
    return window;
}

void DecodeCardPictureAhead(const QString &resource, float pictureWidthTwips, float pictureHeightTwips)
{
    platform::DecodeAhead(platform::Resource(resource),
        platform::PictureLabel::shownSizeFor(
            pictureWidthTwips, pictureHeightTwips, platform::Workspace()->devicePixelRatioF()));
}

CardWindow *NewCardWindow(int cardNumber)
{
    auto *window = new CardWindow(cardNumber);
    window->setDeleteOnUnload(true);
    return window;
}
