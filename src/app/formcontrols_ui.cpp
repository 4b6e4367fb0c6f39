#include "app/formcontrols_ui.h"

#include "platform/form_ui.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace {

int ToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / platform::kTwipsPerPixel));
}

// Draws `text` wrapped inside `rect`, in a smaller font when the control's own one does not fit:
// the sizes are fixed, and a caption cut in half would say nothing.
void DrawFittedText(QPainter &painter, const QRect &rect, int alignment, const QString &text)
{
    constexpr qreal kSmallestPoints = 6.0;
    const int flags = alignment | Qt::TextWordWrap;
    QFont font = painter.font();
    while (font.pointSizeF() > kSmallestPoints) {
        const QRect needed = QFontMetrics(font).boundingRect(rect, flags, text);
        if (needed.height() <= rect.height() && needed.width() <= rect.width())
            break;
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - 0.5));
    }
    painter.setFont(font);
    painter.drawText(rect, flags, text);
}

} // namespace

void PlaceControl(QWidget *control, float left, float top, float width, float height)
{
    control->setGeometry(ToPixels(left), ToPixels(top), std::max(0, ToPixels(width)), std::max(0, ToPixels(height)));
}

OptionButton::OptionButton(const QString &name, QWidget *parent)
    : QRadioButton(parent)
{
    setObjectName(name);
    connect(this, &QRadioButton::toggled, this, [this](bool marked) {
        if (marked)
            emit Click();
    });
}

void OptionButton::SetValue(bool marked)
{
    if (marked) {
        setChecked(true);
        return;
    }
    // A marked button of a group cannot be cleared directly; clearing it runs nothing.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

void OptionButton::nextCheckState()
{
    // Clicks and keys reach the state change here; the program's SetValue does not.
    if (!isChecked() && m_guard && !m_guard())
        return;
    QRadioButton::nextCheckState();
}

CheckBox::CheckBox(const QString &name, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    textRect.setTop(0);
    textRect.setBottom(height() - 1);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    DrawFittedText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
}

CommandButton::CommandButton(const QString &name, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    DrawFittedText(painter, textRect, Qt::AlignCenter, text());
}
