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
    void removeTopCard();
    // After a card came back into the deck: one step larger, and shown.
    void growAfterCardReturned();
    // After a card left the deck: one step smaller, hidden when the deck is empty.
    void shrinkAfterCardTaken();

    platform::PictureLabel *pile = nullptr;

    // A click on the pile: deals the top card (freely, or into the reading under way).
    void drawTopCard();

    // The card windows made by the latest click, by class number 1..78 (index 0 unused).
    // Only the dealt card's window is made; a window stays open after the next click.
    std::array<QPointer<CardWindow>, kCardCount + 1> dealtWindows;
    // The embedded picture of the card being dealt (resource stem + pictureSuffix).
    QString dealtPicture;
    // Opens card `cardNumber` in a new window of its class (dealtWindows), at nextCardLeft /
    // nextCardTop, showing the picture dealtPicture through the cache file `cacheFile` (a name in
    // the data folder), which is written first unless it exists.
    CardWindow *openDealtCard(int cardNumber, const QString &cacheFile);
    // A button released over the pile, or over the window around it: an empty deck takes
    // the pile, or the whole window, off the screen.
    void pileReleased();
    void surfaceReleased();

protected:
    void resetControls() override;
    void queryUnloadEvent(bool &cancel, platform::UnloadReason reason) override;
    void activateEvent() override;
    void visibilityChangeEvent(bool visible) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void closeOtherWindows();
    void setFloorSize();
    void releaseDealtWindows();
    void dealFreely();
};
