// The worker of the crash-safety test: runs the real save paths of the
// practice window (page changes, save, first and second marking) and the
// erase, over and over in the given folder, until it is killed. Before each
// group of writes it appends to the log, in one write, the record lines the
// group is about to store ("I <file> <key> <line>"), and "D" once the group is
// done, so that the test can tell an old record from a new one.
//
// Usage: crash_child <folder> <log> <seed>

#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/ResultsStore.h"
#include "content/ValueText.h"
#include "practice/PracticeSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QDateTime kWhen(QDate(2025, 3, 14), QTime(16, 5, 9));
const QString kMarksKeys[6] = {"FSE", "SSE", "LTM", "CDD", "FST", "SST"};

class Worker
{
public:
    Worker(const QString &folder, const QString &log, quint32 seed)
        : m_folder(folder), m_rng(seed),
          m_log(::open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND | O_CREAT, 0644))
    {
        ReadProductConfig(folder, m_config);
        m_paths = ResultsPaths::of(folder, 2, m_config.code);
    }

    void run()
    {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (;;)
            workOnePaper();
    }

private:
    // One group's announcement, written in one go before the group starts.
    void announce(const QStringList &lines)
    {
        const QByteArray text = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
        [[maybe_unused]] const ssize_t written = ::write(m_log, text.constData(), text.size());
    }
    void done() { announce({QStringLiteral("D")}); }
    static QString intent(const QString &file, const QString &key, const QString &line)
    {
        return QStringLiteral("I %1 %2 %3").arg(file, key, line);
    }

    void workOnePaper()
    {
        const int key = 101 + int(m_rng.bounded(10));
        const MarksRecords marks = ReadMarks(m_paths.marks, 10);
        const bool firstMarked = marks.FirstStates[key - 100] == QLatin1String("1");
        const bool secondMarked = marks.SecondStates[key - 100] == QLatin1String("1");
        if (firstMarked && secondMarked) {
            if (allMarked(marks))
                erase();
            return;
        }
        const Attempt attempt = firstMarked ? Attempt::Second : Attempt::First;
        PracticeSession s(attempt, {m_folder, 2, m_config.code, key, key <= 105 ? 1 : 6, 10});
        s.Load();
        const QString answersFile = attempt == Attempt::First ? "first" : "second";
        // A few pages with Next, typing on each, then Save or Mark (which
        // saves the answers first) from wherever the pupil is.
        const int pages = 1 + int(m_rng.bounded(qMin<int>(3, s.PageCount())));
        for (int page = 1; page <= pages; ++page) {
            s.ExtractPage(page);
            const QStringList typed = pageTexts(s, page);
            s.StorePageAnswers(typed);
            announce({intent(answersFile, QString::number(key), answersLine(s))});
            if (page < pages)
                s.MoveToPage(page + 1, typed);
            else
                s.SaveAnswers();
            done();
            // The window deletes a page's file when it leaves the page or closes.
            QFile::remove(s.PageFile(page));
        }
        if (m_rng.bounded(4) != 0)
            mark(s, attempt);
    }

    QStringList pageTexts(const PracticeSession &s, int page)
    {
        QStringList texts;
        for (int k = 1; k <= s.BoxesOnPage(page); ++k) {
            const int box = s.BoxOffset(page) + k;
            const bool right = m_rng.bounded(3) != 0;
            texts.append(right ? s.tables().AnswerKey[box].section(QLatin1Char(';'), -1)
                               : QStringLiteral("x%1").arg(++m_typed));
        }
        return texts;
    }

    static QString answersLine(const PracticeSession &s)
    {
        return BuildRecordLine(QString::number(s.choice().paperKey), s.Answers(), s.BoxCount());
    }

    void mark(PracticeSession &s, Attempt attempt)
    {
        const int key = s.choice().paperKey;
        const PaperJudgement judged =
            JudgePaper(s.Answers(), s.tables().AnswerKey, s.tables().BoxKinds, s.tables().BoxMarks,
                       s.BoxCount());
        const QString percent = PercentText(judged.score, s.tables().TotalMarks);
        MarksRecords marks = s.Marks();
        const int i = key - 100;
        QStringList lines;
        if (attempt == Attempt::First) {
            marks.FirstScores.set(i, percent);
            marks.TimesTaken.set(i, ElapsedText(0));
            marks.CompletionDates.set(i, ShortDateText(kWhen.date()));
            marks.FirstStates.set(i, QStringLiteral("1"));
            QString trend = ReadRecordLine(m_paths.trend, QStringLiteral("TRD"));
            lines.append(intent("trend", "TRD", trend + QLatin1Char('>') + percent));
        } else {
            marks.SecondScores.set(i, percent);
            marks.SecondStates.set(i, QStringLiteral("1"));
        }
        const FieldList lists[6] = {marks.FirstScores,     marks.SecondScores, marks.TimesTaken,
                                    marks.CompletionDates, marks.FirstStates,  marks.SecondStates};
        for (int j = 0; j < 6; ++j)
            lines.append(
                intent("marks", kMarksKeys[j], BuildRecordLine(kMarksKeys[j], lists[j], 10)));
        lines.append(intent(attempt == Attempt::First ? "fresults" : "sresults",
                            QString::number(key),
                            BuildRecordLine(QString::number(key), judged.results, s.BoxCount())));
        announce(lines);
        s.Mark(kWhen, kWhen);
        done();
    }

    static bool allMarked(const MarksRecords &marks)
    {
        for (int i = 1; i <= 10; ++i) {
            if (marks.FirstStates[i] != QLatin1String("1") ||
                marks.SecondStates[i] != QLatin1String("1"))
                return false;
        }
        return true;
    }

    // The erase page's Yes: every record goes back to its template's.
    void erase()
    {
        QStringList lines;
        for (const ResultsFile file : kAllResultsFiles) {
            const QString name = ResultsFileName(file, 2, m_config.code);
            const QString stem = name.left(name.indexOf(QLatin1Char('2') + m_config.code));
            const QString text =
                QString::fromLatin1(ResourceBytes(ResultsTemplateResource(file, 2)));
            for (const QString &line : text.split(QStringLiteral("\r\n"))) {
                if (line.startsWith(QLatin1Char('#')))
                    lines.append(intent(stem, line.mid(1, 3), line));
            }
        }
        announce(lines);
        EraseAllResults(m_folder, m_config, kWhen);
        done();
    }

    QString m_folder;
    QRandomGenerator m_rng;
    int m_log;
    ProductConfig m_config;
    ResultsPaths m_paths;
    int m_typed = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    Worker(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
           QByteArray(argv[3]).toUInt())
        .run();
}
