#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's whole content atomically: the bytes go to a temporary file
// that is renamed over the target only when everything was written, so a crash
// or a full disk leaves the old file whole. Returns false with a message on failure.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The program folder joined with a fixed file name.
QString ProgramPath(const QString &folder, const QString &name);
