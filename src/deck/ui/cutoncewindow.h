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

    void StartCut();

    void CutCards_Click() { EndEarly(); }
    void CutCards_DragOver() { EndEarly(); }
    void CutCards_LostFocus() { EndEarly(); }

    AnimationLabel *CutCards = nullptr;

protected:
    void resetControls() override;
    void loadEvent() override;

private:
    void EndEarly();

    bool m_ending = false;
};
