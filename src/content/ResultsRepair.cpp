#include "content/ResultsRepair.h"

#include "content/AnswerCheck.h"
#include "content/Cp1252.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/SafeWrite.h"
#include "content/ValueText.h"
#include "content/WriteJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct Record
{
    QString key;
    QStringList fields;
};

struct Parsed
{
    QList<Record> records; // the template's records, with what still reads
    QStringList trend;     // the trend's values
    bool damaged = false;
};

const QString kTrendTag = QStringLiteral("#TRD#");

// The lines of a text split at CR LF, LF or a lone CR; a lone CR is noted,
// since the record readers do not take it for a line end.
QStringList textLines(const QString &text, bool *loneCr)
{
    static const QRegularExpression ends(QStringLiteral("\r\n|\n|\r"));
    static const QRegularExpression lone(QStringLiteral("\r(?!\n)"));
    *loneCr = text.contains(lone);
    QStringList lines = text.split(ends);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<Record> templateRecords(const QByteArray &templ)
{
    static const QRegularExpression recordLine(QStringLiteral("^#([0-9A-Za-z]{3})#(>.*)?$"));
    bool loneCr = false;
    QList<Record> records;
    for (const QString &line : textLines(Cp1252::decode(templ), &loneCr)) {
        const QRegularExpressionMatch m = recordLine.match(line);
        if (!m.hasMatch())
            continue;
        QStringList fields = m.captured(2).split(QLatin1Char('>'));
        fields.removeFirst();
        records.append({m.captured(1).toUpper(), fields});
    }
    return records;
}

// The characters of a value that the files can hold.
QString storablePart(const QString &value)
{
    QString kept;
    for (const QChar c : value) {
        if (IsStorableField(QString(c)))
            kept.append(c);
    }
    return kept;
}

bool isElapsedText(const QString &value)
{
    static const QRegularExpression elapsed(QStringLiteral("^\\d{1,9}:\\d{1,2}:\\d{1,2}$"));
    return elapsed.match(value).hasMatch();
}

// A stored value as it can be kept: itself when it has its record's form, what
// of it can be stored for free text, otherwise the template's value.
QString keptValue(ResultsFile file, const QString &key, const QString &value,
                  const QString &fallback)
{
    switch (file) {
    case ResultsFile::FirstAnswers:
    case ResultsFile::SecondAnswers:
        return storablePart(value);
    case ResultsFile::FirstResults:
    case ResultsFile::SecondResults:
        return value.isEmpty() || value == kTick || value == kCross ? value : fallback;
    case ResultsFile::Marks:
        break;
    case ResultsFile::Trend:
        return fallback;
    }
    if (key == QLatin1String("FSE") || key == QLatin1String("SSE"))
        return value.isEmpty() || IsNumericText(value) ? value : fallback;
    if (key == QLatin1String("FST") || key == QLatin1String("SST"))
        return value == QLatin1String("0") || value == QLatin1String("1") ? value : fallback;
    if (key == QLatin1String("LTM"))
        return value.isEmpty() || isElapsedText(value) ? value : fallback;
    return storablePart(value);
}

QStringList *fieldsOf(QList<Record> &records, const char *key)
{
    for (Record &r : records) {
        if (r.key == QLatin1String(key))
            return &r.fields;
    }
    return nullptr;
}

// A paper's state follows its score: marked exactly when it has one.
void agreeStates(QList<Record> &records, const char *scoreKey, const char *stateKey, bool *damaged)
{
    const QStringList *scores = fieldsOf(records, scoreKey);
    QStringList *states = fieldsOf(records, stateKey);
    if (!scores || !states)
        return;
    for (qsizetype i = 0; i < states->size() && i < scores->size(); ++i) {
        const QString want = (*scores)[i].isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
        if ((*states)[i] != want) {
            (*states)[i] = want;
            *damaged = true;
        }
    }
}

Parsed parseRecords(ResultsFile file, const QString &text, const QByteArray &templ)
{
    static const QRegularExpression recordLine(QStringLiteral("^#([0-9A-Za-z]{3})#(>.*)?$"));
    Parsed p;
    bool loneCr = false;
    const QStringList lines = textLines(text, &loneCr);
    p.damaged = loneCr;

    const QList<Record> expected = templateRecords(templ);
    QStringList seenKeys;
    for (const QString &line : lines) {
        if (line.isEmpty() || line == QLatin1String("..."))
            continue;
        const QRegularExpressionMatch m = recordLine.match(line);
        if (m.hasMatch())
            seenKeys.append(m.captured(1).toUpper());
        else
            p.damaged = true;
    }
    QStringList expectedKeys;
    for (const Record &r : expected)
        expectedKeys.append(r.key);
    if (seenKeys != expectedKeys)
        p.damaged = true;

    for (const Record &t : expected) {
        Record kept = t;
        const QString tag = QLatin1Char('#') + t.key + QLatin1Char('#');
        QString rest;
        bool found = false;
        for (const QString &line : lines) {
            const qsizetype at = line.indexOf(tag, 0, Qt::CaseInsensitive);
            if (at >= 0) {
                rest = line.mid(at + tag.size());
                found = true;
                break;
            }
        }
        QStringList fields;
        if (rest.startsWith(QLatin1Char('>')))
            fields = rest.mid(1).split(QLatin1Char('>'));
        else if (!rest.isEmpty())
            p.damaged = true;
        if (!found || fields.size() != t.fields.size())
            p.damaged = true;
        for (qsizetype i = 0; i < t.fields.size() && i < fields.size(); ++i) {
            kept.fields[i] = keptValue(file, t.key, fields[i], t.fields[i]);
            if (kept.fields[i] != fields[i])
                p.damaged = true;
        }
        p.records.append(kept);
    }
    if (file == ResultsFile::Marks) {
        agreeStates(p.records, "FSE", "FST", &p.damaged);
        agreeStates(p.records, "SSE", "SST", &p.damaged);
    }
    return p;
}

Parsed parseTrend(const QString &text)
{
    static const QRegularExpression sound(QStringLiteral("^#TRD#(>[^>\\r\\n]+){0,50}(\\r?\\n)?$"));
    Parsed p;
    p.damaged = !sound.match(text).hasMatch();
    const qsizetype at = text.indexOf(kTrendTag, 0, Qt::CaseInsensitive);
    if (at < 0)
        return p;
    QString rest = text.mid(at + kTrendTag.size());
    static const QRegularExpression lineEnd(QStringLiteral("[\\r\\n]"));
    const qsizetype end = rest.indexOf(lineEnd);
    if (end >= 0)
        rest.truncate(end);
    if (!rest.startsWith(QLatin1Char('>')))
        return p;
    for (const QString &value : rest.mid(1).split(QLatin1Char('>'))) {
        if (IsNumericText(value) && p.trend.size() < 50)
            p.trend.append(value);
        else
            p.damaged = true;
    }
    return p;
}

Parsed parse(ResultsFile file, const QByteArray &bytes, const QByteArray &templ)
{
    const QString text = Cp1252::decode(bytes);
    return file == ResultsFile::Trend ? parseTrend(text) : parseRecords(file, text, templ);
}

// Where start-up cannot go on, the pupil is told why and what an adult can do.
QString startAgain(const WriteError &error)
{
    return error.remedy(QStringLiteral("start Quorvane again"));
}

QString capitalised(const QString &text)
{
    return text.left(1).toUpper() + text.mid(1);
}

QString filesWords(const QStringList &what)
{
    QString list = what.value(0);
    for (qsizetype i = 1; i < what.size(); ++i)
        list += (i + 1 == what.size() ? QStringLiteral(" and ") : QStringLiteral(", ")) + what[i];
    return (what.size() == 1 ? QStringLiteral("file of ") : QStringLiteral("files of ")) + list;
}

QString pupilWords(ResultsFile file)
{
    switch (file) {
    case ResultsFile::Marks:
        return QStringLiteral("your scores");
    case ResultsFile::FirstAnswers:
        return QStringLiteral("your first answers");
    case ResultsFile::SecondAnswers:
        return QStringLiteral("your second answers");
    case ResultsFile::FirstResults:
        return QStringLiteral("the ticks and crosses of your first answers");
    case ResultsFile::SecondResults:
        return QStringLiteral("the ticks and crosses of your second answers");
    case ResultsFile::Trend:
        return QStringLiteral("the trend of your scores");
    }
    return {};
}

int levelCount(const ProductConfig &config)
{
    int count = 0;
    for (int level = 1; level <= ProductConfig::kLevels; ++level)
        count += config.levelExists(level) ? 1 : 0;
    return count;
}

} // namespace

bool IsSoundResultsFile(ResultsFile file, const QByteArray &bytes, const QByteArray &templ)
{
    return !parse(file, bytes, templ).damaged;
}

QByteArray RepairedResultsFile(ResultsFile file, const QByteArray &bytes, const QByteArray &templ)
{
    const Parsed p = parse(file, bytes, templ);
    QString text;
    if (file == ResultsFile::Trend) {
        text = kTrendTag;
        for (const QString &value : p.trend)
            text += QLatin1Char('>') + value;
        text += QStringLiteral("\r\n");
    } else {
        for (const Record &r : p.records) {
            const FieldList fields = FieldList::fromList(r.fields);
            text += BuildRecordLine(r.key, fields, fields.size()) + QStringLiteral("\r\n");
        }
    }
    return Cp1252::encode(text);
}

QString ResultsRepairReport::notice() const
{
    QStringList parts;
    if (!repaired.isEmpty())
        parts.append(QStringLiteral("repaired the damaged ") + filesWords(repaired) +
                     QStringLiteral(", keeping everything that could still be read"));
    if (!made.isEmpty())
        parts.append(QStringLiteral("made the missing ") + filesWords(made) +
                     QStringLiteral(" again"));
    if (parts.isEmpty())
        return {};
    return QStringLiteral("Quorvane %1; a copy of the files as they were is in %2.")
        .arg(parts.join(QStringLiteral(", and ")), QDir::toNativeSeparators(backup));
}

ResultsRepairReport RepairResultsFiles(const QString &folder, const ProductConfig &config,
                                       const QDateTime &now)
{
    ResultsRepairReport report;
    const QString shownFolder = QDir::toNativeSeparators(folder);
    const QFileInfo place(folder);
    if (!place.isDir() || !place.isReadable() || !place.isExecutable()) {
        report.problem = QStringLiteral("Quorvane may not look into the folder %1, where it "
                                        "keeps your results. Ask an adult to give you access "
                                        "to it, then start Quorvane again.")
                             .arg(shownFolder);
        return report;
    }

    struct Fix
    {
        ResultsFile file;
        int level;
        QString path;
        QByteArray bytes; // the repaired or template content
    };
    QList<Fix> missing, damaged;
    bool fresh = true;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        if (!report.problem.isEmpty())
            return;
        bool found = false;
        const QByteArray templ = ResourceBytes(ResultsTemplateResource(file, level), &found);
        if (!found)
            return;
        const QString path = ResultsFilePath(folder, file, level, config.code);
        const QString name = ResultsFileName(file, level, config.code);
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            missing.append({file, level, path, templ});
            return;
        }
        if (!info.isFile()) {
            report.problem = QStringLiteral("Something that is not a results file stands "
                                            "where the file %1 should be, in %2. Ask an adult "
                                            "to move it away, then start Quorvane again.")
                                 .arg(name, shownFolder);
            return;
        }
        QFile stored(path);
        if (!stored.open(QIODevice::ReadOnly)) {
            report.problem = QStringLiteral("Quorvane may not read its results file %1 in %2. "
                                            "Ask an adult to give you access to it, then start "
                                            "Quorvane again.")
                                 .arg(name, shownFolder);
            return;
        }
        const QByteArray bytes = stored.readAll();
        fresh = fresh && bytes == templ;
        if (!IsSoundResultsFile(file, bytes, templ))
            damaged.append({file, level, path, RepairedResultsFile(file, bytes, templ)});
    });
    if (!report.problem.isEmpty() || (missing.isEmpty() && damaged.isEmpty()))
        return report;

    WriteError error;
    if (!fresh) {
        report.backup = BackUpResultsFiles(folder, config, now, &error);
        if (error.isSet()) {
            report.problem = QStringLiteral("Some results files need repair, but a copy of them "
                                            "could not be made first because %1. Nothing was "
                                            "changed; %2.")
                                 .arg(error.reason(), startAgain(error));
            return report;
        }
    }
    const bool named = levelCount(config) > 1;
    const auto words = [&](const Fix &fix) {
        const QString what = pupilWords(fix.file);
        return named ? what + QStringLiteral(" in ") + config.heading(fix.level) : what;
    };
    for (const QList<Fix> *group : {&damaged, &missing}) {
        for (const Fix &fix : *group) {
            if (!WriteFileAtomically(fix.path, fix.bytes, &error)) {
                report.problem =
                    fresh ? QStringLiteral("Your results files could not be made in %1 "
                                           "because %2; %3.")
                                .arg(shownFolder, error.reason(), startAgain(error))
                          : QStringLiteral("Your results files could not be repaired because "
                                           "%1; a copy of them as they were is in %2. %3.")
                                .arg(error.reason(), QDir::toNativeSeparators(report.backup),
                                     capitalised(startAgain(error)));
                return report;
            }
            if (!fresh)
                (group == &damaged ? report.repaired : report.made).append(words(fix));
        }
    }
    return report;
}

ResultsRepairReport RecoverResultsFiles(const QString &folder, const ProductConfig &config,
                                        const QDateTime &now)
{
    RemoveLeftovers(folder);
    WriteError error;
    if (FinishJournal(folder, &error) == JournalOutcome::Failed) {
        ResultsRepairReport report;
        report.problem = QStringLiteral("Quorvane could not finish the last change to your results "
                                        "(a marking or an erase) because %1. Nothing is lost; %2.")
                             .arg(error.reason(), startAgain(error));
        return report;
    }
    return RepairResultsFiles(folder, config, now);
}
