#include "home/TopicLabel.h"

#include "ui/FocusMark.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TopicLabel::TopicLabel(const QString &objectName, QWidget *parent) : QLabel(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    setIndent(3);
    setCursor(Qt::PointingHandCursor);
}

void TopicLabel::setTopicName(const QString &name)
{
    constexpr qreal kSmallestPoints = 7.0;
    QFont font = parentWidget() ? parentWidget()->font() : QLabel::font();
    const int room = contentsRect().width() - 2 * indent();
    while (QFontMetrics(font).horizontalAdvance(name) > room &&
           font.pointSizeF() - 0.5 >= kSmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    setFont(font);
    const QString shown = QFontMetrics(font).elidedText(name, Qt::ElideRight, room);
    setText(shown);
    setToolTip(shown == name ? QString() : name);
    setAccessibleName(name);
}

void TopicLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TopicLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void TopicLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusMark(painter, rect());
    }
}
