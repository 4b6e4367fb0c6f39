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
    QProGIF1 = new AnimationLabel(QStringLiteral("QProGIF1"), this);
}

void CutTwiceWindow::resetControls()
{
    AnimationWindow::resetControls();
    Image1->setGeometryTwips(0, 0, 8400, 5028);
    QProGIF1->Stop();
    QProGIF1->setGeometryTwips(0, 0, 6972, 4572);
    QProGIF1->SetFileName(platform::DataPath(kCacheName));
    QProGIF1->SetLoopAnimation(false);
    QProGIF1->raise();
}

void CutTwiceWindow::loadEvent()
{
    StartTimer();
    moveTwips(2700, 2000);
    Image1->setHeightTwips(innerHeightTwips());
    Image1->setWidthTwips(innerWidthTwips());
    QProGIF1->setHeightTwips(innerHeightTwips());
    QProGIF1->setWidthTwips(innerWidthTwips());
    ShowStill(QProGIF1, kResourceName);
    // The double cut draws no random value; the generator is reseeded all the same.
    platform::Random().reseed();
    StartCutTwice();
    PlayAnimation(QProGIF1, kResourceName);
}

void CutTwiceWindow::StartCutTwice()
{
    if (::StartCutTwice(program::state.deck) == CutOutcome::TooFewCards)
        platform::dialogs().message(kCutTwiceTooFewText);
}

CutTwiceWindow *CutTwiceWindow::instance()
{
    static QPointer<CutTwiceWindow> form;
    return platform::SingleWindow(form);
}
