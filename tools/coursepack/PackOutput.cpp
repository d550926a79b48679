#include "PackOutput.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

bool writeIfChanged(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QString PackOutput::write(const QString &folder, const QString &name,
                          const QMap<int, QByteArray> &resources,
                          const std::function<bool(int)> &owns)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("custom")))
        return QStringLiteral("cannot create %1/custom").arg(folder);

    const QStringList present = QDir(dir.filePath(QStringLiteral("custom"))).entryList(QDir::Files);
    for (const QString &file : present) {
        bool isNumber = false;
        const int number = file.toInt(&isNumber);
        if (isNumber && owns(number) && !resources.contains(number))
            QFile::remove(dir.filePath(QStringLiteral("custom/") + file));
    }

    QString error;
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/custom\">\n";
    for (auto it = resources.cbegin(); it != resources.cend(); ++it) {
        const QString file = QStringLiteral("custom/%1").arg(it.key());
        if (!writeIfChanged(dir.filePath(file), it.value(), &error))
            return error;
        qrc += QStringLiteral("  <file alias=\"%1\">%2</file>\n").arg(it.key()).arg(file).toUtf8();
    }
    qrc += "</qresource>\n</RCC>\n";

    // The collection is always rewritten so that the resource compiler runs
    // again after any change of the resources it lists.
    QSaveFile file(dir.filePath(name + QStringLiteral(".qrc")));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc) != qrc.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    return {};
}
