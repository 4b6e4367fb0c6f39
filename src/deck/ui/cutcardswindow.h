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
    void cutOnce();
    void cutTwice();
    // Hides the chooser.
    void leave();

    QPushButton *cutOnceButton = nullptr;
    QPushButton *cutTwiceButton = nullptr;
    QPushButton *exitButton = nullptr;

protected:
    void resetControls() override;
};
