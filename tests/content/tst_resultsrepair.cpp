#include "../support/TestFiles.h"
#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kNow(QDate(2025, 3, 14), QTime(16, 5, 9));

} // namespace

// A level in use is damaged in one way at a time; start-up repairs that file
// alone, keeping what still reads, after copying the files to the backups.
class TestResultsRepair : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ProductConfig m_config;
    ResultsPaths m_paths;

    QString path(ResultsFile file) const
    {
        return ResultsFilePath(m_dir.path(), file, 2, m_config.code);
    }
    static QByteArray templ(ResultsFile file)
    {
        return ResourceBytes(ResultsTemplateResource(file, 2));
    }
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const ResultsFile file : kAllResultsFiles)
            all.insert(ResultsFileName(file, 2, m_config.code), FileBytes(path(file)));
        return all;
    }

private slots:
    void initTestCase() { QVERIFY(ReadProductConfig(m_dir.path(), m_config)); }

    // Papers 101 and 106 marked, 106 twice, with answers and marks stored.
    void init()
    {
        QDir(BackupsFolder(m_dir.path())).removeRecursively();
        QVERIFY(CreateResultsFiles(m_dir.path(), m_config).isEmpty());
        m_paths = ResultsPaths::of(m_dir.path(), 2, m_config.code);
        FieldList answers(20);
        answers.set(1, QStringLiteral("went"));
        answers.set(2, QStringLiteral("caf\u00e9"));
        FieldList answerLines = ReadPaperLines(m_paths.first, 10);
        QVERIFY(SavePaperRecord(answerLines, 106, answers, 20, 10, m_paths.first));
        FieldList results(20);
        results.set(1, kTick);
        results.set(2, kCross);
        FieldList resultLines = ReadPaperLines(m_paths.fresults, 10);
        MarksRecords marks = ReadMarks(m_paths.marks, 10);
        QVERIFY(StoreFirstAttemptMarking(
            m_paths, 106, 10, resultLines, results, 20, marks,
            {QStringLiteral("40"), QStringLiteral("0:7:45"), QStringLiteral("30/12/2005")}));
        FieldList first101(40);
        QVERIFY(StoreFirstAttemptMarking(
            m_paths, 101, 10, resultLines, first101, 40, marks,
            {QStringLiteral("87.5"), QStringLiteral("0:1:2"), QStringLiteral("31/12/2005")}));
        FieldList secondLines = ReadPaperLines(m_paths.sresults, 10);
        QVERIFY(StoreSecondAttemptMarking(m_paths, 106, 10, secondLines, results, 20, marks,
                                          QStringLiteral("90")));
    }

    void soundFiles_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        const int marks = int(ResultsFile::Marks);
        const int first = int(ResultsFile::FirstAnswers);
        const int trend = int(ResultsFile::Trend);
        QTest::newRow("as written") << marks << QByteArray() << QByteArray();
        QTest::newRow("LF line ends") << first << QByteArray("\r\n") << QByteArray("\n");
        QTest::newRow("lower-case key") << marks << QByteArray("#LTM#") << QByteArray("#ltm#");
        QTest::newRow("trend without line end") << trend << QByteArray("\r\n") << QByteArray();
        QTest::newRow("score in the other decimal form")
            << marks << QByteArray(">87.5>") << QByteArray(">87,5>");
        QTest::newRow("trend in the other decimal form")
            << trend << QByteArray(">87.5") << QByteArray(">87,5");
    }
    void soundFiles()
    {
        QFETCH(int, which);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        const ResultsFile file = ResultsFile(which);
        QByteArray bytes = FileBytes(path(file));
        if (!from.isEmpty())
            bytes.replace(from, to);
        QVERIFY(IsSoundResultsFile(file, bytes, templ(file)));
        for (const ResultsFile each : kAllResultsFiles)
            QVERIFY(IsSoundResultsFile(each, templ(each), templ(each)));
    }

    // Each row damages one file; `kept` lists what reads afterwards as
    // "key|field|value" (for the trend: its values in order).
    void repairs_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QStringList>("kept");
        const int marks = int(ResultsFile::Marks);
        const int first = int(ResultsFile::FirstAnswers);
        const int fresults = int(ResultsFile::FirstResults);
        const int trend = int(ResultsFile::Trend);
        const QStringList scores{"FSE|1|87.5", "FST|1|1",      "FSE|6|40",        "SSE|6|90",
                                 "SST|6|1",    "LTM|6|0:7:45", "CDD|6|30/12/2005"};
        QTest::newRow("record renamed")
            << marks << QByteArray("#SSE#") << QByteArray("#XXX#")
            << QStringList{"FSE|1|87.5", "FST|1|1", "SSE|6|", "SST|6|0", "LTM|6|0:7:45"};
        QTest::newRow("state field lost")
            << marks << QByteArray("#FST#>1") << QByteArray("#FST#") << scores;
        QTest::newRow("state not 0 or 1")
            << marks << QByteArray("#SST#>0") << QByteArray("#SST#>7") << scores;
        QTest::newRow("score not a number")
            << marks << QByteArray("#FSE#>87.5") << QByteArray("#FSE#>ab")
            << QStringList{"FSE|1|", "FST|1|0", "FSE|6|40", "FST|6|1"};
        QTest::newRow("byte order mark")
            << marks << QByteArray("#FSE#") << QByteArray("\xEF\xBB\xBF#FSE#") << scores;
        QTest::newRow("lone CR line ends")
            << marks << QByteArray("\r\n") << QByteArray("\r") << scores;
        QTest::newRow("truncated")
            << marks << QByteArray("#FST#") << QByteArray("#FS")
            << QStringList{"FSE|1|87.5", "FST|1|1", "FSE|6|40", "SSE|6|90", "SST|6|1"};
        QTest::newRow("pasted control character")
            << first << QByteArray(">went>") << QByteArray(">we\x01nt>")
            << QStringList{"106|1|went", "106|2|caf\u00e9"};
        QTest::newRow("extra field from a typed >")
            << first << QByteArray("#106#>went") << QByteArray("#106#>we>nt")
            << QStringList{"106|1|we", "106|2|nt", "106|20|"};
        QTest::newRow("paper line missing") << first << QByteArray("#106#") << QByteArray("#1x6#")
                                            << QStringList{"106|1|", "106|2|"};
        QTest::newRow("mark not a tick or cross")
            << fresults << QByteArray("#106#>\xFC>\xFB") << QByteArray("#106#>\xFC>?")
            << QStringList{"106|1|\u00fc", "106|2|"};
        QTest::newRow("trend value not a number")
            << trend << QByteArray(">40") << QByteArray(">4x0") << QStringList{"87.5"};
        QTest::newRow("trend without key")
            << trend << QByteArray("#TRD#") << QByteArray("") << QStringList{};
        QTest::newRow("trend without line end")
            << trend << QByteArray(">87.5\r\n") << QByteArray(">87.5>x")
            << QStringList{"40", "87.5"};
        QTest::newRow("trend with text after it")
            << trend << QByteArray("\r\n") << QByteArray("\r\nnoise\r\n")
            << QStringList{"40", "87.5"};
    }
    void repairs()
    {
        QFETCH(int, which);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QStringList, kept);
        const ResultsFile file = ResultsFile(which);
        QByteArray bytes = FileBytes(path(file));
        QVERIFY(bytes.contains(from));
        if (to.endsWith("#FS"))
            bytes.truncate(bytes.indexOf(from) + 3);
        else
            bytes.replace(from, to);
        QVERIFY(!IsSoundResultsFile(file, bytes, templ(file)));

        const QByteArray repaired = RepairedResultsFile(file, bytes, templ(file));
        QVERIFY(IsSoundResultsFile(file, repaired, templ(file)));
        QCOMPARE(RepairedResultsFile(file, repaired, templ(file)), repaired);
        QVERIFY(WriteBytes(path(file), repaired));
        if (file == ResultsFile::Trend) {
            QCOMPARE(ReadTrendValues(path(file)), kept);
            return;
        }
        for (const QString &item : kept) {
            const QStringList part = item.split(QLatin1Char('|'));
            const FieldList fields =
                file == ResultsFile::Marks
                    ? ReadFields50(path(file), part[0], 10)
                    : PaperFields(ReadPaperLines(path(file), 10), part[0].toInt() - 100, 20);
            QCOMPARE(fields[part[1].toInt()], part[2]);
        }
    }

    void onlyTheDamagedFileIsRepaired()
    {
        QByteArray damaged = FileBytes(m_paths.marks);
        damaged.replace("#SST#>0", "#SST#>7");
        QVERIFY(WriteBytes(m_paths.marks, damaged));
        QFile::remove(m_paths.trend);
        const QMap<QString, QByteArray> before = files();

        const ResultsRepairReport report = RepairResultsFiles(m_dir.path(), m_config, kNow);
        QVERIFY2(report.problem.isEmpty(), qPrintable(report.problem));
        QCOMPARE(report.repaired, QStringList{QStringLiteral("your scores")});
        QCOMPARE(report.made, QStringList{QStringLiteral("the trend of your scores")});
        const QString set = BackupsFolder(m_dir.path()) + QStringLiteral("/2025-03-14_16-05-09");
        QCOMPARE(report.backup, set);
        QCOMPARE(report.notice(),
                 QStringLiteral("Quorvane repaired the damaged file of your scores, keeping "
                                "everything that could still be read, and made the missing file "
                                "of the trend of your scores again; a copy of the files as they "
                                "were is in %1.")
                     .arg(QDir::toNativeSeparators(set)));

        const QMap<QString, QByteArray> after = files();
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QCOMPARE(FileBytes(QDir(set).filePath(it.key())), it.value());
            if (it.key().startsWith(QLatin1String("marks")))
                QCOMPARE(ReadFields50(m_paths.marks, QStringLiteral("SST"), 10)[6],
                         QStringLiteral("1"));
            else if (it.key().startsWith(QLatin1String("trend")))
                QCOMPARE(after.value(it.key()), templ(ResultsFile::Trend));
            else
                QCOMPARE(after.value(it.key()), it.value());
        }
        QVERIFY(!QFile::exists(QDir(set).filePath(ResultsFileName(ResultsFile::Trend, 2, "TS"))));

        // Sound now: a second start-up changes nothing and tells nothing.
        const ResultsRepairReport again = RepairResultsFiles(m_dir.path(), m_config, kNow);
        QVERIFY(again.notice().isEmpty());
        QCOMPARE(files(), after);
    }

    void aFreshFolderIsMadeQuietly()
    {
        for (const ResultsFile file : kAllResultsFiles)
            QFile::remove(path(file));
        const ResultsRepairReport report = RepairResultsFiles(m_dir.path(), m_config, kNow);
        QVERIFY(report.problem.isEmpty());
        QVERIFY(report.notice().isEmpty());
        for (const ResultsFile file : kAllResultsFiles)
            QCOMPARE(FileBytes(path(file)), templ(file));
        QVERIFY(!QFile::exists(BackupsFolder(m_dir.path())));
    }

    void somethingInAFilesPlaceStopsStartUp()
    {
        QByteArray damaged = FileBytes(m_paths.marks);
        damaged.replace("#SST#>0", "#SST#>7");
        QVERIFY(WriteBytes(m_paths.marks, damaged));
        QVERIFY(QFile::remove(m_paths.first));
        QVERIFY(QDir().mkpath(m_paths.first));
        const QMap<QString, QByteArray> before = files();

        const ResultsRepairReport report = RepairResultsFiles(m_dir.path(), m_config, kNow);
        QCOMPARE(report.problem,
                 QStringLiteral("Something that is not a results file stands where the file "
                                "first2TS.txt should be, in %1. Ask an adult to move it away, "
                                "then start Quorvane again.")
                     .arg(QDir::toNativeSeparators(m_dir.path())));
        QCOMPARE(files(), before);
        QVERIFY(!QFile::exists(BackupsFolder(m_dir.path())));
        QVERIFY(QDir(m_paths.first).removeRecursively());
    }

    void anUnreadableFileStopsStartUp()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every file whatever its permissions");
        QVERIFY(QFile::setPermissions(m_paths.trend, QFile::WriteOwner));
        const ResultsRepairReport report = RepairResultsFiles(m_dir.path(), m_config, kNow);
        QVERIFY(report.problem.startsWith(QLatin1String("Quorvane may not read its results file")));
        QVERIFY(QFile::setPermissions(m_paths.trend, QFile::ReadOwner | QFile::WriteOwner));
    }

    void backupsAreNeverOverwrittenAndTenAreKept()
    {
        QStringList sets;
        for (int i = 0; i < 12; ++i) {
            // Two sets in the same second, then one a minute.
            const QDateTime when = kNow.addSecs(i < 2 ? 0 : 60 * i);
            WriteError error;
            const QString set = BackUpResultsFiles(m_dir.path(), m_config, when, &error);
            QVERIFY(!error.isSet());
            QVERIFY(!sets.contains(set));
            sets.append(set);
            QCOMPARE(FileBytes(QDir(set).filePath(ResultsFileName(ResultsFile::Marks, 2, "TS"))),
                     FileBytes(m_paths.marks));
        }
        QCOMPARE(QFileInfo(sets[1]).fileName(), QStringLiteral("2025-03-14_16-05-09_2"));
        const QStringList left =
            QDir(BackupsFolder(m_dir.path())).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(left.size(), kBackupsKept);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(QFileInfo::exists(sets[i]), i >= 2);
    }
};

QTEST_GUILESS_MAIN(TestResultsRepair)
#include "tst_resultsrepair.moc"
