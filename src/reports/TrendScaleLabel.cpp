#include "reports/TrendScaleLabel.h"

#include <QPainter>

TrendScaleLabel::TrendScaleLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setWordWrap(true);
}

void TrendScaleLabel::setScaleSpan(int top, int bottom)
{
    m_top = top;
    m_bottom = bottom;
    update();
}

void TrendScaleLabel::paintEvent(QPaintEvent *)
{
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().height();
    const double step = words.size() > 1 ? double(m_bottom - m_top) / (words.size() - 1) : 0;
    for (qsizetype k = 0; k < words.size(); ++k) {
        const int centre = int(m_top + k * step + 0.5);
        p.drawText(QRect(0, centre - lineHeight / 2, width(), lineHeight),
                   Qt::AlignRight | Qt::AlignVCenter, words[k]);
    }
}
