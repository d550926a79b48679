#include "ui/Outline.h"

QPolygon RoundCornersPolygon(int w, int h, bool popUp)
{
    QPolygon outline;
    outline << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
            << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3)
            << QPoint(w, 5);
    if (popUp) {
        outline << QPoint(w, h - 7) << QPoint(w - 2, h - 3) << QPoint(w - 3, h - 2)
                << QPoint(w - 7, h) << QPoint(7, h) << QPoint(3, h - 2) << QPoint(2, h - 3)
                << QPoint(0, h - 7);
    } else {
        outline << QPoint(w, h) << QPoint(0, h);
    }
    return outline;
}
