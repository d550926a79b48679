#pragma once

#include "content/WriteError.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Groups of whole-file writes that happen all together or not at all, such as
// the results, marks and trend of one marking. Before the group, its new
// contents go to a journal beside the files; every file is then staged, so a
// full disk stops the group before anything changed; then all are renamed into
// place and the journal is removed. After a crash, start-up finishes a whole
// journal and throws away a torn one, so the files are either all old or all new.

struct FileContent
{
    QString name; // a plain file name in the group's folder
    QByteArray bytes;
};

inline const QString kJournalName = QStringLiteral("results.journal");

// Writes the files of one folder as one group. False with *error when nothing
// changed, or, should a rename fail midway, when start-up will finish the group.
bool WriteTogether(const QString &folder, const QList<FileContent> &files,
                   WriteError *error = nullptr);

// The journal's bytes for a group, and the group read back from them: false
// for bytes that are not one whole journal (torn, damaged, a name that leaves
// the folder).
QByteArray JournalBytes(const QList<FileContent> &files);
bool ParseJournal(const QByteArray &bytes, QList<FileContent> &files);

// What start-up found of an interrupted group.
enum class JournalOutcome
{
    None,      // no journal: the last group finished
    Finished,  // a whole journal, written out now
    Discarded, // a torn journal, thrown away: its group had not begun
    Failed,    // a whole journal that could not be written out (*error says why)
};
JournalOutcome FinishJournal(const QString &folder, WriteError *error = nullptr);

// Removes what interrupted writes left in the folder, its Graphics folder and
// its backups: the temporary files of unfinished renames, working files of
// the last run, unfinished backup sets. Returns how many were removed.
int RemoveLeftovers(const QString &folder);
