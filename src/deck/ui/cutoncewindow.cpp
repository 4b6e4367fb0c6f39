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
    CutCards = new AnimationLabel(QStringLiteral("CutCards"), this);
    connect(CutCards, &AnimationLabel::Click, this, &CutOnceWindow::CutCards_Click);
    connect(CutCards, &AnimationLabel::DragOver, this, &CutOnceWindow::CutCards_DragOver);
    connect(CutCards, &AnimationLabel::LostFocus, this, &CutOnceWindow::CutCards_LostFocus);
}

void CutOnceWindow::resetControls()
{
    AnimationWindow::resetControls();
    m_ending = false;
    Image1->setGeometryTwips(0, 0, 6972, 4692);
    CutCards->Stop();
    CutCards->setGeometryTwips(0, 0, 6852, 4692);
    CutCards->SetFileName(platform::DataPath(kCacheName));
    CutCards->SetLoopAnimation(false);
    CutCards->show();
    CutCards->raise();
}

void CutOnceWindow::loadEvent()
{
    StartTimer();
    moveTwips(2700, 2000);
    CutCards->setHeightTwips(innerHeightTwips());
    CutCards->setWidthTwips(innerWidthTwips());
    Image1->setHeightTwips(innerHeightTwips());
    Image1->setWidthTwips(innerWidthTwips());
    ShowStill(CutCards, kResourceName);
    platform::Random().reseed();
    StartCut();
    PlayAnimation(CutCards, kResourceName);
}

void CutOnceWindow::StartCut()
{
    if (::StartCut(program::state.deck, platform::Random()) == CutOutcome::OneCard)
        platform::dialogs().message(kCutOneCardText);
}

void CutOnceWindow::EndEarly()
{
    // Hiding the window may hand the focus to another one, which ends the animation once more: the
    // window closes only once, and a window that is gone is not loaded again (it would cut).
    if (!isLoaded() || m_ending)
        return;
    if (CommandRunning()) {
        CloseAfterCommand();
        return;
    }
    m_ending = true;
    CutCards->hide();
    hideWindow();
    ShowDeckWindowAgain();
    unload();
}

CutOnceWindow *CutOnceWindow::instance()
{
    static QPointer<CutOnceWindow> form;
    return platform::SingleWindow(form);
}
