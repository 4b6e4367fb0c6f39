// ChildWindow: the base of every child window of the program.
//
// A window keeps its position and size in twips exactly as the program last set them
// (single-precision values) and shows them at 15 twips per pixel. It is loaded when first
// touched, shown as soon as it is loaded, can be hidden while staying loaded, and is
// unloaded through queryUnloadEvent (which may refuse) and unloadEvent. The program's list
// of open windows holds every loaded window in load order, hidden ones included.
#pragma once

#include "platform/twips.h"

#include <QList>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <QWidget>

class QMdiArea;

namespace platform {

// Outer size minus inner size of a child window: a window shown at its design client size
// reports exactly that client size as innerWidthTwips x innerHeightTwips.
constexpr float kFrameWidth = 72.0f;
constexpr float kFrameHeight = 462.0f;

// Why a window is being closed (nothing stores the numbers).
enum class UnloadReason {
    CloseBox = 0, // the user's close box
    Program = 1, // the program closed it
    MainWindowClosing = 4, // the main window is closing
};

class ChildWindow;

// The main window's child-window area. Child windows load into it.
void SetWorkspace(QMdiArea *area);
QMdiArea *Workspace();

// The loaded windows in load order (a copy: safe to iterate while closing windows).
QList<ChildWindow *> OpenWindows();
// The first loaded window whose caption is exactly `caption`, or nullptr.
ChildWindow *FindWindowByCaption(const QString &caption);

class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    // `designClientWidth` x `designClientHeight`: the inner size in twips at every load.
    // `fixedBorder`: the user cannot resize the window (no maximise or minimise buttons).
    ChildWindow(const QString &objectName, float designClientWidth, float designClientHeight, bool fixedBorder = true);
    ~ChildWindow() override;

    bool isLoaded() const { return m_loaded; }
    // Loads the window when it is not loaded: design state, loadEvent, then shown.
    void ensureLoaded();
    // Closes the window: queryUnloadEvent (may refuse), unloadEvent, then it leaves the list of
    // open windows at once. Returns false when the close was refused. A window created with
    // DeleteOnUnload is deleted later; otherwise the object stays for the next load.
    bool unload(UnloadReason reason = UnloadReason::Program);

    bool isShown() const;
    // Loads the window when needed; false hides it but keeps it loaded.
    void setShown(bool visible);
    void showWindow() { setShown(true); }
    void hideWindow() { setShown(false); }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Geometry in twips, as last set (touching it loads the window).
    float leftTwips();
    float topTwips();
    float widthTwips();
    float heightTwips();
    // The height heightTwips() would give, without loading the window to find it.
    float heightTwipsWithoutLoading() const;
    void setLeftTwips(float twips);
    void setTopTwips(float twips);
    void setWidthTwips(float twips);
    void setHeightTwips(float twips);
    void moveTwips(float left, float top);
    // Inner size: outer size minus the frame allowance (never below zero).
    float innerWidthTwips();
    float innerHeightTwips();

    float designInnerWidthTwips() const { return m_designClientWidth; }
    float designInnerHeightTwips() const { return m_designClientHeight; }

    // Windows that are deleted after they were unloaded (windows made afresh for one use).
    void setDeleteOnUnload(bool on) { m_deleteOnUnload = on; }

    QMdiSubWindow *subWindow() const { return m_subWindow; }

    // Runs activateEvent; the workspace calls this when the window becomes the active child.
    void handleActivated() { activateEvent(); }

signals:
    void unloaded();

protected:
    // Puts the controls back into their design state before each load.
    virtual void resetControls() { }
    virtual void loadEvent() { }
    virtual void queryUnloadEvent(bool &cancel, UnloadReason reason)
    {
        Q_UNUSED(cancel);
        Q_UNUSED(reason);
    }
    virtual void unloadEvent() { }
    virtual void activateEvent() { }
    // After every change of the inner size, also at load.
    virtual void innerResizeEvent() { }
    // After the program showed the window (also at load) or hid it.
    virtual void visibilityChangeEvent(bool visible) { Q_UNUSED(visible); }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyGeometry();
    void takePositionFromScreen();
    void createSubWindow();
    // Gives the frame the caption as its title, when it does not have it yet.
    void showTitle();
    void destroySubWindow();

    float m_designClientWidth;
    float m_designClientHeight;
    bool m_fixedBorder;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_deleteOnUnload = false;
    bool m_positionSet = false;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    QString m_caption;
    QPointer<QMdiSubWindow> m_subWindow;
};

// The one window of a class that the program shows at a time: made on first use, deleted once
// it has been closed, so that the next use makes (and loads) a new one. `slot` must outlive the
// program's windows (a static).
template <class T> T *SingleWindow(QPointer<T> &slot)
{
    if (!slot) {
        slot = new T;
        slot->setDeleteOnUnload(true);
        T *window = slot.data();
        QObject::connect(window, &ChildWindow::unloaded, window, [&slot, window] {
            if (slot == window)
                slot.clear();
        });
    }
    return slot.data();
}

} // namespace platform
