// frmProperties: the deck style (Thoth or Traditional) and the "Gypsie Deck" option.
// The two option buttons carry no caption: the window's picture names them.
#pragma once

#include "platform/ui/childwindow.h"

class CheckBox;
class CommandButton;
class OptionButton;
class QLabel;

namespace platform {
class ImageControl;
}

class frmProperties : public platform::Form
{
    Q_OBJECT

public:
    frmProperties();

    OptionButton *Option1 = nullptr; // Thoth
    OptionButton *Option2 = nullptr; // Traditional
    CommandButton *Command1 = nullptr;
    QLabel *Label1 = nullptr;
    CheckBox *Check1 = nullptr; // "Turn Gypsie Deck ON"
    CheckBox *Check2 = nullptr; // "Turn Gypsie Deck OFF"
    platform::ImageControl *Image1 = nullptr;

    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();

protected:
    void ResetDesign() override;
    void Form_Load() override;
};

// The Properties window, made when first needed (not loaded until it is shown).
frmProperties *PropertiesWindow();
// The Properties window while it is loaded, else nullptr.
frmProperties *LoadedPropertiesWindow();
