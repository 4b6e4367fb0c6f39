#include "readings/ui/fivecardwindow.h"

#include "app/programstate.h"
#include "platform/ui/dialogs.h"
#include "readings/readingtexts.h"
#include "resourcelist.h"

namespace {

// Inner size; the layout picture and its design size; the "EXIT" button.
const LayoutDesign kDesign { "Reading5", 8400, 5865, art::kFiveCardLayout.name, 8400, 5868, 7320, 5520 };

constexpr float kLeft = 3500;
constexpr float kTop = 380;

QPointer<FiveCardWindow> g_reading5;

void EndFiveCardReading()
{
    program::state.reading = Reading::NoReading;
    program::state.readingBegun = false;
    program::state.fiveCardDraws = 0;
}

} // namespace

FiveCardWindow::FiveCardWindow()
    : ReadingLayoutWindow(kDesign)
{
}

void FiveCardWindow::resetControls()
{
    ReadingLayoutWindow::resetControls();
    setCaption(kFiveCardCaption);
}

void FiveCardWindow::loadEvent()
{
    program::state.reading = Reading::FiveCard;
    setLeftTwips(kLeft);
    setTopTwips(kTop);
    fitPicture();
    showIntro();
}

void FiveCardWindow::showIntro()
{
    platform::dialogs().message(kFiveCardIntroText);
}

void FiveCardWindow::innerResizeEvent()
{
    fitPicture();
}

void FiveCardWindow::endReading()
{
    hideWindow();
    EndFiveCardReading();
}

void FiveCardWindow::unloadEvent()
{
    EndFiveCardReading();
}

FiveCardWindow *FiveCardWindow::instance()
{
    return platform::SingleWindow(g_reading5);
}
