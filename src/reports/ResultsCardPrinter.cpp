#include "reports/ResultsCardPrinter.h"

#include "content/SafeWrite.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

bool printsToFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

} // namespace

bool RenderResultsCard(const ResultsCard &card, QPrinter &printer, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        setError(error, QStringLiteral("The printer \"%1\" could not be started, so the results "
                                       "card was not printed.")
                            .arg(printer.printerName()));
        return false;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int column = qMax(1, metrics.averageCharWidth());
    const int lineHeight = qMax(1, metrics.lineSpacing());
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect page(0, 0, area.width(), area.height());
    // What runs past the printable width, such as the end of the long rule, is cut.
    painter.setClipRect(page);

    const QList<QList<int>> pages = card.pages(page.height() / lineHeight);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            setError(error, QStringLiteral("The printer stopped after page %1 of the results card.")
                                .arg(p));
            return false;
        }
        painter.setClipRect(page);
        int baseline = metrics.ascent();
        for (int n : pages[p]) {
            const ResultsCard::Line &line = card.lines[n];
            const QList<int> columns = ResultsCard::zoneColumns(line.items);
            for (qsizetype k = 0; k < line.items.size(); ++k)
                painter.drawText(columns[k] * column, baseline, line.items[k]);
            baseline += lineHeight;
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        setError(error, QStringLiteral("The printer reported an error while printing the results card."));
        return false;
    }
    return true;
}

bool PrintResultsCard(const LevelData &level, const QString &title, QPrinter &printer,
                      QString *error)
{
    if (QPrinterInfo::availablePrinters().isEmpty() && !printsToFile(printer)) {
        setError(error, QStringLiteral("No printer is installed, so the results card cannot be "
                                       "printed. Install a printer, or use \"Save as PDF...\" "
                                       "on the report page."));
        return false;
    }
    return RenderResultsCard(ResultsCard::build(level, title), printer, error);
}

bool SaveResultsCardPdf(const LevelData &level, const QString &title, const QString &path,
                        QString *error)
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
    if (!RenderResultsCard(ResultsCard::build(level, title), printer, error))
        return false;
    QFile file(draft);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("The PDF file could not be made: %1").arg(file.errorString()));
        return false;
    }
    WriteError failed;
    if (!WriteFileAtomically(path, file.readAll(), &failed)) {
        setError(error, failed.text());
        return false;
    }
    return true;
}
