#include "platform/ui/scrollbarstyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>

namespace platform {

namespace {

class ScrollBarPictures : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    // The bar as the style draws it, on a picture of its own. Without holes it is kept
    // opaque, which is copied onto the window instead of blended.
    QPixmap Drawn(ComplexControl control, const QStyleOptionSlider &slider, const QWidget *widget, qreal ratio) const
    {
        QImage picture((QSizeF(slider.rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOptionSlider atOrigin = slider;
        atOrigin.rect.moveTo(0, 0);
        QPainter painter(&picture);
        QProxyStyle::drawComplexControl(control, &atOrigin, &painter, widget);
        painter.end();
        bool opaque = true;
        for (int y = 0; y < picture.height() && opaque; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            opaque = std::all_of(row, row + picture.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; });
        }
        if (opaque)
            picture.convertTo(QImage::Format_RGB32);
        return QPixmap::fromImage(std::move(picture));
    }

    void drawComplexControl(
        ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const override
    {
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        // A scroll bar that fades in and out is drawn as it goes.
        if (control != CC_ScrollBar || !slider || option->rect.isEmpty()
            || baseStyle()->styleHint(SH_ScrollBar_Transient, option, widget)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const qint64 look[] = { option->rect.width(), option->rect.height(), int(option->state),
            int(option->activeSubControls), int(option->subControls), slider->minimum, slider->maximum,
            slider->sliderPosition, slider->sliderValue, slider->singleStep, slider->pageStep,
            int(slider->orientation), int(slider->upsideDown), int(option->direction), option->palette.cacheKey(),
            qRound(ratio * 1000) };
        QString key = QStringLiteral("kestov-scrollbar-") + baseStyle()->name();
        for (const qint64 value : look)
            key += QLatin1Char('-') + QString::number(value);
        QPixmap picture;
        if (!QPixmapCache::find(key, &picture)) {
            picture = Drawn(control, *slider, widget, ratio);
            QPixmapCache::insert(key, picture);
        }
        painter->drawPixmap(option->rect.topLeft(), picture);
    }
};

} // namespace

void KeepScrollBarPictures(QAbstractScrollArea *area)
{
    QStyle *look = QStyleFactory::create(QApplication::style()->name());
    if (!look)
        return; // a style that cannot be made twice draws as it always does
    auto *style = new ScrollBarPictures(look);
    style->setParent(area);
    area->verticalScrollBar()->setStyle(style);
    area->horizontalScrollBar()->setStyle(style);
}

} // namespace platform
