#include "app/ui/propertieswindow.h"

#include "app/deckstyle.h"
#include "app/programstate.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "resourcelist.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QSignalBlocker>

namespace {

constexpr float kClientWidth = 2745;
constexpr float kClientHeight = 2310;

QPointer<PropertiesWindow> g_window;

// The choice cannot be made while Strength or Justice is out: say so and keep the marks.
bool StyleChoiceAllowed()
{
    if (!StyleChoiceBlocked(program::state.cardsOut))
        return true;
    platform::dialogs().message(kStyleCardsOutMessage);
    return false;
}

} // namespace

PropertiesWindow::PropertiesWindow()
    : ChildWindow(QStringLiteral("frmProperties"), kClientWidth, kClientHeight)
{
    setCaption(QStringLiteral("Brivet Tarot Properties"));
    QFont windowFont = font();
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    // Made first, so that it lies beneath every other control.
    Image1 = new platform::PictureLabel(QStringLiteral("Image1"), this);
    Image1->setGeometryTwips(0, 0, 2772, 2292);
    Image1->setAccessibleName(QStringLiteral("Deck Style"));

    Option1 = new platform::GuardedRadioButton(QStringLiteral("Option1"), this);
    Option1->setAccessibleName(QStringLiteral("Thoth"));
    Option1->setToolTip(QStringLiteral("Thoth"));
    platform::PlaceControl(Option1, 2160, 240, 252, 252);
    Option2 = new platform::GuardedRadioButton(QStringLiteral("Option2"), this);
    Option2->setAccessibleName(QStringLiteral("Traditional"));
    Option2->setToolTip(QStringLiteral("Traditional"));
    platform::PlaceControl(Option2, 2160, 840, 252, 252);
    Command1 = new platform::WrappingButton(QStringLiteral("Command1"), QStringLiteral("Exit Properties"), this);
    platform::PlaceControl(Command1, 1920, 1200, 852, 492);
    Label1 = new QLabel(QStringLiteral("Gypsie Deck Allows for Upside Down Dignity"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    platform::PlaceControl(Label1, 0, 1200, 1812, 732);
    Check1 = new platform::WrappingCheckBox(QStringLiteral("Check1"), QStringLiteral("Turn Gypsie Deck ON"), this);
    platform::PlaceControl(Check1, 120, 1920, 1212, 372);
    Check2 = new platform::WrappingCheckBox(QStringLiteral("Check2"), QStringLiteral("Turn Gypsie Deck OFF"), this);
    platform::PlaceControl(Check2, 1440, 1920, 1212, 372);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command1);
    setTabOrder(Command1, Check1);
    setTabOrder(Check1, Check2);

    QPixmap picture;
    if (picture.loadFromData(platform::Resource(QLatin1String(art::kPropertiesPicture.name)))) {
        Image1->setPixmap(picture);
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(picture));
        setPalette(pal);
        setAutoFillBackground(true);
    }

    Option1->setMarkGuard(StyleChoiceAllowed);
    Option2->setMarkGuard(StyleChoiceAllowed);
    connect(Option1, &platform::GuardedRadioButton::marked, this, &PropertiesWindow::Option1_Click);
    connect(Option2, &platform::GuardedRadioButton::marked, this, &PropertiesWindow::Option2_Click);
    connect(Check1, &platform::WrappingCheckBox::changed, this, &PropertiesWindow::Check1_Click);
    connect(Check2, &platform::WrappingCheckBox::changed, this, &PropertiesWindow::Check2_Click);
    connect(Command1, &QPushButton::clicked, this, &PropertiesWindow::Command1_Click);
}

void PropertiesWindow::resetControls()
{
    // The state a newly made window has; making it runs no handler.
    const QSignalBlocker block1(Option1);
    const QSignalBlocker block2(Option2);
    const QSignalBlocker block3(Check1);
    const QSignalBlocker block4(Check2);
    Option1->setMarked(false);
    Option2->setMarked(false);
    Check1->setTicked(false);
    Check2->setTicked(true);
}

void PropertiesWindow::loadEvent()
{
    // Marking the current style's button runs its choice.
    Option1->setMarked(program::state.deckStyle == DeckStyle::Thoth);
    Option2->setMarked(program::state.deckStyle == DeckStyle::Traditional);
    Check1->setTicked(program::state.gypsieDeck == 1);
    Check2->setTicked(program::state.gypsieDeck == 0);
}

void PropertiesWindow::Option1_Click()
{
    if (!ChooseThoth(program::state))
        platform::dialogs().message(kStyleCardsOutMessage);
}

void PropertiesWindow::Option2_Click()
{
    if (!ChooseTraditional(program::state))
        platform::dialogs().message(kStyleCardsOutMessage);
}

// Each box sets the other to the opposite state; that box's handler then finds its partner
// already right, and the chain ends.
void PropertiesWindow::Check1_Click()
{
    const bool on = Check1->isChecked();
    program::state.gypsieDeck = on ? 1 : 0;
    Check2->setTicked(!on);
}

void PropertiesWindow::Check2_Click()
{
    const bool off = Check2->isChecked();
    program::state.gypsieDeck = off ? 0 : 1;
    Check1->setTicked(!off);
}

void PropertiesWindow::Command1_Click()
{
    hideWindow();
}

PropertiesWindow *PropertiesWindow::instance()
{
    return platform::SingleWindow(g_window);
}

PropertiesWindow *PropertiesWindow::loadedInstance()
{
    return g_window && g_window->isLoaded() ? g_window.data() : nullptr;
}
