#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// A header bar of the report page: a picture with a caption label on it. It
// is reached with Tab and activated by a click (on the bar or its caption),
// Enter, Return or Space.
class ReportBar : public QWidget
{
    Q_OBJECT

public:
    ReportBar(const QString &objectName, const QString &captionName, const QString &caption,
              QWidget *parent);

    void setPicture(const QPixmap &picture);
    QLabel *captionLabel() const { return m_caption; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_caption;
    QPixmap m_picture;
    bool m_pressed = false;
};
