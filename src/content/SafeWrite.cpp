#include "content/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Names the problem from the errno of the failed step, the state of the folder
// and the space left on its disk.
WriteError failure(const QString &path, int code, const QString &detail, qint64 needed)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    WriteError::Problem problem = WriteError::Other;
    if (target.isDir())
        problem = WriteError::InTheWay;
    else if (!folder.isDir())
        problem = WriteError::FolderMissing;
    else if (code == EACCES || code == EPERM || code == EROFS)
        problem = WriteError::NotAllowed;
    else if (code == ENOSPC || code == EDQUOT)
        problem = WriteError::DiskFull;
    else if (!folder.isWritable())
        problem = WriteError::NotAllowed;
    else if (QStorageInfo(folder.absoluteFilePath()).bytesAvailable() < needed)
        problem = WriteError::DiskFull;
    return WriteError(problem, path, detail);
}

void setError(WriteError *error, const WriteError &value)
{
    if (error)
        *error = value;
}

} // namespace

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, WriteError *error)
{
    // Unbuffered, so that a failing write is seen at the write, with its errno.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, failure(path, errno, file.errorString(), bytes.size()));
        return false;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError
        || !file.flush()) {
        const int code = file.error() == QFileDevice::ResourceError ? ENOSPC : errno;
        setError(error, failure(path, code, file.errorString(), bytes.size()));
        return false; // the temporary file is removed with `file`
    }
    // The data reach the disk before the rename: delayed allocation may only
    // find out here that there is no room.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const int code = errno;
        setError(error, failure(path, code, QString::fromLocal8Bit(strerror(code)), bytes.size()));
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        setError(error, failure(path, errno, file.errorString(), bytes.size()));
        return false;
    }
    SyncFolder(QFileInfo(path).absolutePath());
    return true;
}

void SyncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString ProgramPath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}
