// Shuffle: the window that plays the shuffling animation while the deck window is hidden, and
// closes itself after four and a half seconds.
#pragma once

#include "deck/ui/animationwindow.h"

class Shuffle : public AnimationWindow
{
    Q_OBJECT

public:
    Shuffle();

    AnimationControl *ShuffleDeck = nullptr;

protected:
    void ResetDesign() override;
    void Form_Load() override;
};

// The Shuffle window the command shows: the loaded one, or a new one.
Shuffle *ShuffleForm();
