#include "ui/PracticeLayout.h"

namespace {

// Offsets given in hundredths of a millimetre, in twips.
constexpr int k60Himetric = 34;
constexpr int k120Himetric = 68;
constexpr int k640Himetric = 363;

} // namespace

PracticeRects LayoutPractice(const QSize &inner, bool sheetShown, const PracticePieces &p)
{
    const int W = inner.width();
    const int H = inner.height();
    PracticeRects r;

    // Frame: the top-left and top-centre pieces never move; the others follow
    // the right and bottom edges.
    r.topLeft = QRect(QPoint(0, 0), p.topLeft);
    r.topCentre = QRect(r.topLeft.right() + 1, 0, kTopCentreWidth, p.topLeft.height());
    r.topRight = QRect(QPoint(W - p.topRight.width(), 0), p.topRight);
    r.botLeft = QRect(QPoint(0, H - p.botLeft.height()), p.botLeft);
    r.left = QRect(0, r.topLeft.bottom() + 1, p.left.width(),
                   r.botLeft.top() - r.topLeft.top() - r.topLeft.height());
    r.botRight = QRect(QPoint(W - p.botRight.width(), H - p.botRight.height()), p.botRight);
    r.right = QRect(W - p.right.width(), r.topRight.bottom() + 1, p.right.width(),
                    r.botRight.top() - r.topRight.top() - r.topRight.height());
    r.bot = QRect(r.botLeft.left() + r.botLeft.width(), H - p.bot.height(),
                  r.botRight.left() - r.botLeft.left() - r.botLeft.width(), p.bot.height());

    r.sizer = QRect(QPoint(W - p.sizer.width() - k60Himetric, H - p.sizer.height() - k60Himetric),
                    p.sizer);

    const int barHeight = r.topRight.height();
    r.closeButton = QRect(
        QPoint(W - p.closeButton.width() - k120Himetric, (barHeight - p.closeButton.height()) / 2),
        p.closeButton);
    r.maxButton = QRect(QPoint(r.closeButton.left() - p.maxButton.width() - k60Himetric,
                               (barHeight - p.maxButton.height()) / 2),
                        p.maxButton);
    r.minButton = QRect(QPoint(r.maxButton.left() - p.minButton.width() - k60Himetric,
                               (barHeight - p.minButton.height()) / 2),
                        p.minButton);

    const int leftW = r.left.width();
    const int rightW = r.right.width();
    r.toolStrip =
        QRect(leftW, r.topLeft.top() + r.topLeft.height(), W - rightW - leftW, p.toolStripHeight);
    const int S = r.toolStrip.top() + r.toolStrip.height();

    // Save, Mark, Print and Close from the left end; Back and Next at the right end.
    int x = 120;
    for (int i = 0; i < 4; ++i) {
        const QSize size = p.toolButtons[size_t(i)];
        r.toolButtons[size_t(i)] = QRect(QPoint(x, (p.toolStripHeight - size.height()) / 2), size);
        x += size.width() + 120;
    }
    const QSize next = p.toolButtons[5];
    const QSize back = p.toolButtons[4];
    r.toolButtons[5] = QRect(
        QPoint(r.toolStrip.width() - next.width() - 120, (p.toolStripHeight - next.height()) / 2),
        next);
    r.toolButtons[4] = QRect(QPoint(r.toolButtons[5].left() - back.width() - 120,
                                    (p.toolStripHeight - back.height()) / 2),
                             back);
    r.paperSum = QRect(QPoint(W - 4095, p.paperSumTop), p.paperSum);

    const int A = H - S - r.bot.height();
    const int ansLeft = sheetShown ? W - p.ansBoxWidth - rightW : W;
    const int stripLeft = sheetShown ? ansLeft - p.hideStripWidth : W - p.hideStripWidth - rightW;
    r.ansBox = QRect(ansLeft, S, p.ansBoxWidth, A);
    r.hideStrip = QRect(stripLeft, S, p.hideStripWidth, A);

    const int browserWidth =
        W - leftW - rightW - p.hideStripWidth - (sheetShown ? p.ansBoxWidth : 0);
    r.browser = QRect(leftW, S, browserWidth, H - S - p.statusBandHeight - r.bot.height());
    r.titleBand = QRect(leftW + k640Himetric / 2, r.browser.top() + k120Himetric,
                        browserWidth - k640Himetric, p.titleBandHeight);
    r.statusBand =
        QRect(leftW, r.browser.top() + r.browser.height(), browserWidth, p.statusBandHeight);
    r.instruction = QRect(QPoint(0, A - p.instruction.height()), p.instruction);
    return r;
}
