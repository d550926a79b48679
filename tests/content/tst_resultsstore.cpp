#include "content/AnswerCheck.h"
#include "content/Cp1252.h"
#include "content/LevelData.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/ValueText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

} // namespace

class TestResultsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ProductConfig m_config;
    ResultsPaths m_paths;

    bool allSound() const
    {
        for (const ResultsFile file : kAllResultsFiles) {
            if (!IsSoundResultsFile(
                    file, readBytes(ResultsFilePath(m_dir.path(), file, 2, m_config.code)),
                    ResourceBytes(ResultsTemplateResource(file, 2))))
                return false;
        }
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(ReadProductConfig(m_dir.path(), m_config)); }

    void init()
    {
        QVERIFY(CreateResultsFiles(m_dir.path(), m_config).isEmpty());
        m_paths = ResultsPaths::of(m_dir.path(), 2, m_config.code);
    }

    void fileNames()
    {
        QCOMPARE(ResultsFileName(ResultsFile::Marks, 2, QStringLiteral("EN")),
                 QStringLiteral("marks2EN.txt"));
        QCOMPARE(ResultsFileName(ResultsFile::SecondResults, 2, QStringLiteral("EN")),
                 QStringLiteral("sresults2EN.txt"));
        QCOMPARE(ResultsTemplateResource(ResultsFile::Marks, 2), 30121);
        QCOMPARE(ResultsTemplateResource(ResultsFile::Trend, 2), 30126);
    }

    void freshFilesEqualTheTemplates()
    {
        for (const ResultsFile file : kAllResultsFiles)
            QCOMPARE(readBytes(ResultsFilePath(m_dir.path(), file, 2, QStringLiteral("TS"))),
                     ResourceBytes(ResultsTemplateResource(file, 2)));
        QCOMPARE(readBytes(m_paths.trend), QByteArray("#TRD#"));
        QVERIFY(allSound());
        QVERIFY(ReadTrendValues(m_paths.trend).isEmpty());

        const LevelData level = ReadLevelData(m_dir.path(), m_config, 2, m_config.code);
        QCOMPARE(int(level.PaperTotal), 10);
        QCOMPARE(level.FirstScores, FieldList(50));
    }

    void firstSaveDropsTemplateLines()
    {
        FieldList lines = ReadPaperLines(m_paths.first, 10);
        FieldList answers(20);
        answers.set(1, QStringLiteral("went"));
        QVERIFY(SavePaperRecord(lines, 107, answers, 20, 10, m_paths.first));
        const QByteArray bytes = readBytes(m_paths.first);
        QCOMPARE(bytes.count("\r\n"), 10);
        QVERIFY(!bytes.contains("..."));
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 7, 20)[1], QStringLiteral("went"));
        QVERIFY(allSound());
    }

    void firstAndSecondMarking()
    {
        // Paper 101: forty boxes of one mark, 30 of them right.
        FieldList results(40);
        for (int i = 1; i <= 40; ++i)
            results.set(i, i <= 30 ? kTick : kCross);
        FieldList resultLines = ReadPaperLines(m_paths.fresults, 10);
        MarksRecords marks = ReadMarks(m_paths.marks, 10);
        const FirstMarking marking{PercentText(30, 40), QStringLiteral("0:7:45"),
                                   QStringLiteral("30/12/2005")};
        QVERIFY(StoreFirstAttemptMarking(m_paths, 101, 10, resultLines, results, 40, marks,
                                         marking));

        MarksRecords stored = ReadMarks(m_paths.marks, 10);
        QCOMPARE(stored.FirstScores[1], QStringLiteral("75"));
        QCOMPARE(stored.FirstStates[1], QStringLiteral("1"));
        QCOMPARE(stored.TimesTaken[1], QStringLiteral("0:7:45"));
        QCOMPARE(stored.CompletionDates[1], QStringLiteral("30/12/2005"));
        QCOMPARE(stored.FirstStates[2], QStringLiteral("0"));
        QCOMPARE(readBytes(m_paths.trend), QByteArray("#TRD#>75\r\n"));
        const QByteArray resultsBytes = readBytes(m_paths.fresults);
        QVERIFY(resultsBytes.startsWith("#101#>\xFC>"));
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.fresults, 10), 1, 40)[31], kCross);
        QCOMPARE(readBytes(m_paths.marks).count("\r\n"), 6);

        // A second paper extends the trend in marking order.
        FieldList other(25);
        MarksRecords marks2 = ReadMarks(m_paths.marks, 10);
        FieldList resultLines2 = ReadPaperLines(m_paths.fresults, 10);
        QVERIFY(StoreFirstAttemptMarking(m_paths, 103, 10, resultLines2, other, 25, marks2,
                                         {QStringLiteral("87.5"), QStringLiteral("0:1:0"),
                                          QStringLiteral("1/1/06")}));
        QCOMPARE(ReadTrendValues(m_paths.trend), (QStringList{"75", "87.5"}));

        // Second attempt: SSE and SST only.
        FieldList secondLines = ReadPaperLines(m_paths.sresults, 10);
        MarksRecords marks3 = ReadMarks(m_paths.marks, 10);
        QVERIFY(StoreSecondAttemptMarking(m_paths, 101, 10, secondLines, results, 40, marks3,
                                          QStringLiteral("90")));
        stored = ReadMarks(m_paths.marks, 10);
        QCOMPARE(stored.SecondScores[1], QStringLiteral("90"));
        QCOMPARE(stored.SecondStates[1], QStringLiteral("1"));
        QCOMPARE(stored.FirstScores[1], QStringLiteral("75"));
        QCOMPARE(stored.TimesTaken[1], QStringLiteral("0:7:45"));
        QCOMPARE(ReadTrendValues(m_paths.trend), (QStringList{"75", "87.5"}));
        QVERIFY(allSound());
    }

    void failedMarkingWriteLeavesMarksAlone()
    {
        QFile::remove(m_paths.fresults);
        QVERIFY(QDir().mkpath(m_paths.fresults)); // a folder where the file should be
        FieldList lines(10);
        MarksRecords marks = ReadMarks(m_paths.marks, 10);
        const QByteArray before = readBytes(m_paths.marks);
        WriteError error;
        QVERIFY(!StoreFirstAttemptMarking(m_paths, 101, 10, lines, FieldList(40), 40, marks,
                                          {QStringLiteral("0"), {}, {}}, &error));
        QCOMPARE(error.problem(), WriteError::InTheWay);
        QCOMPARE(readBytes(m_paths.marks), before);
        QVERIFY(marks.FirstStates[1] != QStringLiteral("1"));
        QDir(m_paths.fresults).removeRecursively();
    }

    void trendValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("empty record") << QByteArray("#TRD#") << QStringList{};
        QTest::newRow("three") << QByteArray("#TRD#>80>62.5>91\r\n")
                               << QStringList{"80", "62.5", "91"};
        QTest::newRow("trailing separator") << QByteArray("#TRD#>80>") << QStringList{"80"};
        QTest::newRow("no record") << QByteArray("") << QStringList{};
    }
    void trendValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, values);
        writeBytes(m_paths.trend, content);
        QCOMPARE(ReadTrendValues(m_paths.trend), values);
    }
};

QTEST_GUILESS_MAIN(TestResultsStore)
#include "tst_resultsstore.moc"
