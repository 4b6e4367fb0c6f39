// What the three animation windows (the shuffle and the two cuts) share: the animated picture
// control, the still first frame behind it, and the timer that closes the window and shows
// the deck window again.
#pragma once

#include "platform/ui/childwindow.h"
#include "platform/ui/twipslabel.h"

#include <QPointer>

class QBuffer;
class QMovie;
class QTimer;

namespace platform {
class PictureLabel;
}

// Plays an animated GIF over its area, stretched to it, once unless told to loop.
class AnimationLabel : public platform::TwipsLabel
{
    Q_OBJECT

public:
    // `name` is the control's name inside the program; the window names it for assistive technology.
    AnimationLabel(const QString &name, QWidget *parent);

    // The file it plays, and whether it starts again after the last frame.
    QString cacheFile() const { return m_cacheFile; }
    void setCacheFile(const QString &path) { m_cacheFile = path; }
    bool loops() const { return m_loop; }
    void setLoops(bool loop) { m_loop = loop; }

    // Starts the animation from bytes in memory; false when they are not an animation.
    bool playBytes(const QByteArray &bytes);
    void stop();
    QMovie *movie() const { return m_movie; }

signals:
    void clicked();
    // Something is dragged over the control.
    void dragEntered();
    // The focus went from the control to another window.
    void focusLeftWindow();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool start(QMovie *movie);
    void frameShown(int frame);

    QString m_cacheFile;
    bool m_loop = false;
    bool m_pressed = false;
    QMovie *m_movie = nullptr;
    QBuffer *m_buffer = nullptr;
};

class AnimationWindow : public platform::ChildWindow
{
    Q_OBJECT

public:
    // Closes the window and shows the deck window. While a command that showed this window is
    // still running (its message box open), the close waits until that command has ended.
    void finish();

    platform::PictureLabel *stillPicture = nullptr;
    QTimer *closeTimer = nullptr;

protected:
    AnimationWindow(
        const QString &objectName, const QString &caption, float clientWidth, float clientHeight, int durationMs);

    void resetControls() override;
    void unloadEvent() override;

    // The timer runs from the start of the load.
    void startCloseTimer();
    // Every animation window opens at the same place, its still picture and `animation`
    // filling it.
    void placeAndFill(AnimationLabel *animation);
    // Writes the animation's cache file unless it is there and shows its first frame, as a
    // still picture, behind the animation. When the file cannot be written or read the embedded
    // animation is shown instead.
    void showStill(AnimationLabel *control, const QString &resourceName);
    // Plays the animation over the still picture, from the same source.
    void playAnimation(AnimationLabel *control, const QString &resourceName);
    // Closes the window, the way the timer does, once the running command has ended.
    void closeAfterCommand() { m_closePending = true; }
    bool commandRunning() const { return m_runningCommands > 0; }

private:
    friend class AnimationCommand;
    void commandEnded();

    QString m_caption;
    int m_durationMs;
    int m_runningCommands = 0;
    bool m_closePending = false;
};

// Held by a command that shows an animation window, for as long as the command runs.
class AnimationCommand
{
public:
    explicit AnimationCommand(AnimationWindow *window);
    ~AnimationCommand();
    AnimationCommand(const AnimationCommand &) = delete;
    AnimationCommand &operator=(const AnimationCommand &) = delete;

private:
    QPointer<AnimationWindow> m_window;
};

// Shows the deck window again after an animation.
void ShowDeckWindowAgain();
