#include "reports/ResultsCardPrinter.h"

#include "content/SafeWrite.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtMath>

namespace {

// The card's type size when the page is wide enough for it.
constexpr qreal kLargestPoints = 10;

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

// Draws the card into a PDF file beside the target, with the given page
// layout, and puts it in place whole.
bool writeCardPdf(const ResultsCard &card, const QString &title, const QString &path,
                  const QPageLayout *layout, QString *error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        setError(error, QStringLiteral("No room for a temporary file: %1").arg(work.errorString()));
        return false;
    }
    const QString draft = work.filePath(QStringLiteral("card.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(draft);
    printer.setDocName(title);
    if (layout)
        printer.setPageLayout(*layout);
    if (!RenderResultsCard(card, printer, error))
        return false;
    QFile file(draft);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error,
                 QStringLiteral("The PDF file could not be made: %1").arg(file.errorString()));
        return false;
    }
    WriteError failed;
    if (!WriteFileAtomically(path, file.readAll(), &failed)) {
        setError(error, failed.text());
        return false;
    }
    return true;
}

} // namespace

QString PrintTargetFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

QFont CardFont(const QPaintDevice &device, int width)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(kLargestPoints);
    // A blank zone's width stays free at the right, as zone 1 is at the left.
    const qreal line = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('-')) *
                       (ResultsCard::kColumns + ResultsCard::kZoneWidth);
    if (line > width)
        font.setPointSizeF(qFloor(kLargestPoints * width / line * 4) / 4.0);
    return font;
}

bool RenderResultsCard(const ResultsCard &card, QPrinter &printer, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        setError(error, QStringLiteral("The printer \"%1\" could not be started, so the results "
                                       "card was not printed.")
                            .arg(printer.printerName()));
        return false;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect page(0, 0, area.width(), area.height());
    painter.setFont(CardFont(printer, page.width()));
    const QFontMetricsF metrics(painter.font(), &printer);
    // Every character of a fixed-pitch font is one column wide, so the zones,
    // the headings and the rules line up exactly.
    const qreal column = metrics.horizontalAdvance(QLatin1Char('-'));
    const qreal lineHeight = qMax(1.0, metrics.lineSpacing());
    // What runs past the printable width, such as the end of the long rule, is cut.
    painter.setClipRect(page);

    const QList<QList<int>> pages = card.pages(int(page.height() / lineHeight));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            setError(
                error,
                QStringLiteral("The printer stopped after page %1 of the results card.").arg(p));
            return false;
        }
        painter.setClipRect(page);
        qreal baseline = metrics.ascent();
        for (int n : pages[p]) {
            const ResultsCard::Line &line = card.lines[n];
            const QList<int> columns = ResultsCard::zoneColumns(line.items);
            for (qsizetype k = 0; k < line.items.size(); ++k)
                painter.drawText(QPointF(columns[k] * column, baseline), line.items[k]);
            baseline += lineHeight;
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        setError(error,
                 QStringLiteral("The printer reported an error while printing the results card."));
        return false;
    }
    return true;
}

bool PrintResultsCard(const LevelData &level, const QString &title, QPrinter &printer,
                      QString *error)
{
    const QString file = PrintTargetFile(printer);
    if (QPrinterInfo::availablePrinters().isEmpty() && file.isEmpty()) {
        setError(error, QStringLiteral("No printer is installed, so the results card cannot be "
                                       "printed. Install a printer, or use \"Save as PDF...\" "
                                       "on the report page."));
        return false;
    }
    const ResultsCard card = ResultsCard::build(level, title);
    if (!file.isEmpty()) {
        const QPageLayout layout = printer.pageLayout();
        return writeCardPdf(card, title, file, &layout, error);
    }
    return RenderResultsCard(card, printer, error);
}

bool SaveResultsCardPdf(const LevelData &level, const QString &title, const QString &path,
                        QString *error)
{
    return writeCardPdf(ResultsCard::build(level, title), title, path, nullptr, error);
}
