#include "content/LevelData.h"

#include "content/ResultsStore.h"

LevelData ReadLevelData(const QString &folder, const ProductConfig &config, int level,
                        const QString &code, const LevelData &previous)
{
    LevelData data = previous;
    if (level >= 1 && level <= ProductConfig::kLevels) {
        data.TopicTotal = config.topicCount(level);
        data.PaperTotal = config.paperCount(level);
        data.TopicNames = config.topicNamesOf(level);
    }
    const MarksRecords marks =
        ReadMarks(ResultsFilePath(folder, ResultsFile::Marks, level, code), data.PaperTotal);
    data.FirstScores = marks.FirstScores;
    data.SecondScores = marks.SecondScores;
    data.TimesTaken = marks.TimesTaken;
    data.CompletionDates = marks.CompletionDates;
    return data;
}
