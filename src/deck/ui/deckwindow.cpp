#include "deck/ui/deckwindow.h"

#include "app/captions.h"
#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/ui/cardwindow.h"
#include "deck/decksize.h"
#include "deck/draw.h"
#include "platform/files.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "platform/ui/sharedpicture.h"
#include "readings/ui/readingdeal.h"
#include "resourcelist.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPointer>

namespace {

QPointer<DeckWindow> g_instance;

constexpr float kDesignClientWidth = 2655;
constexpr float kDesignClientHeight = 3240;
// The picture is larger than the window: the window shows its top left part, so the pile
// seems to shrink and grow with the window.
constexpr float kPictureWidth = 3048;
constexpr float kPictureHeight = 3636;

// Decoded once: the window shows it again at every load.
QPixmap DeckPicture()
{
    return platform::SharedPicture(QLatin1String(art::kDeckPicture.name));
}

QCursor HandCursor()
{
    const QPixmap picture = platform::SharedPicture(QLatin1String(art::kHandCursor.name));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, art::kHandCursorHotX, art::kHandCursorHotY);
}

} // namespace

DeckWindow::DeckWindow()
    : ChildWindow(QStringLiteral("frmTarotDeck"), kDesignClientWidth, kDesignClientHeight)
{
    pile = new platform::PictureLabel(QStringLiteral("Image1"), this);
    pile->setAccessibleName(QStringLiteral("Deck"));
    connect(pile, &platform::PictureLabel::released, this, [this] { pileReleased(); });
    connect(pile, &platform::PictureLabel::clicked, this, [this] { drawTopCard(); });
    g_instance = this;
}

void DeckWindow::resetControls()
{
    setCaption(QString::fromLatin1(kDeckCaption));
    // The pictures are decoded at the first load, not at start-up: the window is hidden until
    // then. The same picture lies behind the control as the window's own background.
    setCursor(HandCursor());
    const QPixmap picture = DeckPicture();
    if (!picture.isNull() && !autoFillBackground()) {
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(picture));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    pile->setGeometryTwips(0, 0, kPictureWidth, kPictureHeight);
    pile->setPixmap(picture);
    pile->show();
}

void DeckWindow::removeTopCard()
{
    ::ShiftDeck(program::state.deck);
}

void DeckWindow::setFloorSize()
{
    setHeightTwips(static_cast<float>(kDeckFloorHeight));
    setWidthTwips(static_cast<float>(kDeckFloorWidth));
}

void DeckWindow::shrinkAfterCardTaken()
{
    const DeckWindowSize size = SizeAfterCardTaken(heightTwips(), widthTwips());
    setHeightTwips(size.height);
    setWidthTwips(size.width);
    if (DeckIsEmpty(program::state.deck)) {
        setFloorSize();
        hideWindow();
    } else {
        showWindow();
    }
}

void DeckWindow::growAfterCardReturned()
{
    if (!program::state.returnPending)
        return;
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        if (window->caption() == QLatin1String(kDeckCaption))
            window->hideWindow();
    }
    if (const auto size = SizeAfterCardReturned(heightTwips(), widthTwips(), program::state.deck)) {
        setHeightTwips(size->height);
        setWidthTwips(size->width);
    }
    showWindow();
    program::state.returnPending = false;
}

void DeckWindow::drawTopCard()
{
    releaseDealtWindows();
    switch (program::state.reading) {
    case Reading::CelticAwaitingQuerent:
        platform::dialogs().message(QStringLiteral("You have to use the Pick Card function to choose a quarant"));
        break;
    case Reading::FiveCard:
    case Reading::CelticCross: {
        const DealtCard dealt = DealReadingCard();
        if (dealt.cardNumber >= 0) {
            dealtWindows[dealt.cardNumber + 1] = dealt.window;
            dealtPicture = dealt.picture;
        }
        break;
    }
    default:
        dealFreely();
        break;
    }
    shrinkAfterCardTaken();
}

void DeckWindow::releaseDealtWindows()
{
    // A window made by an earlier click but never opened is dropped; an open one lives on
    // until it is closed.
    for (QPointer<CardWindow> &instance : dealtWindows) {
        if (instance && !instance->isLoaded())
            delete instance.data();
        instance = nullptr;
    }
}

void DeckWindow::dealFreely()
{
    program::state.cardReturn = CardReturn::ToDeck;
    const int n = CardNumberOfKey(program::state.deck[0]);
    if (n < 0)
        return; // an empty deck, or a key that names no card
    program::state.pictureSuffix = FreeDealPicSuffix(program::state.reversed[n], program::state.gypsieDeck);
    const DealPicture picture = FreeDealPicture(n, program::state.deckStyle, program::state.pictureSuffix);
    dealtPicture = picture.resource;
    openDealtCard(n, picture.cacheFile);
    program::state.cardsOut[n] = CardKey(n);
    removeTopCard();
}

CardWindow *DeckWindow::openDealtCard(int cardNumber, const QString &cacheFile)
{
    const CardData &card = CardDataOf(cardNumber);
    DecodeCardPictureAhead(dealtPicture, card.pictureWidth, card.pictureHeight);
    const QString path = platform::DataPath(cacheFile);
    platform::SaveResToFile(dealtPicture, path);
    CardWindow *window = NewCardWindow(cardNumber);
    dealtWindows[cardNumber + 1] = window;
    window->ensureLoaded();
    window->showPicture(path, dealtPicture);
    return window;
}

void DeckWindow::pileReleased()
{
    if (!DeckIsEmpty(program::state.deck)) {
        pile->show();
    } else {
        setFloorSize();
        pile->hide();
    }
}

void DeckWindow::surfaceReleased()
{
    if (!DeckIsEmpty(program::state.deck)) {
        showWindow();
    } else {
        setFloorSize();
        hideWindow();
    }
}

void DeckWindow::mouseReleaseEvent(QMouseEvent *event)
{
    surfaceReleased();
    event->accept();
}

void DeckWindow::activateEvent()
{
    if (DeckIsEmpty(program::state.deck))
        hideWindow();
}

void DeckWindow::visibilityChangeEvent(bool visible)
{
    // A pile hidden while the deck was empty shows again once there are cards to draw.
    if (visible && !DeckIsEmpty(program::state.deck))
        pile->show();
}

void DeckWindow::queryUnloadEvent(bool &cancel, platform::UnloadReason)
{
    if (!platform::dialogs().askYesNo(QStringLiteral(" Do you want to Close the Deck without saving? "))) {
        cancel = true;
        return;
    }
    closeOtherWindows();
    program::state.deckClosed = true;
    program::state.deckState = DeckState::NothingToSave;
}

void DeckWindow::closeOtherWindows()
{
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        const QString caption = window->caption();
        if (caption != QLatin1String(kMainCaption) && caption != QLatin1String(kDeckCaption))
            window->unload();
    }
}

DeckWindow *DeckWindow::instance()
{
    return g_instance;
}
