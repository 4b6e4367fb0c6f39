// DeckWindow: the deck lying face down. The window shrinks by one step for every card that
// leaves the deck and grows for every card that comes back; a click on the pile deals.
#pragma once

#include "app/programstate.h"
#include "platform/ui/childwindow.h"

#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>

class CardWindow;

namespace platform {
class PictureLabel;
}

class DeckWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    DeckWindow();

    // The deck window, once StartProgram() made it; nullptr before and after.
    static DeckWindow *instance();

    // Removes the top card from the deck.
    void ShiftDeck();
    // After a card came back into the deck: one step larger, and shown.
    void AddtoDeck();
    // After a card left the deck: one step smaller, hidden when the deck is empty.
    void SizeDeck();

    platform::PictureLabel *Image1 = nullptr;

    // The next place of the reading under way, Celtic Cross or Five Card: its card window's
    // size and position (slotHeight, slotWidth, slotTop, slotLeft from the layout window as it
    // stands now), its picture suffix, and its meaning shown to the user. The draw after the
    // last place ends the reading.
    void CelticRead();
    void FiveCardRead();

    // A click on the pile: deals the top card (freely, or into the reading under way).
    void Image1_Click();

    // The card windows made by the latest click, by class number 1..78 (index 0 unused).
    // Only the dealt card's window is made; a window stays open after the next click.
    std::array<QPointer<CardWindow>, kCardCount + 1> CardInstance;
    // The embedded picture of the card being dealt (resource stem + pictureSuffix).
    QString ResName;
    // Opens card `cardNumber` in a new window of its class (CardInstance), at nextCardLeft /
    // nextCardTop, showing the picture ResName through the cache file `cacheFile` (a name in
    // the data folder), which is written first unless it exists.
    CardWindow *OpenDealtCard(int cardNumber, const QString &cacheFile);
    void Image1_MouseUp();
    void Form_MouseUp();

protected:
    void resetControls() override;
    void queryUnloadEvent(bool &cancel, platform::UnloadReason reason) override;
    void activateEvent() override;
    void visibilityChangeEvent(bool visible) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void UnloadOtherWindows();
    void SetFloorSize();
    void ReleaseCardInstances();
    void FreeDeal();
};
