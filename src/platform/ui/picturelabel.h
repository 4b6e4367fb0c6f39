// Controls placed on windows in twips: the picture control that stretches its picture.
#pragma once

#include "platform/ui/twipslabel.h"

namespace platform {

class PictureLabel : public TwipsLabel
{
    Q_OBJECT

public:
    // `name` is the control's name inside the program ("Image1", "Image2" ...). What the picture
    // shows is its accessible name, which the window sets.
    PictureLabel(const QString &name, QWidget *parent);

    // Pictures are kept as their encoded bytes and decoded at the size they are shown at
    // (again when the control changes size).

    // Shows a picture from bytes (an embedded picture); false when they do not decode.
    bool setPictureBytes(const QByteArray &bytes);
    // The same, decoded only once the control is painted: a picture replaced before then is
    // never decoded. Embedded bytes are kept without a copy. False when they are no picture.
    bool setPictureBytesLater(const QByteArray &bytes);
    void clearPicture();
    bool hasPicture() const;
    // The size of the picture shown, as it is in its file; empty without a picture.
    QSize pictureSize() const;
    // The encoded bytes of the picture shown; empty without a picture.
    const QByteArray &pictureBytes() const { return m_encoded; }

    // The size in device pixels a picture control of `widthTwips` x `heightTwips` decodes its
    // picture at, on a screen of `ratio` device pixels per pixel.
    static QSize shownSizeFor(float widthTwips, float heightTwips, qreal ratio);

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    // Comes after released, for a press and release of the left button over the control.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Shows the picture in `encoded` when it decodes, decoded now or at the next paint.
    bool showEncoded(const QByteArray &encoded, bool now);
    // The control's size in device pixels.
    QSize shownSize() const;
    // The picture decoded at shownSize(); null when it does not decode.
    QPixmap decodedAtShownSize() const;

    QByteArray m_encoded; // the shown picture's file bytes
    QSize m_pictureSize; // its size in the file
    QPixmap m_decoded; // decoded at the control's size when it was last shown

    bool m_pressed = false;
};

// Starts decoding `encoded` at `shown` device pixels on a worker thread, while the window that
// will show it is being opened. The next picture control that needs these very bytes at this
// very size takes the result instead of decoding them itself; one picture is kept at most.
void DecodeAhead(const QByteArray &encoded, QSize shown);

} // namespace platform
