#pragma once

#include "content/ResultsStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Start-up's care of the results files: a missing file is made again from its
// template, a damaged one is repaired with everything that still reads kept,
// and the other files are not touched. A dated copy of the files goes to the
// backups before any repair. Erasing on the erase page is the only reset.

// True when `bytes` read as a sound results file of the template's shape: the
// template's records in its order, each with its number of fields, every value
// of its record's form, and in the marks file every state agreeing with its score.
bool IsSoundResultsFile(ResultsFile file, const QByteArray &bytes, const QByteArray &templ);

// The repaired content of a results file: every record and field of `bytes`
// that still reads is kept (characters the files cannot hold are dropped from
// it), everything else comes from the template, and a state that disagrees with
// its score follows the score. Written in the form the program writes.
QByteArray RepairedResultsFile(ResultsFile file, const QByteArray &bytes, const QByteArray &templ);

// What start-up found and did.
struct ResultsRepairReport
{
    QStringList made;     // missing files made again, in the pupil's words
    QStringList repaired; // damaged files repaired, likewise
    QString backup;       // the folder of the copies made first
    QString problem;      // why start-up cannot go on; empty when it can

    // One sentence for the pupil saying what was repaired; empty when nothing was.
    QString notice() const;
};

// Checks the results files of every existing level and repairs what needs it.
// A file that cannot be read, or something else in a file's place, stops
// start-up with nothing changed. Missing files of a fresh folder (every file
// present still equal to its template) are made without a copy or a notice.
ResultsRepairReport RepairResultsFiles(const QString &folder, const ProductConfig &config,
                                       const QDateTime &now);

// All that start-up does for the results files, in order: what interrupted
// writes left is removed, an interrupted group of writes (a marking, an erase)
// is finished or thrown away, then RepairResultsFiles.
ResultsRepairReport RecoverResultsFiles(const QString &folder, const ProductConfig &config,
                                        const QDateTime &now);
