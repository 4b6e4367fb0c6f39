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
    void ShowAndLoad();

    // Geometry in twips as last set, outer size.
    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float widthTwips() const { return m_width; }
    float heightTwips() const { return m_height; }
    void setGeometryTwips(float left, float top, float width, float height);

    QMdiArea *Workspace() const { return m_workspace; }

    // The deck window shown as a new deck, and the deck built.
    void NewDeck();
    // Writes the deck file; false (the user told why) when it could not be written.
    bool SaveDeck();
    // Clears the screen for a reading: the deck window to the top left corner, every other
    // window closed in the order they were opened, which gives every dealt card back.
    void PrepareReading();

    // Menu commands.
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileProperties_Click();
    void mnuFileExit_Click();
    void mnuViewBar0_Click();
    void mnuViewOptions_Click();
    void mnuToolsOptions_Click();
    void mnuToolsOptions3_Click();
    void mnuToolsOptions2_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

    // The menu items, by their names.
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileClose = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileProperties = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuViewBar0 = nullptr;
    QAction *mnuViewOptions = nullptr;
    QAction *mnuToolsOptions = nullptr;
    QAction *mnuToolsOptions3 = nullptr;
    QAction *mnuToolsOptions2 = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpSearchForHelpOn = nullptr;
    QAction *mnuHelpAbout = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void CreateMenus();
    void CreateStatusBar();
    void UpdateClock();
    void applyGeometry();
    void RestorePosition();
    void MDIForm_Unload();

    QMdiArea *m_workspace = nullptr;
    QLabel *m_statusDate = nullptr;
    QLabel *m_statusTime = nullptr;
    bool m_applyingGeometry = false;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_ended = false; // File Exit ended the program
};
