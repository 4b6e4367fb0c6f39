// Controls placed on windows in twips: the picture control that stretches its picture.
#pragma once

#include <QLabel>

namespace platform {

class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    // `name` is the control's name inside the program ("Image1", "Image2" ...). What the picture
    // shows is its accessible name, which the window sets.
    PictureLabel(const QString &name, QWidget *parent);

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float widthTwips() const { return m_width; }
    float heightTwips() const { return m_height; }
    void setGeometryTwips(float left, float top, float width, float height);
    void setWidthTwips(float twips);
    void setHeightTwips(float twips);

    // Shows a picture from bytes (an embedded picture); false when they do not decode.
    bool setPictureBytes(const QByteArray &bytes);
    void clearPicture();
    bool hasPicture() const;

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    // Comes after released, for a press and release of the left button over the control.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Apply();

    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_pressed = false;
};

} // namespace platform
