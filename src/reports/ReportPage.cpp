#include "reports/ReportPage.h"

#include "content/ResultsStore.h"
#include "reports/ReportBar.h"
#include "reports/ResultsCardPrinter.h"
#include "reports/TrendGeometry.h"
#include "reports/TrendScaleLabel.h"
#include "ui/FocusMark.h"
#include "ui/HomePageSize.h"
#include "ui/PictureCache.h"
#include "ui/SharedState.h"
#include "ui/Twips.h"
#include "ui/frmPopUp.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kLightGrey(224, 224, 224);
const QColor kFirstBar(255, 192, 255);
const QColor kSecondBar(192, 192, 255);
const QColor kGrid(224, 224, 224);
const QColor kBlue(0, 0, 255);

const QString kScaleCaption = QStringLiteral(
    "100%       90%         80%         70%         60%         50%         40%         30%"
    "         20%         10%           0%    ");

// Page size and bar height, in twips.
constexpr int kBarHeight = 300;

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    w->setPalette(palette);
}

void setBack(QWidget *w, const QColor &colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QColor &colour,
              int pixelSize, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    setTextColour(l, colour);
    QFont font = l->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    l->setFont(font);
    return l;
}

// The largest pixel size, at most `largest`, at which every text fits in its width.
int fittingPixelSize(const QFont &base, const QList<QPair<QString, int>> &texts, int largest)
{
    for (int size = largest; size > 8; --size) {
        QFont font = base;
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const auto &[text, width] : texts)
            fits = fits && metrics.horizontalAdvance(text) <= width;
        if (fits)
            return size;
    }
    return 8;
}

} // namespace

ReportPage::ReportPage(SharedState &home, QWidget *parent) : QWidget(parent), m_home(home)
{
    setObjectName(QStringLiteral("Body_Report"));
    resize(Px(kHomePageWidth), Px(kHomePageHeight));
    setBack(this, kNavy);

    for (int k = 0; k < 3; ++k) {
        auto *pane = new QWidget(this);
        setBack(pane, kNavy);
        m_panes[k] = pane;
    }
    m_panes[0]->setObjectName(QStringLiteral("RC1Summary"));
    m_panes[1]->setObjectName(QStringLiteral("RC2Topical"));
    m_panes[2]->setObjectName(QStringLiteral("RC3Trend"));
    buildSummaryPane();
    buildTopicalPane();
    buildTrendPane();

    const QString captions[3] = {QStringLiteral("Overall Results"),
                                 QStringLiteral("Topical Results"),
                                 QStringLiteral("Trend Analysis")};
    const QPixmap picture = SkinPicture(m_home.ProgramFolder, QStringLiteral("bar.bmp"));
    for (int k = 0; k < 3; ++k) {
        auto *bar = new ReportBar(QStringLiteral("RCBar%1").arg(k + 1),
                                  QStringLiteral("lblRCBar%1").arg(k + 1), captions[k], this);
        bar->setPicture(picture);
        bar->resize(width(), Px(kBarHeight));
        m_bars[k] = bar;
    }
    connect(m_bars[0], &ReportBar::clicked, this, &ReportPage::RCBar1_Click);
    connect(m_bars[1], &ReportBar::clicked, this, &ReportPage::RCBar2_Click);
    connect(m_bars[2], &ReportBar::clicked, this, &ReportPage::RCBar3_Click);
    setTabOrder(m_bars[0], m_bars[1]);
    setTabOrder(m_bars[1], m_bars[2]);
    setTabOrder(m_bars[2], m_saveLink);

    ShowReportPane();
}

void ReportPage::buildSummaryPane()
{
    QWidget *pane = m_panes[0];
    struct Entry
    {
        const char *caption;
        const char *captionName;
        QString text;
        const char *valueName;
        int valueLeft, captionTop, valueTop, valueWidth, valueHeight;
    };
    const Entry entries[] = {
        {"SumyL1", "SumyL1", QStringLiteral("First Attempt Average Score:"), "OScore1", 2400, 360, 270, 0, 375},
        {"SumyL2", "SumyL2", QStringLiteral("Second Attempt Average Score:"), "OScore2", 2640, 1080, 990, 0, 375},
        {"SumyL5", "SumyL5", QStringLiteral("Number of Papers Completed:"), "PCNum", 2520, 1800, 1710, 0, 375},
        {"SumyL3", "SumyL3", QStringLiteral("Weakest Topic:"), "WT", 1440, 2520, 2430, 4185, 735},
        {"SumyL4", "SumyL4", QStringLiteral("Strongest Topic:"), "ST", 1560, 3360, 3270, 4065, 735},
    };
    const int captionLeft = Px(240);
    QList<QPair<QString, int>> fits;
    for (const Entry &e : entries)
        fits.append({e.text, Px(e.valueLeft) - captionLeft - 4});
    // A narrower face lets the captions stay readable in the room before their values.
    QFont captionFont = font();
    captionFont.setStretch(QFont::Condensed);
    const int captionSize = fittingPixelSize(captionFont, fits, 13);

    QLabel *values[5];
    for (int k = 0; k < 5; ++k) {
        const Entry &e = entries[k];
        QLabel *caption = label(pane, QString::fromLatin1(e.captionName), e.text, kLightGrey,
                                captionSize);
        QFont f = caption->font();
        f.setStretch(QFont::Condensed);
        caption->setFont(f);
        caption->setGeometry(captionLeft, Px(e.captionTop), Px(e.valueLeft) - captionLeft,
                             caption->sizeHint().height());
        QLabel *value = label(pane, QString::fromLatin1(e.valueName), QStringLiteral("-"),
                              Qt::white, 16, true);
        const int valueWidth = e.valueWidth ? Px(e.valueWidth) : Px(kHomePageWidth - 240) - Px(e.valueLeft);
        value->setGeometry(Px(e.valueLeft), Px(e.valueTop), valueWidth, Px(e.valueHeight));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setWordWrap(e.valueWidth != 0);
        values[k] = value;
    }
    m_OScore1 = values[0];
    m_OScore2 = values[1];
    m_PCNum = values[2];
    m_WT = values[3];
    m_ST = values[4];

    m_saveLink = new QPushButton(QStringLiteral("Save as PDF..."), pane);
    m_saveLink->setObjectName(QStringLiteral("SavePdf"));
    m_saveLink->setToolTip(QStringLiteral("Save the results card as a PDF file"));
    m_saveLink->setFlat(true);
    m_saveLink->setCursor(Qt::PointingHandCursor);
    m_saveLink->setStyleSheet(
        QStringLiteral("QPushButton { color: white; text-decoration: underline; padding: 2px 4px; "
                       "border: 2px solid transparent; background: transparent; }"
                       "QPushButton:hover { color: rgb(255, 192, 255); }"
                       "QPushButton:focus { color: rgb(255, 192, 255); border-color: %1; }")
            .arg(FocusMarkColour().name()));
    QFont linkFont = m_saveLink->font();
    linkFont.setPixelSize(12);
    m_saveLink->setFont(linkFont);
    m_saveLink->resize(m_saveLink->sizeHint());
    connect(m_saveLink, &QPushButton::clicked, this, &ReportPage::SaveAsPdf);
}

void ReportPage::buildTopicalPane()
{
    QWidget *pane = m_panes[1];
    QLabel *first = label(pane, QStringLiteral("Label5"), QStringLiteral("First Attempt results"),
                          Qt::white, 11, true);
    first->setGeometry(Px(3120), Px(240), Px(1215), Px(375));
    QLabel *second = label(pane, QStringLiteral("Label6"), QStringLiteral("Second Attempt Score"),
                           Qt::white, 11, true);
    second->setGeometry(Px(4560), Px(240), Px(1215), Px(375));
    // The column headings wrap inside their boxes; the font shrinks until the
    // whole heading fits.
    for (QLabel *heading : {first, second}) {
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignCenter);
        QFont f = heading->font();
        f.setStretch(QFont::SemiCondensed);
        for (int size = 11; size > 8 && heading->heightForWidth(heading->width()) > heading->height(); --size) {
            f.setPixelSize(size);
            heading->setFont(f);
        }
    }

    auto makeBack = [pane](const QString &name, int left, int top) {
        auto *back = new QWidget(pane);
        back->setObjectName(name);
        back->setGeometry(Px(left), Px(top), Px(1215), Px(270));
        setBack(back, Qt::white);
        back->setStyleSheet(
            QStringLiteral("#%1 { background: white; border: 1px solid rgb(112, 112, 200); }").arg(name));
        back->setAttribute(Qt::WA_StyledBackground);
        return back;
    };
    auto makeBar = [](QWidget *back, const QString &name, const QColor &colour) {
        auto *bar = new QLabel(back);
        bar->setObjectName(name);
        bar->setGeometry(1, 1, 0, Px(375));
        setBack(bar, colour);
        return bar;
    };
    auto makeMark = [](QWidget *back, const QString &name) {
        QLabel *mark = label(back, name, QString(), Qt::black, 11, true);
        mark->setGeometry(Px(240), 0, Px(690), Px(270));
        mark->setAlignment(Qt::AlignCenter);
        return mark;
    };

    for (int i = 1; i <= ReportFigures::kTopicSlots; ++i) {
        const int top = 720 + 360 * (i - 1);
        TopicRowWidgets row;
        row.name = label(pane, QStringLiteral("TopLab%1").arg(i), QString(), Qt::white, 12);
        row.name->setGeometry(Px(120), Px(top), Px(3120 - 120 - 90), Px(270));
        row.backA = makeBack(QStringLiteral("TBack%1A").arg(i), 3120, top);
        row.barA = makeBar(row.backA, QStringLiteral("TBar%1A").arg(i), kFirstBar);
        row.markA = makeMark(row.backA, QStringLiteral("TMark%1A").arg(i));
        row.backB = makeBack(QStringLiteral("TBack%1B").arg(i), 4560, top);
        row.barB = makeBar(row.backB, QStringLiteral("TBar%1B").arg(i), kSecondBar);
        row.markB = makeMark(row.backB, QStringLiteral("TMark%1B").arg(i));
        m_rows.append(row);
    }
}

void ReportPage::buildTrendPane()
{
    QWidget *pane = m_panes[2];
    m_plot = new QLabel(pane);
    m_plot->setObjectName(QStringLiteral("RC3TrendPlot"));
    m_plot->setGeometry(Px(720), Px(180), Px(5055), Px(3975));
    m_plot->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_plot->setLineWidth(1);
    m_plot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBack(m_plot, Qt::white);
    setTextColour(m_plot, QColor(112, 112, 200));

    m_scale = new TrendScaleLabel(kScaleCaption, pane);
    m_scale->setObjectName(QStringLiteral("Label7"));
    m_scale->setGeometry(Px(240), Px(120), Px(495), Px(4095));
    setTextColour(m_scale, Qt::white);
    QFont scaleFont = m_scale->font();
    scaleFont.setPixelSize(10);
    m_scale->setFont(scaleFont);
    const QRect inner = m_plot->geometry().adjusted(1, 1, -1, -1);
    m_scale->setScaleSpan(inner.top() - m_scale->y(), inner.bottom() + 1 - m_scale->y());

    QLabel *caption = label(pane, QStringLiteral("Label8"), QStringLiteral("Recent Papers Attempted"),
                            Qt::white, 12, true);
    caption->move(Px(2160), Px(4200));
    caption->resize(caption->sizeHint());

    DrawTrendPlot();
}

void ReportPage::BuildReport(const LevelData &level)
{
    m_level = level;
    m_figures = ReportFigures::compute(level);
    for (int i = 1; i <= ReportFigures::kTopicSlots; ++i)
        SetTopicBar(i, m_figures.rows[i]);
    m_OScore1->setText(m_figures.OScore1);
    m_OScore2->setText(m_figures.OScore2);
    m_PCNum->setText(m_figures.PCNum);
    m_WT->setText(m_figures.WT);
    m_ST->setText(m_figures.ST);
    for (int i = ReportFigures::kTopicSlots; i >= 1; --i) {
        const TopicRowWidgets &row = m_rows[i - 1];
        const bool shown = level.TopicTotal >= i;
        row.name->setVisible(shown);
        row.backA->setVisible(shown);
        row.backB->setVisible(shown);
    }
    DrawTrendPlot();
}

void ReportPage::SetTopicBar(int i, const ReportFigures::Row &row)
{
    const TopicRowWidgets &w = m_rows[i - 1];
    w.name->setText(row.name);
    w.name->setToolTip(row.name);
    // Every row measures against the first row's backgrounds; all are the same size.
    const int innerA = m_rows[0].backA->width() - 2;
    const int innerB = m_rows[0].backB->width() - 2;
    w.markA->setText(row.firstMark);
    w.barA->resize(qRound(innerA * row.firstFraction), w.barA->height());
    w.markB->setText(row.secondMark);
    w.barB->resize(qRound(innerB * row.secondFraction), w.barB->height());
    w.name->show();
    w.barA->show();
    w.barB->show();
}

void ReportPage::DrawTrendPlot()
{
    const QString path = ResultsFilePath(m_home.ProgramFolder, ResultsFile::Trend, m_home.LChose,
                                         m_home.lblCOD);
    const QList<double> values =
        m_home.LChose >= 1 ? TrendGeometry::readPlotValues(path) : QList<double>();

    // The plot is drawn in twips, its own scale, on a picture the label keeps
    // until the next report.
    const QSize inner = m_plot->contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(inner * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    const double w = Tw(inner.width());
    const double h = Tw(inner.height());
    const TrendGeometry g = TrendGeometry::of(values, w, h);

    // Grid and drop lines stay crisp; the dots and the curve are smoothed.
    QPainter p(&picture);
    p.scale(double(inner.width()) / w, double(inner.height()) / h);
    QPen pen(kGrid, 0);
    p.setPen(pen);
    p.drawLines(g.gridLines);
    for (qsizetype i = 0; i < g.points.size(); ++i) {
        p.setRenderHint(QPainter::Antialiasing, false);
        pen.setColor(Qt::black);
        p.setPen(pen);
        p.drawLine(g.dropLines[i]);
        p.setRenderHint(QPainter::Antialiasing, true);
        pen.setColor(kBlue);
        p.setPen(pen);
        p.setBrush(kBlue);
        p.drawEllipse(g.points[i], TrendGeometry::kDotRadius, TrendGeometry::kDotRadius);
        p.setBrush(Qt::NoBrush);
        p.drawLine(g.connectingLines[i]);
    }
    p.end();
    m_trendPicture = picture;
    m_plot->setPixmap(m_trendPicture);
}

void ReportPage::RCBar1_Click()
{
    m_home.txtReportPos = 1;
    ShowReportPane();
}

void ReportPage::RCBar2_Click()
{
    m_home.txtReportPos = 2;
    ShowReportPane();
}

void ReportPage::RCBar3_Click()
{
    m_home.txtReportPos = 3;
    ShowReportPane();
}

void ReportPage::ShowReportPane()
{
    const int H = height();
    const int h1 = m_bars[0]->height();
    const int h2 = m_bars[1]->height();
    const int h3 = m_bars[2]->height();
    const int paneHeight = H - h1 - h2 - h3;
    int tops[3] = {0, 0, 0};
    int paneTop = 0;
    QWidget *pane = nullptr;
    switch (m_home.txtReportPos) {
    case 1:
        tops[2] = H - h3;
        tops[1] = tops[2] - h2;
        paneTop = h1;
        pane = m_panes[0];
        break;
    case 2:
        tops[1] = h1;
        tops[2] = H - h3;
        paneTop = h1 + h2;
        pane = m_panes[1];
        break;
    default:
        tops[1] = h1;
        tops[2] = tops[1] + h2;
        paneTop = tops[2] + h3;
        pane = m_panes[2];
        break;
    }
    for (int k = 0; k < 3; ++k)
        m_bars[k]->setGeometry(0, tops[k], width(), m_bars[k]->height());
    pane->setGeometry(0, paneTop, width(), paneHeight);
    if (pane == m_panes[0])
        placeSaveLink();
    // Covered panes are hidden too, so the keyboard never lands on them.
    for (QWidget *other : m_panes)
        other->setVisible(other == pane);
    pane->raise();
    for (ReportBar *bar : m_bars)
        bar->raise();
}

// The bars and the shown pane follow the page's size.
void ReportPage::resizeEvent(QResizeEvent *)
{
    ShowReportPane();
}

void ReportPage::placeSaveLink()
{
    QWidget *pane = m_panes[0];
    m_saveLink->move(pane->width() - m_saveLink->width() - Px(120),
                     pane->height() - m_saveLink->height() - Px(90));
}

void ReportPage::SaveAsPdf()
{
    QFileDialog dialog(this, QStringLiteral("Save results card as PDF"),
                       QDir::home().filePath(QStringLiteral("results card.pdf")),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("SavePdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (!SaveResultsCardPdf(m_level, m_home.ProgramTitle, path, &error)) {
        QMessageBox::warning(this, QStringLiteral("Save as PDF"),
                             QStringLiteral("The results card was not saved.\n%1").arg(error));
        return;
    }
    TellFileSaved(m_home.ProgramFolder, QStringLiteral("Save as PDF"),
                  QStringLiteral("The results card"), path, window());
}
