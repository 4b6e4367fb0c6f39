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
    stylePicture = new platform::PictureLabel(QStringLiteral("Image1"), this);
    stylePicture->setGeometryTwips(0, 0, 2772, 2292);
    stylePicture->setAccessibleName(QStringLiteral("Deck Style"));

    thothButton = new platform::GuardedRadioButton(QStringLiteral("Option1"), this);
    thothButton->setAccessibleName(QStringLiteral("Thoth"));
    thothButton->setToolTip(QStringLiteral("Thoth"));
    platform::PlaceControl(thothButton, 2160, 240, 252, 252);
    traditionalButton = new platform::GuardedRadioButton(QStringLiteral("Option2"), this);
    traditionalButton->setAccessibleName(QStringLiteral("Traditional"));
    traditionalButton->setToolTip(QStringLiteral("Traditional"));
    platform::PlaceControl(traditionalButton, 2160, 840, 252, 252);
    exitButton = new platform::WrappingButton(QStringLiteral("Command1"), QStringLiteral("Exit Properties"), this);
    platform::PlaceControl(exitButton, 1920, 1200, 852, 492);
    gypsieLabel = new QLabel(QStringLiteral("Gypsie Deck Allows for Upside Down Dignity"), this);
    gypsieLabel->setObjectName(QStringLiteral("Label1"));
    gypsieLabel->setWordWrap(true);
    gypsieLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = gypsieLabel->font();
    bold.setBold(true);
    gypsieLabel->setFont(bold);
    platform::PlaceControl(gypsieLabel, 0, 1200, 1812, 732);
    gypsieOnBox = new platform::WrappingCheckBox(QStringLiteral("Check1"), QStringLiteral("Turn Gypsie Deck ON"), this);
    platform::PlaceControl(gypsieOnBox, 120, 1920, 1212, 372);
    gypsieOffBox
        = new platform::WrappingCheckBox(QStringLiteral("Check2"), QStringLiteral("Turn Gypsie Deck OFF"), this);
    platform::PlaceControl(gypsieOffBox, 1440, 1920, 1212, 372);
    setTabOrder(thothButton, traditionalButton);
    setTabOrder(traditionalButton, exitButton);
    setTabOrder(exitButton, gypsieOnBox);
    setTabOrder(gypsieOnBox, gypsieOffBox);

    QPixmap picture;
    if (picture.loadFromData(platform::Resource(QLatin1String(art::kPropertiesPicture.name)))) {
        stylePicture->setPixmap(picture);
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(picture));
        setPalette(pal);
        setAutoFillBackground(true);
    }

    thothButton->setMarkGuard(StyleChoiceAllowed);
    traditionalButton->setMarkGuard(StyleChoiceAllowed);
    connect(thothButton, &platform::GuardedRadioButton::marked, this, &PropertiesWindow::chooseThoth);
    connect(traditionalButton, &platform::GuardedRadioButton::marked, this, &PropertiesWindow::chooseTraditional);
    connect(gypsieOnBox, &platform::WrappingCheckBox::changed, this, &PropertiesWindow::gypsieOnChanged);
    connect(gypsieOffBox, &platform::WrappingCheckBox::changed, this, &PropertiesWindow::gypsieOffChanged);
    connect(exitButton, &QPushButton::clicked, this, &PropertiesWindow::leave);
}

void PropertiesWindow::resetControls()
{
    // The state a newly made window has; making it runs no handler.
    const QSignalBlocker block1(thothButton);
    const QSignalBlocker block2(traditionalButton);
    const QSignalBlocker block3(gypsieOnBox);
    const QSignalBlocker block4(gypsieOffBox);
    thothButton->setMarked(false);
    traditionalButton->setMarked(false);
    gypsieOnBox->setTicked(false);
    gypsieOffBox->setTicked(true);
}

void PropertiesWindow::loadEvent()
{
    // Marking the current style's button runs its choice.
    thothButton->setMarked(program::state.deckStyle == DeckStyle::Thoth);
    traditionalButton->setMarked(program::state.deckStyle == DeckStyle::Traditional);
    gypsieOnBox->setTicked(program::state.gypsieDeck == 1);
    gypsieOffBox->setTicked(program::state.gypsieDeck == 0);
}

void PropertiesWindow::chooseThoth()
{
    if (!ChooseThoth(program::state))
        platform::dialogs().message(kStyleCardsOutMessage);
}

void PropertiesWindow::chooseTraditional()
{
    if (!ChooseTraditional(program::state))
        platform::dialogs().message(kStyleCardsOutMessage);
}

// Each box sets the other to the opposite state; that box's handler then finds its partner
// already right, and the chain ends.
void PropertiesWindow::gypsieOnChanged()
{
    const bool on = gypsieOnBox->isChecked();
    program::state.gypsieDeck = on ? 1 : 0;
    gypsieOffBox->setTicked(!on);
}

void PropertiesWindow::gypsieOffChanged()
{
    const bool off = gypsieOffBox->isChecked();
    program::state.gypsieDeck = off ? 0 : 1;
    gypsieOnBox->setTicked(!off);
}

void PropertiesWindow::leave()
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
