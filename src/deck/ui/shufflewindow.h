// ShuffleWindow: the window that plays the shuffling animation while the deck window is hidden, and
// closes itself after four and a half seconds.
#pragma once

#include "deck/ui/animationwindow.h"

class ShuffleWindow : public AnimationWindow
{
    Q_OBJECT

public:
    ShuffleWindow();

    // The shuffle window the command shows: the loaded one, or a new one.
    static ShuffleWindow *instance();

    AnimationLabel *animation = nullptr;

protected:
    void resetControls() override;
    void loadEvent() override;
};
