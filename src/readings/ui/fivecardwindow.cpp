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

QPointer<Reading5> g_reading5;

void EndFiveCardReading()
{
    G.ReadingState = 0;
    G.ReadingBegun = 0;
    G.FiveCount = 0;
}

} // namespace

Reading5::Reading5()
    : ReadingLayoutWindow(kDesign)
{
}

void Reading5::ResetDesign()
{
    ReadingLayoutWindow::ResetDesign();
    SetCaption(kFiveCardCaption);
}

void Reading5::Form_Load()
{
    G.ReadingState = 1;
    SetLeft(kLeft);
    SetTop(kTop);
    FitPicture();
    ShowFiveCardIntro();
}

void Reading5::ShowFiveCardIntro()
{
    platform::dialogs().MsgBox(kFiveCardIntroText);
}

void Reading5::Form_Resize()
{
    FitPicture();
}

void Reading5::Command1_Click()
{
    Hide();
    EndFiveCardReading();
}

void Reading5::Form_Unload()
{
    EndFiveCardReading();
}

Reading5 *Reading5Form()
{
    return platform::SingleForm(g_reading5);
}
