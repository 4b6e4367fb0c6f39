#include "deck/ui/deckwindow.h"

#include "app/programstate.h"
#include "app/windows_ui.h"
#include "app/cardtable.h"
#include "cards/ui/cardwindow.h"
#include "deck/decksize.h"
#include "deck/draw.h"
#include "readings/ui/readingdeal.h"
#include "platform/ui/picturelabel.h"
#include "platform/ui/dialogs.h"
#include "platform/files.h"
#include "platform/ui/sharedpicture.h"
#include "readings/ui/celticcrosswindow.h"
#include "readings/ui/fivecardwindow.h"
#include "readings/readingtexts.h"
#include "readings/slots.h"
#include "resourcelist.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>

namespace {

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

frmTarotDeck::frmTarotDeck()
    : Form(QStringLiteral("frmTarotDeck"), kDesignClientWidth, kDesignClientHeight)
{
    Image1 = new platform::ImageControl(QStringLiteral("Image1"), this);
    Image1->setAccessibleName(QStringLiteral("Deck"));
    connect(Image1, &platform::ImageControl::MouseUp, this, [this] { Image1_MouseUp(); });
    connect(Image1, &platform::ImageControl::Click, this, [this] { Image1_Click(); });
    setCursor(HandCursor());
    // The same picture lies behind the control as the window's own background.
    const QPixmap picture = DeckPicture();
    if (!picture.isNull()) {
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(picture));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    Crossing = 0;
}

void frmTarotDeck::ResetDesign()
{
    SetCaption(QString::fromLatin1(kDeckCaption));
    Image1->SetBounds(0, 0, kPictureWidth, kPictureHeight);
    Image1->setPixmap(DeckPicture());
    Image1->show();
}

void frmTarotDeck::ShiftDeck()
{
    ::ShiftDeck(G.Deck);
}

void frmTarotDeck::SetFloorSize()
{
    SetHeight(static_cast<float>(kDeckFloorHeight));
    SetWidth(static_cast<float>(kDeckFloorWidth));
}

void frmTarotDeck::SizeDeck()
{
    const DeckWindowSize size = SizeAfterCardTaken(Height(), Width());
    SetHeight(size.height);
    SetWidth(size.width);
    if (DeckIsEmpty(G.Deck)) {
        SetFloorSize();
        Hide();
    } else {
        Show();
    }
}

void frmTarotDeck::AddtoDeck()
{
    if (G.ReturnPending != 1)
        return;
    for (platform::Form *form : platform::OpenForms()) {
        if (form->Caption() == QLatin1String(kDeckCaption))
            form->Hide();
    }
    if (const auto size = SizeAfterCardReturned(Height(), Width(), G.Deck)) {
        SetHeight(size->height);
        SetWidth(size->width);
    }
    Show();
    G.ReturnPending = 0;
}

namespace {

void SetSlot(const Slot &slot)
{
    G.SlotHeight = static_cast<std::int16_t>(slot.height);
    G.SlotWidth = static_cast<std::int16_t>(slot.width);
    G.SlotTop = slot.top;
    G.SlotLeft = slot.left;
}

} // namespace

void frmTarotDeck::CelticRead()
{
    const int place = ++G.CelticCount;
    if (place >= 1 && place <= kCelticPlaces) {
        if (place == kCrossingPlace)
            Crossing = 1;
        else if (place == kCrossingPlace + 1)
            Crossing = 0;
        SetSlot(CelticSlot(place, FrameOf(*CelticForm())));
        if (place == 1)
            G.PicSuffix = CelticPicSuffix(place);
        platform::dialogs().MsgBox(kCelticPlaceTexts[place - 1]);
        if (place > 1)
            G.PicSuffix = CelticPicSuffix(place);
    } else if (place == kCelticPlaces + 1) {
        SetSlot(kClosingSlot);
        G.ReadingState = 0;
        G.ReadingBegun = 0;
        G.CelticCount = 0;
        platform::dialogs().MsgBox(kCelticPlaceTexts[kCelticPlaces]);
    }
}

void frmTarotDeck::FiveCardRead()
{
    Reading5 *layout = Reading5Form();
    const int place = ++G.FiveCount;
    if (place >= 1 && place <= kFiveCardPlaces) {
        SetSlot(FiveCardSlot(place, FrameOf(*layout)));
        G.PicSuffix = QString();
        platform::dialogs().MsgBox(kFiveCardPlaceTexts[place - 1]);
    } else if (place == kFiveCardPlaces + 1) {
        platform::dialogs().MsgBox(kFiveCardPlaceTexts[kFiveCardPlaces]);
        SetSlot(kClosingSlot);
        G.ReadingState = 0;
        G.ReadingBegun = 0;
        G.FiveCount = 0;
    }
}

void frmTarotDeck::Image1_Click()
{
    ReleaseCardInstances();
    switch (G.ReadingState) {
    case 5:
        platform::dialogs().MsgBox(QStringLiteral("You have to use the Pick Card function to choose a quarant"));
        break;
    case 1:
    case 2:
        DealReadingCard(*this);
        break;
    default:
        FreeDeal();
        break;
    }
    SizeDeck();
}

void frmTarotDeck::ReleaseCardInstances()
{
    // A window made by an earlier click but never opened is dropped; an open one lives on
    // until it is closed.
    for (QPointer<CardWindow> &instance : CardInstance) {
        if (instance && !instance->IsLoaded())
            delete instance.data();
        instance = nullptr;
    }
}

void frmTarotDeck::FreeDeal()
{
    G.CardReturnMode = 1;
    const int n = CardNumberOfKey(G.Deck[0]);
    if (n < 0)
        return; // an empty deck, or a key that names no card
    G.PicSuffix = FreeDealPicSuffix(G.Reversed[n], G.GypsieDeck);
    const DealPicture picture = FreeDealPicture(n, G.DeckStyle, G.PicSuffix);
    ResName = picture.resource;
    OpenDealtCard(n, picture.cacheFile);
    G.CardsOut[n] = CardKey(n);
    ShiftDeck();
}

CardWindow *frmTarotDeck::OpenDealtCard(int cardNumber, const QString &cacheFile)
{
    const QString path = platform::DataPath(cacheFile);
    platform::SaveResToFile(ResName, path);
    CardWindow *window = NewCardWindow(cardNumber);
    CardInstance[cardNumber + 1] = window;
    window->Load();
    window->ShowPicture(path, ResName);
    return window;
}

void frmTarotDeck::Image1_MouseUp()
{
    if (!DeckIsEmpty(G.Deck)) {
        Image1->show();
    } else {
        SetFloorSize();
        Image1->hide();
    }
}

void frmTarotDeck::Form_MouseUp()
{
    if (!DeckIsEmpty(G.Deck)) {
        Show();
    } else {
        SetFloorSize();
        Hide();
    }
}

void frmTarotDeck::mouseReleaseEvent(QMouseEvent *event)
{
    Form_MouseUp();
    event->accept();
}

void frmTarotDeck::Form_Activate()
{
    if (DeckIsEmpty(G.Deck))
        Hide();
}

void frmTarotDeck::VisibilityChanged(bool visible)
{
    // A pile hidden while the deck was empty shows again once there are cards to draw.
    if (visible && !DeckIsEmpty(G.Deck))
        Image1->show();
}

void frmTarotDeck::Form_QueryUnload(bool &cancel, int)
{
    if (!platform::dialogs().AskYesNo(QStringLiteral(" Do you want to Close the Deck without saving? "))) {
        cancel = true;
        return;
    }
    UnloadOtherWindows();
    G.DeckClosed = 1;
    G.DeckState = 0;
}

void frmTarotDeck::UnloadOtherWindows()
{
    for (platform::Form *form : platform::OpenForms()) {
        const QString caption = form->Caption();
        if (caption != QLatin1String(kMainCaption) && caption != QLatin1String(kDeckCaption))
            form->Unload();
    }
}
