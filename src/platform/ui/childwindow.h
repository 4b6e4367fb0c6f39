// ChildWindow: the base of every child window of the program.
//
// A form keeps its position and size in twips exactly as the program last set them
// (single-precision values) and shows them at 15 twips per pixel. It is loaded when first
// touched, shown as soon as it is loaded, can be hidden while staying loaded, and is
// unloaded through Form_QueryUnload (which may refuse) and Form_Unload. The program's list
// of open windows holds every loaded form in load order, hidden ones included.
#pragma once

#include <QList>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <QWidget>

class QMdiArea;

namespace platform {

constexpr float kTwipsPerPixel = 15.0f;
// Outer size minus inner size of a child window: a window shown at its design client size
// reports exactly that client size as ScaleWidth x ScaleHeight.
constexpr float kFrameWidth = 72.0f;
constexpr float kFrameHeight = 462.0f;

// Why a form is being closed.
enum UnloadMode {
    vbFormControlMenu = 0, // the user's close box
    vbFormCode = 1, // the program closed it
    vbFormMDIForm = 4, // the main window is closing
};

class ChildWindow;

// The main window's child-window area. Forms load into it.
void SetWorkspace(QMdiArea *area);
QMdiArea *Workspace();

// The loaded forms in load order (a copy: safe to iterate while closing forms).
QList<ChildWindow *> OpenWindows();
// The first loaded form whose caption is exactly `caption`, or nullptr.
ChildWindow *FindWindowByCaption(const QString &caption);

class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    // `designClientWidth` x `designClientHeight`: the inner size in twips at every load.
    // `fixedBorder`: the user cannot resize the window (no maximise or minimise buttons).
    ChildWindow(const QString &objectName, float designClientWidth, float designClientHeight, bool fixedBorder = true);
    ~ChildWindow() override;

    bool IsLoaded() const { return m_loaded; }
    // Loads the form when it is not loaded: design state, Form_Load, then shown.
    void Load();
    // Closes the form: Form_QueryUnload (may refuse), Form_Unload, then it leaves the list of
    // open windows at once. Returns false when the close was refused. A form created with
    // DeleteOnUnload is deleted later; otherwise the object stays for the next load.
    bool Unload(int mode = vbFormCode);

    bool Visible() const;
    // Loads the form when needed; false hides it but keeps it loaded.
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // Geometry in twips, as last set (touching it loads the form).
    float Left();
    float Top();
    float Width();
    float Height();
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);
    void Move(float left, float top);
    // Inner size: outer size minus the frame allowance (never below zero).
    float ScaleWidth();
    float ScaleHeight();

    float DesignClientWidth() const { return m_designClientWidth; }
    float DesignClientHeight() const { return m_designClientHeight; }

    // Forms that are deleted after they were unloaded (windows made afresh for one use).
    void SetDeleteOnUnload(bool on) { m_deleteOnUnload = on; }

    QMdiSubWindow *SubWindow() const { return m_subWindow; }

    // Runs Form_Activate; the workspace calls this when the form becomes the active child.
    void Activated() { Form_Activate(); }

signals:
    void unloaded();

protected:
    // Puts the controls back into their design state before each load.
    virtual void ResetDesign() { }
    virtual void Form_Load() { }
    virtual void Form_QueryUnload(bool &cancel, int unloadMode)
    {
        Q_UNUSED(cancel);
        Q_UNUSED(unloadMode);
    }
    virtual void Form_Unload() { }
    virtual void Form_Activate() { }
    // After every change of the inner size, also at load.
    virtual void Form_Resize() { }
    // After the program showed the window (also at load) or hid it.
    virtual void VisibilityChanged(bool visible) { Q_UNUSED(visible); }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplyGeometry();
    void TakePositionFromScreen();
    void CreateSubWindow();
    // Gives the frame the caption as its title, when it does not have it yet.
    void ShowTitle();
    void DestroySubWindow();

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
        slot->SetDeleteOnUnload(true);
        T *form = slot.data();
        QObject::connect(form, &ChildWindow::unloaded, form, [&slot, form] {
            if (slot == form)
                slot.clear();
        });
    }
    return slot.data();
}

} // namespace platform
