#include "content/StagedFile.h"

#include "content/SafeWrite.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
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

StagedFile::StagedFile(const QString &path) : m_path(path), m_file(path) {}

bool StagedFile::stage(const QByteArray &bytes, WriteError *error)
{
    m_size = bytes.size();
    // Unbuffered, so that a failing write is seen at the write, with its errno.
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, failure(m_path, errno, m_file.errorString(), m_size));
        return false;
    }
    errno = 0;
    if (m_file.write(bytes) != bytes.size() || m_file.error() != QFileDevice::NoError ||
        !m_file.flush()) {
        const int code = m_file.error() == QFileDevice::ResourceError ? ENOSPC : errno;
        setError(error, failure(m_path, code, m_file.errorString(), m_size));
        m_file.cancelWriting();
        return false;
    }
    // The data reach the disk before any rename: delayed allocation may only
    // find out here that there is no room.
    if (::fsync(m_file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const int code = errno;
        setError(error, failure(m_path, code, QString::fromLocal8Bit(std::strerror(code)), m_size));
        m_file.cancelWriting();
        return false;
    }
    return true;
}

bool StagedFile::commit(WriteError *error)
{
    errno = 0;
    if (!m_file.commit()) {
        setError(error, failure(m_path, errno, m_file.errorString(), m_size));
        return false;
    }
    SyncFolder(QFileInfo(m_path).absolutePath());
    return true;
}
