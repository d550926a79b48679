#include "BenchProcess.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>

namespace {

QByteArray readProc(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double residentMegabytes(pid_t pid)
{
    const QByteArray status = readProc(QStringLiteral("/proc/%1/status").arg(pid));
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Parent of a process: the fourth field of /proc/<pid>/stat, after the
// command name in parentheses (which may itself hold spaces).
pid_t parentOf(const QByteArray &stat)
{
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    return fields.size() > 1 ? pid_t(fields[1].toLong()) : 0;
}

} // namespace

double TreeResidentMegabytes(pid_t pid)
{
    QHash<pid_t, pid_t> parents;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool number = false;
        const pid_t p = pid_t(entry.toLong(&number));
        if (number)
            parents.insert(p, parentOf(readProc(QStringLiteral("/proc/%1/stat").arg(p))));
    }
    double total = 0;
    for (auto it = parents.constBegin(); it != parents.constEnd(); ++it) {
        pid_t p = it.key();
        while (p > 1 && p != pid)
            p = parents.value(p, 0);
        if (p == pid)
            total += residentMegabytes(it.key());
    }
    return total;
}

qint64 ProcessCpuNanoseconds(pid_t pid)
{
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    const QStringList threads = QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (threads.isEmpty())
        return -1;
    qint64 total = 0;
    for (const QString &thread : threads) {
        const QByteArray schedstat =
            readProc(tasks + QLatin1Char('/') + thread + QStringLiteral("/schedstat"));
        total += schedstat.split(' ').first().toLongLong();
    }
    return total;
}

double Median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
