// PropertiesWindow: the deck style (Thoth or Traditional) and the "Gypsie Deck" option.
// The two option buttons carry no caption: the window's picture names them.
#pragma once

#include "platform/ui/childwindow.h"

class QLabel;

namespace platform {
class GuardedRadioButton;
class PictureLabel;
class WrappingButton;
class WrappingCheckBox;
} // namespace platform

class PropertiesWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    PropertiesWindow();

    // The Properties window, made when first needed (not loaded until it is shown).
    static PropertiesWindow *instance();
    // The Properties window while it is loaded, else nullptr.
    static PropertiesWindow *loadedInstance();

    platform::GuardedRadioButton *Option1 = nullptr; // Thoth
    platform::GuardedRadioButton *Option2 = nullptr; // Traditional
    platform::WrappingButton *Command1 = nullptr;
    QLabel *Label1 = nullptr;
    platform::WrappingCheckBox *Check1 = nullptr; // "Turn Gypsie Deck ON"
    platform::WrappingCheckBox *Check2 = nullptr; // "Turn Gypsie Deck OFF"
    platform::PictureLabel *Image1 = nullptr;

    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();

protected:
    void resetControls() override;
    void loadEvent() override;
};
