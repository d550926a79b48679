#include "ReportTestLevels.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "reports/ReportBar.h"
#include "reports/ReportPage.h"
#include "reports/TrendGeometry.h"
#include "ui/SharedState.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "reports/ResultsCardPrinter.h"

namespace {

class FakeHome : public SharedState
{
public:
    void RefreshContents() override {}
};

const QStringList kTopics{"Grammar",    "Punctuation", "Spelling",          "Vocabulary",
                          "Comprehension", "Idioms",   "Synonyms",          "Antonyms",
                          "Sentence Building", "Mock Examination"};

// Several papers marked at both attempts across the ten topics.
LevelData realisticLevel()
{
    LevelData level = MakeLevel(
        10, kTopics,
        {"1=85", "2=72.5", "3=90", "6=55", "7=62.5", "8=70", "11=95", "12=100", "16=40",
         "17=57.5", "21=77.5", "22=80", "26=66.7", "31=88", "36=92.5", "41=35", "46=60",
         "47=68", "4=81", "13=97.5", "23=74"},
        {"1=92.5", "2=85", "6=75", "7=80", "11=100", "16=65", "21=90", "46=75"});
    for (int i = 1; i <= 50; ++i) {
        if (!level.FirstScores[i].isEmpty()) {
            level.TimesTaken.set(i, QStringLiteral("0:%1:%2").arg(5 + i % 20).arg(i * 7 % 60));
            level.CompletionDates.set(i, QStringLiteral("%1/3/2024").arg(i % 28 + 1));
        }
    }
    return level;
}

void writeTrend(const QString &folder, const QStringList &values)
{
    QFile file(ResultsFilePath(folder, ResultsFile::Trend, 2, QStringLiteral("TS")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#TRD#");
    for (const QString &v : values)
        file.write('>' + v.toLatin1());
    file.write("\r\n");
}

const QStringList kTrend24{"55", "60", "58", "62.5", "70", "66.7", "72.5", "75", "71",
                           "80",  "78", "85", "82.5", "88", "90", "86",  "92.5", "89",
                           "94",  "91", "95", "97.5", "93", "100"};

} // namespace

class TestReportPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void summary();
    void topicalRows();
    void hiddenRows();
    void accordion_data();
    void accordion();
    void barsByMouseAndKeyboard();
    void followsPageSize();
    void figuresChangeOnlyOnBuild();
    void trendPlot_data();
    void trendPlot();
    void saveAsPdf();
    void screenshots();

private:
    QTemporaryDir m_dir;
    FakeHome m_home;
};

void TestReportPage::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_dir.isValid());
    m_home.ProgramFolder = m_dir.path();
    m_home.LChose = 2;
    m_home.lblCOD = QStringLiteral("TS");
    m_home.ProgramTitle = QStringLiteral("Quorvane English");
    // The bars draw a look of their own when their picture is missing, so the
    // tests do not depend on the skin pictures being packed.
    ExtractGraphics(m_dir.path());
}

void TestReportPage::init()
{
    m_home.txtReportPos = 1;
    writeTrend(m_dir.path(), {});
}

void TestReportPage::summary()
{
    ReportPage page(m_home);
    QCOMPARE(page.objectName(), QStringLiteral("Body_Report"));
    QCOMPARE(page.size(), QSize(Px(6015), Px(5655)));
    page.BuildReport(MakeLevel(10, kTopics, {"1=60", "6=70"}, {"1=80"}));
    auto text = [&page](const char *name) {
        return page.findChild<QLabel *>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("OScore1"), QStringLiteral("65%"));
    QCOMPARE(text("OScore2"), QStringLiteral("80%"));
    QCOMPARE(text("PCNum"), QStringLiteral("2 / 50"));
    QCOMPARE(text("WT"), QStringLiteral(" Punctuation"));
    QCOMPARE(text("ST"), QStringLiteral(" Punctuation"));
    QCOMPARE(text("SumyL1"), QStringLiteral("First Attempt Average Score:"));
    QCOMPARE(page.findChild<QLabel *>("lblRCBar2")->text(), QStringLiteral("Topical Results"));

    // Every caption fits before its value.
    for (const char *pair : {"SumyL1 OScore1", "SumyL2 OScore2", "SumyL5 PCNum", "SumyL3 WT", "SumyL4 ST"}) {
        const QStringList names = QString::fromLatin1(pair).split(' ');
        const QLabel *caption = page.findChild<QLabel *>(names[0]);
        const QLabel *value = page.findChild<QLabel *>(names[1]);
        QVERIFY2(caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()) < value->x(),
                 qPrintable(names[0]));
    }
}

void TestReportPage::topicalRows()
{
    ReportPage page(m_home);
    page.BuildReport(MakeLevel(10, kTopics, {"11=50", "12=75"}));
    const QWidget *back = page.findChild<QWidget *>("TBack3A");
    const int inner = back->width() - 2;
    QCOMPARE(page.findChild<QLabel *>("TopLab3")->text(), QStringLiteral("Spelling"));
    QCOMPARE(page.findChild<QLabel *>("TMark3A")->text(), QStringLiteral("62.5%"));
    QCOMPARE(page.findChild<QLabel *>("TBar3A")->width(), qRound(inner * 0.625));
    QCOMPARE(page.findChild<QLabel *>("TMark3B")->text(), QString());
    QCOMPARE(page.findChild<QLabel *>("TBar3B")->width(), 0);
    QCOMPARE(page.findChild<QLabel *>("TBar3A")->parentWidget(), back);
    for (const char *name : {"Label5", "Label6"}) {
        const QLabel *heading = page.findChild<QLabel *>(name);
        QVERIFY2(heading->heightForWidth(heading->width()) <= heading->height(), name);
    }

    page.BuildReport(MakeLevel(10, kTopics, {"1=100", "2=100"}, {"1=50"}));
    QCOMPARE(page.findChild<QLabel *>("TBar1A")->width(), inner);
    QCOMPARE(page.findChild<QLabel *>("TBar1B")->width(), qRound(inner * 0.5));
}

void TestReportPage::hiddenRows()
{
    ReportPage page(m_home);
    page.show();
    QStringList seven = kTopics.mid(0, 7);
    page.BuildReport(MakeLevel(7, seven));
    page.RCBar2_Click();
    for (int i = 1; i <= 10; ++i) {
        for (const QString &name : {QStringLiteral("TopLab%1"), QStringLiteral("TBack%1A"),
                                    QStringLiteral("TBack%1B")})
            QCOMPARE(page.findChild<QWidget *>(name.arg(i))->isVisible(), i <= 7);
    }
}

void TestReportPage::accordion_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<QList<int>>("barTops");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<int>("paneTop");

    const int H = Px(5655);
    const int h = Px(300);
    QTest::newRow("summary") << 1 << QList<int>{0, H - 2 * h, H - h} << "RC1Summary" << h;
    QTest::newRow("topical") << 2 << QList<int>{0, h, H - h} << "RC2Topical" << 2 * h;
    QTest::newRow("trend") << 3 << QList<int>{0, h, 2 * h} << "RC3Trend" << 3 * h;
}

void TestReportPage::accordion()
{
    QFETCH(int, pos);
    QFETCH(QList<int>, barTops);
    QFETCH(QString, pane);
    QFETCH(int, paneTop);

    ReportPage page(m_home);
    page.show();
    m_home.txtReportPos = pos;
    page.ShowReportPane();
    const int H = page.height();
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(page.findChild<ReportBar *>(QStringLiteral("RCBar%1").arg(k))->y(), barTops[k - 1]);
    const QWidget *shown = page.findChild<QWidget *>(pane);
    QCOMPARE(shown->geometry(), QRect(0, paneTop, page.width(), H - 3 * Px(300)));
    // The chosen pane lies on top of the others, the bars on top of it.
    const QWidget *hit = page.childAt(page.width() - 2, paneTop + 1);
    while (hit && hit->parentWidget() != &page)
        hit = hit->parentWidget();
    QCOMPARE(hit, shown);
    for (int k = 0; k < 3; ++k) {
        QWidget *top = page.childAt(Px(60), barTops[k] + 1);
        while (top && top->parentWidget() != &page)
            top = top->parentWidget();
        QCOMPARE(top->objectName(), QStringLiteral("RCBar%1").arg(k + 1));
    }
}

void TestReportPage::barsByMouseAndKeyboard()
{
    ReportPage page(m_home);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *bar3 = page.findChild<ReportBar *>("RCBar3");
    QTest::mouseClick(bar3, Qt::LeftButton, {}, bar3->captionLabel()->geometry().center());
    QCOMPARE(m_home.txtReportPos, 3);
    QCOMPARE(page.findChild<QWidget *>("RC3Trend")->y(), 3 * bar3->height());

    auto *bar2 = page.findChild<ReportBar *>("RCBar2");
    QCOMPARE(bar2->focusPolicy(), Qt::StrongFocus);
    bar2->setFocus();
    QTest::keyClick(bar2, Qt::Key_Space);
    QCOMPARE(m_home.txtReportPos, 2);
    auto *bar1 = page.findChild<ReportBar *>("RCBar1");
    QTest::keyClick(bar1, Qt::Key_Return);
    QCOMPARE(m_home.txtReportPos, 1);
    QCOMPARE(page.findChild<QWidget *>("RC1Summary")->y(), bar1->height());
}

void TestReportPage::followsPageSize()
{
    ReportPage page(m_home);
    page.show();
    page.resize(500, 450);
    const int h = Px(300);
    QCOMPARE(page.findChild<ReportBar *>("RCBar3")->geometry(), QRect(0, 450 - h, 500, h));
    QCOMPARE(page.findChild<QWidget *>("RC1Summary")->geometry(), QRect(0, h, 500, 450 - 3 * h));
}

void TestReportPage::figuresChangeOnlyOnBuild()
{
    ReportPage page(m_home);
    writeTrend(m_dir.path(), {"80"});
    page.BuildReport(MakeLevel(10, kTopics, {"1=80"}));
    const QImage before = page.trendPicture().toImage();
    writeTrend(m_dir.path(), {"20", "30"});
    page.RCBar3_Click();
    page.RCBar1_Click();
    QCOMPARE(page.findChild<QLabel *>("OScore1")->text(), QStringLiteral("80%"));
    QCOMPARE(page.trendPicture().toImage(), before);
    page.BuildReport(MakeLevel(10, kTopics, {"1=20", "2=30"}));
    QCOMPARE(page.findChild<QLabel *>("OScore1")->text(), QStringLiteral("25%"));
    QVERIFY(page.trendPicture().toImage() != before);
}

void TestReportPage::trendPlot_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("no paper marked") << QStringList();
    QTest::newRow("one at 80") << QStringList{"80"};
    QTest::newRow("three") << QStringList{"80", "62.5", "91"};
    QTest::newRow("edges") << QStringList{"100", "0"};
    QTest::newRow("24 values") << kTrend24;
}

void TestReportPage::trendPlot()
{
    QFETCH(QStringList, stored);
    writeTrend(m_dir.path(), stored);
    ReportPage page(m_home);
    page.BuildReport(MakeLevel(10, kTopics));
    const QImage image = page.trendPicture().toImage();
    const QLabel *plot = page.findChild<QLabel *>("RC3TrendPlot");
    QCOMPARE(image.size(), plot->contentsRect().size());
    QCOMPARE(plot->pixmap().toImage(), image);

    const double W = image.width();
    const double H = image.height();
    // Grid lines at every 10 %, away from the points.
    for (int g = 10; g <= 90; g += 10) {
        const int y = int(g * H / 100);
        bool grey = false;
        for (int row = y - 1; row <= y + 1; ++row)
            grey = grey || image.pixelColor(int(W * 20.5 / 21), row) == QColor(224, 224, 224);
        QVERIFY2(grey, qPrintable(QStringLiteral("grid line %1").arg(g)));
    }

    const QList<double> values = TrendGeometry::plotValues(stored);
    int blueDots = 0;
    for (int i = 1; i <= values.size(); ++i) {
        const QPoint centre(qRound(i * W / 21), qRound((100 - values[i - 1]) * H / 100));
        const QPoint inside(qBound(0, centre.x(), int(W) - 1), qBound(0, centre.y(), int(H) - 1));
        const QColor c = image.pixelColor(inside);
        if (c.blue() > 200 && c.red() < 120 && c.green() < 120)
            ++blueDots;
        // The drop line runs black below the dot, halfway to the bottom.
        const int below = int((centre.y() + H) / 2);
        if (H - centre.y() > 8)
            QVERIFY(image.pixelColor(qRound(i * W / 21 - 0.5), below).lightness() < 120);
    }
    QCOMPARE(blueDots, int(values.size()));
    // The line from the bottom-left corner to the first point.
    if (!values.isEmpty()) {
        const QPointF first(W / 21, (100 - values[0]) * H / 100);
        const QPointF mid = (first + QPointF(0, H)) / 2;
        const QColor c = image.pixelColor(qBound(0, qRound(mid.x() - 0.5), int(W) - 1),
                                          qBound(0, qRound(mid.y() - 0.5), int(H) - 1));
        QVERIFY2(c.blue() > c.red() + 40, qPrintable(c.name()));
    }
}

void TestReportPage::saveAsPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ReportPage page(m_home);
    page.show();
    page.BuildReport(realisticLevel());
    const QString path = m_dir.filePath(QStringLiteral("card.pdf"));
    QTimer::singleShot(0, [path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    // The save ends with a notice of where the card went.
    QString told;
    QTimer notice;
    notice.setInterval(20);
    connect(&notice, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || box->objectName() != QLatin1String("frmPopUp"))
            return;
        told = box->findChild<QLabel *>(QStringLiteral("lblMessage"))->text();
        QTest::mouseClick(box->findChild<QWidget *>(QStringLiteral("But1")), Qt::LeftButton, {},
                          QPoint(5, 5));
    });
    notice.start();
    QTest::mouseClick(page.findChild<QPushButton *>("SavePdf"), Qt::LeftButton);
    QVERIFY(QFile::exists(path));
    QVERIFY2(told.startsWith(QLatin1String("The results card was saved as\ncard.pdf\nin ")),
             qPrintable(told));
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(tool.waitForFinished(60000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("Quorvane English")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Paper 1\\s+85%\\s+0:6:7\\s+2/3/2024\\s+92.5%"))));
}

// With QUORVANE_SHOT_DIR set, leaves pictures of the three panes and of the
// card's first page there for a look by eye.
void TestReportPage::screenshots()
{
    const QString shots = qEnvironmentVariable("QUORVANE_SHOT_DIR");
    if (shots.isEmpty())
        QSKIP("QUORVANE_SHOT_DIR not set");
    QDir().mkpath(shots);
    writeTrend(m_dir.path(), kTrend24);
    ReportPage page(m_home);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.BuildReport(realisticLevel());
    const char *names[] = {"summary", "topical", "trend"};
    for (int pos = 1; pos <= 3; ++pos) {
        m_home.txtReportPos = pos;
        page.ShowReportPane();
        QVERIFY(page.grab().save(QStringLiteral("%1/report-%2.png").arg(shots, names[pos - 1])));
    }
    const QString pdf = shots + QStringLiteral("/report-card.pdf");
    QString error;
    QVERIFY2(SaveResultsCardPdf(realisticLevel(), QStringLiteral("Quorvane English"), pdf, &error),
             qPrintable(error));
}

QTEST_MAIN(TestReportPage)
#include "tst_reportpage.moc"
