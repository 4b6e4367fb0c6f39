#include "platform/ui/picturelabel.h"

#include "platform/ui/childwindow.h"
#include "platform/ui/picturedecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <utility>

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
    applyGeometry();
}

void PictureLabel::setWidthTwips(float twips)
{
    m_width = twips;
    applyGeometry();
}

void PictureLabel::setHeightTwips(float twips)
{
    m_height = twips;
    applyGeometry();
}

bool PictureLabel::setPictureBytes(const QByteArray &bytes)
{
    return showEncoded(bytes, true);
}

bool PictureLabel::setPictureBytesLater(const QByteArray &bytes)
{
    return showEncoded(bytes, false);
}

bool PictureLabel::showEncoded(const QByteArray &encoded, bool now)
{
    QBuffer buffer;
    buffer.setData(encoded);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return false;
    const QByteArray previous = std::exchange(m_encoded, encoded);
    QPixmap decoded;
    if (now && (decoded = decodedAtShownSize()).isNull()) {
        m_encoded = previous;
        return false;
    }
    m_pictureSize = size;
    m_decoded = decoded;
    // A picture set through the label itself gives way.
    if (!pixmap().isNull())
        setPixmap(QPixmap());
    update();
    return true;
}

QPixmap PictureLabel::decodedAtShownSize() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize shown = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    QPixmap decoded = QPixmap::fromImage(DecodePicture(m_encoded, shown));
    decoded.setDevicePixelRatio(ratio);
    return decoded;
}

void PictureLabel::clearPicture()
{
    setPixmap(QPixmap());
    m_encoded.clear();
    m_pictureSize = QSize();
    m_decoded = QPixmap();
    update();
}

bool PictureLabel::hasPicture() const
{
    return !pixmap().isNull() || !m_encoded.isEmpty();
}

QSize PictureLabel::pictureSize() const
{
    return !pixmap().isNull() ? pixmap().size() : m_pictureSize;
}

void PictureLabel::paintEvent(QPaintEvent *event)
{
    if (!pixmap().isNull() || m_encoded.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    // Decoded again whenever the control's size changed, so that it stays sharp.
    const QSize shown = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (m_decoded.size() != shown) {
        const QPixmap decoded = decodedAtShownSize();
        if (!decoded.isNull())
            m_decoded = decoded;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_decoded);
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

void PictureLabel::applyGeometry()
{
    auto px = [](float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
    setGeometry(px(m_left), px(m_top), std::max(0, px(m_width)), std::max(0, px(m_height)));
}

} // namespace platform
