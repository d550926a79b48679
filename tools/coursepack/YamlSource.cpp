#include "YamlSource.h"

#include "SourceError.h"

#include <QFile>

YamlSource::YamlSource(const QString &path, const QString &shownPath) : m_shownPath(shownPath)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(shownPath, 1,
                          QStringLiteral("cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    try {
        m_root = YAML::Load(bytes.toStdString());
    } catch (const YAML::Exception &e) {
        throw SourceError(shownPath, e.mark.line + 1,
                          QStringLiteral("not valid YAML: %1").arg(QString::fromStdString(e.msg)));
    }
    if (!m_root.IsMap())
        throw SourceError(shownPath, 1, QStringLiteral("must be a YAML mapping"));
}

int YamlSource::line(const YAML::Node &node) const
{
    const int l = node.Mark().line;
    return l >= 0 ? l + 1 : 1;
}

void YamlSource::fail(const YAML::Node &node, const QString &message) const
{
    throw SourceError(m_shownPath, line(node), message);
}

void YamlSource::requireMap(const YAML::Node &node, const QString &what) const
{
    if (!node.IsMap())
        fail(node, QStringLiteral("%1 must be a mapping of keys and values").arg(what));
}

void YamlSource::allowKeys(const YAML::Node &map, const QStringList &allowed,
                           const QString &what) const
{
    requireMap(map, what);
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QString key = QString::fromStdString(it->first.Scalar());
        if (!allowed.contains(key))
            fail(it->first, QStringLiteral("key \"%1\" does not belong to %2 (allowed: %3)")
                                .arg(key, what, allowed.join(QStringLiteral(", "))));
    }
}

YAML::Node YamlSource::requireSequence(const YAML::Node &map, const char *key) const
{
    const YAML::Node node = map[key];
    if (!node)
        fail(map, QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
    if (!node.IsSequence())
        fail(node, QStringLiteral("\"%1\" must be a list").arg(QLatin1String(key)));
    return node;
}

QString YamlSource::scalar(const YAML::Node &node, const QString &what) const
{
    if (!node.IsScalar())
        fail(node, QStringLiteral("%1 must be a single value").arg(what));
    const QString value = QString::fromStdString(node.Scalar());
    if (value.trimmed().isEmpty())
        fail(node, QStringLiteral("%1 is empty").arg(what));
    return value;
}

QString YamlSource::text(const YAML::Node &map, const char *key) const
{
    const YAML::Node node = map[key];
    if (!node || node.IsNull())
        fail(map, QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
    return scalar(node, QStringLiteral("\"%1\"").arg(QLatin1String(key)));
}

QString YamlSource::optionalText(const YAML::Node &map, const char *key) const
{
    const YAML::Node node = map[key];
    if (!node || node.IsNull())
        return {};
    return scalar(node, QStringLiteral("\"%1\"").arg(QLatin1String(key)));
}

QStringList YamlSource::textList(const YAML::Node &map, const char *key) const
{
    const YAML::Node list = requireSequence(map, key);
    QStringList values;
    for (const YAML::Node &item : list)
        values.append(scalar(item, QStringLiteral("an entry of \"%1\"").arg(QLatin1String(key))));
    return values;
}

int YamlSource::integer(const YAML::Node &node, const QString &what) const
{
    bool ok = false;
    const int value = scalar(node, what).trimmed().toInt(&ok);
    if (!ok)
        fail(node, QStringLiteral("%1 must be a whole number").arg(what));
    return value;
}

int YamlSource::integer(const YAML::Node &map, const char *key) const
{
    const YAML::Node node = map[key];
    if (!node || node.IsNull())
        fail(map, QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
    return integer(node, QStringLiteral("\"%1\"").arg(QLatin1String(key)));
}
