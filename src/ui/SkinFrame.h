#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

// Sizes of the eight frame pieces (their pictures' sizes).
struct FramePieceSizes
{
    QSize topLeft, topCentre, topRight, left, right, botLeft, bot, botRight;
};

// Where the eight frame pieces go for an inner size W x H.
struct FrameRects
{
    QRect topLeft, topCentre, topRight, left, right, botLeft, bot, botRight;
};

// The frame layout rule: corners at the corners, edges stretched between them.
FrameRects LayoutFrame(const QSize &inner, const FramePieceSizes &pieces);

// The eight frame pieces of a skinned window, as direct children of the window
// named BTopLeft, BTopCentre, BTopRight, BLeft, BRight, BBotLeft, BBot, BBotRight.
class SkinFrame : public QObject
{
    Q_OBJECT

public:
    // popUpCorners: the pop-up's own rounded bottom corners instead of the square ones.
    SkinFrame(QWidget *window, const QString &programFolder, bool popUpCorners);

    // Active (blue) or inactive (white) top pieces.
    void setActiveLook(bool active);
    // Lays the pieces out for the window's current size.
    void layout();

    int titleBarHeight() const;
    int leftWidth() const;
    int rightWidth() const;
    int bottomHeight() const;
    // The three top pieces, which start a window drag when pressed.
    QList<QWidget *> topPieces() const;

private:
    QLabel *piece(const char *name, const QString &picture);
    void setPicture(QLabel *label, const QString &picture);

    QWidget *m_window;
    QString m_folder;
    QLabel *m_topLeft, *m_topCentre, *m_topRight, *m_left, *m_right, *m_botLeft, *m_bot,
        *m_botRight;
};
