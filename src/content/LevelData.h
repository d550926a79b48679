#pragma once

#include "content/OneBasedList.h"
#include "content/ProductConfig.h"

#include <QString>

// The chosen level's topics and stored results, as the home page, the reports
// and the results card read them.
struct LevelData
{
    qint16 TopicTotal = 0;
    qint16 PaperTotal = 0;
    FieldList TopicNames{FieldList(10)};
    FieldList FirstScores{FieldList(50)};
    FieldList SecondScores{FieldList(50)};
    FieldList TimesTaken{FieldList(50)};
    FieldList CompletionDates{FieldList(50)};
};

// The level's counts and names from the configuration and its marks records
// from "marks" + level + code + ".txt" in the folder. A level outside 1 .. 3
// keeps `previous`'s counts and names, as a level choice that is not valid
// leaves the shown level in place.
LevelData ReadLevelData(const QString &folder, const ProductConfig &config, int level,
                        const QString &code, const LevelData &previous = LevelData());
