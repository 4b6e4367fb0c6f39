#include "platform/ui/childwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMoveEvent>

#include <algorithm>

namespace platform {

namespace {

QPointer<QMdiArea> g_workspace;
QList<ChildWindow *> g_openWindows;

// A workspace for windows loaded before (or without) a main window, as in tests of one window.
QMdiArea *FallbackWorkspace()
{
    static QPointer<QMdiArea> area;
    if (!area) {
        area = new QMdiArea;
        area->resize(1200, 900);
    }
    return area;
}

// Frames of closed windows kept for the next windows of the same kind: making a frame costs
// far more than setting one up again. Each is kept out of the workspace, untitled, hidden and
// without a window, and goes with the workspace it was made for. A reading's worth of cards.
struct SpareFrame
{
    QPointer<QMdiSubWindow> frame;
    QPointer<QMdiArea> area;
    Qt::WindowFlags flags;
};
constexpr int kSpareFrames = 10;
QList<SpareFrame> g_spareFrames;

Qt::WindowFlags FrameFlags(bool fixedBorder)
{
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    if (!fixedBorder)
        flags |= Qt::WindowMinMaxButtonsHint;
    return flags;
}

QMdiSubWindow *TakeSpareFrame(QMdiArea *area, Qt::WindowFlags flags)
{
    for (int i = g_spareFrames.size() - 1; i >= 0; --i) {
        const SpareFrame spare = g_spareFrames.at(i);
        if (!spare.frame || !spare.area) {
            g_spareFrames.removeAt(i);
            continue;
        }
        if (spare.area == area && spare.flags == flags) {
            g_spareFrames.removeAt(i);
            return spare.frame;
        }
    }
    return nullptr;
}

// Keeps `sub` (already out of its workspace) for a later window, or deletes it.
void ShelveFrame(QMdiSubWindow *sub, QMdiArea *area, Qt::WindowFlags flags)
{
    g_spareFrames.removeIf([](const SpareFrame &spare) { return !spare.frame || !spare.area; });
    // Only a frame in its first state comes back as if new.
    const bool plain = !(sub->windowState() & ~Qt::WindowActive) && !sub->isShaded();
    if (!area || !plain || g_spareFrames.size() >= kSpareFrames) {
        sub->deleteLater();
        return;
    }
    QObject::connect(area, &QObject::destroyed, sub, [sub] { delete sub; });
    g_spareFrames.append({ sub, area, flags });
}

} // namespace

void SetWorkspace(QMdiArea *area)
{
    g_workspace = area;
    if (!area)
        return;
    QObject::connect(area, &QMdiArea::subWindowActivated, area, [](QMdiSubWindow *sub) {
        if (!sub)
            return;
        if (auto *window = qobject_cast<ChildWindow *>(sub->widget()))
            window->handleActivated();
    });
}

QMdiArea *Workspace()
{
    return g_workspace ? g_workspace.data() : FallbackWorkspace();
}

QList<ChildWindow *> OpenWindows()
{
    return g_openWindows;
}

ChildWindow *FindWindowByCaption(const QString &caption)
{
    for (ChildWindow *window : std::as_const(g_openWindows)) {
        if (window->caption() == caption)
            return window;
    }
    return nullptr;
}

ChildWindow::ChildWindow(const QString &objectName, float designClientWidth, float designClientHeight, bool fixedBorder)
    : m_designClientWidth(designClientWidth)
    , m_designClientHeight(designClientHeight)
    , m_fixedBorder(fixedBorder)
    , m_width(designClientWidth + kFrameWidth)
    , m_height(designClientHeight + kFrameHeight)
{
    setObjectName(objectName);
    hide();
}

ChildWindow::~ChildWindow()
{
    g_openWindows.removeAll(this);
    // A frame that is being destroyed deletes the window as its child; it is then no longer a
    // QMdiSubWindow and there is nothing left to take apart.
    QMdiSubWindow *sub = m_subWindow.isNull() ? nullptr : qobject_cast<QMdiSubWindow *>(parent());
    if (sub) {
        m_subWindow.clear();
        sub->removeEventFilter(this);
        setParent(nullptr);
        sub->deleteLater();
    }
}

void ChildWindow::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    g_openWindows.append(this);
    m_width = m_designClientWidth + kFrameWidth;
    m_height = m_designClientHeight + kFrameHeight;
    m_positionSet = false;
    resetControls();
    createSubWindow();
    applyGeometry();
    loadEvent();
    if (!m_loaded)
        return; // loadEvent closed the window again
    if (!m_positionSet) {
        // Placed by the workspace like any new child window.
        m_subWindow->show();
        takePositionFromScreen();
    }
    show();
    m_subWindow->show();
    // A window that opens comes to the front: a card dealt onto the deck lies on top of it.
    m_subWindow->raise();
    if (QMdiArea *area = m_subWindow->mdiArea())
        area->setActiveSubWindow(m_subWindow);
    // The focus moves along, or the window that had it would be made active again.
    m_subWindow->setFocus(Qt::OtherFocusReason);
    // The frame measures itself again for each layout request queued while it was set up:
    // done now, while it is still untitled (see createSubWindow), that is much cheaper.
    QCoreApplication::sendPostedEvents(m_subWindow, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
    showTitle();
    innerResizeEvent();
    visibilityChangeEvent(true);
}

bool ChildWindow::unload(UnloadReason reason)
{
    if (!m_loaded || m_unloading)
        return true;
    bool cancel = false;
    queryUnloadEvent(cancel, reason);
    if (cancel || !m_loaded)
        return !m_loaded;
    m_unloading = true;
    unloadEvent();
    m_loaded = false;
    g_openWindows.removeAll(this);
    destroySubWindow();
    m_unloading = false;
    emit unloaded();
    if (m_deleteOnUnload)
        deleteLater();
    return true;
}

bool ChildWindow::isShown() const
{
    // Visible as the program set it, whether or not the main window is on screen.
    return m_loaded && m_subWindow && !m_subWindow->isHidden();
}

void ChildWindow::setShown(bool visible)
{
    ensureLoaded();
    if (!m_subWindow)
        return;
    if (visible) {
        // A hidden frame comes back untitled, for the same reason as at load (createSubWindow).
        if (m_subWindow->isHidden())
            m_subWindow->setWindowTitle(QString());
        show();
        m_subWindow->show();
        showTitle();
    } else {
        m_subWindow->hide();
    }
    visibilityChangeEvent(visible);
}

void ChildWindow::setCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
    // Heard by assistive technology as the window's name; the object name is the program's own.
    setAccessibleName(caption);
    if (m_subWindow)
        m_subWindow->setWindowTitle(caption);
}

float ChildWindow::leftTwips()
{
    ensureLoaded();
    return m_left;
}

float ChildWindow::topTwips()
{
    ensureLoaded();
    return m_top;
}

float ChildWindow::widthTwips()
{
    ensureLoaded();
    return m_width;
}

float ChildWindow::heightTwips()
{
    ensureLoaded();
    return m_height;
}

float ChildWindow::heightTwipsWithoutLoading() const
{
    // Loading gives a window its design size.
    return m_loaded ? m_height : m_designClientHeight + kFrameHeight;
}

void ChildWindow::setLeftTwips(float twips)
{
    ensureLoaded();
    m_left = twips;
    m_positionSet = true;
    applyGeometry();
}

void ChildWindow::setTopTwips(float twips)
{
    ensureLoaded();
    m_top = twips;
    m_positionSet = true;
    applyGeometry();
}

void ChildWindow::setWidthTwips(float twips)
{
    ensureLoaded();
    m_width = twips;
    applyGeometry();
    innerResizeEvent();
}

void ChildWindow::setHeightTwips(float twips)
{
    ensureLoaded();
    m_height = twips;
    applyGeometry();
    innerResizeEvent();
}

void ChildWindow::moveTwips(float left, float top)
{
    ensureLoaded();
    m_left = left;
    m_top = top;
    m_positionSet = true;
    applyGeometry();
}

float ChildWindow::innerWidthTwips()
{
    ensureLoaded();
    return std::max(0.0f, m_width - kFrameWidth);
}

float ChildWindow::innerHeightTwips()
{
    ensureLoaded();
    return std::max(0.0f, m_height - kFrameHeight);
}

void ChildWindow::createSubWindow()
{
    const Qt::WindowFlags flags = FrameFlags(m_fixedBorder);
    QMdiArea *area = Workspace();
    QMdiSubWindow *sub = TakeSpareFrame(area, flags);
    if (sub) {
        // Sized and placed by the workspace again, as a new frame is.
        QObject::disconnect(area, &QObject::destroyed, sub, nullptr);
        sub->setMinimumSize(0, 0);
        sub->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        sub->setAttribute(Qt::WA_Resized, false);
        sub->setAttribute(Qt::WA_Moved, false);
    } else {
        // Made with its flags: setting them afterwards would set the frame up a second time.
        sub = new QMdiSubWindow(nullptr, flags);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    sub->setWidget(this);
    // The frame stays untitled until the window stands (ShowTitle): it measures and elides its
    // title again on each of the many layout steps of adding, sizing and showing it, which
    // otherwise costs more than all the rest of opening a window.
    sub->setWindowTitle(QString());
    sub->installEventFilter(this);
    area->addSubWindow(sub);
    m_subWindow = sub;
}

void ChildWindow::showTitle()
{
    if (m_subWindow && m_subWindow->windowTitle() != m_caption)
        m_subWindow->setWindowTitle(m_caption);
}

void ChildWindow::destroySubWindow()
{
    QMdiSubWindow *sub = m_subWindow;
    if (!sub)
        return;
    m_subWindow = nullptr;
    sub->removeEventFilter(this);
    // Untitled, the frame is taken down without eliding its title at every step (see above).
    sub->setWindowTitle(QString());
    hide();
    sub->hide();
    // The window outlives its frame: take it out before the frame goes.
    sub->setWidget(nullptr);
    setParent(nullptr);
    QMdiArea *area = sub->mdiArea();
    if (area)
        area->removeSubWindow(sub);
    ShelveFrame(sub, area, FrameFlags(m_fixedBorder));
}

void ChildWindow::applyGeometry()
{
    if (!m_subWindow)
        return;
    const QMargins frame = m_subWindow->contentsMargins();
    const QSize inner(std::max(0, TwipsToPixels(std::max(0.0f, m_width - kFrameWidth))),
        std::max(0, TwipsToPixels(std::max(0.0f, m_height - kFrameHeight))));
    const QSize outer(inner.width() + frame.left() + frame.right(), inner.height() + frame.top() + frame.bottom());
    resize(inner);
    if (m_fixedBorder)
        m_subWindow->setFixedSize(outer);
    else
        m_subWindow->resize(outer);
    if (m_positionSet)
        m_subWindow->move(TwipsToPixels(m_left), TwipsToPixels(m_top));
}

void ChildWindow::takePositionFromScreen()
{
    if (!m_subWindow)
        return;
    m_left = m_subWindow->x() * kTwipsPerPixel;
    m_top = m_subWindow->y() * kTwipsPerPixel;
}

bool ChildWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A frame that is being destroyed is no longer a QMdiSubWindow: it is let through before
    // the QPointer comparison, which would cast it to one.
    if (!qobject_cast<QMdiSubWindow *>(watched) || watched != m_subWindow)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        // The close box: the window decides through its own unload handling.
        event->ignore();
        unload(UnloadReason::CloseBox);
        return true;
    case QEvent::Move: {
        // A move the program did not ask for (the user dragged the window) becomes the new
        // position; the program's own moves keep their exact twips.
        const QPoint pos = static_cast<QMoveEvent *>(event)->pos();
        if (pos.x() != TwipsToPixels(m_left))
            m_left = pos.x() * kTwipsPerPixel;
        if (pos.y() != TwipsToPixels(m_top))
            m_top = pos.y() * kTwipsPerPixel;
        break;
    }
    case QEvent::Resize:
        if (!m_fixedBorder) {
            const QMargins frame = m_subWindow->contentsMargins();
            const QSize outer = m_subWindow->size();
            const int innerW = outer.width() - frame.left() - frame.right();
            const int innerH = outer.height() - frame.top() - frame.bottom();
            bool changed = false;
            if (innerW != TwipsToPixels(std::max(0.0f, m_width - kFrameWidth))) {
                m_width = innerW * kTwipsPerPixel + kFrameWidth;
                changed = true;
            }
            if (innerH != TwipsToPixels(std::max(0.0f, m_height - kFrameHeight))) {
                m_height = innerH * kTwipsPerPixel + kFrameHeight;
                changed = true;
            }
            if (changed)
                innerResizeEvent();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace platform
