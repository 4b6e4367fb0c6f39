#include "platform/ui/picturelabel.h"

#include "platform/ui/childwindow.h"

#include <QMouseEvent>
#include <QPixmap>

#include <cmath>

namespace platform {

ImageControl::ImageControl(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
}

void ImageControl::SetBounds(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Apply();
}

void ImageControl::SetWidth(float twips)
{
    m_width = twips;
    Apply();
}

void ImageControl::SetHeight(float twips)
{
    m_height = twips;
    Apply();
}

bool ImageControl::SetPictureBytes(const QByteArray &bytes)
{
    QPixmap picture;
    if (!picture.loadFromData(bytes))
        return false;
    setPixmap(picture);
    return true;
}

void ImageControl::ClearPicture()
{
    setPixmap(QPixmap());
}

bool ImageControl::HasPicture() const
{
    return !pixmap().isNull();
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    emit MouseDown(event->button());
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    emit MouseUp(event->button());
    if (click)
        emit Click();
    event->accept();
}

void ImageControl::Apply()
{
    auto px = [](float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
    setGeometry(px(m_left), px(m_top), std::max(0, px(m_width)), std::max(0, px(m_height)));
}

} // namespace platform
