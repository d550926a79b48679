#pragma once

#include "content/LevelData.h"

#include <QStringList>

// Level data made by hand: scores given as "paper index=value" pairs.
inline LevelData MakeLevel(int topics, const QStringList &names, const QStringList &first = {},
                           const QStringList &second = {}, int papers = 50)
{
    LevelData level;
    level.TopicTotal = qint16(topics);
    level.PaperTotal = qint16(papers);
    for (int t = 1; t <= names.size(); ++t)
        level.TopicNames.set(t, names[t - 1]);
    auto fill = [](FieldList &list, const QStringList &pairs) {
        for (const QString &pair : pairs) {
            const QStringList parts = pair.split(QLatin1Char('='));
            list.set(parts[0].toInt(), parts[1]);
        }
    };
    fill(level.FirstScores, first);
    fill(level.SecondScores, second);
    return level;
}

inline QStringList TopicNamesT(int topics)
{
    QStringList names;
    for (int t = 1; t <= topics; ++t)
        names << QStringLiteral("T%1").arg(t);
    return names;
}
