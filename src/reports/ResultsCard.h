#pragma once

#include "content/LevelData.h"

#include <QList>
#include <QString>
#include <QStringList>

// The printed results card as lines of items in 14-column print zones: a title,
// then per topic a heading block and one line per paper. The rules above and
// below the column headings run from zone 2 to the end of zone 8, the columns
// they rule.
struct ResultsCard
{
    static constexpr int kZoneWidth = 14;
    // The table of papers fills zones 2 to 8; zone 1 stays blank.
    static constexpr int kZones = 8;
    // Columns of a whole line of the table, from column 0 to the end of zone 8.
    static constexpr int kColumns = kZones * kZoneWidth;

    struct Line
    {
        QStringList items;         // no item for a blank line
        bool keepWithNext = false; // part of a heading block: stays on the page of the line after it
        bool operator==(const Line &other) const = default;
    };

    QList<Line> lines;

    static ResultsCard build(const LevelData &level, const QString &title);

    // The start column of each item: the first at column 0, each later one at
    // the start of the next zone after the end of the item before it.
    static QList<int> zoneColumns(const QStringList &items);
    // The line as plain text, each item at its column.
    static QString lineText(const Line &line);

    // The lines of each page when a page holds linesPerPage lines. A heading
    // block is never split from the paper line after it (unless it cannot fit
    // on a page at all), and blank lines at the top of a following page are left out.
    QList<QList<int>> pages(int linesPerPage) const;
};
