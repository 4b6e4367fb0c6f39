#include "deck/ui/animationwindow.h"

#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/timers.h"
#include "platform/ui/picturelabel.h"

#include <QApplication>
#include <QBuffer>
#include <QDragEnterEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QMovie>
#include <QTimer>
#include <QtDebug>

AnimationLabel::AnimationLabel(const QString &name, QWidget *parent)
    : TwipsLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
    setAcceptDrops(true);
    // It takes the focus only when clicked, so that it loses it only to the user.
    setFocusPolicy(Qt::ClickFocus);
}

bool AnimationLabel::playBytes(const QByteArray &bytes)
{
    stop();
    m_buffer = new QBuffer(this);
    m_buffer->setData(bytes);
    m_buffer->open(QIODevice::ReadOnly);
    return start(new QMovie(m_buffer, QByteArray(), this));
}

bool AnimationLabel::start(QMovie *movie)
{
    if (!movie->isValid()) {
        delete movie;
        delete m_buffer;
        m_buffer = nullptr;
        return false;
    }
    m_movie = movie;
    connect(m_movie, &QMovie::frameChanged, this, &AnimationLabel::frameShown);
    setMovie(m_movie);
    m_movie->start();
    return true;
}

void AnimationLabel::frameShown(int frame)
{
    // A GIF may ask to loop for ever; the control plays it once and keeps its last frame.
    if (m_loop || !m_movie)
        return;
    const int frames = m_movie->frameCount();
    if (frames > 0 && frame >= frames - 1)
        m_movie->setPaused(true);
}

void AnimationLabel::stop()
{
    setMovie(nullptr);
    clear();
    if (m_movie) {
        m_movie->stop();
        m_movie->deleteLater();
        m_movie = nullptr;
    }
    if (m_buffer) {
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
}

void AnimationLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    event->accept();
}

void AnimationLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void AnimationLabel::dragEnterEvent(QDragEnterEvent *event)
{
    // Nothing can be dropped here; the control only notices the drag.
    event->ignore();
    emit dragEntered();
}

void AnimationLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    // Only the focus going to another window counts: not a menu opened over it, nor the
    // control's own window taking the focus as it is shown, activated or hidden.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason)
        return;
    QWidget *own = this;
    while (own->parentWidget() && !qobject_cast<QMdiSubWindow *>(own))
        own = own->parentWidget();
    const QWidget *now = QApplication::focusWidget();
    if (now && (now == own || own->isAncestorOf(now)))
        return;
    emit focusLeftWindow();
}

AnimationWindow::AnimationWindow(
    const QString &objectName, const QString &caption, float clientWidth, float clientHeight, int durationMs)
    : ChildWindow(objectName, clientWidth, clientHeight)
    , m_caption(caption)
    , m_durationMs(durationMs)
{
    stillPicture = new platform::PictureLabel(QStringLiteral("Image1"), this);
    stillPicture->setAccessibleName(caption);
    closeTimer = new QTimer(this);
    closeTimer->setObjectName(QStringLiteral("Timer1"));
    connect(closeTimer, &QTimer::timeout, this, &AnimationWindow::finish);
}

void AnimationWindow::resetControls()
{
    setCaption(m_caption);
    // The animation is heard by what it shows, as the still picture is.
    for (AnimationLabel *control : findChildren<AnimationLabel *>())
        control->setAccessibleName(m_caption);
    closeTimer->stop();
    stillPicture->clearPicture();
    m_closePending = false;
}

void AnimationWindow::placeAndFill(AnimationLabel *animation)
{
    moveTwips(2700, 2000);
    stillPicture->setHeightTwips(innerHeightTwips());
    stillPicture->setWidthTwips(innerWidthTwips());
    animation->setHeightTwips(innerHeightTwips());
    animation->setWidthTwips(innerWidthTwips());
}

void AnimationWindow::startCloseTimer()
{
    closeTimer->start(platform::TimerInterval(m_durationMs));
}

void AnimationWindow::showStill(AnimationLabel *control, const QString &resourceName)
{
    const QString path = control->cacheFile();
    platform::SaveResToFile(resourceName, path);
    if (stillPicture->setPictureBytes(platform::CachedFileBytes(path, resourceName)))
        return;
    // No usable cache file (it could not be written, or it is damaged): the embedded
    // animation itself gives the picture.
    if (!stillPicture->setPictureBytes(platform::Resource(resourceName)))
        qWarning("The animation %s could not be shown: neither %s nor the embedded copy can be read.",
            qPrintable(resourceName), qPrintable(path));
}

void AnimationWindow::playAnimation(AnimationLabel *control, const QString &resourceName)
{
    if (!control->playBytes(platform::CachedFileBytes(control->cacheFile(), resourceName)))
        control->playBytes(platform::Resource(resourceName));
}

void AnimationWindow::finish()
{
    closeTimer->stop();
    if (!isLoaded())
        return;
    if (commandRunning()) {
        m_closePending = true;
        return;
    }
    unload();
    ShowDeckWindowAgain();
}

void AnimationWindow::commandEnded()
{
    --m_runningCommands;
    if (m_runningCommands == 0 && m_closePending) {
        m_closePending = false;
        finish();
    }
}

void AnimationWindow::unloadEvent()
{
    closeTimer->stop();
    m_closePending = false;
    for (AnimationLabel *control : findChildren<AnimationLabel *>())
        control->stop();
}

AnimationCommand::AnimationCommand(AnimationWindow *window)
    : m_window(window)
{
    if (m_window)
        ++m_window->m_runningCommands;
}

AnimationCommand::~AnimationCommand()
{
    if (m_window)
        m_window->commandEnded();
}

void ShowDeckWindowAgain()
{
    DeckWindow *deck = DeckWindow::instance();
    if (!deck)
        return;
    deck->showWindow();
    // Shown, it becomes the active window, as a window the program shows does; a deck window
    // with no cards then hides itself again.
    if (QMdiSubWindow *sub = deck->subWindow(); sub && deck->isShown())
        platform::Workspace()->setActiveSubWindow(sub);
}
