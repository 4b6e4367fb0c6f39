#include "cards/cardwindow.h"

#include "app/state.h"
#include "app/windows_ui.h"
#include "cards/viewstates.h"
#include "deck/decksize.h"
#include "deck/deckwindow.h"
#include "platform/controls_ui.h"
#include "platform/dialogs_ui.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/resources.h"

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
    : Form(CardDataOf(cardNumber).className, CardDataOf(cardNumber).clientWidth, CardDataOf(cardNumber).clientHeight)
    , m_card(cardNumber)
{
    const CardData &card = Data();
    Image1 = new platform::ImageControl(QStringLiteral("Image1"), this);
    if (card.pictureControl == QLatin1String("Image2")) {
        Image2 = new platform::ImageControl(QStringLiteral("Image2"), this);
        m_picture = Image2;
    } else {
        m_picture = Image1;
    }
    m_picture->setAccessibleName(card.title);
    connect(m_picture, &platform::ImageControl::Click, this, [this] { Image1_Click(); });

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

void CardWindow::ResetDesign()
{
    const CardData &card = Data();
    SetCaption(card.title);
    if (Image2) {
        Image1->SetBounds(0, 0, kSpareImageSize, kSpareImageSize);
        Image1->ClearPicture();
    }
    m_picture->SetBounds(0, 0, card.pictureWidth, card.pictureHeight);
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
    if (!m_picture->SetPictureBytesLater(platform::Resource(resource))) {
        m_picture->ClearPicture();
        qWarning("Card picture %s is missing; the window shows no picture.", qPrintable(resource));
    }
}

bool CardWindow::ShowPicture(const QString &cacheFilePath, const QString &resource)
{
    if (m_picture->SetPictureBytes(platform::CachedFileBytes(cacheFilePath, resource)))
        return true;
    // The cache folder failed us: the embedded picture itself is just as good to look at.
    if (m_picture->SetPictureBytes(platform::Resource(resource)))
        return true;
    qWarning("Card picture %s could not be shown.", qPrintable(resource));
    return false;
}

void CardWindow::SetReturnFlag()
{
    G.CardReturnMode = 1;
}

void CardWindow::Form_Load()
{
    List1->hide();
    SetTop(G.NextCardTop);
    SetLeft(G.NextCardLeft);
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
    G.NextCardLeft = platform::RoundToInt16(Left());
    G.NextCardTop = platform::RoundToInt16(Top());
}

bool CardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1->viewport() && event->type() == QEvent::MouseMove)
        List1_MouseMove();
    else if (watched == List1 && event->type() == QEvent::FocusOut)
        List1_LostFocus();
    return Form::eventFilter(watched, event);
}

bool CardWindow::CaptionIsOpen() const
{
    return IsLoaded() && platform::FindForm(Data().title) != nullptr;
}

void CardWindow::UnloadCard()
{
    G.CardReturnMode = 2;
    // Only this window closes, once, however many windows of the card are open.
    if (CaptionIsOpen())
        Unload();
}

void CardWindow::ReturnToDeck()
{
    if (CaptionIsOpen())
        Unload();
}

void CardWindow::List1_Click()
{
    const int n = m_card;
    switch (List1->currentItem() && List1->currentItem()->isSelected() ? List1->currentRow() : -1) {
    case kEnlarge:
        Redisplay(EnlargeTarget(DefaultCardWindow(n)->Height()), Route::Enlarge);
        break;
    case kShrink:
        Redisplay(ShrinkTarget(DefaultCardWindow(n)->Height()), Route::Shrink);
        break;
    case kRotate:
        if (const int to = RotateTarget(G.CardView[n]); to >= 0)
            Redisplay(to, Route::Rotate);
        break;
    case kMeaning:
        List1->hide();
        platform::dialogs().MsgBox(Data().meaningText, Data().meaningTitle);
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
    G.CardReturnMode = 1;
}

void CardWindow::Redisplay(int state, Route route)
{
    const int n = m_card;
    const CardData &card = Data();
    G.Reversed[n] = ReversedOfState(state);
    UnloadCard();

    // The default window opens again where this one stood (NextCardLeft/Top), before the one
    // step that can fail: writing the picture.
    CardWindow *target = DefaultCardWindow(n);
    const WindowSize size = SizeOfState(card, state, route);
    target->SetHeight(size.height);
    target->SetWidth(size.width);
    const StatePicture picture = PictureOfState(card, state, G.DeckStyle);
    const QString path = picture.IsDesignPicture() ? QString() : platform::DataPath(picture.cacheFile);
    if (!picture.IsDesignPicture())
        platform::SaveResToFile(picture.resource, path);
    target->PictureControl()->SetHeight(target->ScaleHeight());
    target->PictureControl()->SetWidth(target->ScaleWidth());
    if (picture.IsDesignPicture())
        target->ShowDesignPicture();
    else
        target->ShowPicture(path, picture.resource);
    SetReturnFlag();
    G.CardView[n] = static_cast<std::int16_t>(state);
}

void CardWindow::Form_QueryUnload(bool &cancel, int unloadMode)
{
    Q_UNUSED(cancel);
    Q_UNUSED(unloadMode);
    if (G.CardReturnMode != 1)
        return;
    const CardData &card = Data();
    // Only a card that is out goes back: when another window of the card has already given it
    // back, this close gives nothing, so the deck never gains a second copy.
    if (G.CardsOut[card.number] != card.key)
        return;
    const int slot = FirstFreePosition(G.Deck);
    if (slot < 0)
        return;
    if (slot == 0 && DeckForm) {
        DeckForm->Show();
        DeckForm->SetHeight(card.refillHeight);
        DeckForm->SetWidth(static_cast<float>(kDeckFloorWidth));
    }
    G.Deck[slot] = card.key;
    G.CardsOut[m_card] = kNoCard;
    G.CardView[m_card] = 0;
    G.NextCardLeft = static_cast<std::int16_t>(card.returnPosition);
    G.NextCardTop = static_cast<std::int16_t>(card.returnPosition);
    G.ReturnPending = 1;
    if (DeckForm)
        DeckForm->AddtoDeck();
    else
        G.ReturnPending = 0;
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
    window->SetDeleteOnUnload(true);
    return window;
}
