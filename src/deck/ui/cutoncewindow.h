// CutOnceWindow: cuts the deck once as it loads, then plays the cutting animation for four seconds.
// The user can end it early: a click on the animation, a drag over it, or moving the focus
// to another window.
#pragma once

#include "deck/ui/animationwindow.h"

class CutOnceWindow : public AnimationWindow
{
    Q_OBJECT

public:
    CutOnceWindow();

    // The cut-once window the chooser shows: the loaded one, or a new one.
    static CutOnceWindow *instance();

    void cutDeck();
    // Closes the window before its time and shows the deck window again.
    void endEarly();

    AnimationLabel *animation = nullptr;

protected:
    void resetControls() override;
    void loadEvent() override;

private:
    bool m_ending = false;
};
