// CutTwice: cuts the deck twice as it loads, then plays its animation for four seconds.
#pragma once

#include "deck/ui/animationwindow.h"

class CutTwice : public AnimationWindow
{
    Q_OBJECT

public:
    CutTwice();

    void StartCutTwice();

    AnimationControl *QProGIF1 = nullptr;

protected:
    void ResetDesign() override;
    void Form_Load() override;
};

// The CutTwice window the chooser shows: the loaded one, or a new one.
CutTwice *CutTwiceForm();
