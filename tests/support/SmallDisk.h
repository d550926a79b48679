#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

// A small tmpfs mounted on a temporary folder while the object lives, to make
// a full disk (or a read-only one) for real. Only root may mount it; elsewhere
// isMounted() is false and whyNot() says why.
class SmallDisk
{
public:
    explicit SmallDisk(const char *size = "256k")
    {
        if (::geteuid() != 0) {
            m_whyNot = QStringLiteral("mounting a small tmpfs needs root");
            return;
        }
        const QByteArray options = QByteArray("size=") + size + ",nr_inodes=256,mode=0777";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData())
            != 0) {
            m_whyNot = QStringLiteral("tmpfs could not be mounted: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString whyNot() const { return m_whyNot; }
    QString path() const { return m_dir.path(); }

    // Fills every byte left with a filler file.
    void fill()
    {
        QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
    }
    void freeFiller() { QFile::remove(QDir(path()).filePath(QStringLiteral("filler"))); }

    // Makes the disk read-only, or writable again.
    bool setReadOnly(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
        return ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", flags, nullptr)
               == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_whyNot;
};
