// MainWindow: the main window "Game of Kestov". Every other window is a child window inside it,
// and its menu bar carries every command.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // The main window, once StartProgram() made it; nullptr before and after.
    static MainWindow *instance();

    // Restores the remembered position and size, shows the window and asks for a deck.
    void showAndAskForDeck();

    // Geometry in twips as last set, outer size.
    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float widthTwips() const { return m_width; }
    float heightTwips() const { return m_height; }
    void setGeometryTwips(float left, float top, float width, float height);

    QMdiArea *workspace() const { return m_workspace; }

    // The deck window shown as a new deck, and the deck built.
    void showNewDeck();
    // Writes the deck file; false (the user told why) when it could not be written.
    bool saveDeck();
    // Clears the screen for a reading: the deck window to the top left corner, every other
    // window closed in the order they were opened, which gives every dealt card back.
    void clearForReading();

    // Menu commands.
    void openDeck();
    void closeDeck();
    void save();
    void saveAs();
    void showProperties();
    void exitProgram();
    void startCelticCross();
    void startFiveCard();
    void shuffleCards();
    void cutCards();
    void pickCard();
    void showHelpContents();
    void showAbout();

    // The menu items and menus.
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *closeAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *propertiesAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *undoAction = nullptr;
    QAction *celticCrossAction = nullptr;
    QAction *fiveCardAction = nullptr;
    QAction *shuffleAction = nullptr;
    QAction *cutCardsAction = nullptr;
    QAction *pickCardAction = nullptr;
    QAction *helpContentsAction = nullptr;
    QAction *searchHelpAction = nullptr;
    QAction *aboutAction = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *readingsMenu = nullptr;
    QMenu *shuffleMenu = nullptr;
    QMenu *helpMenu = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createMenus();
    void createStatusBar();
    void updateClock();
    void applyGeometry();
    void restorePosition();
    void storePosition();
    // File Save As; true when the deck file was written, false when the dialog was cancelled
    // or the write failed.
    bool saveDeckAs();
    void decodeBackground();

    QMdiArea *m_workspace = nullptr;
    QLabel *m_statusDate = nullptr;
    QLabel *m_statusTime = nullptr;
    bool m_applyingGeometry = false;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_ended = false; // File Exit ended the program
    bool m_backgroundAsked = false;
};
