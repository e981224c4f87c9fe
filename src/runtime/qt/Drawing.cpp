#include "runtime/qt/Drawing.h"

#include <QPainter>

namespace quillo::qt {

QString ToDisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

int LabelTextFlags(int alignment, bool wrap) {
    int flags = Qt::AlignTop | Qt::TextShowMnemonic;
    if (wrap) flags |= Qt::TextWordWrap;
    if (alignment == 1)
        flags |= Qt::AlignRight;
    else if (alignment == 2)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    return flags;
}

void PaintSunkenBorder(QPainter& painter, const QRect& rect) {
    if (rect.width() < 2 || rect.height() < 2) return;
    auto edge = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    edge(rect, QColor(128, 128, 128), QColor(255, 255, 255));
    edge(rect.adjusted(1, 1, -1, -1), QColor(0, 0, 0), QColor(192, 192, 192));
}

}  // namespace quillo::qt
