#include "reports/ReportBar.h"

#include "ui/FocusMark.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

ReportBar::ReportBar(const QString &objectName, const QString &captionName, const QString &caption,
                     QWidget *parent)
    : QWidget(parent), m_caption(new QLabel(caption, this))
{
    setObjectName(objectName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(caption);
    setToolTip(caption);

    m_caption->setObjectName(captionName);
    // A click on the caption is a click on the bar.
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = m_caption->font();
    font.setBold(true);
    font.setPixelSize(12);
    m_caption->setFont(font);
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_caption->setPalette(palette);
}

void ReportBar::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ReportBar::resizeEvent(QResizeEvent *)
{
    const int left = Px(120);
    m_caption->setGeometry(left, 0, width() - 2 * left, height());
}

void ReportBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_picture.isNull()) {
        p.drawPixmap(rect(), m_picture);
    } else {
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(222, 222, 255));
        fill.setColorAt(1, QColor(192, 192, 255));
        p.fillRect(rect(), fill);
        p.fillRect(QRect(0, height() - 1, width(), 1), QColor(112, 112, 200));
    }
    if (m_pressed)
        p.fillRect(rect(), QColor(0, 0, 128, 40));
    if (hasFocus())
        DrawFocusMark(p, rect());
}

void ReportBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void ReportBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ReportBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
