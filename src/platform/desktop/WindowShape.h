#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>

namespace ortelia {

// The outline of a shaped window: the picture's rectangle without every run of pixels whose
// colour is exactly transparent (alpha ignored). The caller applies it with QWidget::setMask.
// A null picture gives an empty region, which setMask takes as "no mask".
QRegion RegionFromBitmap(const QImage &picture, QRgb transparent);

// Draws an SVG picture onto white at the given size (its own size when size is empty), so that
// whatever the picture leaves out is pure white (0xFFFFFF). A missing or broken file gives a
// null image.
QImage RenderPicture(const QString &svgFile, QSize size = {});

} // namespace ortelia
