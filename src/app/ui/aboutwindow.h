// Aboutform: the About box, with the paragraph delivered with the program.
#pragma once

#include "platform/ui/childwindow.h"

class CommandButton;
class QLabel;

namespace platform {
class ImageControl;
}

// The About box's caption: the program's name and the year of this version.
inline const char *const kAboutCaption = "Game of Kestov, 2026";

class Aboutform : public platform::Form
{
    Q_OBJECT

public:
    Aboutform();

    QLabel *Label1 = nullptr;
    CommandButton *Command1 = nullptr;
    platform::ImageControl *Image1 = nullptr;

    void Command1_Click();
};

// The About box, made when first needed.
Aboutform *AboutWindow();
