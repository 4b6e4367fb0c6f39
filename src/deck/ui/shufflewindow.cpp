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
    ShuffleDeck = new AnimationLabel(QStringLiteral("ShuffleDeck"), this);
}

void ShuffleWindow::resetControls()
{
    AnimationWindow::resetControls();
    Image1->setGeometryTwips(0, 0, 6672, 4764);
    ShuffleDeck->Stop();
    ShuffleDeck->setGeometryTwips(0, 0, 5292, 2772);
    ShuffleDeck->SetFileName(platform::DataPath(kResourceName));
    ShuffleDeck->SetLoopAnimation(false);
    ShuffleDeck->raise();
}

void ShuffleWindow::loadEvent()
{
    StartTimer();
    moveTwips(2700, 2000);
    Image1->setHeightTwips(innerHeightTwips());
    Image1->setWidthTwips(innerWidthTwips());
    ShuffleDeck->setHeightTwips(innerHeightTwips());
    ShuffleDeck->setWidthTwips(innerWidthTwips());
    ShowStill(ShuffleDeck, kResourceName);
    PlayAnimation(ShuffleDeck, kResourceName);
}

ShuffleWindow *ShuffleWindow::instance()
{
    static QPointer<ShuffleWindow> form;
    return platform::SingleWindow(form);
}
