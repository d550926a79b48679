#pragma once

#include <QString>
#include <QStringList>

#include <yaml-cpp/yaml.h>

// One YAML source file with helpers that read typed values from it and
// refuse anything missing or malformed with the file and line at fault.
class YamlSource
{
public:
    // Parses `path`; `shownPath` is the name used in messages.
    YamlSource(const QString &path, const QString &shownPath);

    const YAML::Node &root() const { return m_root; }
    const QString &shownPath() const { return m_shownPath; }

    int line(const YAML::Node &node) const;
    [[noreturn]] void fail(const YAML::Node &node, const QString &message) const;

    // The node must be a map whose keys are all in `allowed`; `what` names it in the message.
    void allowKeys(const YAML::Node &map, const QStringList &allowed, const QString &what) const;
    void requireMap(const YAML::Node &node, const QString &what) const;
    YAML::Node requireSequence(const YAML::Node &map, const char *key) const;

    // A scalar as text; an empty or missing value is refused.
    QString scalar(const YAML::Node &node, const QString &what) const;
    QString text(const YAML::Node &map, const char *key) const;
    QString optionalText(const YAML::Node &map, const char *key) const;
    QStringList textList(const YAML::Node &map, const char *key) const;
    int integer(const YAML::Node &node, const QString &what) const;
    // The whole number under `key` of a map; a missing key is refused.
    int integer(const YAML::Node &map, const char *key) const;

private:
    QString m_shownPath;
    YAML::Node m_root;
};
