#include "content/RecordFile.h"

#include "content/Cp1252.h"
#include "content/SafeWrite.h"

#include <QFile>

namespace {

constexpr int kShortKeySeparator = 6;
constexpr int kPageKeySeparator = 8;

// The file's lines; the end of the file ends the last line. Lines are split on
// LF with any CR before it dropped, so a file with bare LF endings reads alike.
QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = Cp1252::decode(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool holdsKey(const QString &line, const QString &key)
{
    return line.contains(QLatin1Char('#') + key + QLatin1Char('#'), Qt::CaseInsensitive);
}

QString findLine(const QString &path, const QString &key)
{
    const QStringList lines = readLines(path);
    for (const QString &line : lines) {
        if (holdsKey(line, key))
            return line;
    }
    return {};
}

int separatorCount(const QString &line)
{
    return int(line.count(QLatin1Char('>')));
}

FieldList capacityFields(const QString &line, int n, int capacity)
{
    const int count = qBound(0, n, capacity);
    FieldList fields = SplitRecordFields(line, count, kShortKeySeparator);
    fields.resize(capacity);
    return fields;
}

// Walks the wanted keys through the file once, top to bottom. A key that is not
// found exhausts the file, so no later key is found either.
template <typename Visit>
void forwardPass(const QString &path, const QStringList &keys, Visit visit)
{
    const QStringList lines = readLines(path);
    qsizetype at = 0;
    for (int k = 0; k < keys.size(); ++k) {
        while (at < lines.size() && !holdsKey(lines[at], keys[k]))
            ++at;
        if (at >= lines.size())
            return;
        visit(k + 1, lines[at]);
        ++at;
    }
}

QStringList wantedKeys(const FieldList &keys, int n)
{
    QStringList wanted;
    for (int i = 1; i <= qMax(0, n); ++i)
        wanted.append(keys[i]);
    return wanted;
}

QByteArray joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return Cp1252::encode(text);
}

bool fieldsStorable(const FieldList &fields, int n, const QString &key, const QString &path,
                    WriteError *error)
{
    for (int i = 1; i <= n; ++i) {
        if (!IsStorableField(fields[i])) {
            if (error)
                *error = WriteError(
                    WriteError::BadCharacter, path,
                    QStringLiteral("Field %1 of record %2 cannot be stored").arg(i).arg(key));
            return false;
        }
    }
    return true;
}

} // namespace

FieldList SplitRecordFields(const QString &line, int n, int firstSeparator)
{
    FieldList fields(qMax(0, n));
    if (n <= 0 || line.size() < firstSeparator)
        return fields;
    qsizetype p = firstSeparator - 1;
    for (int i = 1; i <= n; ++i) {
        const qsizetype next = i < n ? line.indexOf(QLatin1Char('>'), p + 1) : -1;
        if (next < 0) {
            fields.set(i, line.mid(p + 1));
            break;
        }
        fields.set(i, line.mid(p + 1, next - p - 1));
        p = next;
    }
    return fields;
}

QString BuildRecordLine(const QString &key, const FieldList &fields, int n)
{
    QString line = QLatin1Char('#') + key + QLatin1Char('#');
    for (int i = 1; i <= n; ++i)
        line += QLatin1Char('>') + fields[i];
    if (n <= 0)
        line += QLatin1Char('>');
    return line;
}

QString FieldRefusal(const QString &text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == QLatin1Char('>') || c == QLatin1Char('#'))
            return QStringLiteral("The character %1 cannot be used in an answer.").arg(c);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return QStringLiteral("An answer is one line: it cannot hold a line break.");
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("An answer cannot hold control characters, such as pasted "
                                  "text sometimes brings.");
        if (!Cp1252::canEncode(c)) {
            // A pair of surrogates is one character to the pupil.
            const QString shown = c.isHighSurrogate() ? text.mid(at, 2) : QString(c);
            return QStringLiteral("The character %1 cannot be stored in an answer.").arg(shown);
        }
    }
    return {};
}

bool IsStorableField(const QString &text)
{
    return FieldRefusal(text).isEmpty();
}

FieldList ReadFields10(const QString &path, const QString &key, int n)
{
    return capacityFields(findLine(path, key), n, 10);
}

FieldList ReadFields50(const QString &path, const QString &key, int n)
{
    return capacityFields(findLine(path, key), n, 50);
}

QString ReadValue(const QString &path, const QString &key)
{
    const QString line = findLine(path, key);
    return line.size() < 7 ? QString() : line.mid(6);
}

QString ReadRecordLine(const QString &path, const QString &key)
{
    return findLine(path, key);
}

FieldList ReadAllFields(const QString &path, const QString &key)
{
    const QString line = findLine(path, key);
    return SplitRecordFields(line, separatorCount(line), kShortKeySeparator);
}

FieldList ReadPaperLines(const QString &path, int n)
{
    FieldList lines(50);
    QStringList keys;
    for (int k = 1; k <= qBound(0, n, 50); ++k)
        keys.append(QString::number(100 + k));
    forwardPass(path, keys, [&](int k, const QString &line) { lines.set(k, line); });
    return lines;
}

CountList CountFieldsOfKeys(const QString &path, int n, const FieldList &keys)
{
    CountList counts(qMax(0, n));
    forwardPass(path, wantedKeys(keys, n),
                [&](int k, const QString &line) { counts.set(k, qint16(separatorCount(line))); });
    return counts;
}

FieldList ReadFieldsOfKeys(const QString &path, int n, const FieldList &keys)
{
    FieldList flat;
    forwardPass(path, wantedKeys(keys, n), [&](int, const QString &line) {
        const int c = separatorCount(line);
        const FieldList fields = SplitRecordFields(line, c, kPageKeySeparator);
        for (int i = 1; i <= c; ++i)
            flat.append(fields[i]);
    });
    return flat;
}

FieldList SplitFields50(const QString &line, int n)
{
    return capacityFields(line, n, 50);
}

FieldList SplitFields80(const QString &line, int n)
{
    return capacityFields(line, n, 80);
}

bool RecordFileBytes(FieldList &heldLines, const FieldList &fields, const QString &index,
                     const QString &key, int lineCount, int fieldCount, const QString &path,
                     QByteArray &bytes, WriteError *error)
{
    bool numeric = false;
    const int at = index.trimmed().toInt(&numeric);
    if (!numeric || at < 1) {
        if (error)
            *error = WriteError(WriteError::Other, path,
                                QStringLiteral("Invalid record position \"%1\"").arg(index));
        return false;
    }
    if (!fieldsStorable(fields, fieldCount, key, path, error))
        return false;
    heldLines.set(at, BuildRecordLine(key, fields, fieldCount));
    QStringList lines;
    for (int i = 1; i <= lineCount; ++i)
        lines.append(heldLines[i]);
    bytes = joinLines(lines);
    return true;
}

bool SaveRecordLine(FieldList &heldLines, const FieldList &fields, const QString &index,
                    const QString &key, int lineCount, int fieldCount, const QString &path,
                    WriteError *error)
{
    QByteArray bytes;
    return RecordFileBytes(heldLines, fields, index, key, lineCount, fieldCount, path, bytes,
                           error) &&
           WriteFileAtomically(path, bytes, error);
}

bool MarksFileBytes(const FieldList lists[6], const QString keys[6], int n, const QString &path,
                    QByteArray &bytes, WriteError *error)
{
    QStringList lines;
    for (int j = 0; j < 6; ++j) {
        if (!fieldsStorable(lists[j], n, keys[j], path, error))
            return false;
        lines.append(BuildRecordLine(keys[j], lists[j], n));
    }
    bytes = joinLines(lines);
    return true;
}

bool WriteMarksFile(const FieldList lists[6], const QString keys[6], int n, const QString &path,
                    WriteError *error)
{
    QByteArray bytes;
    return MarksFileBytes(lists, keys, n, path, bytes, error) &&
           WriteFileAtomically(path, bytes, error);
}
