#pragma once

#include <QRect>
#include <QSize>
#include <array>

// The layout pass of a practice window: where every region goes for a given
// inner size, all in twips. It only computes rectangles; the window applies them.

// Sizes the layout takes as given (the pictures' and the form's design sizes).
struct PracticePieces
{
    QSize topLeft, topRight, left, right, botLeft, bot, botRight;
    QSize sizer;
    QSize closeButton, maxButton, minButton;
    int toolStripHeight = 765;
    std::array<QSize, 6> toolButtons{};
    QSize paperSum;
    int paperSumTop = 0;
    int ansBoxWidth = 4095;
    int hideStripWidth = 0;
    QSize instruction;
    int titleBandHeight = 0;
    int statusBandHeight = 0;
};

struct PracticeRects
{
    // Frame pieces and title buttons, in window coordinates.
    QRect topLeft, topCentre, topRight, left, right, botLeft, bot, botRight;
    QRect closeButton, maxButton, minButton;
    QRect sizer;
    // The toolbar strip; its buttons and the score panel in the strip's coordinates.
    QRect toolStrip;
    std::array<QRect, 6> toolButtons{};
    QRect paperSum;
    // The answer sheet and the strip with its handle beside it; the instruction
    // picture in the sheet's coordinates.
    QRect ansBox, hideStrip, instruction;
    QRect browser, titleBand, statusBand;
};

// The top-centre piece's fixed width: wide enough for any screen, the top-right
// piece covering its end.
inline constexpr int kTopCentreWidth = 30000;
// Narrowest and lowest size a corner drag applies.
inline constexpr int kMinPracticeWidth = 7300;
inline constexpr int kMinPracticeHeight = 5000;

PracticeRects LayoutPractice(const QSize &inner, bool sheetShown, const PracticePieces &pieces);
