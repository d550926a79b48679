#include "TableField.h"

#include "content/Cp1252.h"

void TableField::check(const YamlSource &source, const YAML::Node &node, const QString &value,
                       const QString &what)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('>') || c == QLatin1Char('#'))
            source.fail(node, QStringLiteral("%1 \"%2\" contains \"%3\", which the record tables "
                                             "cannot hold")
                                  .arg(what, value, c));
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            source.fail(node, QStringLiteral("%1 \"%2\" contains a line break, which the record "
                                             "tables cannot hold")
                                  .arg(what, value.simplified()));
        if (!Cp1252::canEncode(c))
            source.fail(node, QStringLiteral("%1 \"%2\" contains \"%3\" (U+%4), which is not a "
                                             "Windows-1252 character")
                                  .arg(what, value, c)
                                  .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
}
