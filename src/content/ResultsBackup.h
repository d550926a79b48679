#pragma once

#include "content/ProductConfig.h"
#include "content/WriteError.h"

#include <QDateTime>
#include <QString>

// Dated copies of the results files, each set in its own folder under
// "backups" beside the files ("backups/2025-03-14_16-05-09"). A set is never
// written over; only the ten newest sets are kept.

inline constexpr int kBackupsKept = 10;

// "<folder>/backups".
QString BackupsFolder(const QString &folder);

// Copies every results file of the existing levels that is present into a new
// set named after `when`. Returns the set's folder, or an empty text when there
// was nothing to copy or the copy failed (*error then says why, and the
// unfinished set is removed). Older sets beyond the ten newest are removed.
QString BackUpResultsFiles(const QString &folder, const ProductConfig &config,
                           const QDateTime &when, WriteError *error = nullptr);

// The erase page's reset: a copy of the results goes to the backups, should the
// erase be a mistake, then every results file is written from its template,
// all together. False with *error when nothing was erased.
bool EraseAllResults(const QString &folder, const ProductConfig &config, const QDateTime &when,
                     WriteError *error = nullptr);
