#include "ui/PracticeLayout.h"

#include <QtTest>

namespace {

// The skin's piece sizes in twips (15 twips a pixel).
PracticePieces pieces()
{
    PracticePieces p;
    p.topLeft = p.topRight = QSize(120, 390);
    p.left = p.right = QSize(60, 240);
    p.botLeft = p.botRight = QSize(60, 60);
    p.bot = QSize(240, 60);
    p.sizer = QSize(180, 180);
    p.closeButton = p.maxButton = p.minButton = QSize(360, 270);
    p.toolButtons.fill(QSize(960, 720));
    p.paperSum = QSize(1800, 720);
    p.paperSumTop = 23;
    p.hideStripWidth = 150;
    p.instruction = QSize(3900, 900);
    p.titleBandHeight = 375;
    p.statusBandHeight = 420;
    return p;
}

} // namespace

class TestPracticeLayout : public QObject
{
    Q_OBJECT

private slots:
    void designValues()
    {
        const PracticeRects r = LayoutPractice(QSize(15000, 10000), true, pieces());
        QCOMPARE(r.toolStrip, QRect(60, 390, 14880, 765));
        QCOMPARE(r.ansBox, QRect(15000 - 4095 - 60, 1155, 4095, 10000 - 1155 - 60));
        QCOMPARE(r.hideStrip.left(), 15000 - 4095 - 60 - 150);
        QCOMPARE(r.browser, QRect(60, 1155, 15000 - 120 - 150 - 4095, 10000 - 1155 - 420 - 60));
        QCOMPARE(r.titleBand, QRect(60 + 181, 1155 + 68, r.browser.width() - 363, 375));
        QCOMPARE(r.statusBand, QRect(60, r.browser.bottom() + 1, r.browser.width(), 420));
        QCOMPARE(r.sizer.topLeft(), QPoint(15000 - 180 - 34, 10000 - 180 - 34));
        QCOMPARE(r.closeButton.topLeft(), QPoint(15000 - 360 - 68, 60));
        QCOMPARE(r.maxButton.left(), r.closeButton.left() - 360 - 34);
        QCOMPARE(r.minButton.left(), r.maxButton.left() - 360 - 34);
        QCOMPARE(r.toolButtons[0].left(), 120);
        QCOMPARE(r.toolButtons[1].left(), 120 + 960 + 120);
        QCOMPARE(r.toolButtons[3].left(), 120 + 3 * 1080);
        QCOMPARE(r.toolButtons[5].left(), 14880 - 960 - 120);
        QCOMPARE(r.toolButtons[4].left(), 14880 - 2 * 960 - 2 * 120);
        QCOMPARE(r.paperSum.topLeft(), QPoint(15000 - 4095, 23));
        QCOMPARE(r.instruction.topLeft(), QPoint(0, r.ansBox.height() - 900));
        QCOMPARE(r.topCentre, QRect(120, 0, kTopCentreWidth, 390));
    }

    void regionsTileTheWindow_data()
    {
        QTest::addColumn<QSize>("inner");
        QTest::addColumn<bool>("sheetShown");
        QTest::newRow("80% of 1280x1024, sheet") << QSize(15360, 12285) << true;
        QTest::newRow("80% of 1280x1024, no sheet") << QSize(15360, 12285) << false;
        QTest::newRow("smallest, sheet") << QSize(7301, 5001) << true;
        QTest::newRow("smallest, no sheet") << QSize(7301, 5001) << false;
        QTest::newRow("maximised 1920x1080, sheet") << QSize(28800, 16200) << true;
        QTest::newRow("maximised 1920x1080, no sheet") << QSize(28800, 16200) << false;
    }

    void regionsTileTheWindow()
    {
        QFETCH(QSize, inner);
        QFETCH(bool, sheetShown);
        const PracticeRects r = LayoutPractice(inner, sheetShown, pieces());
        const int W = inner.width();
        const int H = inner.height();

        // Frame around the edges.
        QCOMPARE(r.topRight.right(), W - 1);
        QCOMPARE(r.right.right(), W - 1);
        QCOMPARE(r.botRight.bottomRight(), QPoint(W - 1, H - 1));
        QCOMPARE(r.bot.left(), r.botLeft.right() + 1);
        QCOMPARE(r.bot.right() + 1, r.botRight.left());
        QCOMPARE(r.left.bottom() + 1, r.botLeft.top());
        QCOMPARE(r.right.bottom() + 1, r.botRight.top());

        // Toolbar strip between the side pieces, under the title bar; Next at its right end.
        QCOMPARE(r.toolStrip.left(), r.left.right() + 1);
        QCOMPARE(r.toolStrip.right() + 1, r.right.left());
        QCOMPARE(r.toolStrip.top(), r.topLeft.bottom() + 1);
        QCOMPARE(r.toolButtons[5].right() + 1 + 120, r.toolStrip.width());
        QCOMPARE(r.toolButtons[4].right() + 1 + 120, r.toolButtons[5].left());

        // Working area: view and status band on the left, strip and sheet on the right.
        const int S = r.toolStrip.bottom() + 1;
        QCOMPARE(r.browser.top(), S);
        QCOMPARE(r.browser.left(), r.left.right() + 1);
        QCOMPARE(r.statusBand.top(), r.browser.bottom() + 1);
        QCOMPARE(r.statusBand.bottom() + 1, r.bot.top());
        QCOMPARE(r.statusBand.width(), r.browser.width());
        QCOMPARE(r.browser.right() + 1, r.hideStrip.left());
        QCOMPARE(r.hideStrip.top(), S);
        QCOMPARE(r.hideStrip.bottom() + 1, r.bot.top());
        QCOMPARE(r.ansBox.top(), S);
        QCOMPARE(r.ansBox.height(), r.hideStrip.height());
        QVERIFY(r.titleBand.top() > r.browser.top());
        QVERIFY(r.titleBand.right() < r.browser.right());
        if (sheetShown) {
            QCOMPARE(r.hideStrip.right() + 1, r.ansBox.left());
            QCOMPARE(r.ansBox.right() + 1, r.right.left());
        } else {
            QCOMPARE(r.ansBox.left(), W);
            QCOMPARE(r.hideStrip.right() + 1, r.right.left());
        }
        // The sizer sits inside the bottom-right corner.
        QVERIFY(QRect(0, 0, W, H).contains(r.sizer));
        QVERIFY(r.minButton.left() > r.topLeft.right());
    }

    void hidingTheSheetGivesItsWidthToTheView()
    {
        const QSize inner(15360, 12285);
        const PracticeRects shown = LayoutPractice(inner, true, pieces());
        const PracticeRects hidden = LayoutPractice(inner, false, pieces());
        QCOMPARE(hidden.browser.width(), shown.browser.width() + 4095);
        QCOMPARE(hidden.statusBand.width(), hidden.browser.width());
        QCOMPARE(hidden.browser.height(), shown.browser.height());
        QCOMPARE(hidden.toolButtons, shown.toolButtons);
    }
};

QTEST_GUILESS_MAIN(TestPracticeLayout)
#include "tst_practicelayout.moc"
