#include "reports/ResultsCard.h"

namespace {

const QString kBlank = QStringLiteral(" ");

QString rule()
{
    return QString(ResultsCard::kColumns - ResultsCard::kZoneWidth, QLatin1Char('-'));
}

} // namespace

ResultsCard ResultsCard::build(const LevelData &level, const QString &title)
{
    ResultsCard card;
    auto add = [&card](const QStringList &items, bool keep = false) {
        card.lines.append(Line{items, keep});
    };
    add({});
    add({});
    add({kBlank, title});
    add({});
    add({});
    for (int t = 1; t <= level.TopicTotal; ++t) {
        for (int j = 1; j <= 5; ++j) {
            const int i = (t - 1) * 5 + j;
            if (j == 1) {
                add({}, true);
                add({}, true);
                add({kBlank, level.TopicNames[t]}, true);
                add({kBlank, rule()}, true);
                add({kBlank, QStringLiteral("Papers"), kBlank, QStringLiteral("First take"),
                     QStringLiteral("Time taken"), QStringLiteral("Date"), kBlank,
                     QStringLiteral("Second take")},
                    true);
                add({kBlank, kBlank, kBlank, QStringLiteral("score"), kBlank, kBlank, kBlank,
                     QStringLiteral("score")},
                    true);
                add({kBlank, rule()}, true);
            }
            add({kBlank, QStringLiteral("Paper ") + QString::number(j), kBlank,
                 level.FirstScores[i] + QLatin1Char('%'), level.TimesTaken[i],
                 level.CompletionDates[i], kBlank, level.SecondScores[i] + QLatin1Char('%')});
        }
    }
    return card;
}

QList<int> ResultsCard::zoneColumns(const QStringList &items)
{
    QList<int> columns;
    int column = 0;
    for (const QString &item : items) {
        columns.append(column);
        // The zone after the last column the item fills; an empty item still
        // takes its own zone.
        const int last = column + qMax(0, int(item.size()) - 1);
        column = (last / kZoneWidth + 1) * kZoneWidth;
    }
    return columns;
}

QString ResultsCard::lineText(const Line &line)
{
    const QList<int> columns = zoneColumns(line.items);
    QString text;
    for (int k = 0; k < line.items.size(); ++k) {
        text = text.leftJustified(columns[k], QLatin1Char(' '));
        text += line.items[k];
    }
    return text;
}

QList<QList<int>> ResultsCard::pages(int linesPerPage) const
{
    const int perPage = qMax(1, linesPerPage);
    QList<QList<int>> result{{}};
    int k = 0;
    while (k < lines.size()) {
        // The group: a run of kept lines and the line after it.
        int end = k;
        while (end < lines.size() - 1 && lines[end].keepWithNext)
            ++end;
        const int groupSize = end - k + 1;
        QList<int> &page = result.last();
        if (!page.isEmpty() && page.size() + groupSize > perPage && groupSize <= perPage)
            result.append(QList<int>());
        for (int n = k; n <= end; ++n) {
            if (result.last().size() >= perPage)
                result.append(QList<int>());
            const bool topOfLaterPage = result.size() > 1 && result.last().isEmpty();
            if (topOfLaterPage && lines[n].items.isEmpty())
                continue;
            result.last().append(n);
        }
        k = end + 1;
    }
    return result;
}
