#include "content/SafeWrite.h"

#include "content/StagedFile.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, WriteError *error)
{
    StagedFile file(path);
    return file.stage(bytes, error) && file.commit(error);
}

void SyncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString ProgramPath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}
