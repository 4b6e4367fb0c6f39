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

void FiveCardWindow::ResetDesign()
{
    ReadingLayoutWindow::ResetDesign();
    SetCaption(kFiveCardCaption);
}

void FiveCardWindow::Form_Load()
{
    program::state.reading = Reading::FiveCard;
    SetLeft(kLeft);
    SetTop(kTop);
    FitPicture();
    ShowFiveCardIntro();
}

void FiveCardWindow::ShowFiveCardIntro()
{
    platform::dialogs().MsgBox(kFiveCardIntroText);
}

void FiveCardWindow::Form_Resize()
{
    FitPicture();
}

void FiveCardWindow::Command1_Click()
{
    Hide();
    EndFiveCardReading();
}

void FiveCardWindow::Form_Unload()
{
    EndFiveCardReading();
}

FiveCardWindow *FiveCardWindow::instance()
{
    return platform::SingleWindow(g_reading5);
}
