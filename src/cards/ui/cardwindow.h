// CardWindow: the window of one card that is out of the deck. All 78 cards share this one
// design; a card's row of CardData sets its caption, pictures, meaning and sizes.
//
// Each card has one default window (object name Form1 .. Form78), made on first use and
// kept for reloading, which every change of view state and Pick A Card show the card in;
// the deck deals a card into a new window of the card, deleted once it is closed.
//
// A click on the picture opens the card menu. Enlarge, Shrink and Rotate close the
// clicked window without giving the card back and reopen the default window in the new view
// state; Meaning shows the card's meaning; Return To Deck closes the window, which puts the
// card back at the bottom of the deck.
#pragma once

#include "cards/carddata.h"
#include "platform/ui/childwindow.h"

class QListWidget;

namespace platform {
class PictureLabel;
}

// How long after a card window closed its memory is given back to the system.
constexpr int kTrimDelayMs = 300;

// The six items of the menu list, in their order.
extern const char *const kCardMenuItems[6];

class CardWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    explicit CardWindow(int cardNumber);
    ~CardWindow() override;

    int cardNumber() const { return m_card; }
    const CardData &cardData() const;

    // The control that shows the card.
    platform::PictureLabel *picture() const { return m_picture; }
    // A small empty control beside the picture, kept by the one card whose data puts its
    // picture in a second control; nullptr for every other card.
    platform::PictureLabel *spareImage() const { return m_spareImage; }

    // Loads the picture from a cache file; when the file cannot be read, shows the embedded
    // picture `resource` itself. False when neither could be shown (the control then keeps
    // what it showed).
    bool showPicture(const QString &cacheFilePath, const QString &resource);

    QListWidget *cardMenu = nullptr;

    // Opens the card menu over the picture.
    void showMenu();
    // Runs the menu item clicked.
    void runMenuItem();
    void hideMenu();
    // The next card window opens where this one stands.
    void rememberPlace();
    // A press on the window outside the picture: some cards open their menu for it too.
    void surfacePressed();

protected:
    void resetControls() override;
    void loadEvent() override;
    void queryUnloadEvent(bool &cancel, platform::UnloadReason reason) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Closes this window, once, without giving the card back.
    void closeKeepingCard();
    // Closes this window so that the card goes back to the deck.
    void returnToDeck();
    // Starts decoding the picture the default window shows in `state`, while it opens.
    void decodeAhead(int state, Route route) const;
    // Shows the card in the default window in `state`.
    void redisplay(int state, Route route);
    bool captionIsOpen() const;
    void showDesignPicture();

    int m_card;
    platform::PictureLabel *m_picture = nullptr;
    platform::PictureLabel *m_spareImage = nullptr;
};

// The card's default window, made on first use. Touching its geometry loads it.
CardWindow *DefaultCardWindow(int cardNumber);

// Starts decoding the embedded picture `resource` for a card window whose picture control
// will be `pictureWidthTwips` x `pictureHeightTwips`, so that it is decoded while the window
// opens. Only time is at stake: a window that ends up another size decodes it itself.
void DecodeCardPictureAhead(const QString &resource, float pictureWidthTwips, float pictureHeightTwips);

// A new, unopened window of the card, deleted once it has been closed.
CardWindow *NewCardWindow(int cardNumber);
