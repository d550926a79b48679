#pragma once

#include <QPoint>
#include <QWidget>

class CaptionDrag;
class PictureButton;
class QLabel;
class SkinFrame;

enum class WindowKind { Home, Practice, PopUp };

// A frameless window drawn from the skin: the eight frame pieces, the title bar
// with icon, title and its own minimise (and for practice windows maximise)
// and close buttons, the outline with cut corners, dragging by the top edge,
// and the active and inactive looks.
class SkinnedWindow : public QWidget
{
    Q_OBJECT

public:
    SkinnedWindow(WindowKind kind, const QString &programFolder, QWidget *parent = nullptr);

    void setTitleText(const QString &text);
    QString titleText() const;
    WindowKind kind() const { return m_kind; }
    QString programFolder() const { return m_folder; }

    int titleBarHeight() const;
    int frameLeftWidth() const;
    int frameRightWidth() const;
    int frameBottomHeight() const;

    // Clips the window to its outline for its current size.
    void pRoundCorners();
    // Sets the active (blue) or inactive (white) look; activation changes call it.
    void setActiveLook(bool active);
    bool activeLook() const { return m_active; }

    // Starts a drag of the window by its caption.
    void MoveForm();

protected:
    // The title bar's close button: the home window closes the program, a
    // practice window asks first.
    virtual void closeRequested();
    // Called whenever the window becomes active or inactive.
    virtual void activeChanged(bool active);

    QLabel *titleLabel() const { return m_title; }
    QLabel *iconLabel() const { return m_icon; }
    PictureButton *closeButton() const { return m_close; }
    PictureButton *minButton() const { return m_min; }
    PictureButton *maxButton() const { return m_max; }

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layoutTitleBar();
    void setTitleButtonPictures();
    void imgProgMax_Click();

    WindowKind m_kind;
    QString m_folder;
    SkinFrame *m_frame;
    QLabel *m_icon;
    QLabel *m_title;
    PictureButton *m_min;
    PictureButton *m_max = nullptr;
    PictureButton *m_close;
    bool m_active = true;
    CaptionDrag *m_drag;
};
