#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>

// Writes numbered resources as plain files <folder>/custom/<number> and a
// Qt resource collection <folder>/<name>.qrc that lists them as
// ":/custom/<number>". Files in custom/ whose numbers this pack owns but
// that it no longer writes are removed.
class PackOutput
{
public:
    // Returns an error message, empty on success.
    static QString write(const QString &folder, const QString &name,
                         const QMap<int, QByteArray> &resources,
                         const std::function<bool(int)> &owns);
};
