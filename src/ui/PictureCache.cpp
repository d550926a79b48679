#include "ui/PictureCache.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

QString findCaseless(const QString &folder, const QString &name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return {};
}

} // namespace

QPixmap SkinPicture(const QString &programFolder, const QString &name)
{
    static QHash<QString, QPixmap> cache;
    const QString folder = QDir(programFolder).filePath(QStringLiteral("Graphics"));
    const QString key = folder + QLatin1Char('/') + name.toLower();
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    const QString path = findCaseless(folder, name);
    if (path.isEmpty())
        return {};
    QPixmap picture(path);
    if (!picture.isNull())
        cache.insert(key, picture);
    return picture;
}
