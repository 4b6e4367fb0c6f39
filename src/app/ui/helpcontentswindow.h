// HelpContentsWindow: "Help Contents", one page of help as a picture that fills the window.
#pragma once

#include "platform/ui/childwindow.h"

namespace platform {
class PictureLabel;
class WrappingButton;
} // namespace platform

class HelpContentsWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    HelpContentsWindow();

    // The Help Contents window, made when first needed.
    static HelpContentsWindow *instance();

    platform::PictureLabel *page = nullptr;
    platform::WrappingButton *exitButton = nullptr;

    void leave();

protected:
    void resetControls() override;
    void loadEvent() override;
    void innerResizeEvent() override;
};
