#include "reports/ReportFigures.h"

#include "content/ValueText.h"

namespace {

// The topic that never counts as weakest or strongest.
const QString kMockExamination = QStringLiteral("Mock Examination");

QString markText(double sum, double count)
{
    return count > 0 ? NumberText(RoundOneDecimal(sum / count)) + QLatin1Char('%') : QString();
}

} // namespace

QString ReportFigures::averageText(double sum, double count)
{
    return count < 1 ? QStringLiteral("-") : markText(sum, count);
}

ReportFigures::Row ReportFigures::topicRow(const QString &name, const Tally &tally)
{
    Row row;
    row.name = name;
    row.firstMark = markText(tally.firstSum, tally.firstCount);
    row.secondMark = markText(tally.secondSum, tally.secondCount);
    row.firstFraction = tally.firstCount > 0 ? tally.firstSum / tally.firstCount / 100.0 : 0.0;
    row.secondFraction = tally.secondCount > 0 ? tally.secondSum / tally.secondCount / 100.0 : 0.0;
    return row;
}

ReportFigures ReportFigures::compute(const LevelData &level)
{
    ReportFigures f;
    const int topics = qBound(0, int(level.TopicTotal), kTopicSlots);

    for (int t = 1; t <= topics; ++t) {
        Tally tally;
        for (int j = 1; j <= 5; ++j) {
            const int i = (t - 1) * 5 + j;
            if (!level.FirstScores[i].isEmpty()) {
                tally.firstCount += 1;
                tally.firstSum += NumberValue(level.FirstScores[i]);
            }
            if (!level.SecondScores[i].isEmpty()) {
                tally.secondCount += 1;
                tally.secondSum += NumberValue(level.SecondScores[i]);
            }
        }
        f.tallies.set(t, tally);
    }

    for (int t = 1; t <= kTopicSlots; ++t) {
        Row row = topicRow(level.TopicNames[t], f.tallies[t]);
        row.visible = t <= level.TopicTotal;
        f.rows.set(t, row);
    }

    for (int t = 1; t <= kTopicSlots; ++t) {
        const Tally &tally = f.tallies[t];
        f.firstSumTotal += tally.firstSum;
        f.secondSumTotal += tally.secondSum;
        f.firstCountTotal = qint16(f.firstCountTotal + qint16(tally.firstCount));
        f.secondCountTotal = qint16(f.secondCountTotal + qint16(tally.secondCount));
    }
    f.OScore1 = averageText(f.firstSumTotal, f.firstCountTotal);
    f.OScore2 = averageText(f.secondSumTotal, f.secondCountTotal);
    f.PCNum = QString::number(f.firstCountTotal) + QStringLiteral(" / ")
              + QString::number(level.PaperTotal);

    for (int t = 1; t <= topics; ++t) {
        Tally tally = f.tallies[t];
        if (tally.firstCount > 0 && tally.secondCount > 0)
            tally.combined = (tally.secondSum + tally.firstSum) / (tally.secondCount + tally.firstCount);
        else if (tally.firstCount > 0)
            tally.combined = tally.firstSum / tally.firstCount;
        else
            tally.combined = 0;
        if (tally.firstCount > 0)
            ++f.attemptedTopics;
        f.tallies.set(t, tally);
    }

    // Among equals the later topic wins, for the weakest and the strongest alike.
    if (f.attemptedTopics >= 2) {
        for (int t = 1; t <= topics; ++t) {
            const Tally &tally = f.tallies[t];
            if (tally.firstCount <= 0 || level.TopicNames[t] == kMockExamination)
                continue;
            if (f.weakestTopic == 0 || tally.combined <= f.tallies[f.weakestTopic].combined)
                f.weakestTopic = t;
            if (f.strongestTopic == 0 || tally.combined >= f.tallies[f.strongestTopic].combined)
                f.strongestTopic = t;
        }
    }
    f.WT = f.weakestTopic ? QLatin1Char(' ') + level.TopicNames[f.weakestTopic] : QStringLiteral("-");
    f.ST = f.strongestTopic ? QLatin1Char(' ') + level.TopicNames[f.strongestTopic] : QStringLiteral("-");
    return f;
}
