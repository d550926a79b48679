#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

// What the trend plot draws, in the plot area's own units (twips): the grid,
// one dot and drop line per value, and the blue line joining the dots, which
// starts at the bottom-left corner.
struct TrendGeometry
{
    static constexpr int kMaxPoints = 20;
    static constexpr double kDotRadius = 30; // twips

    QList<QLineF> gridLines;       // nine light grey lines, 10 % apart
    QList<QPointF> points;         // dot centres, oldest first
    QList<QLineF> dropLines;       // black, from each dot down to the bottom edge
    QList<QLineF> connectingLines; // blue, from each dot back to the one before

    // Geometry of the values in a plot area of inner width w and height h:
    // point i at x = i × w ÷ 21, value v at y = (100 − v) × h ÷ 100.
    static TrendGeometry of(const QList<double> &values, double w, double h);

    // The last 20 of the stored trend values, as numbers, in their stored order.
    static QList<double> plotValues(const QStringList &stored);
    // plotValues of the TRD record of a trend file.
    static QList<double> readPlotValues(const QString &trendPath);
};
