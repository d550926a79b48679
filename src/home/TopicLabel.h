#pragma once

#include <QLabel>

// A topic name on the home page: a label that Tab reaches and that is clicked
// with the mouse, Enter or Space.
class TopicLabel : public QLabel
{
    Q_OBJECT

public:
    TopicLabel(const QString &objectName, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
