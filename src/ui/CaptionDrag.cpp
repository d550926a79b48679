#include "ui/CaptionDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

CaptionDrag::CaptionDrag(QWidget *window) : QObject(window), m_window(window) {}

void CaptionDrag::addCaption(QWidget *caption)
{
    caption->installEventFilter(this);
}

void CaptionDrag::start(const QPoint &globalPos)
{
    m_offset = globalPos - m_window->pos();
    QWindow *handle = m_window->windowHandle();
    m_manual = !(handle && handle->startSystemMove());
}

bool CaptionDrag::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        start(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_manual && mouse->buttons() != Qt::NoButton) {
            m_window->move(mouse->globalPosition().toPoint() - m_offset);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_manual = false;
        break;
    default:
        break;
    }
    return false;
}
