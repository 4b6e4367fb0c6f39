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

    platform::GuardedRadioButton *thothButton = nullptr;
    platform::GuardedRadioButton *traditionalButton = nullptr;
    platform::WrappingButton *exitButton = nullptr;
    QLabel *gypsieLabel = nullptr;
    platform::WrappingCheckBox *gypsieOnBox = nullptr; // "Turn Gypsie Deck ON"
    platform::WrappingCheckBox *gypsieOffBox = nullptr; // "Turn Gypsie Deck OFF"
    platform::PictureLabel *stylePicture = nullptr;

    void chooseThoth();
    void chooseTraditional();
    void gypsieOnChanged();
    void gypsieOffChanged();
    void leave();

protected:
    void resetControls() override;
    void loadEvent() override;
};
