#include "platform/ui/buttons.h"

#include "platform/ui/childwindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// Gives `control` its window's font, or a smaller one where `text` wrapped inside `rect` would not
// fit in it: the sizes are fixed, and a caption cut in half would say nothing. The control keeps
// the font it shows, so that what it measures is what it draws.
void FitCaptionFont(QWidget *control, const QRect &rect, const QString &text)
{
    constexpr qreal kSmallestPoints = 6.0;
    QFont font = control->parentWidget() ? control->parentWidget()->font() : control->font();
    while (font.pointSizeF() > kSmallestPoints) {
        const QRect needed = QFontMetrics(font).boundingRect(rect, Qt::TextWordWrap, text);
        if (needed.height() <= rect.height() && needed.width() <= rect.width())
            break;
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - 0.5));
    }
    if (font != control->font())
        control->setFont(font);
}

} // namespace

namespace platform {

void PlaceControl(QWidget *control, float left, float top, float width, float height)
{
    control->setGeometry(TwipsRect { left, top, width, height }.toPixels());
}

GuardedRadioButton::GuardedRadioButton(const QString &name, QWidget *parent)
    : QRadioButton(parent)
{
    setObjectName(name);
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit marked();
    });
}

void GuardedRadioButton::setMarked(bool on)
{
    if (on) {
        setChecked(true);
        return;
    }
    // A marked button of a group cannot be cleared directly; clearing it runs nothing.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

void GuardedRadioButton::nextCheckState()
{
    // Clicks and keys reach the state change here; the program's setMarked does not.
    if (!isChecked() && m_guard && !m_guard())
        return;
    QRadioButton::nextCheckState();
}

WrappingCheckBox::WrappingCheckBox(const QString &name, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    connect(this, &QCheckBox::toggled, this, &WrappingCheckBox::changed);
}

QRect WrappingCheckBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    textRect.setTop(0);
    textRect.setBottom(height() - 1);
    return textRect;
}

void WrappingCheckBox::resizeEvent(QResizeEvent *event)
{
    QCheckBox::resizeEvent(event);
    FitCaptionFont(this, captionRect(), text());
}

void WrappingCheckBox::changeEvent(QEvent *event)
{
    QCheckBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitCaptionFont(this, captionRect(), text());
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

WrappingButton::WrappingButton(const QString &name, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

QRect WrappingButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    FitCaptionFont(this, captionRect(), text());
}

void WrappingButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitCaptionFont(this, captionRect(), text());
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(captionRect(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace platform
