#include "WindowShape.h"

#include <QPainter>
#include <QSvgRenderer>

#include <vector>

namespace ortelia {

QRegion RegionFromBitmap(const QImage &picture, QRgb transparent)
{
    const int w = picture.width();
    const int h = picture.height();
    if (picture.isNull())
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent & 0xFFFFFF;
    // Row h and column w lie outside the picture and never match.
    auto matches = [&](int x, const QRgb *line) { return line && x < w && (line[x] & 0xFFFFFF) == key; };

    // The transparent runs are gathered row by row (each row one band, sorted by x) and taken
    // out of the full rectangle in one step; that gives the same region as subtracting them one
    // at a time, without rebuilding the region for every run.
    std::vector<QRect> runs;
    for (int y = 0; y <= h; ++y) {
        const QRgb *line = y < h ? reinterpret_cast<const QRgb *>(image.constScanLine(y)) : nullptr;
        int x = 0;
        while (x <= w) {
            while (x <= w && !matches(x, line))
                ++x;
            int k = x;
            while (k <= w && matches(k, line))
                ++k;
            if (x < k)
                runs.emplace_back(QPoint(x, y), QPoint(k - 1, y));
            x = k + 1;
        }
    }
    QRegion transparentPart;
    transparentPart.setRects(runs.data(), static_cast<int>(runs.size()));
    return QRegion(0, 0, w, h).subtracted(transparentPart);
}

QImage RenderPicture(const QString &svgFile, QSize size)
{
    QSvgRenderer renderer(svgFile);
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace ortelia
