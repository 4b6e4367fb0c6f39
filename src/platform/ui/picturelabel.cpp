#include "platform/ui/picturelabel.h"

#include "platform/ui/childwindow.h"
#include "platform/ui/picturedecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QThreadPool>

#include <future>
#include <memory>
#include <mutex>
#include <utility>

namespace platform {

namespace {

// The one picture decoded ahead: its bytes, the size asked for and the decoding under way.
struct DecodedAhead
{
    QByteArray encoded;
    QSize shown;
    std::shared_future<QImage> picture;
};

std::mutex g_aheadLock;
DecodedAhead g_ahead;

QThreadPool &AheadThread()
{
    // Its own thread: the toolkit's shared pool is busy with the painting meanwhile.
    static QThreadPool *pool = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(1);
        made->setExpiryTimeout(-1);
        // A decoding still under way when the program ends is finished while the toolkit it
        // uses is still there.
        qAddPostRoutine([] { pool->waitForDone(); });
        return made;
    }();
    return *pool;
}

// The picture decoded ahead for `encoded` at `shown`, taken out of the slot; null when another
// picture or size was asked for.
QImage TakeDecodedAhead(const QByteArray &encoded, QSize shown)
{
    std::shared_future<QImage> picture;
    {
        const std::lock_guard<std::mutex> lock(g_aheadLock);
        if (!g_ahead.picture.valid() || g_ahead.shown != shown || g_ahead.encoded != encoded)
            return QImage();
        picture = std::move(g_ahead.picture);
        g_ahead = DecodedAhead();
    }
    return picture.get();
}

// Whether `encoded` is being (or was) decoded ahead at `shown`.
bool DecodingAhead(const QByteArray &encoded, QSize shown)
{
    const std::lock_guard<std::mutex> lock(g_aheadLock);
    return g_ahead.picture.valid() && g_ahead.shown == shown && g_ahead.encoded == encoded;
}

} // namespace

void DecodeAhead(const QByteArray &encoded, QSize shown)
{
    auto task = std::make_shared<std::packaged_task<QImage()>>([encoded, shown] { return DecodePicture(encoded, shown); });
    {
        const std::lock_guard<std::mutex> lock(g_aheadLock);
        g_ahead = DecodedAhead { encoded, shown, task->get_future().share() };
    }
    AheadThread().start([task] { (*task)(); });
}

QSize PictureLabel::shownSizeFor(float widthTwips, float heightTwips, qreal ratio)
{
    const QSize pixels = TwipsRect { 0, 0, widthTwips, heightTwips }.toPixels().size();
    return (QSizeF(pixels) * ratio).toSize().expandedTo(QSize(1, 1));
}

PictureLabel::PictureLabel(const QString &name, QWidget *parent)
    : TwipsLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
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
    // A picture being decoded ahead is taken when it is painted: the rest of the window is
    // painted meanwhile.
    if (now && DecodingAhead(encoded, shownSize()))
        now = false;
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

QSize PictureLabel::shownSize() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1));
}

QPixmap PictureLabel::decodedAtShownSize() const
{
    const QSize shown = shownSize();
    QImage picture = TakeDecodedAhead(m_encoded, shown);
    if (picture.isNull())
        picture = DecodePicture(m_encoded, shown);
    QPixmap decoded = QPixmap::fromImage(std::move(picture));
    decoded.setDevicePixelRatio(devicePixelRatioF());
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
    if (m_decoded.size() != shownSize()) {
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

} // namespace platform
