#include "content/ResultsStore.h"

#include "content/Cp1252.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"

namespace {

const QString kMarksKeys[6] = {QStringLiteral("FSE"), QStringLiteral("SSE"),
                               QStringLiteral("LTM"), QStringLiteral("CDD"),
                               QStringLiteral("FST"), QStringLiteral("SST")};

QString stem(ResultsFile file)
{
    switch (file) {
    case ResultsFile::Marks: return QStringLiteral("marks");
    case ResultsFile::FirstAnswers: return QStringLiteral("first");
    case ResultsFile::SecondAnswers: return QStringLiteral("second");
    case ResultsFile::FirstResults: return QStringLiteral("fresults");
    case ResultsFile::SecondResults: return QStringLiteral("sresults");
    case ResultsFile::Trend: return QStringLiteral("trend");
    }
    return {};
}

} // namespace

QString ResultsFileName(ResultsFile file, int level, const QString &code)
{
    return stem(file) + QString::number(level) + code + QStringLiteral(".txt");
}

QString ResultsFilePath(const QString &folder, ResultsFile file, int level, const QString &code)
{
    return ProgramPath(folder, ResultsFileName(file, level, code));
}

int ResultsTemplateResource(ResultsFile file, int level)
{
    return 30101 + int(file) + 10 * level;
}

ResultsPaths ResultsPaths::of(const QString &folder, int level, const QString &code)
{
    auto path = [&](ResultsFile file) { return ResultsFilePath(folder, file, level, code); };
    return {path(ResultsFile::Marks),         path(ResultsFile::FirstAnswers),
            path(ResultsFile::SecondAnswers), path(ResultsFile::FirstResults),
            path(ResultsFile::SecondResults), path(ResultsFile::Trend)};
}

QStringList CreateResultsFiles(const QString &folder, const ProductConfig &config,
                               WriteError *error)
{
    QStringList failed;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        bool found = false;
        const QByteArray bytes = ResourceBytes(ResultsTemplateResource(file, level), &found);
        const QString path = ResultsFilePath(folder, file, level, config.code);
        if (!found || !WriteFileAtomically(path, bytes, error))
            failed.append(ResultsFileName(file, level, config.code));
    });
    return failed;
}

MarksRecords ReadMarks(const QString &path, int n)
{
    MarksRecords m;
    m.FirstScores = ReadFields50(path, kMarksKeys[0], n);
    m.SecondScores = ReadFields50(path, kMarksKeys[1], n);
    m.TimesTaken = ReadFields50(path, kMarksKeys[2], n);
    m.CompletionDates = ReadFields50(path, kMarksKeys[3], n);
    m.FirstStates = ReadFields50(path, kMarksKeys[4], n);
    m.SecondStates = ReadFields50(path, kMarksKeys[5], n);
    return m;
}

bool WriteMarks(const QString &path, const MarksRecords &marks, int n, WriteError *error)
{
    const FieldList lists[6] = {marks.FirstScores,     marks.SecondScores, marks.TimesTaken,
                                marks.CompletionDates, marks.FirstStates,  marks.SecondStates};
    return WriteMarksFile(lists, kMarksKeys, n, path, error);
}

QStringList ReadTrendValues(const QString &path)
{
    QString line = ReadRecordLine(path, QStringLiteral("TRD"));
    // A ">" standing last opens no value.
    if (line.endsWith(QLatin1Char('>')))
        line.chop(1);
    const int n = int(line.count(QLatin1Char('>')));
    const FieldList fields = SplitFields50(line, n);
    return fields.first(qMin(n, 50));
}

FieldList PaperFields(const FieldList &paperLines, int paperIndex, int boxCount)
{
    FieldList fields = SplitFields80(paperLines[paperIndex], boxCount);
    fields.resize(qMax(0, boxCount));
    return fields;
}

bool SavePaperRecord(FieldList &paperLines, int paperKey, const FieldList &fields, int boxCount,
                     int paperCount, const QString &path, WriteError *error)
{
    return SaveRecordLine(paperLines, fields, QString::number(paperKey - 100),
                          QString::number(paperKey), paperCount, boxCount, path, error);
}

bool StoreFirstAttemptMarking(const ResultsPaths &paths, int paperKey, int paperCount,
                              FieldList &resultLines, const FieldList &results, int boxCount,
                              MarksRecords &marks, const FirstMarking &marking, WriteError *error)
{
    if (!SavePaperRecord(resultLines, paperKey, results, boxCount, paperCount, paths.fresults,
                         error))
        return false;

    const int i = paperKey - 100;
    MarksRecords updated = marks;
    updated.FirstScores.set(i, marking.percent);
    updated.TimesTaken.set(i, marking.timeTaken);
    updated.CompletionDates.set(i, marking.date);
    updated.FirstStates.set(i, QStringLiteral("1"));

    QString trendLine = ReadRecordLine(paths.trend, QStringLiteral("TRD"));
    if (trendLine.isEmpty())
        trendLine = QStringLiteral("#TRD#");
    trendLine += QLatin1Char('>') + marking.percent;

    if (!WriteMarks(paths.marks, updated, paperCount, error))
        return false;
    marks = updated;
    return WriteFileAtomically(paths.trend, Cp1252::encode(trendLine + QStringLiteral("\r\n")),
                               error);
}

bool StoreSecondAttemptMarking(const ResultsPaths &paths, int paperKey, int paperCount,
                               FieldList &resultLines, const FieldList &results, int boxCount,
                               MarksRecords &marks, const QString &percent, WriteError *error)
{
    if (!SavePaperRecord(resultLines, paperKey, results, boxCount, paperCount, paths.sresults,
                         error))
        return false;
    const int i = paperKey - 100;
    MarksRecords updated = marks;
    updated.SecondScores.set(i, percent);
    updated.SecondStates.set(i, QStringLiteral("1"));
    if (!WriteMarks(paths.marks, updated, paperCount, error))
        return false;
    marks = updated;
    return true;
}
