#pragma once

#include "content/OneBasedList.h"

#include <QString>
#include <array>

// The product configuration stored as resource 30000: title, product code and,
// for each of the levels 1 .. 3, its heading, topic count, paper count and topic
// names. A level exists exactly when its heading is not empty.
struct ProductConfig
{
    static constexpr int kLevels = 3;
    static constexpr int kMaxTopics = 10;
    static constexpr int kMaxPapers = 50;

    QString title;
    QString code;
    std::array<QString, kLevels> headings;
    std::array<qint16, kLevels> topicCounts{};
    std::array<qint16, kLevels> paperCounts{};
    std::array<FieldList, kLevels> topicNames{FieldList(10), FieldList(10), FieldList(10)};

    QString heading(int level) const;
    bool levelExists(int level) const;
    qint16 topicCount(int level) const;
    qint16 paperCount(int level) const;
    FieldList topicNamesOf(int level) const;
    // The first level with a heading, or 0 when there is none.
    int firstLevel() const;
};

// Writes resource 30000 to "temptext30000.txt" in the folder, reads it and deletes
// the file again. Returns false, leaving every value empty, when the
// configuration could not be written out.
bool ReadProductConfig(const QString &folder, ProductConfig &config);
