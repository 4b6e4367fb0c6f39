// AboutWindow: the About box, with the paragraph delivered with the program.
#pragma once

#include "platform/ui/childwindow.h"

class QLabel;

namespace platform {
class PictureLabel;
class WrappingButton;
} // namespace platform

// The About box's caption: the program's name and the year of this version.
inline const char *const kAboutCaption = "Game of Kestov, 2026";

class AboutWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    AboutWindow();

    // The About box, made when first needed.
    static AboutWindow *instance();

    QLabel *aboutText = nullptr;
    platform::WrappingButton *exitButton = nullptr;
    platform::PictureLabel *backdrop = nullptr;

    void leave();
};
