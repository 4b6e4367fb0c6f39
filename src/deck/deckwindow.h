// frmTarotDeck: the deck lying face down. The window shrinks by one step for every card that
// leaves the deck and grows for every card that comes back; a click on the pile deals.
#pragma once

#include "platform/form_ui.h"

#include <cstdint>

namespace platform {
class ImageControl;
}

class frmTarotDeck : public platform::Form
{
    Q_OBJECT

public:
    frmTarotDeck();

    // Removes the top card from the deck.
    void ShiftDeck();
    // After a card came back into the deck: one step larger, and shown.
    void AddtoDeck();
    // After a card left the deck: one step smaller, hidden when the deck is empty.
    void SizeDeck();

    platform::ImageControl *Image1 = nullptr;

    // The crossing card of a Celtic Cross is being dealt.
    std::int16_t Crossing = 0;

    // A click on the pile.
    void Image1_Click();
    void Image1_MouseUp();
    void Form_MouseUp();

protected:
    void ResetDesign() override;
    void Form_QueryUnload(bool &cancel, int unloadMode) override;
    void Form_Activate() override;
    void VisibilityChanged(bool visible) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void UnloadOtherWindows();
    void SetFloorSize();
};
