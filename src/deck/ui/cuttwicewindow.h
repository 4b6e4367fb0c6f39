// CutTwiceWindow: cuts the deck twice as it loads, then plays its animation for four seconds.
#pragma once

#include "deck/ui/animationwindow.h"

class CutTwiceWindow : public AnimationWindow
{
    Q_OBJECT

public:
    CutTwiceWindow();

    // The cut-twice window the chooser shows: the loaded one, or a new one.
    static CutTwiceWindow *instance();

    void cutDeckTwice();

    AnimationLabel *animation = nullptr;

protected:
    void resetControls() override;
    void loadEvent() override;
};
