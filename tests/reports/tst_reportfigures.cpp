#include "ReportTestLevels.h"
#include "reports/ReportFigures.h"

#include <QLocale>
#include <QTest>

class TestReportFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void summary_data();
    void summary();
    void topicRows_data();
    void topicRows();
    void rowVisibility();
    void secondWithoutFirst();
};

void TestReportFigures::summary_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("oscore1");
    QTest::addColumn<QString>("oscore2");
    QTest::addColumn<QString>("pcnum");
    QTest::addColumn<QString>("weakest");
    QTest::addColumn<QString>("strongest");

    const QStringList ten = TopicNamesT(10);
    QTest::newRow("nothing marked") << ten << QStringList() << QStringList() << "-" << "-"
                                    << "0 / 50" << "-" << "-";
    QTest::newRow("one topic 80 and 85") << ten << QStringList{"1=80", "2=85"} << QStringList()
                                         << "82.5%" << "-" << "2 / 50" << "-" << "-";
    QTest::newRow("tie goes to the later topic")
        << ten << QStringList{"1=60", "6=70"} << QStringList{"1=80"} << "65%" << "80%" << "2 / 50"
        << " T2" << " T2";
    QTest::newRow("half rounds to even") << ten << QStringList{"1=82", "2=82.5"} << QStringList()
                                         << "82.2%" << "-" << "2 / 50" << "-" << "-";
    QTest::newRow("unattempted first topic named by neither")
        << ten << QStringList{"11=70", "21=90"} << QStringList() << "80%" << "-" << "2 / 50"
        << " T3" << " T5";
    QTest::newRow("mock examination never weakest")
        << QStringList{"Grammar", "Mock Examination", "Spelling"}
        << QStringList{"1=80", "6=40", "11=90"} << QStringList() << "70%" << "-" << "3 / 50"
        << " Grammar" << " Spelling";
    QTest::newRow("mock examination counts as attempted")
        << QStringList{"Grammar", "Mock Examination"} << QStringList{"1=80", "6=95"}
        << QStringList() << "87.5%" << "-" << "2 / 50" << " Grammar" << " Grammar";
    QTest::newRow("name compared exactly")
        << QStringList{"Grammar", "mock examination"} << QStringList{"1=80", "6=40"}
        << QStringList() << "60%" << "-" << "2 / 50" << " mock examination" << " Grammar";
    QTest::newRow("second attempts count in the combined average")
        << ten << QStringList{"1=50", "6=60"} << QStringList{"1=90", "2=100"} << "55%" << "95%"
        << "2 / 50" << " T2" << " T1";
}

void TestReportFigures::summary()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const ReportFigures f =
        ReportFigures::compute(MakeLevel(int(names.size()), names, first, second));
    QTEST(f.OScore1, "oscore1");
    QTEST(f.OScore2, "oscore2");
    QTEST(f.PCNum, "pcnum");
    QTEST(f.WT, "weakest");
    QTEST(f.ST, "strongest");
}

void TestReportFigures::topicRows_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("firstMark");
    QTest::addColumn<double>("firstFraction");
    QTest::addColumn<QString>("secondMark");
    QTest::addColumn<double>("secondFraction");

    QTest::newRow("topic 3 first attempts 50 and 75")
        << QStringList{"11=50", "12=75"} << QStringList() << "62.5%" << 0.625 << "" << 0.0;
    QTest::newRow("both attempts") << QStringList{"11=100", "15=50"} << QStringList{"13=82.25"}
                                   << "75%" << 0.75 << "82.2%" << 0.8225;
    QTest::newRow("none") << QStringList() << QStringList() << "" << 0.0 << "" << 0.0;
    QTest::newRow("other topics ignored")
        << QStringList{"10=90", "16=90"} << QStringList{"16=40"} << "" << 0.0 << "" << 0.0;
}

void TestReportFigures::topicRows()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const ReportFigures f = ReportFigures::compute(MakeLevel(10, TopicNamesT(10), first, second));
    const ReportFigures::Row &row = f.rows[3];
    QCOMPARE(row.name, QStringLiteral("T3"));
    QTEST(row.firstMark, "firstMark");
    QTEST(row.firstFraction, "firstFraction");
    QTEST(row.secondMark, "secondMark");
    QTEST(row.secondFraction, "secondFraction");
    QVERIFY(row.visible);
}

void TestReportFigures::rowVisibility()
{
    const ReportFigures seven = ReportFigures::compute(MakeLevel(7, TopicNamesT(7)));
    for (int t = 1; t <= 10; ++t) {
        QCOMPARE(seven.rows[t].visible, t <= 7);
        QCOMPARE(seven.rows[t].name, t <= 7 ? QStringLiteral("T%1").arg(t) : QString());
    }
    const ReportFigures ten = ReportFigures::compute(MakeLevel(10, TopicNamesT(10)));
    for (int t = 1; t <= 10; ++t) {
        QVERIFY(ten.rows[t].visible);
        QVERIFY(ten.rows[t].firstMark.isEmpty());
        QCOMPARE(ten.rows[t].firstFraction, 0.0);
    }
}

void TestReportFigures::secondWithoutFirst()
{
    // A second percentage alone enters the second totals, not the attempted topics.
    const ReportFigures f =
        ReportFigures::compute(MakeLevel(10, TopicNamesT(10), {"1=70"}, {"6=50"}));
    QCOMPARE(f.OScore2, QStringLiteral("50%"));
    QCOMPARE(f.attemptedTopics, 1);
    QCOMPARE(f.WT, QStringLiteral("-"));
    QCOMPARE(f.rows[2].secondMark, QStringLiteral("50%"));
}

QTEST_GUILESS_MAIN(TestReportFigures)
#include "tst_reportfigures.moc"
