#include "runtime/qt/Pixmaps.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

#include "runtime/qt/PixelScale.h"

namespace quillo::qt {

QPixmap PixmapOf(const runtime::Picture& picture) {
    if (picture.empty() || picture.path.empty()) return {};
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
