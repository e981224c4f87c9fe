#pragma once

#include <QPixmap>
#include <QPoint>

#include "runtime/DrawList.h"
#include "runtime/Picture.h"

class QPainter;

namespace quillo::qt {

class PixelScale;

// The decoded picture, read by its content (skin and cache files have no extension) and kept
// while the file is unchanged; a null pixmap when it cannot be decoded.
QPixmap PixmapOf(const runtime::Picture& picture);
// Paints what PaintPicture recorded, each picture stretched to its rectangle; origin is where
// the target's drawing area starts.
void PaintDrawList(QPainter& painter, const runtime::DrawList& list, const PixelScale& scale,
                   QPoint origin);

}  // namespace quillo::qt
