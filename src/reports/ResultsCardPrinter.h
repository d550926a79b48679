#pragma once

#include "content/LevelData.h"
#include "reports/ResultsCard.h"

#include <QFont>
#include <QString>

class QPaintDevice;
class QPrinter;

// Prints the results card of the level on the given printer, without a dialog.
// Returns false with a message, printing nothing, when no printer is available
// or the printer cannot be started. A printer that writes a PDF file replaces
// the file only once the card is complete.
bool PrintResultsCard(const LevelData &level, const QString &title, QPrinter &printer,
                      QString *error);

// The PDF file a printer writes to; empty when it prints on paper.
QString PrintTargetFile(const QPrinter &printer);

// Writes the same card as a PDF file, replacing the file only once it is complete.
bool SaveResultsCardPdf(const LevelData &level, const QString &title, const QString &path,
                        QString *error);

// The one drawing of the card, for printers and PDF output alike: items in
// zones of 14 characters of a fixed-pitch font, sized so that a whole line of
// the table fits the printable width, and a new page when one is full.
bool RenderResultsCard(const ResultsCard &card, QPrinter &printer, QString *error);

// The card's font on a device: fixed pitch, 10 points or smaller so that a
// line of the table and a blank zone after it fit in `width` pixels.
QFont CardFont(const QPaintDevice &device, int width);
