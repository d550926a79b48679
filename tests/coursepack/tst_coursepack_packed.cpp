#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"

#include <QTemporaryDir>
#include <QTest>

// The real course as the program carries it: configuration, level tables,
// templates and pages come back by resource number and agree with each other.
class TestCoursepackPacked : public QObject
{
    Q_OBJECT

private slots:
    void configurationNamesTheCourse();
    void tablesAndTemplatesExist_data();
    void tablesAndTemplatesExist();
    void everyMappedPageIsAnArchive();
};

void TestCoursepackPacked::configurationNamesTheCourse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("temptext30000.txt"));
    QCOMPARE(ExtractResource(30000, QStringLiteral("Custom"), path), qint16(ExtractOk));
    QCOMPARE(ReadValue(path, QStringLiteral("NME")), QStringLiteral("Quorvane English Practice"));
    QCOMPARE(ReadValue(path, QStringLiteral("COD")), QStringLiteral("EN"));
    QCOMPARE(ReadValue(path, QStringLiteral("LBH")), QStringLiteral("Upper Primary"));
    QCOMPARE(ReadValue(path, QStringLiteral("LAH")), QString());
    const int topics = ReadValue(path, QStringLiteral("TT2")).toInt();
    QVERIFY(topics >= 1 && topics <= 10);
    QCOMPARE(ReadValue(path, QStringLiteral("TP2")).toInt(), 5 * topics);
    QCOMPARE(ReadFields10(path, QStringLiteral("TN2"), topics)[1], QStringLiteral("Grammar"));
}

void TestCoursepackPacked::tablesAndTemplatesExist_data()
{
    QTest::addColumn<int>("number");
    for (const int n : {30022, 30023, 30024, 30025, 30121, 30122, 30123, 30124, 30125})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestCoursepackPacked::tablesAndTemplatesExist()
{
    QFETCH(int, number);
    bool found = false;
    const QByteArray bytes = ResourceBytes(number, &found);
    QVERIFY(found);
    QVERIFY(bytes.startsWith("...\r\n#"));
    QVERIFY(bytes.endsWith("\r\n..."));
}

void TestCoursepackPacked::everyMappedPageIsAnArchive()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("temptext.txt"));
    QCOMPARE(ExtractResource(30022, QStringLiteral("Custom"), path), qint16(ExtractOk));
    const QStringList pages = ReadAllFields(path, QStringLiteral("101")).toList();
    QVERIFY(!pages.isEmpty());
    QCOMPARE(pages.first(), QStringLiteral("10001"));
    const QString page = dir.filePath(QStringLiteral("temppaper10001.mht"));
    QCOMPARE(ExtractResource(10001, QStringLiteral("Custom"), page), qint16(ExtractOk));
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("MIME-Version: 1.0\r\n"));
}

QTEST_GUILESS_MAIN(TestCoursepackPacked)
#include "tst_coursepack_packed.moc"
