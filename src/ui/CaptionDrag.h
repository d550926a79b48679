#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a frameless window while the mouse is held on one of its caption
// pieces: through the window system's own move where it offers one, otherwise
// by following the mouse.
class CaptionDrag : public QObject
{
public:
    explicit CaptionDrag(QWidget *window);

    // Makes a press on `caption` start a drag of the window.
    void addCaption(QWidget *caption);
    // Starts a drag now, the mouse being at `globalPos`.
    void start(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPoint m_offset;
    bool m_manual = false;
};
