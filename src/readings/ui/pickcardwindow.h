// PickCardWindow: "Pick A Card" takes one chosen card out of the deck, by its position (the
// list of positions 1 to N) or by its name (the list of all 78 card keys). A name chosen for a
// card that is out shows that card again. While a Celtic Cross waits for its querent, the
// card picked here becomes the querent, and "Exit Form" goes on without one.
#pragma once

#include "platform/ui/childwindow.h"

#include <QComboBox>

class QLabel;
class QListWidget;

namespace platform {
class PictureLabel;
class WrappingButton;
} // namespace platform

// The position list: it cannot be edited, it is filled afresh every time it opens, and it
// picks only when the user chooses one of its entries.
class PositionList : public QComboBox
{
    Q_OBJECT

public:
    explicit PositionList(QWidget *parent);

    void showPopup() override;

signals:
    // The list is about to open.
    void aboutToOpen();

protected:
    // Keys that would choose an entry without opening the list open the list instead, so that
    // no entry counted before the deck changed can be chosen.
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

class PickCardWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    PickCardWindow();

    // The Pick A Card window. Touching it when it is not open opens it (with a fresh position list).
    static PickCardWindow *instance();

    platform::PictureLabel *instructions = nullptr;
    QLabel *cardListLabel = nullptr;
    QListWidget *cardList = nullptr; // the 78 card keys in card-number order
    QLabel *positionLabel = nullptr;
    PositionList *positionBox = nullptr; // the deck positions "1" to N
    platform::WrappingButton *exitButton = nullptr; // "Exit Form"
    platform::PictureLabel *backdrop = nullptr; // empty, under the lists

    // The position list's entry `entry` was chosen.
    void pickPosition(const QString &entry);
    // The name list's current entry was chosen (a click, or Enter).
    void pickNamedCard();
    // "Exit Form": skips the querent when one is asked for, then hides the window.
    void leave();

    // Counts the cards in the deck and fills the position list.
    void refreshPositionBox();
    void fillPositionBox(int count);

    // Takes the card `key` out of the deck and opens it in its card's default window: as the
    // querent on the Celtic Cross while one is asked for, else where card windows open.
    // Whether or not a card was taken, the deck window then shrinks by one step.
    void takeCard(const QString &key);
    // Takes the entry at `position` out of the deck; hides the deck window when it is empty.
    void removeFromDeck(int position);
    // Closes every window of the card `key` without giving the card back and shows the card
    // again in its default window at Left 5000, Top 2500. The card stays out.
    void showOutCard(const QString &key);

protected:
    void resetControls() override;
    void loadEvent() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
