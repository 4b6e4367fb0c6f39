#include "platform/controls_ui.h"

#include "platform/form_ui.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <utility>

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
    return Show(bytes, true);
}

bool ImageControl::SetPictureBytesLater(const QByteArray &bytes)
{
    return Show(bytes, false);
}

bool ImageControl::Show(const QByteArray &encoded, bool now)
{
    QBuffer buffer;
    buffer.setData(encoded);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return false;
    const QByteArray previous = std::exchange(m_encoded, encoded);
    QPixmap decoded;
    if (now && (decoded = Decoded()).isNull()) {
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

QPixmap ImageControl::Decoded() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize shown = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    QBuffer buffer;
    buffer.setData(m_encoded);
    QImageReader reader(&buffer);
    QImage picture;
    const QSize whole = reader.size();
    if (shown.width() * 2 <= whole.width() && shown.height() * 2 <= whole.height()) {
        // Much smaller: the decoder leaves out what would be scaled away.
        reader.setScaledSize(shown);
        picture = reader.read();
    } else {
        // Decoding at nearly the whole size and scaling after is quicker and as sharp.
        picture = reader.read();
        if (!picture.isNull() && picture.size() != shown)
            picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap decoded = QPixmap::fromImage(std::move(picture));
    decoded.setDevicePixelRatio(ratio);
    return decoded;
}

void ImageControl::ClearPicture()
{
    setPixmap(QPixmap());
    m_encoded.clear();
    m_pictureSize = QSize();
    m_decoded = QPixmap();
    update();
}

bool ImageControl::HasPicture() const
{
    return !pixmap().isNull() || !m_encoded.isEmpty();
}

QSize ImageControl::PictureSize() const
{
    return !pixmap().isNull() ? pixmap().size() : m_pictureSize;
}

void ImageControl::paintEvent(QPaintEvent *event)
{
    if (!pixmap().isNull() || m_encoded.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    // Decoded again whenever the control's size changed, so that it stays sharp.
    const QSize shown = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (m_decoded.size() != shown) {
        const QPixmap decoded = Decoded();
        if (!decoded.isNull())
            m_decoded = decoded;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_decoded);
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
