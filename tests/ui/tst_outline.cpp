#include "ui/Outline.h"
#include "ui/SkinFrame.h"
#include "ui/Twips.h"

#include <QTest>

class TestOutline : public QObject
{
    Q_OBJECT

private slots:
    void topCornersOfA400PixelWindow();
    void bottomCorners_data();
    void bottomCorners();
    void conversions_data();
    void conversions();
    void frameLayout();
};

void TestOutline::topCornersOfA400PixelWindow()
{
    const QPolygon outline = RoundCornersPolygon(400, 300, false);
    QCOMPARE(outline.size(), 12);
    const QList<QPoint> top{{0, 5},   {1, 3},   {2, 2},   {3, 1},   {5, 0},
                            {395, 0}, {397, 1}, {398, 2}, {398, 3}, {400, 5}};
    for (int i = 0; i < top.size(); ++i)
        QCOMPARE(outline.point(i), top[i]);
}

void TestOutline::bottomCorners_data()
{
    QTest::addColumn<bool>("popUp");
    QTest::addColumn<QList<QPoint>>("tail");
    QTest::newRow("window: square") << false << QList<QPoint>{{400, 300}, {0, 300}};
    QTest::newRow("pop-up: cut 7 deep")
        << true
        << QList<QPoint>{{400, 293}, {398, 297}, {397, 298}, {393, 300},
                         {7, 300},   {3, 298},   {2, 297},   {0, 293}};
}

void TestOutline::bottomCorners()
{
    QFETCH(bool, popUp);
    QFETCH(QList<QPoint>, tail);
    const QPolygon outline = RoundCornersPolygon(400, 300, popUp);
    QCOMPARE(outline.size(), 10 + tail.size());
    for (int i = 0; i < tail.size(); ++i)
        QCOMPARE(outline.point(10 + i), tail[i]);

    const QRegion region(outline, Qt::WindingFill);
    QVERIFY(region.contains(QPoint(200, 150)));
    QVERIFY(!region.contains(QPoint(0, 0)));
    QVERIFY(!region.contains(QPoint(399, 0)));
    QCOMPARE(region.contains(QPoint(0, 299)), !popUp);
    QCOMPARE(region.contains(QPoint(399, 299)), !popUp);
}

void TestOutline::conversions_data()
{
    QTest::addColumn<int>("got");
    QTest::addColumn<int>("expected");
    QTest::newRow("home width") << Px(6070) << 405;
    QTest::newRow("home height") << Px(7380) << 492;
    QTest::newRow("7 twips round down") << Px(7) << 0;
    QTest::newRow("8 twips round up") << Px(8) << 1;
    QTest::newRow("pixels to twips") << Tw(26) << 390;
    QTest::newRow("60 himetric") << HimetricToTwips(60) << 34;
    QTest::newRow("120 himetric") << HimetricToTwips(120) << 68;
    QTest::newRow("240 himetric") << HimetricToTwips(240) << 136;
    QTest::newRow("640 himetric") << HimetricToTwips(640) << 363;
    QTest::newRow("800 himetric") << HimetricToTwips(800) << 454;
}

void TestOutline::conversions()
{
    QFETCH(int, got);
    QFETCH(int, expected);
    QCOMPARE(got, expected);
}

void TestOutline::frameLayout()
{
    const FramePieceSizes sizes{{8, 26}, {8, 26}, {8, 26}, {4, 16},
                                {4, 16}, {4, 4},  {16, 4}, {4, 4}};
    const FrameRects r = LayoutFrame(QSize(405, 492), sizes);
    QCOMPARE(r.topLeft, QRect(0, 0, 8, 26));
    QCOMPARE(r.topRight, QRect(397, 0, 8, 26));
    QCOMPARE(r.topCentre, QRect(8, 0, 389, 26));
    QCOMPARE(r.botLeft, QRect(0, 488, 4, 4));
    QCOMPARE(r.left, QRect(0, 26, 4, 462));
    QCOMPARE(r.botRight, QRect(401, 488, 4, 4));
    QCOMPARE(r.right, QRect(401, 26, 4, 462));
    QCOMPARE(r.bot, QRect(4, 488, 397, 4));
}

QTEST_APPLESS_MAIN(TestOutline)
#include "tst_outline.moc"
