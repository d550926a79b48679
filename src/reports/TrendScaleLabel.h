#pragma once

#include <QLabel>

// The vertical scale beside the trend plot. Its caption holds the values from
// "100%" down to "0%" separated by spaces; they are drawn one per line, each
// centred on the height of the plot where its value stands.
class TrendScaleLabel : public QLabel
{
    Q_OBJECT

public:
    TrendScaleLabel(const QString &caption, QWidget *parent);

    // Heights inside the label of the top (100 %) and the bottom (0 %) of the plot.
    void setScaleSpan(int top, int bottom);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_top = 0;
    int m_bottom = 0;
};
