#include "readings/ui/celticcrosswindow.h"

#include "app/programstate.h"
#include "platform/ui/dialogs.h"
#include "readings/readingtexts.h"
#include "readings/ui/pickcardwindow.h"
#include "resourcelist.h"

namespace {

// Inner size; the layout picture and its design size; the "EXIT" button.
const LayoutDesign kDesign { "Celtic", 5505, 6870, art::kCelticCrossLayout.name, 5520, 6876, 4320, 6600 };

constexpr float kLeft = 5900;
constexpr float kTop = 100;

QPointer<CelticCrossWindow> g_celtic;

// The reading is over: no state of it may reach the next one. A crossing card left half
// dealt would otherwise keep later reversed cards from being shown upside down.
void EndCelticReading()
{
    program::state.reading = Reading::NoReading;
    program::state.readingBegun = false;
    program::state.celticDraws = 0;
    program::state.dealingCrossingCard = false;
}

} // namespace

CelticCrossWindow::CelticCrossWindow()
    : ReadingLayoutWindow(kDesign)
{
}

void CelticCrossWindow::resetControls()
{
    ReadingLayoutWindow::resetControls();
    setCaption(kCelticCaption);
}

void CelticCrossWindow::loadEvent()
{
    setLeftTwips(kLeft);
    setTopTwips(kTop);
    fitPicture();
    askForQuerent();
}

void CelticCrossWindow::askForQuerent()
{
    platform::dialogs().message(kAskForQuerentText);
    program::state.reading = Reading::CelticAwaitingQuerent;
    PickCardWindow::instance()->showWindow();
}

void CelticCrossWindow::endReading()
{
    hideWindow();
    EndCelticReading();
}

void CelticCrossWindow::unloadEvent()
{
    EndCelticReading();
}

CelticCrossWindow *CelticCrossWindow::instance()
{
    return platform::SingleWindow(g_celtic);
}
