#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// A property that must hold for every input: a failure is a finding.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition))                                                                          \
            std::abort();                                                                          \
    } while (false)

inline QByteArray FuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Targets with several inputs take them from one, cut at the byte 0x1E.
inline QList<QByteArray> FuzzParts(const uint8_t *data, size_t size)
{
    return FuzzInput(data, size).split('\x1e');
}

// The readers work on files: the bytes go to one file of a folder made once per run.
inline QString FuzzFile(const QString &name, const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}
