#include "content/WriteJournal.h"

#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/ResultsStore.h"
#include "content/SafeWrite.h"
#include "content/StagedFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <memory>

namespace {

const QByteArray kMagic = "QUORVANE JOURNAL 1\n";

bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    return plain.match(name).hasMatch() && name.size() <= 100;
}

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Reads "<text>\n" at `at`, moving past it.
bool readLine(const QByteArray &bytes, qsizetype &at, QByteArray &line)
{
    const qsizetype end = bytes.indexOf('\n', at);
    if (end < 0)
        return false;
    line = bytes.mid(at, end - at);
    at = end + 1;
    return true;
}

bool readNumber(const QByteArray &bytes, qsizetype &at, qint64 limit, qint64 &number)
{
    QByteArray line;
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]{0,8})$"));
    if (!readLine(bytes, at, line) || !digits.match(QString::fromLatin1(line)).hasMatch())
        return false;
    number = line.toLongLong();
    return number <= limit;
}

} // namespace

QByteArray JournalBytes(const QList<FileContent> &files)
{
    QByteArray body = kMagic + QByteArray::number(files.size()) + '\n';
    for (const FileContent &file : files) {
        body += file.name.toUtf8() + '\n' + QByteArray::number(file.bytes.size()) + '\n';
        body += file.bytes + '\n';
    }
    return body + digest(body) + '\n';
}

bool ParseJournal(const QByteArray &bytes, QList<FileContent> &files)
{
    files.clear();
    if (!bytes.startsWith(kMagic))
        return false;
    qsizetype at = kMagic.size();
    qint64 count = 0;
    if (!readNumber(bytes, at, 100, count))
        return false;
    QList<FileContent> read;
    for (qint64 i = 0; i < count; ++i) {
        QByteArray name;
        qint64 size = 0;
        if (!readLine(bytes, at, name) || !readNumber(bytes, at, bytes.size() - at, size))
            return false;
        const QString fileName = QString::fromUtf8(name);
        if (!isPlainName(fileName) || at + size >= bytes.size() || bytes[at + size] != '\n')
            return false;
        read.append({fileName, bytes.mid(at, size)});
        at += size + 1;
    }
    QByteArray sum;
    if (!readLine(bytes, at, sum) || at != bytes.size() ||
        sum != digest(bytes.left(at - sum.size() - 1)))
        return false;
    files = read;
    return true;
}

bool WriteTogether(const QString &folder, const QList<FileContent> &files, WriteError *error)
{
    const QString journal = ProgramPath(folder, kJournalName);
    if (!WriteFileAtomically(journal, JournalBytes(files), error))
        return false;
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const FileContent &file : files) {
        staged.push_back(std::make_unique<StagedFile>(ProgramPath(folder, file.name)));
        if (!staged.back()->stage(file.bytes, error)) {
            staged.clear();
            QFile::remove(journal);
            SyncFolder(folder);
            return false;
        }
    }
    for (const auto &file : staged) {
        if (!file->commit(error))
            return FinishJournal(folder) == JournalOutcome::Finished;
    }
    QFile::remove(journal);
    SyncFolder(folder);
    return true;
}

JournalOutcome FinishJournal(const QString &folder, WriteError *error)
{
    const QString journal = ProgramPath(folder, kJournalName);
    QFile file(journal);
    if (!file.exists())
        return JournalOutcome::None;
    QList<FileContent> files;
    if (!file.open(QIODevice::ReadOnly) || !ParseJournal(file.readAll(), files)) {
        file.close();
        QFile::remove(journal);
        SyncFolder(folder);
        return JournalOutcome::Discarded;
    }
    for (const FileContent &content : files) {
        if (!WriteFileAtomically(ProgramPath(folder, content.name), content.bytes, error))
            return JournalOutcome::Failed;
    }
    QFile::remove(journal);
    SyncFolder(folder);
    return JournalOutcome::Finished;
}

int RemoveLeftovers(const QString &folder)
{
    // A temporary file of an unfinished rename is its target's name and six
    // random letters or digits.
    static const QRegularExpression suffix(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    static const QRegularExpression working(
        QStringLiteral("^(temptext[0-9]*\\.txt|temppaper[0-9]+\\.mht)$"));
    static const QRegularExpression picture(QStringLiteral("\\.(bmp|gif|ico)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto unfinished = [](const QString &name, auto isTarget) {
        const QRegularExpressionMatch m = suffix.match(name);
        return m.hasMatch() && isTarget(name.left(m.capturedStart()));
    };
    const auto ours = [](const QString &name) {
        return IsResultsFileName(name) || name == kJournalName || working.match(name).hasMatch();
    };
    int removed = 0;
    const auto remove = [&removed](const QString &path) {
        if (QFile::remove(path))
            ++removed;
    };
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        // The working files of the last run go too; the results files stay.
        if (unfinished(name, ours) || working.match(name).hasMatch())
            remove(dir.filePath(name));
    }
    const QDir graphics(GraphicsFolder(folder));
    for (const QString &name : graphics.entryList(QDir::Files | QDir::Hidden)) {
        if (unfinished(name, [](const QString &n) { return picture.match(n).hasMatch(); }))
            remove(graphics.filePath(name));
    }
    const QDir backups(BackupsFolder(folder));
    for (const QString &name :
         backups.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (name.startsWith(QLatin1Char('.')) && QDir(backups.filePath(name)).removeRecursively())
            ++removed;
    }
    if (removed > 0)
        SyncFolder(folder);
    return removed;
}
