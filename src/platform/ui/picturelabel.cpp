#include "platform/ui/picturelabel.h"

#include "platform/ui/childwindow.h"

#include <QMouseEvent>
#include <QPixmap>

#include <cmath>

namespace platform {

PictureLabel::PictureLabel(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
}

void PictureLabel::setGeometryTwips(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Apply();
}

void PictureLabel::setWidthTwips(float twips)
{
    m_width = twips;
    Apply();
}

void PictureLabel::setHeightTwips(float twips)
{
    m_height = twips;
    Apply();
}

bool PictureLabel::setPictureBytes(const QByteArray &bytes)
{
    QPixmap picture;
    if (!picture.loadFromData(bytes))
        return false;
    setPixmap(picture);
    return true;
}

void PictureLabel::clearPicture()
{
    setPixmap(QPixmap());
}

bool PictureLabel::hasPicture() const
{
    return !pixmap().isNull();
}

void PictureLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    emit pressed(event->button());
    event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    emit released(event->button());
    if (click)
        emit clicked();
    event->accept();
}

void PictureLabel::Apply()
{
    auto px = [](float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
    setGeometry(px(m_left), px(m_top), std::max(0, px(m_width)), std::max(0, px(m_height)));
}

} // namespace platform
