#include "deck/ui/cuttwicewindow.h"

#include "app/programstate.h"
#include "deck/cut.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "resourcelist.h"

namespace {

constexpr float kClientWidth = 6600;
constexpr float kClientHeight = 4950;
constexpr int kDurationMs = 4000;
const QString kResourceName = QLatin1String(art::kCutTwiceAnimation.name);
const QString kCacheName = QStringLiteral("cttwice.gif");

} // namespace

CutTwiceWindow::CutTwiceWindow()
    : AnimationWindow(
        QStringLiteral("CutTwice"), QStringLiteral("Cut Cards Twice"), kClientWidth, kClientHeight, kDurationMs)
{
    animation = new AnimationLabel(QStringLiteral("QProGIF1"), this);
}

void CutTwiceWindow::resetControls()
{
    AnimationWindow::resetControls();
    stillPicture->setGeometryTwips(0, 0, 8400, 5028);
    animation->stop();
    animation->setGeometryTwips(0, 0, 6972, 4572);
    animation->setCacheFile(platform::DataPath(kCacheName));
    animation->setLoops(false);
    animation->raise();
}

void CutTwiceWindow::loadEvent()
{
    startCloseTimer();
    placeAndFill(animation);
    showStill(animation, kResourceName);
    // The double cut draws no random value; the generator is reseeded all the same.
    platform::Random().reseed();
    cutDeckTwice();
    playAnimation(animation, kResourceName);
}

void CutTwiceWindow::cutDeckTwice()
{
    if (::StartCutTwice(program::state.deck) == CutOutcome::TooFewCards)
        platform::dialogs().message(kCutTwiceTooFewText);
}

CutTwiceWindow *CutTwiceWindow::instance()
{
    static QPointer<CutTwiceWindow> window;
    return platform::SingleWindow(window);
}
