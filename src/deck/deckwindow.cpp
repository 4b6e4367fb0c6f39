#include "deck/deckwindow.h"

#include "app/icowindow.h"
#include "app/state.h"
#include "app/windows_ui.h"
#include "deck/decksize.h"
#include "platform/controls_ui.h"
#include "platform/dialogs_ui.h"
#include "platform/resources.h"
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

QPixmap DeckPicture()
{
    QPixmap picture;
    picture.loadFromData(platform::Resource(QLatin1String(art::kDeckPicture.name)));
    return picture;
}

QCursor HandCursor()
{
    QPixmap picture;
    if (!picture.loadFromData(platform::Resource(QLatin1String(art::kHandCursor.name))))
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, art::kHandCursorHotX, art::kHandCursorHotY);
}

} // namespace

frmTarotDeck::frmTarotDeck()
    : Form(QStringLiteral("frmTarotDeck"), kDesignClientWidth, kDesignClientHeight)
{
    Image1 = new platform::ImageControl(QStringLiteral("Image1"), this);
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

void frmTarotDeck::Image1_Click()
{
    // Dealing the top card comes with the card windows.
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
    Ico::ClsDeck();
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
