// What the two reading layout windows share: the layout picture stretched over the window,
// the "EXIT" button that ends the reading and hides the window, and a click on the picture
// that brings the other windows in front of it again.
#pragma once

#include "platform/ui/childwindow.h"
#include "readings/slots.h"

#include <QPointer>

namespace platform {
class PictureLabel;
class WrappingButton;
} // namespace platform

// Where the places of a spread are computed from: the window's leftTwips, topTwips, innerWidthTwips
// and innerHeightTwips, read in that order (the first read loads a window that is not open).
LayoutFrame FrameOf(platform::ChildWindow &window);

struct LayoutDesign
{
    const char *objectName;
    float clientWidth; // the inner size, twips
    float clientHeight;
    const char *picture; // the embedded layout picture
    float pictureWidth; // the layout picture's design size, twips
    float pictureHeight;
    float exitLeft; // the "EXIT" button, twips
    float exitTop;
};

class ReadingLayoutWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    explicit ReadingLayoutWindow(const LayoutDesign &design);

    platform::PictureLabel *layoutPicture = nullptr;
    platform::WrappingButton *exitButton = nullptr;

    // "EXIT": the window hides (it stays open) and the reading ends.
    virtual void endReading() = 0;
    // Every other visible window, in the order of the open-window list, gets the focus; the
    // window handled last stays active. Hidden windows stay hidden.
    void bringOthersToFront();

protected:
    void resetControls() override;
    // The picture covers the inner area.
    void fitPicture();

private:
    LayoutDesign m_design;
};
