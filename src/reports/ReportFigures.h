#pragma once

#include "content/LevelData.h"
#include "content/OneBasedList.h"

#include <QString>

// Every figure of the report page for one level: per-topic tallies, the summary
// values and the topical rows. Computed from the level data alone.
struct ReportFigures
{
    static constexpr int kTopicSlots = 10;

    // One topic's stored percentages, both attempts tallied independently.
    struct Tally
    {
        double firstSum = 0;
        double firstCount = 0;
        double secondSum = 0;
        double secondCount = 0;
        double combined = 0; // average over both attempts; 0 when not attempted
    };

    // One row of the topical pane: the name and the two bars.
    struct Row
    {
        QString name;
        QString firstMark;         // "62.5%", or empty when no first attempt is marked
        QString secondMark;
        double firstFraction = 0;  // share of the bar's box the bar fills, 0 .. 1
        double secondFraction = 0;
        bool visible = false;      // the level has this many topics
    };

    OneBasedList<Tally> tallies{OneBasedList<Tally>(kTopicSlots)};
    OneBasedList<Row> rows{OneBasedList<Row>(kTopicSlots)};
    double firstSumTotal = 0;
    double secondSumTotal = 0;
    qint16 firstCountTotal = 0;
    qint16 secondCountTotal = 0;
    int attemptedTopics = 0;
    int weakestTopic = 0;   // 0 when not named
    int strongestTopic = 0;

    QString OScore1; // "82.5%" or "-"
    QString OScore2;
    QString PCNum;   // "12 / 50"
    QString WT;      // " Grammar" or "-"
    QString ST;

    static ReportFigures compute(const LevelData &level);

    // "-" without percentages, else the rounded average and "%".
    static QString averageText(double sum, double count);
    // A topical row from a topic's name and tallies.
    static Row topicRow(const QString &name, const Tally &tally);
};
