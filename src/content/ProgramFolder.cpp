#include "content/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DesktopEntryName()
{
    return QStringLiteral("example.quorvane.Practice.desktop");
}

bool IsInstalledCopy(const QString &executableDir)
{
    return QFileInfo::exists(
        QDir(executableDir)
            .filePath(QStringLiteral("../share/applications/") + DesktopEntryName()));
}

QString ProgramFolderFor(const QString &executableDir, const QString &dataDir)
{
    if (!IsInstalledCopy(executableDir) && QFileInfo(executableDir).isWritable())
        return executableDir;
    return dataDir;
}

QString ResolveProgramFolder()
{
    const QString folder =
        ProgramFolderFor(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir().mkpath(folder);
    return folder;
}
