#include "deck/ui/shufflewindow.h"

#include "platform/files.h"
#include "platform/ui/picturelabel.h"
#include "resourcelist.h"

namespace {

constexpr float kClientWidth = 6525;
constexpr float kClientHeight = 4620;
constexpr int kDurationMs = 4500;
const QString kResourceName = QLatin1String(art::kShuffleAnimation.name);

} // namespace

ShuffleWindow::ShuffleWindow()
    : AnimationWindow(QStringLiteral("Shuffle"), QStringLiteral("Shuffle"), kClientWidth, kClientHeight, kDurationMs)
{
    animation = new AnimationLabel(QStringLiteral("ShuffleDeck"), this);
}

void ShuffleWindow::resetControls()
{
    AnimationWindow::resetControls();
    stillPicture->setGeometryTwips(0, 0, 6672, 4764);
    animation->stop();
    animation->setGeometryTwips(0, 0, 5292, 2772);
    animation->setCacheFile(platform::DataPath(kResourceName));
    animation->setLoops(false);
    animation->raise();
}

void ShuffleWindow::loadEvent()
{
    startCloseTimer();
    placeAndFill(animation);
    showStill(animation, kResourceName);
    playAnimation(animation, kResourceName);
}

ShuffleWindow *ShuffleWindow::instance()
{
    static QPointer<ShuffleWindow> window;
    return platform::SingleWindow(window);
}
