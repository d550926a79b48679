#pragma once

#include <QLabel>

// A topic name on the home page: a label that Tab reaches and that is clicked
// with the mouse, Enter or Space.
class TopicLabel : public QLabel
{
    Q_OBJECT

public:
    TopicLabel(const QString &objectName, QWidget *parent);

    // Shows a topic name in the label's width: a long name is set in a
    // smaller type (down to 7 pt) and, if it still does not fit, shortened
    // with an ellipsis; the tooltip then gives it whole.
    void setTopicName(const QString &name);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
