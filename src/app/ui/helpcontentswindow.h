// Contents: "Help Contents", one page of help as a picture that fills the window.
#pragma once

#include "platform/ui/childwindow.h"

class CommandButton;

namespace platform {
class ImageControl;
}

class Contents : public platform::Form
{
    Q_OBJECT

public:
    Contents();

    platform::ImageControl *Image1 = nullptr;
    CommandButton *Command1 = nullptr;

    void Command1_Click();

protected:
    void ResetDesign() override;
    void Form_Load() override;
    void Form_Resize() override;
};

// The Help Contents window, made when first needed.
Contents *ContentsWindow();
