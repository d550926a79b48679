#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Every page of the home window (home, report, erase, about) fills the same
// place below the tab strip.
inline constexpr int kHomePageWidth = 6015;  // twips
inline constexpr int kHomePageHeight = 5655; // twips

// Names a page, gives it the page size and paints its background.
void PrepareHomePage(QWidget *page, const QString &objectName, const QColor &background,
                     const QColor &text = Qt::black);
