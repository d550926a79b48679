#pragma once

#include <QAbstractButton>
#include <QRect>
#include <QString>

class QLabel;

// A clickable skin picture. It shows its "off" picture, the "on" picture while
// the cursor is over it, the "pressed" picture while the cursor is over it and
// the press flag is set, and the "disabled" picture while it is disabled. The
// look follows the cursor's position through enter and leave events, mouse
// moves and a shared 100 ms poll, whether a mouse button is held or not.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(QWidget *parent, const QString &objectName, const QString &programFolder);
    ~PictureButton() override;

    // Picture file names in the Graphics folder; empty names are not used.
    void setPictures(const QString &off, const QString &on, const QString &pressed = {},
                     const QString &disabled = {});
    // The caption, shown by a child label laid over the picture. Toolbar pictures
    // (taller than 40 pixels) keep it in their lower 16 rows, other pictures centre it.
    void setCaption(const QString &text);
    QString caption() const;
    void setCaptionLabelName(const QString &name);
    // Where the caption label sits, in the button's pixels.
    void setCaptionRect(const QRect &rect);
    QLabel *captionLabel() const { return m_label; }
    // Several buttons may share one press flag: a mouse press on any of them sets
    // it, the release clears it. Without a shared flag the button uses its own.
    void setPressTracker(bool *flag);

    // The picture the button shows now: one of the names given to setPictures.
    QString currentPictureName() const;
    QSize sizeHint() const override;

    // Re-evaluates the looks of all buttons (the 100 ms poll calls this).
    static void refreshAll();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool cursorOver() const;
    void refreshLook();
    void placeCaption();
    void updateAccessibleName();

    QString m_folder;
    QString m_off, m_on, m_pressed, m_disabled;
    QString m_shown;
    QLabel *m_label = nullptr;
    QString m_labelName;
    QRect m_captionRect;
    bool m_ownPress = false;
    bool *m_press = &m_ownPress;
};
