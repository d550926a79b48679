#include "home/HomePage.h"

#include "ui/Twips.h"

#include <QPalette>
#include <QWidget>

void PrepareHomePage(QWidget *page, const QString &objectName, const QColor &background,
                     const QColor &text)
{
    page->setObjectName(objectName);
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    page->setPalette(pal);
    page->resize(Px(kHomePageWidth), Px(kHomePageHeight));
}
