// Reading5: the layout window of the Five Card reading, "Five Card Personal Reading".
// Opening it starts the reading; "EXIT" or closing it ends the reading.
#pragma once

#include "readings/ui/layoutwindow.h"

class Reading5 : public ReadingLayoutWindow
{
    Q_OBJECT

public:
    Reading5();

    void ShowFiveCardIntro();
    void Command1_Click() override;

protected:
    void ResetDesign() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;
};

// The Five Card window. Touching it when it is not open opens it, which starts a reading.
Reading5 *Reading5Form();
