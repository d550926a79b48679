#pragma once

#include <QString>

// Why a file could not be written, kept so that the pupil can be told in plain
// words what happened and what to do, and a developer the system's own words.
class WriteError
{
public:
    enum Problem
    {
        None,
        DiskFull,      // no space (or no quota) left
        NotAllowed,    // the folder or the file may not be changed by this user
        InTheWay,      // a folder stands where the file should be
        FolderMissing, // the folder the file belongs in is gone
        BadCharacter,  // a value holds a character the files cannot hold
        Other,
    };

    WriteError() = default;
    WriteError(Problem problem, const QString &path, const QString &detail);

    bool isSet() const { return m_problem != None; }
    Problem problem() const { return m_problem; }
    // The file's full path and the system's words ("No space left on device").
    const QString &path() const { return m_path; }
    const QString &detail() const { return m_detail; }

    // One line for a developer: "Cannot write /x/marks2EN.txt: No space left on device".
    QString text() const;
    // What went wrong, to follow "because": "the disk is full".
    QString reason() const;
    // What the pupil can do, ending with `retry` ("press Save again"):
    // "free some space and press Save again".
    QString remedy(const QString &retry) const;
    // "<what> could not be <verb> because <reason>. Your answers are still here;
    // <remedy>." `what` starts the sentence ("The paper"), `button` is the one
    // to press again ("Save").
    QString pupilMessage(const QString &what, const QString &verb, const QString &button) const;

private:
    Problem m_problem = None;
    QString m_path;
    QString m_detail;
};
