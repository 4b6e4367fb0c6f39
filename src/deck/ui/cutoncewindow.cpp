#include "deck/ui/cutoncewindow.h"

#include "app/programstate.h"
#include "deck/cut.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "resourcelist.h"

namespace {

constexpr float kClientWidth = 6915;
constexpr float kClientHeight = 4665;
constexpr int kDurationMs = 4000;
const QString kResourceName = QLatin1String(art::kCutOnceAnimation.name);
const QString kCacheName = QStringLiteral("cutonce.gif");

} // namespace

CutOnceWindow::CutOnceWindow()
    : AnimationWindow(
        QStringLiteral("CutOnce"), QStringLiteral("Cut Cards Once "), kClientWidth, kClientHeight, kDurationMs)
{
    animation = new AnimationLabel(QStringLiteral("CutCards"), this);
    connect(animation, &AnimationLabel::clicked, this, &CutOnceWindow::endEarly);
    connect(animation, &AnimationLabel::dragEntered, this, &CutOnceWindow::endEarly);
    connect(animation, &AnimationLabel::focusLeftWindow, this, &CutOnceWindow::endEarly);
}

void CutOnceWindow::resetControls()
{
    AnimationWindow::resetControls();
    m_ending = false;
    stillPicture->setGeometryTwips(0, 0, 6972, 4692);
    animation->stop();
    animation->setGeometryTwips(0, 0, 6852, 4692);
    animation->setCacheFile(platform::DataPath(kCacheName));
    animation->setLoops(false);
    animation->show();
    animation->raise();
}

void CutOnceWindow::loadEvent()
{
    startCloseTimer();
    placeAndFill(animation);
    showStill(animation, kResourceName);
    platform::Random().reseed();
    cutDeck();
    playAnimation(animation, kResourceName);
}

void CutOnceWindow::cutDeck()
{
    if (::StartCut(program::state.deck, platform::Random()) == CutOutcome::OneCard)
        platform::dialogs().message(kCutOneCardText);
}

void CutOnceWindow::endEarly()
{
    // Hiding the window may hand the focus to another one, which ends the animation once more: the
    // window closes only once, and a window that is gone is not loaded again (it would cut).
    if (!isLoaded() || m_ending)
        return;
    if (commandRunning()) {
        closeAfterCommand();
        return;
    }
    m_ending = true;
    animation->hide();
    hideWindow();
    ShowDeckWindowAgain();
    unload();
}

CutOnceWindow *CutOnceWindow::instance()
{
    static QPointer<CutOnceWindow> window;
    return platform::SingleWindow(window);
}
