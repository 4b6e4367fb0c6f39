#include "deck/ui/cutcardswindow.h"

#include "deck/ui/animationwindow.h"
#include "deck/ui/cutoncewindow.h"
#include "deck/ui/cuttwicewindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "resourcelist.h"

#include <QPalette>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr float kClientWidth = 2805;
constexpr float kClientHeight = 1575;

// The buttons are narrower than their captions in most fonts: the captions wrap to fit.
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &text, float left, float top)
{
    auto *button = new platform::WrappingButton(QLatin1String(name), text, parent);
    platform::PlaceControl(button, left, top, 1092, 492);
    return button;
}

// Shows a cut window and takes the chooser and the deck window off the screen. A window
// that is still open from an earlier press is only shown again: it does not cut again.
template <class Window> void ShowCutWindow(Window *window, platform::ChildWindow *chooser)
{
    AnimationCommand command(window);
    window->showWindow();
    chooser->hideWindow();
    if (DeckWindow *deck = DeckWindow::instance())
        deck->hideWindow();
}

} // namespace

CutCardsWindow::CutCardsWindow()
    : ChildWindow(QStringLiteral("frmCutCards"), kClientWidth, kClientHeight)
{
    // The picture, a note on what the buttons do, lies behind them from the top left corner.
    QPixmap picture;
    if (picture.loadFromData(platform::Resource(QLatin1String(art::kCutCardsPicture.name)))) {
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(picture));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    cutOnceButton = MakeButton(this, "Command1", QStringLiteral("Cut Cards Once"), 1680, 0);
    cutTwiceButton = MakeButton(this, "Command2", QStringLiteral("Cut Cards Twice"), 1680, 480);
    exitButton = MakeButton(this, "Command3", QStringLiteral("Exit Form"), 1680, 1080);
    connect(cutOnceButton, &QPushButton::clicked, this, &CutCardsWindow::cutOnce);
    connect(cutTwiceButton, &QPushButton::clicked, this, &CutCardsWindow::cutTwice);
    connect(exitButton, &QPushButton::clicked, this, &CutCardsWindow::leave);
}

void CutCardsWindow::resetControls()
{
    setCaption(QStringLiteral("Cut Cards"));
}

void CutCardsWindow::cutOnce()
{
    ShowCutWindow(CutOnceWindow::instance(), this);
}

void CutCardsWindow::cutTwice()
{
    ShowCutWindow(CutTwiceWindow::instance(), this);
}

void CutCardsWindow::leave()
{
    hideWindow();
}

CutCardsWindow *CutCardsWindow::instance()
{
    static QPointer<CutCardsWindow> window;
    return platform::SingleWindow(window);
}
