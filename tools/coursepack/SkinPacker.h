#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Collects the skin pictures of assets/skin/ under their resource numbers.
class SkinPacker
{
public:
    explicit SkinPacker(const QString &skinDir);

    // The pictures by number; empty when any is missing (see missing()).
    QMap<int, QByteArray> read();

    // Names of the pictures not found by read(), file names matched exactly.
    const QStringList &missing() const { return m_missing; }

private:
    QString m_skinDir;
    QStringList m_missing;
};
