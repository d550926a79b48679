#include "SkinPacker.h"

#include "content/ResourceExtractor.h"

#include <QDir>
#include <QFile>

SkinPacker::SkinPacker(const QString &skinDir) : m_skinDir(skinDir) {}

QMap<int, QByteArray> SkinPacker::read()
{
    m_missing.clear();
    QMap<int, QByteArray> pictures;
    const QStringList present = QDir(m_skinDir).entryList(QDir::Files);
    for (const int number : SkinPictureNumbers()) {
        const QString name = SkinPictureName(number);
        QFile file(QDir(m_skinDir).filePath(name));
        if (!present.contains(name) || !file.open(QIODevice::ReadOnly)) {
            m_missing.append(name);
            continue;
        }
        pictures.insert(number, file.readAll());
    }
    if (!m_missing.isEmpty())
        pictures.clear();
    return pictures;
}
