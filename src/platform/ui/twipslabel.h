// A label placed and sized in twips, keeping its place as set: the base of the picture controls.
#pragma once

#include "platform/twips.h"

#include <QLabel>

namespace platform {

class TwipsLabel : public QLabel
{
public:
    using QLabel::QLabel;

    float leftTwips() const { return m_twips.left; }
    float topTwips() const { return m_twips.top; }
    float widthTwips() const { return m_twips.width; }
    float heightTwips() const { return m_twips.height; }
    void setGeometryTwips(float left, float top, float width, float height)
    {
        m_twips = { left, top, width, height };
        setGeometry(m_twips.toPixels());
    }
    void setWidthTwips(float twips)
    {
        m_twips.width = twips;
        setGeometry(m_twips.toPixels());
    }
    void setHeightTwips(float twips)
    {
        m_twips.height = twips;
        setGeometry(m_twips.toPixels());
    }

private:
    TwipsRect m_twips;
};

} // namespace platform
