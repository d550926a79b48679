#pragma once

#include "YamlSource.h"

#include <QString>

// Values that end up as fields of the record tables must keep the record
// structure intact and fit the tables' single-byte code page.
class TableField
{
public:
    // Refuses a value holding ">", "#", a line break or a character outside Windows-1252.
    static void check(const YamlSource &source, const YAML::Node &node, const QString &value,
                      const QString &what);
};
