#pragma once

#include "content/WriteError.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// A file's new content, written beside it to a temporary file and synced to
// the disk, waiting to replace it. Several files can be staged first and
// committed after, so that a full disk is found before any of them changes.
// A staged file that is not committed is thrown away with the object.
class StagedFile
{
public:
    explicit StagedFile(const QString &path);
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Writes, flushes and syncs the bytes; every step is checked.
    bool stage(const QByteArray &bytes, WriteError *error);
    // Renames the staged file over the target and syncs the folder.
    bool commit(WriteError *error);

private:
    QString m_path;
    QSaveFile m_file;
    qint64 m_size = 0;
};
