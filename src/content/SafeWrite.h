#pragma once

#include "content/WriteError.h"

#include <QByteArray>
#include <QString>

// Replaces a file's whole content atomically: the bytes go to a temporary file
// that is written, flushed and synced to the disk, and only then renamed over
// the target, after which the folder is synced too. Every step is checked, so a
// crash or a full disk leaves the old file whole and a failure is never
// reported as success. On failure *error says why.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, WriteError *error = nullptr);

// Syncs a folder's entries (a rename in it) to the disk. Best effort: some file
// systems cannot, and a rename that happened cannot be taken back.
void SyncFolder(const QString &folder);

// The program folder joined with a fixed file name.
QString ProgramPath(const QString &folder, const QString &name);
