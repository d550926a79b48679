#include "ui/FocusMark.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr int kWidth = 2;

} // namespace

QColor FocusMarkColour()
{
    return QColor(235, 110, 0);
}

void DrawFocusMark(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(FocusMarkColour(), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A pen two pixels wide is centred on the line between its two rows.
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    painter.restore();
}
