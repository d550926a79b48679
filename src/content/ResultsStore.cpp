#include "content/ResultsStore.h"

#include "content/Cp1252.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"
#include "content/WriteJournal.h"

#include <QFileInfo>
#include <QRegularExpression>

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

bool marksFileBytes(const QString &path, const MarksRecords &marks, int n, QByteArray &bytes,
                    WriteError *error)
{
    const FieldList lists[6] = {marks.FirstScores,     marks.SecondScores, marks.TimesTaken,
                                marks.CompletionDates, marks.FirstStates,  marks.SecondStates};
    return MarksFileBytes(lists, kMarksKeys, n, path, bytes, error);
}

FileContent content(const QString &path, const QByteArray &bytes)
{
    return {QFileInfo(path).fileName(), bytes};
}

} // namespace

bool IsResultsFileName(const QString &name)
{
    static const QRegularExpression results(
        QStringLiteral("^(marks|first|second|fresults|sresults|trend)[1-3][^/]*\\.txt$"));
    return results.match(name).hasMatch();
}

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
    QList<FileContent> files;
    QStringList failed;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        bool found = false;
        const QByteArray bytes = ResourceBytes(ResultsTemplateResource(file, level), &found);
        const QString name = ResultsFileName(file, level, config.code);
        if (found)
            files.append({name, bytes});
        else
            failed.append(name);
    });
    if (!files.isEmpty() && !WriteTogether(folder, files, error)) {
        for (const FileContent &file : files)
            failed.append(file.name);
    }
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
    QByteArray bytes;
    return marksFileBytes(path, marks, n, bytes, error) && WriteFileAtomically(path, bytes, error);
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
    FieldList lines = resultLines;
    QByteArray resultsBytes;
    if (!RecordFileBytes(lines, results, QString::number(paperKey - 100), QString::number(paperKey),
                         paperCount, boxCount, paths.fresults, resultsBytes, error))
        return false;

    const int i = paperKey - 100;
    MarksRecords updated = marks;
    updated.FirstScores.set(i, marking.percent);
    updated.TimesTaken.set(i, marking.timeTaken);
    updated.CompletionDates.set(i, marking.date);
    updated.FirstStates.set(i, QStringLiteral("1"));
    QByteArray marksBytes;
    if (!marksFileBytes(paths.marks, updated, paperCount, marksBytes, error))
        return false;

    QString trendLine = ReadRecordLine(paths.trend, QStringLiteral("TRD"));
    if (trendLine.isEmpty())
        trendLine = QStringLiteral("#TRD#");
    trendLine += QLatin1Char('>') + marking.percent;

    if (!WriteTogether(QFileInfo(paths.marks).absolutePath(),
                       {content(paths.fresults, resultsBytes), content(paths.marks, marksBytes),
                        content(paths.trend, Cp1252::encode(trendLine + QStringLiteral("\r\n")))},
                       error))
        return false;
    resultLines = lines;
    marks = updated;
    return true;
}

bool StoreSecondAttemptMarking(const ResultsPaths &paths, int paperKey, int paperCount,
                               FieldList &resultLines, const FieldList &results, int boxCount,
                               MarksRecords &marks, const QString &percent, WriteError *error)
{
    FieldList lines = resultLines;
    QByteArray resultsBytes;
    if (!RecordFileBytes(lines, results, QString::number(paperKey - 100), QString::number(paperKey),
                         paperCount, boxCount, paths.sresults, resultsBytes, error))
        return false;
    const int i = paperKey - 100;
    MarksRecords updated = marks;
    updated.SecondScores.set(i, percent);
    updated.SecondStates.set(i, QStringLiteral("1"));
    QByteArray marksBytes;
    if (!marksFileBytes(paths.marks, updated, paperCount, marksBytes, error))
        return false;
    if (!WriteTogether(QFileInfo(paths.marks).absolutePath(),
                       {content(paths.sresults, resultsBytes), content(paths.marks, marksBytes)},
                       error))
        return false;
    resultLines = lines;
    marks = updated;
    return true;
}
