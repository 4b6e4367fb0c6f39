// FiveCardWindow: the layout window of the Five Card reading, "Five Card Personal Reading".
// Opening it starts the reading; "EXIT" or closing it ends the reading.
#pragma once

#include "readings/ui/layoutwindow.h"

class FiveCardWindow : public ReadingLayoutWindow
{
    Q_OBJECT

public:
    FiveCardWindow();

    // The Five Card window. Touching it when it is not open opens it, which starts a reading.
    static FiveCardWindow *instance();

    void showIntro();
    void endReading() override;

protected:
    void resetControls() override;
    void loadEvent() override;
    void unloadEvent() override;
    void innerResizeEvent() override;
};
