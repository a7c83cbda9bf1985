#pragma once
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <optional>

// The format of the raster image a painter paints on, or none for any other device. Pictures
// painted once and copied later hold device pixels: they can be copied one to one onto such an
// image only.
inline std::optional<QImage::Format> rasterTargetFormat(QPainter& painter)
{
    const QPaintDevice* target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    if (!target || target->devType() != QInternal::Image)
        return std::nullopt;
    return static_cast<const QImage*>(target)->format();
}
