#pragma once

#include <QPolygon>

// The outline of a skinned window, in pixels, for an inner size w x h: the two
// top corners cut (12 vertices), and for a pop-up the bottom corners cut
// 7 pixels deep as well (18 vertices).
QPolygon RoundCornersPolygon(int w, int h, bool popUp);
