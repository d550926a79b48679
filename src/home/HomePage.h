#pragma once

#include "ui/HomePageSize.h"

#include <QColor>
#include <QString>

class QWidget;

// Names a page, gives it the page size and paints its background.
void PrepareHomePage(QWidget *page, const QString &objectName, const QColor &background,
                     const QColor &text = Qt::black);
