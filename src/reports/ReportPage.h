#pragma once

#include "content/LevelData.h"
#include "reports/ReportFigures.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;
class ReportBar;
class SharedState;
class TrendScaleLabel;

// The report page of the home window: three panes under clickable bars
// (overall results, topical results, trend analysis) that stack like an
// accordion. The figures are computed only by BuildReport.
class ReportPage : public QWidget
{
    Q_OBJECT

public:
    ReportPage(SharedState &home, QWidget *parent = nullptr);

    // Computes every figure of the page from the level data and draws the
    // trend plot from the level's trend file.
    void BuildReport(const LevelData &level);
    // Places the bars and the pane chosen by the home's txtReportPos.
    void ShowReportPane();

    void RCBar1_Click();
    void RCBar2_Click();
    void RCBar3_Click();

    // Asks for a file name and writes the results card of the last report as a PDF.
    void SaveAsPdf();

    const ReportFigures &figures() const { return m_figures; }
    const QPixmap &trendPicture() const { return m_trendPicture; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct TopicRowWidgets
    {
        QLabel *name = nullptr;
        QWidget *backA = nullptr;
        QLabel *barA = nullptr;
        QLabel *markA = nullptr;
        QWidget *backB = nullptr;
        QLabel *barB = nullptr;
        QLabel *markB = nullptr;
    };

    void buildSummaryPane();
    void buildTopicalPane();
    void buildTrendPane();
    void placeSaveLink();
    void SetTopicBar(int i, const ReportFigures::Row &row);
    void DrawTrendPlot();
    void showPane(int pos);

    SharedState &m_home;
    LevelData m_level;
    ReportFigures m_figures;
    QPixmap m_trendPicture;

    ReportBar *m_bars[3] = {};
    QWidget *m_panes[3] = {};
    QLabel *m_OScore1 = nullptr;
    QLabel *m_OScore2 = nullptr;
    QLabel *m_PCNum = nullptr;
    QLabel *m_WT = nullptr;
    QLabel *m_ST = nullptr;
    QPushButton *m_saveLink = nullptr;
    QList<TopicRowWidgets> m_rows;
    QLabel *m_plot = nullptr;
    TrendScaleLabel *m_scale = nullptr;
};
