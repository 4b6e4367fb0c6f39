// Controls of the small windows of the main window (Properties, About, Help Contents), placed
// in twips, with the click behaviour the windows rely on:
// - an option button signals marked whenever it becomes marked, by the user or by the program;
//   clearing it runs nothing, and a click on the button already marked runs nothing;
// - a check box signals changed whenever its state changes, by the user or by the program;
//   setting the state it already has runs nothing.
// Captions wrap inside the control's size instead of being cut off, in a smaller font where
// wrapping alone is not enough.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace platform {

// Places `control` at the given position and size in twips.
void PlaceControl(QWidget *control, float left, float top, float width, float height);

class GuardedRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    GuardedRadioButton(const QString &name, QWidget *parent);

    // Marks (signalling marked) or clears (signalling nothing) the button.
    void setMarked(bool on);
    // Asked before the user's click or key marks the button; false leaves everything as it was.
    void setMarkGuard(std::function<bool()> guard) { m_guard = std::move(guard); }

signals:
    void marked();

protected:
    void nextCheckState() override;

private:
    std::function<bool()> m_guard;
};

class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    WrappingCheckBox(const QString &name, const QString &caption, QWidget *parent);

    void setTicked(bool ticked) { setChecked(ticked); }

signals:
    void changed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect captionRect() const;
};

class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    WrappingButton(const QString &name, const QString &caption, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect captionRect() const;
};

} // namespace platform
