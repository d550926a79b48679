#include "content/WriteError.h"

#include <QDir>
#include <QFileInfo>

WriteError::WriteError(Problem problem, const QString &path, const QString &detail)
    : m_problem(problem), m_path(path), m_detail(detail)
{
}

QString WriteError::text() const
{
    return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(m_path), m_detail);
}

QString WriteError::reason() const
{
    const QFileInfo file(m_path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    switch (m_problem) {
    case None:
        return {};
    case DiskFull:
        return QStringLiteral("the disk is full");
    case NotAllowed:
        return QStringLiteral("this computer does not let Quorvane change the files in %1")
            .arg(folder);
    case InTheWay:
        return QStringLiteral("a folder named %1 stands where the file should be")
            .arg(file.fileName());
    case FolderMissing:
        return QStringLiteral("the folder %1 is gone").arg(folder);
    case BadCharacter:
        return QStringLiteral("an answer holds a character that cannot be stored");
    case Other:
        break;
    }
    return QStringLiteral("the computer reported \"%1\"").arg(m_detail);
}

QString WriteError::remedy(const QString &retry) const
{
    switch (m_problem) {
    case DiskFull:
        return QStringLiteral("free some space and ") + retry;
    case NotAllowed:
    case InTheWay:
    case FolderMissing:
        return QStringLiteral("ask an adult to put this right, then ") + retry;
    case BadCharacter:
        return QStringLiteral("change that answer and ") + retry;
    case None:
    case Other:
        break;
    }
    return retry + QStringLiteral(", and ask an adult for help if this keeps happening");
}

QString WriteError::pupilMessage(const QString &what, const QString &verb,
                                 const QString &button) const
{
    return QStringLiteral("%1 could not be %2 because %3. Your answers are still here; %4.")
        .arg(what, verb, reason(), remedy(QStringLiteral("press %1 again").arg(button)));
}
