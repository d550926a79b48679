#include "content/ResultsStore.h"

#include "content/Cp1252.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"
#include "content/ValueText.h"

#include <QFile>
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

struct Record
{
    QString key;
    QStringList fields;
};

QStringList splitLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

// The records of a results file or template; false when a line is neither a
// record nor one of the blank or "..." lines a template carries.
bool parseRecords(const QString &text, QList<Record> &records)
{
    static const QRegularExpression recordLine(QStringLiteral("^#([0-9A-Za-z]{3})#(>.*)?$"));
    for (const QString &line : splitLines(text)) {
        if (line.isEmpty() || line == QLatin1String("..."))
            continue;
        const QRegularExpressionMatch m = recordLine.match(line);
        if (!m.hasMatch())
            return false;
        QStringList fields = m.captured(2).split(QLatin1Char('>'));
        fields.removeFirst();
        records.append({m.captured(1).toUpper(), fields});
    }
    return true;
}

bool holdsOnlyText(const QByteArray &bytes)
{
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 && b != '\r' && b != '\n' && b != '\t')
            return false;
    }
    return true;
}

bool isStateOrScoreSane(const Record &record)
{
    for (const QString &field : record.fields) {
        if ((record.key == QLatin1String("FST") || record.key == QLatin1String("SST"))
            && field != QLatin1String("0") && field != QLatin1String("1"))
            return false;
        if ((record.key == QLatin1String("FSE") || record.key == QLatin1String("SSE"))
            && !field.isEmpty() && !IsNumericText(field))
            return false;
    }
    return true;
}

bool matchesTemplate(const QByteArray &bytes, const QByteArray &templ, ResultsFile file)
{
    if (!holdsOnlyText(bytes))
        return false;
    const QString text = Cp1252::decode(bytes);
    if (file == ResultsFile::Trend) {
        static const QRegularExpression trend(
            QStringLiteral("^#TRD#(>[^>\\r\\n]+){0,50}(\\r\\n)?$"));
        if (!trend.match(text).hasMatch())
            return false;
        const QStringList values = text.trimmed().split(QLatin1Char('>')).mid(1);
        for (const QString &value : values) {
            if (!IsNumericText(value))
                return false;
        }
        return true;
    }
    QList<Record> actual;
    QList<Record> expected;
    if (!parseRecords(text, actual) || !parseRecords(Cp1252::decode(templ), expected))
        return false;
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (actual[i].key != expected[i].key
            || actual[i].fields.size() != expected[i].fields.size())
            return false;
        if (file == ResultsFile::Marks && !isStateOrScoreSane(actual[i]))
            return false;
    }
    return true;
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

QStringList CreateResultsFiles(const QString &folder, const ProductConfig &config)
{
    QStringList failed;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        if (ExtractResource(ResultsTemplateResource(file, level), QStringLiteral("Custom"),
                            ResultsFilePath(folder, file, level, config.code))
            != ExtractOk)
            failed.append(ResultsFileName(file, level, config.code));
    });
    return failed;
}

QStringList ExistingResultsFiles(const QString &folder, const ProductConfig &config)
{
    QStringList existing;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        if (QFileInfo::exists(ResultsFilePath(folder, file, level, config.code)))
            existing.append(ResultsFileName(file, level, config.code));
    });
    return existing;
}

bool ResultsFilesMissing(const QString &folder, const ProductConfig &config)
{
    int expected = 0;
    ForEachResultsFile(config, [&](ResultsFile, int) { ++expected; });
    return ExistingResultsFiles(folder, config).size() < expected;
}

QStringList DamagedResultsFiles(const QString &folder, const ProductConfig &config)
{
    QStringList damaged;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        QFile stored(ResultsFilePath(folder, file, level, config.code));
        if (!stored.exists())
            return;
        bool found = false;
        const QByteArray templ = ResourceBytes(ResultsTemplateResource(file, level), &found);
        if (!found)
            return;
        if (!stored.open(QIODevice::ReadOnly) || !matchesTemplate(stored.readAll(), templ, file))
            damaged.append(ResultsFileName(file, level, config.code));
    });
    return damaged;
}

bool BackUpResultsFiles(const QString &folder, const QStringList &names, QString *error)
{
    for (const QString &name : names) {
        QFile source(ProgramPath(folder, name));
        if (!source.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("Cannot read %1: %2").arg(name, source.errorString());
            return false;
        }
        WriteError failed;
        if (!WriteFileAtomically(ProgramPath(folder, name + QStringLiteral(".bak")),
                                 source.readAll(), &failed)) {
            if (error)
                *error = failed.text();
            return false;
        }
    }
    return true;
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
