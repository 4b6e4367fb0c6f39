// CutCardsWindow: the chooser "Cut Cards" with its three buttons: cut once, cut twice, or leave.
#pragma once

#include "platform/ui/childwindow.h"

class QPushButton;

class CutCardsWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    CutCardsWindow();

    // The chooser the Cut Cards command shows: the loaded one, or a new one.
    static CutCardsWindow *instance();

    // Shows the cut window (whose load cuts), then hides the chooser and the deck window.
    void Command1_Click();
    void Command2_Click();
    // Hides the chooser.
    void Command3_Click();

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

protected:
    void resetControls() override;
};
