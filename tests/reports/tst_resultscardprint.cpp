#include "ReportTestLevels.h"
#include "reports/ResultsCardPrinter.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestResultsCardPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tenTopicCard();
    void paperLines_data();
    void paperLines();
    void savedPdfMatchesPrint();
    void rulesSpanTheTable_data();
    void rulesSpanTheTable();
    void noPrinter();
    void unwritablePdfPath();

private:
    QString printToText(const LevelData &level, const QString &title);
    QTemporaryDir m_dir;
};

namespace {

const QString kTitle = QStringLiteral("Quorvane English Drills");

QString pdfText(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

LevelData tenTopicLevel()
{
    LevelData level = MakeLevel(10, TopicNamesT(10), {"1=87.5", "7=62.5"}, {"7=90"});
    level.TimesTaken.set(1, QStringLiteral("0:12:30"));
    level.CompletionDates.set(1, QStringLiteral("30/12/2005"));
    level.TimesTaken.set(7, QStringLiteral("0:7:5"));
    level.CompletionDates.set(7, QStringLiteral("2/1/2006"));
    return level;
}

// A word of a PDF page and its box, in points.
struct Word
{
    QString text;
    QRectF box;
};

// The words of the first page with their boxes, and the page's width.
QList<Word> pdfWords(const QString &pdf, qreal *pageWidth)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                             QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000))
        return {};
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\""));
    *pageWidth = page.match(html).captured(1).toDouble();
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

} // namespace

void TestResultsCardPrint::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(m_dir.isValid());
}

QString TestResultsCardPrint::printToText(const LevelData &level, const QString &title)
{
    const QString pdf = m_dir.filePath(QStringLiteral("card%1.pdf").arg(qHash(title)));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QString error;
    if (!PrintResultsCard(level, title, printer, &error)) {
        qWarning() << error;
        return QString();
    }
    return pdfText(pdf);
}

void TestResultsCardPrint::tenTopicCard()
{
    const QString text = printToText(tenTopicLevel(), kTitle);
    QVERIFY(!text.isEmpty());
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() > 1, "a 10-topic card needs more than one page");

    const QStringList lines = text.split(QLatin1Char('\n'));
    QVERIFY(lines.filter(QRegularExpression(QStringLiteral("^\\s*%1\\s*$").arg(kTitle))).size() == 1);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\s*Papers\\s+First take\\s+Time taken\\s+Date\\s+Second take\\s*$"))).size(), 10);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\s*score\\s+score\\s*$"))).size(), 10);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\s*-{20,}\\s*$"))).size(), 20);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\s*Paper [1-5]\\b"))).size(), 50);
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\s*Paper %1\\b").arg(j))).size(), 10);

    // Each topic's heading stands on the same page as its first paper line, in order.
    for (int t = 1; t <= 10; ++t) {
        const QRegularExpression heading(QStringLiteral("^\\s*T%1\\s*$").arg(t),
                                         QRegularExpression::MultilineOption);
        int found = 0;
        for (const QString &page : pages) {
            const QRegularExpressionMatch m = heading.match(page);
            if (!m.hasMatch())
                continue;
            ++found;
            const QString after = page.mid(m.capturedEnd());
            QVERIFY2(after.contains(QRegularExpression(QStringLiteral("Paper 1\\b"))),
                     qPrintable(QStringLiteral("heading T%1 split from its first paper").arg(t)));
        }
        QCOMPARE(found, 1);
    }
}

void TestResultsCardPrint::paperLines_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("first take, time, date, no second take")
        << "^\\s*Paper 1\\s+87\\.5%\\s+0:12:30\\s+30/12/2005\\s+%\\s*$";
    QTest::newRow("both takes") << "^\\s*Paper 2\\s+62\\.5%\\s+0:7:5\\s+2/1/2006\\s+90%\\s*$";
    QTest::newRow("unmarked: percent signs alone") << "^\\s*Paper 3\\s+%\\s+%\\s*$";
}

void TestResultsCardPrint::paperLines()
{
    QFETCH(QString, pattern);
    static const QString text = printToText(tenTopicLevel(), kTitle);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVERIFY2(!lines.filter(QRegularExpression(pattern)).isEmpty(), qPrintable(text.left(3000)));
}

void TestResultsCardPrint::savedPdfMatchesPrint()
{
    const LevelData level = tenTopicLevel();
    const QString path = m_dir.filePath(QStringLiteral("saved.pdf"));
    QString error;
    QVERIFY2(SaveResultsCardPdf(level, kTitle, path, &error), qPrintable(error));
    QCOMPARE(pdfText(path), printToText(level, kTitle));
}

void TestResultsCardPrint::rulesSpanTheTable_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::newRow("A4") << QPageSize::A4 << QPageLayout::Portrait;
    QTest::newRow("A5, narrower than the table at full size")
        << QPageSize::A5 << QPageLayout::Portrait;
    QTest::newRow("Letter, landscape") << QPageSize::Letter << QPageLayout::Landscape;
}

// On the printed page the rules run from the first column of the table to
// the end of its last one, past every heading and value, and the whole table
// stays inside the page.
void TestResultsCardPrint::rulesSpanTheTable()
{
    QFETCH(QPageSize::PageSizeId, size);
    QFETCH(QPageLayout::Orientation, orientation);
    const QString pdf = m_dir.filePath(QStringLiteral("rules.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(orientation);
    QString error;
    QVERIFY2(PrintResultsCard(tenTopicLevel(), kTitle, printer, &error), qPrintable(error));

    qreal pageWidth = 0;
    const QList<Word> words = pdfWords(pdf, &pageWidth);
    QVERIFY(!words.isEmpty());
    QList<QRectF> rules;
    QRectF table;
    for (const Word &w : words) {
        if (!w.text.isEmpty() && w.text.count(QLatin1Char('-')) == w.text.size())
            rules.append(w.box);
        else if (w.text != kTitle.section(QLatin1Char(' '), 0, 0) &&
                 !w.text.startsWith(QLatin1Char('T')))
            table |= w.box;
    }
    QVERIFY(rules.size() >= 2);
    const QRectF papers = std::find_if(words.begin(), words.end(), [](const Word &w) {
                              return w.text == QLatin1String("Papers");
                          })->box;
    const QRectF first = std::find_if(words.begin(), words.end(), [](const Word &w) {
                             return w.text == QLatin1String("First");
                         })->box;
    const QRectF score = std::find_if(words.begin(), words.end(), [](const Word &w) {
                             return w.text == QLatin1String("87.5%");
                         })->box;
    for (const QRectF &rule : rules) {
        QVERIFY2(qAbs(rule.left() - papers.left()) < 1.0, qPrintable(QString::number(rule.left())));
        QVERIFY2(rule.right() >= table.right() - 0.5,
                 qPrintable(QStringLiteral("rule ends at %1, table at %2")
                                .arg(rule.right())
                                .arg(table.right())));
        QVERIFY(rule.right() <= pageWidth);
    }
    // A value stands in its heading's column.
    QVERIFY(qAbs(first.left() - score.left()) < 1.0);
}

void TestResultsCardPrint::noPrinter()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer installed");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString error;
    QVERIFY(!PrintResultsCard(tenTopicLevel(), kTitle, printer, &error));
    QVERIFY(error.contains(QStringLiteral("No printer")));
}

void TestResultsCardPrint::unwritablePdfPath()
{
    const QString path = m_dir.filePath(QStringLiteral("missing/folder/card.pdf"));
    QString error;
    QVERIFY(!SaveResultsCardPdf(tenTopicLevel(), kTitle, path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestResultsCardPrint)
#include "tst_resultscardprint.moc"
