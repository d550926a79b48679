#include "reports/TrendGeometry.h"

#include "content/ResultsStore.h"
#include "content/ValueText.h"

TrendGeometry TrendGeometry::of(const QList<double> &values, double w, double h)
{
    TrendGeometry g;
    const double dx = w / 21.0;
    const double dy = h / 100.0;
    for (int grid = 10; grid <= 90; grid += 10)
        g.gridLines.append(QLineF(w, grid * dy, 0, grid * dy));

    QPointF previous(0, h);
    for (int i = 1; i <= qMin<int>(int(values.size()), kMaxPoints); ++i) {
        const QPointF point(i * dx, (100.0 - values[i - 1]) * dy);
        g.points.append(point);
        g.dropLines.append(QLineF(point, QPointF(point.x(), h)));
        g.connectingLines.append(QLineF(point, previous));
        previous = point;
    }
    return g;
}

QList<double> TrendGeometry::plotValues(const QStringList &stored)
{
    QList<double> values;
    const qsizetype first = qMax<qsizetype>(0, stored.size() - kMaxPoints);
    for (qsizetype k = first; k < stored.size(); ++k)
        values.append(NumberValue(stored[k]));
    return values;
}

QList<double> TrendGeometry::readPlotValues(const QString &trendPath)
{
    return plotValues(ReadTrendValues(trendPath));
}
