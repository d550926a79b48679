#include "content/ResultsBackup.h"

#include "content/ResultsStore.h"
#include "content/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

// The sets, oldest first: their names start with the date, so they sort by it.
QStringList backupSets(const QDir &backups)
{
    static const QRegularExpression setName(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}(_\\d+)?$"));
    QStringList sets;
    const QStringList names = backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        if (setName.match(name).hasMatch())
            sets.append(name);
    }
    // "_2" after a plain stamp of the same second: compare as numbers would.
    std::sort(sets.begin(), sets.end(), [](const QString &a, const QString &b) {
        const QString stampA = a.left(19), stampB = b.left(19);
        if (stampA != stampB)
            return stampA < stampB;
        return a.mid(20).toInt() < b.mid(20).toInt();
    });
    return sets;
}

// A name for a new set that no set has yet.
QString newSetName(const QDir &backups, const QDateTime &when)
{
    const QString stamp = when.toString(kStampFormat);
    QString name = stamp;
    for (int n = 2; backups.exists(name); ++n)
        name = stamp + QStringLiteral("_%1").arg(n);
    return name;
}

} // namespace

QString BackupsFolder(const QString &folder)
{
    return ProgramPath(folder, QStringLiteral("backups"));
}

QString BackUpResultsFiles(const QString &folder, const ProductConfig &config,
                           const QDateTime &when, WriteError *error)
{
    QStringList present;
    ForEachResultsFile(config, [&](ResultsFile file, int level) {
        if (QFileInfo(ResultsFilePath(folder, file, level, config.code)).isFile())
            present.append(ResultsFileName(file, level, config.code));
    });
    if (present.isEmpty())
        return {};

    // The set is filled under a hidden name and then renamed, so that a set
    // under its date is always whole; start-up removes an unfinished one.
    QDir backups(BackupsFolder(folder));
    const QString name = newSetName(backups, when);
    const QString set = backups.filePath(name);
    const QString filling = backups.filePath(QLatin1Char('.') + name);
    const auto fail = [&](const WriteError &why) {
        if (error)
            *error = why;
        QDir(filling).removeRecursively();
        return QString();
    };
    if (!QDir().mkpath(filling))
        return fail(
            WriteError(QFileInfo(folder).isWritable() ? WriteError::Other : WriteError::NotAllowed,
                       filling, QStringLiteral("The folder could not be made")));
    for (const QString &file : present) {
        QFile source(ProgramPath(folder, file));
        if (!source.open(QIODevice::ReadOnly))
            return fail(WriteError(WriteError::Other, source.fileName(), source.errorString()));
        WriteError failed;
        if (!WriteFileAtomically(QDir(filling).filePath(file), source.readAll(), &failed))
            return fail(failed);
    }
    if (!QDir().rename(filling, set))
        return fail(
            WriteError(WriteError::Other, set, QStringLiteral("The folder could not be renamed")));
    SyncFolder(backups.path());

    const QStringList sets = backupSets(backups);
    for (qsizetype i = 0; i + kBackupsKept < sets.size(); ++i)
        QDir(backups.filePath(sets[i])).removeRecursively();
    return set;
}

bool EraseAllResults(const QString &folder, const ProductConfig &config, const QDateTime &when,
                     WriteError *error)
{
    WriteError failed;
    BackUpResultsFiles(folder, config, when, &failed);
    if (!failed.isSet() && CreateResultsFiles(folder, config, &failed).isEmpty())
        return true;
    if (error)
        *error = failed;
    return false;
}
