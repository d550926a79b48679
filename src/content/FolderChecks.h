#pragma once

#include "content/WriteError.h"

#include <QLockFile>
#include <QString>
#include <QStringList>

// What start-up says and does about the folder the results are kept in,
// before the home window exists.

// Why the folder's lock could not be taken, in words for the pupil: another
// copy running is only one of the reasons.
QString LockProblem(QLockFile::LockError error, const QString &folder);

// When the results move to another folder (the program's own folder cannot be
// written), the results files found in `from` are copied to `to`, all together,
// unless `to` holds results files already: so only once. Returns the names copied.
QStringList CopyResultsOnce(const QString &from, const QString &to, WriteError *error = nullptr);

// The pupil's notice of such a copy.
QString CopyNotice(const QString &from, const QString &to);
