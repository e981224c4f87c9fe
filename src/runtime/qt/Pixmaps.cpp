#include "runtime/qt/Pixmaps.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <cstdint>
#include <vector>

#include "runtime/qt/PixelScale.h"

namespace quillo::qt {

namespace {

// A drawn picture is small and made once; it is turned into a pixmap at each paint rather than
// cached under an address that a later picture may reuse.
QPixmap PixmapOfDrawn(const runtime::Picture& picture) {
    QImage image(picture.widthPx, picture.heightPx, QImage::Format_RGB32);
    const std::vector<std::uint32_t>& pixels = *picture.pixels;
    for (int y = 0; y < picture.heightPx; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.widthPx; ++x)
            line[x] = 0xFF000000u | pixels[static_cast<std::size_t>(y * picture.widthPx + x)];
    }
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

QPixmap PixmapOf(const runtime::Picture& picture) {
    if (picture.empty()) return {};
    if (picture.pixels) return PixmapOfDrawn(picture);
    if (picture.path.empty()) return {};
    const QString path = QString::fromStdString(picture.path);
    QFileInfo info(path);
    // A file that is written again (a skin saved over, a cache refreshed) must not show its old
    // picture: its time and size are part of the key.
    const QString key = QStringLiteral("quillo|%1|%2|%3")
                            .arg(path)
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(info.size());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) return {};
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void PaintDrawList(QPainter& painter, const runtime::DrawList& list, const PixelScale& scale,
                   QPoint origin) {
    for (const runtime::DrawOp& op : list.ops()) {
        QPixmap pixmap = PixmapOf(op.picture);
        if (pixmap.isNull()) continue;
        QRect target = scale.toPixels(op.x, op.y, op.width, op.height).translated(origin);
        painter.drawPixmap(target, pixmap);
    }
}

}  // namespace quillo::qt
