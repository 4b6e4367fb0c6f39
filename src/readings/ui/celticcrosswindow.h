// CelticCrossWindow: the layout window of the Celtic Cross, "Celtic Cross Spread". Opening it starts the
// reading by asking for the querent; "EXIT" or closing it ends the reading.
#pragma once

#include "readings/ui/layoutwindow.h"

class CelticCrossWindow : public ReadingLayoutWindow
{
    Q_OBJECT

public:
    CelticCrossWindow();

    // The Celtic Cross window. Touching it when it is not open opens it, which starts a reading.
    static CelticCrossWindow *instance();

    // Tells the user about the querent, waits for the querent (Reading::CelticAwaitingQuerent) and shows
    // Pick A Card, where the querent is picked or skipped.
    void askForQuerent();
    void endReading() override;

protected:
    void resetControls() override;
    void loadEvent() override;
    void unloadEvent() override;
};
