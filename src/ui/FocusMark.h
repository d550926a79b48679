#pragma once

#include <QColor>

class QPainter;
class QRect;

// The colour of the focus mark.
QColor FocusMarkColour();

// The mark of the control that has the keyboard focus: a solid orange ring
// two pixels wide just inside `area`, which shows on every skin picture.
void DrawFocusMark(QPainter &painter, const QRect &area);
