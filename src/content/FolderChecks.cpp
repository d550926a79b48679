#include "content/FolderChecks.h"

#include "content/ResultsStore.h"
#include "content/WriteJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QStringList resultsFilesIn(const QString &folder)
{
    QStringList names;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        if (IsResultsFileName(name))
            names.append(name);
    }
    return names;
}

} // namespace

QString LockProblem(QLockFile::LockError error, const QString &folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (error == QLockFile::LockFailedError)
        return QStringLiteral("Quorvane is already running from %1. Please use the window that "
                              "is already open.")
            .arg(shown);
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("Quorvane has no folder to keep your results in: %1 could not be "
                              "made. Ask an adult to let you write in your home folder, then "
                              "start Quorvane again.")
            .arg(shown);
    return QStringLiteral("Quorvane cannot keep your results in %1, because you may not write "
                          "there. Ask an adult to give you access to it, then start Quorvane "
                          "again.")
        .arg(shown);
}

QStringList CopyResultsOnce(const QString &from, const QString &to, WriteError *error)
{
    if (QDir(from) == QDir(to) || !resultsFilesIn(to).isEmpty())
        return {};
    QList<FileContent> files;
    QStringList names;
    for (const QString &name : resultsFilesIn(from)) {
        QFile file(QDir(from).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        files.append({name, file.readAll()});
        names.append(name);
    }
    if (files.isEmpty() || !WriteTogether(to, files, error))
        return {};
    return names;
}

QString CopyNotice(const QString &from, const QString &to)
{
    return QStringLiteral("Your results were kept in %1, which you may not change, so Quorvane "
                          "has copied them to %2 and keeps them there from now on.")
        .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to));
}
