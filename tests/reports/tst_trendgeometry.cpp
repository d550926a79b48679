#include "reports/TrendGeometry.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class TestTrendGeometry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void plotValues_data();
    void plotValues();
    void readPlotValues_data();
    void readPlotValues();
    void geometry_data();
    void geometry();
    void grid();
};

namespace {

QStringList numbered(int from, int to)
{
    QStringList list;
    for (int k = from; k <= to; ++k)
        list << QString::number(k);
    return list;
}

QList<double> numbers(int from, int to)
{
    QList<double> list;
    for (int k = from; k <= to; ++k)
        list << k;
    return list;
}

} // namespace

void TestTrendGeometry::plotValues_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<double>>("values");
    QTest::newRow("none") << QStringList() << QList<double>();
    QTest::newRow("three") << QStringList{"80", "62.5", "91"} << QList<double>{80, 62.5, 91};
    QTest::newRow("exactly 20") << numbered(1, 20) << numbers(1, 20);
    QTest::newRow("23 keeps the last 20") << numbered(1, 23) << numbers(4, 23);
    QTest::newRow("50") << numbered(1, 50) << numbers(31, 50);
}

void TestTrendGeometry::plotValues()
{
    QFETCH(QStringList, stored);
    QTEST(TrendGeometry::plotValues(stored), "values");
}

void TestTrendGeometry::readPlotValues_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<double>>("values");
    QTest::newRow("template") << QByteArray("#TRD#") << QList<double>();
    QTest::newRow("three") << QByteArray("#TRD#>80>62.5>91\r\n") << QList<double>{80, 62.5, 91};
    QTest::newRow("trailing separator opens no value")
        << QByteArray("#TRD#>\r\n") << QList<double>();
    QTest::newRow("record missing") << QByteArray("#XYZ#>1>2\r\n") << QList<double>();
    QByteArray many("#TRD#");
    for (int k = 1; k <= 23; ++k)
        many += '>' + QByteArray::number(k);
    QTest::newRow("23 values") << many + "\r\n" << numbers(4, 23);
}

void TestTrendGeometry::readPlotValues()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trend2TS.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QTEST(TrendGeometry::readPlotValues(path), "values");
}

void TestTrendGeometry::geometry_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<QList<QPointF>>("points");

    QTest::newRow("none") << QList<double>() << 5025.0 << 3945.0 << QList<QPointF>();
    QTest::newRow("one at 80") << QList<double>{80} << 2100.0 << 1000.0
                               << QList<QPointF>{{100, 200}};
    QTest::newRow("three") << QList<double>{80, 62.5, 91} << 2100.0 << 1000.0
                           << QList<QPointF>{{100, 200}, {200, 375}, {300, 90}};
    QTest::newRow("top and bottom edges") << QList<double>{100, 0} << 4200.0 << 2000.0
                                          << QList<QPointF>{{200, 0}, {400, 2000}};
    QList<QPointF> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty << QPointF(i * 5025.0 / 21, (100 - 5 * i) * 3945.0 / 100);
    QList<double> values;
    for (int i = 1; i <= 20; ++i)
        values << 5 * i;
    QTest::newRow("twenty") << values << 5025.0 << 3945.0 << twenty;
}

void TestTrendGeometry::geometry()
{
    QFETCH(QList<double>, values);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(QList<QPointF>, points);

    const TrendGeometry g = TrendGeometry::of(values, w, h);
    QCOMPARE(g.points.size(), points.size());
    QCOMPARE(g.dropLines.size(), points.size());
    QCOMPARE(g.connectingLines.size(), points.size());
    for (qsizetype i = 0; i < points.size(); ++i) {
        QCOMPARE(g.points[i], points[i]);
        QCOMPARE(g.dropLines[i], QLineF(points[i], QPointF(points[i].x(), h)));
        const QPointF previous = i == 0 ? QPointF(0, h) : points[i - 1];
        QCOMPARE(g.connectingLines[i], QLineF(points[i], previous));
    }
}

void TestTrendGeometry::grid()
{
    const TrendGeometry g = TrendGeometry::of({}, 2100, 1000);
    QCOMPARE(g.gridLines.size(), 9);
    for (int k = 0; k < 9; ++k)
        QCOMPARE(g.gridLines[k], QLineF(2100, 100 * (k + 1), 0, 100 * (k + 1)));
    QCOMPARE(TrendGeometry::of(QList<double>(25, 50.0), 2100, 1000).points.size(), 20);
}

QTEST_GUILESS_MAIN(TestTrendGeometry)
#include "tst_trendgeometry.moc"
