#pragma once

#include "../support/TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `act` on the first visible top-level window whose object name is
// `name` (a message box or dialog) once it appears, polling every 20 ms.
inline void WhenShown(const QString &name, std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == name) {
                timer->stop();
                timer->deleteLater();
                act(w);
                return;
            }
        }
    });
    timer->start();
}

// Clicks the push button named `button` of the window named `name` once shown.
inline void ClickWhenShown(const QString &name, const QString &button)
{
    WhenShown(name, [button](QWidget *w) {
        if (auto *b = w->findChild<QPushButton *>(button))
            b->click();
        else if (auto *d = qobject_cast<QDialog *>(w))
            d->accept();
    });
}
