#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/WriteJournal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>

// Kills a worker that runs the real save paths at random moments, hundreds of
// times. After each kill every results file must read, every record must be
// the one it held before the interrupted group of writes or the one that group
// announced, and after start-up's recovery the marks, results and trend must
// agree. QUORVANE_KILLS sets the number of kills (400 by default; README has a
// longer run), QUORVANE_KILL_WINDOW_MS the longest wait before a kill.
class TestCrashSafety : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_logDir;
    ProductConfig m_config;
    ResultsPaths m_paths;
    QHash<QString, QString> m_committed; // "file key" -> record line
    QHash<QString, QString> m_pending;   // the interrupted group's announced lines
    qsizetype m_logRead = 0;

    struct Figures
    {
        int kills = 0;
        int inMarking = 0;      // the kill fell inside a marking or an erase
        int inGroup = 0;        // a journal was left: the kill fell between its renames
        int apartBefore = 0;    // marks, results and trend disagreed before recovery
        int unreadable = 0;     // a file that did not read as a sound results file
        int unknownRecords = 0; // a record neither old nor new
        int repairsNeeded = 0;  // recovery found something to repair
        int leftBehind = 0;     // temporary and working files left by the kills
        int leftovers = 0;      // files left behind after recovery
        int apartAfter = 0;     // disagreements after recovery
    };

    static QString stemOf(ResultsFile file)
    {
        const QString name = ResultsFileName(file, 2, QStringLiteral("TS"));
        return name.left(name.indexOf(QLatin1String("2TS")));
    }

    QString pathOf(const QString &stem) const
    {
        return m_dir.filePath(stem + QStringLiteral("2TS.txt"));
    }

    QString actual(const QString &fileKey) const
    {
        const QString stem = fileKey.section(QLatin1Char(' '), 0, 0);
        return ReadRecordLine(pathOf(stem), fileKey.section(QLatin1Char(' '), 1, 1));
    }

    void readLog()
    {
        QFile log(m_logDir.filePath(QStringLiteral("log")));
        if (!log.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = log.readAll();
        qsizetype at = m_logRead;
        for (;;) {
            const qsizetype end = bytes.indexOf('\n', at);
            if (end < 0)
                break;
            const QString line = QString::fromUtf8(bytes.mid(at, end - at));
            at = end + 1;
            if (line == QLatin1String("D")) {
                for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
                    m_committed.insert(it.key(), it.value());
                m_pending.clear();
            } else if (line.startsWith(QLatin1String("I "))) {
                m_pending.insert(line.section(QLatin1Char(' '), 1, 2),
                                 line.section(QLatin1Char(' '), 3));
            }
        }
        m_logRead = at;
    }

    int unknownRecords() const
    {
        int unknown = 0;
        for (auto it = m_committed.cbegin(); it != m_committed.cend(); ++it) {
            const QString now = actual(it.key());
            if (now != it.value() && now != m_pending.value(it.key(), it.value()))
                ++unknown;
        }
        return unknown;
    }

    int unreadableFiles() const
    {
        int count = 0;
        for (const ResultsFile file : kAllResultsFiles) {
            QFile stored(ResultsFilePath(m_dir.path(), file, 2, m_config.code));
            if (!stored.open(QIODevice::ReadOnly) ||
                !IsSoundResultsFile(file, stored.readAll(),
                                    ResourceBytes(ResultsTemplateResource(file, 2))))
                ++count;
        }
        return count;
    }

    // True when every paper's score, state and marks tell the same story, and
    // the trend holds exactly the first-attempt scores.
    bool agree() const
    {
        const MarksRecords marks = ReadMarks(m_paths.marks, 10);
        const FieldList first = ReadPaperLines(m_paths.fresults, 10);
        const FieldList second = ReadPaperLines(m_paths.sresults, 10);
        const auto hasMarks = [](const QString &line) {
            return line.contains(kTick) || line.contains(kCross);
        };
        QStringList firstScores;
        for (int i = 1; i <= 10; ++i) {
            const bool f = marks.FirstStates[i] == QLatin1String("1");
            const bool s = marks.SecondStates[i] == QLatin1String("1");
            if (f != !marks.FirstScores[i].isEmpty() || f != hasMarks(first[i]) ||
                s != !marks.SecondScores[i].isEmpty() || s != hasMarks(second[i]))
                return false;
            if (f)
                firstScores.append(marks.FirstScores[i]);
        }
        QStringList trend = ReadTrendValues(m_paths.trend);
        std::sort(trend.begin(), trend.end());
        std::sort(firstScores.begin(), firstScores.end());
        return trend == firstScores;
    }

    int leftoverFiles() const
    {
        QStringList expected;
        for (const ResultsFile file : kAllResultsFiles)
            expected.append(ResultsFileName(file, 2, m_config.code));
        int count = 0;
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (!expected.contains(name))
                ++count;
        }
        return count;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ReadProductConfig(m_dir.path(), m_config));
        QVERIFY(CreateResultsFiles(m_dir.path(), m_config).isEmpty());
        m_paths = ResultsPaths::of(m_dir.path(), 2, m_config.code);
        for (const ResultsFile file : kAllResultsFiles) {
            const QString text =
                QString::fromLatin1(ResourceBytes(ResultsTemplateResource(file, 2)));
            for (const QString &line : text.split(QStringLiteral("\r\n"))) {
                if (line.startsWith(QLatin1Char('#')))
                    m_committed.insert(stemOf(file) + QLatin1Char(' ') + line.mid(1, 3), line);
            }
        }
    }

    void killsLeaveTheResultsWhole()
    {
        const int kills = qEnvironmentVariableIsSet("QUORVANE_KILLS")
                              ? qEnvironmentVariableIntValue("QUORVANE_KILLS")
                              : 400;
        const int window = qEnvironmentVariableIsSet("QUORVANE_KILL_WINDOW_MS")
                               ? qEnvironmentVariableIntValue("QUORVANE_KILL_WINDOW_MS")
                               : 30;
        QRandomGenerator rng(20250314);
        Figures f;
        for (int k = 0; k < kills; ++k) {
            QProcess child;
            child.start(QStringLiteral(QUORVANE_CRASH_CHILD),
                        {m_dir.path(), m_logDir.filePath(QStringLiteral("log")),
                         QString::number(rng.generate())});
            QVERIFY(child.waitForReadyRead(10000));
            QThread::usleep(rng.bounded(window * 1000));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            ++f.kills;

            readLog();
            f.inMarking += m_pending.contains(QStringLiteral("marks FSE")) ? 1 : 0;
            f.inGroup += QFile::exists(m_dir.filePath(kJournalName)) ? 1 : 0;
            f.unreadable += unreadableFiles();
            f.unknownRecords += unknownRecords();
            f.apartBefore += agree() ? 0 : 1;
            f.leftBehind += leftoverFiles() - (QFile::exists(m_dir.filePath(kJournalName)) ? 1 : 0);

            const ResultsRepairReport report =
                RecoverResultsFiles(m_dir.path(), m_config, QDateTime::currentDateTime());
            QVERIFY2(report.problem.isEmpty(), qPrintable(report.problem));
            f.repairsNeeded += report.notice().isEmpty() ? 0 : 1;
            f.leftovers += leftoverFiles();
            f.unknownRecords += unknownRecords();
            f.apartAfter += agree() ? 0 : 1;

            for (auto it = m_committed.begin(); it != m_committed.end(); ++it)
                it.value() = actual(it.key());
            m_pending.clear();
        }
        qInfo("%d kills: %d during a marking or an erase, %d of them with a journal left, %d "
              "with marks, results and trend apart before recovery, %d temporary or working files "
              "left; %d unreadable files, %d records neither old nor new, %d repairs needed, %d "
              "files left after recovery, %d disagreements after recovery",
              f.kills, f.inMarking, f.inGroup, f.apartBefore, f.leftBehind, f.unreadable,
              f.unknownRecords, f.repairsNeeded, f.leftovers, f.apartAfter);
        QCOMPARE(f.unreadable, 0);
        QCOMPARE(f.unknownRecords, 0);
        QCOMPARE(f.repairsNeeded, 0);
        QCOMPARE(f.leftovers, 0);
        QCOMPARE(f.apartAfter, 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
