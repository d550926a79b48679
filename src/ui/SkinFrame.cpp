#include "ui/SkinFrame.h"

#include "ui/PictureCache.h"

#include <QLabel>
#include <QWidget>

FrameRects LayoutFrame(const QSize &inner, const FramePieceSizes &p)
{
    const int w = inner.width();
    const int h = inner.height();
    FrameRects r;
    r.topLeft = QRect(QPoint(0, 0), p.topLeft);
    r.topRight = QRect(QPoint(w - p.topRight.width(), 0), p.topRight);
    r.topCentre = QRect(r.topLeft.left() + r.topLeft.width(), 0,
                        r.topRight.left() - r.topLeft.left() - r.topLeft.width(),
                        p.topCentre.height());
    r.botLeft = QRect(QPoint(0, h - p.botLeft.height()), p.botLeft);
    r.left = QRect(0, r.topLeft.top() + r.topLeft.height(), p.left.width(),
                   r.botLeft.top() - r.topLeft.top() - r.topLeft.height());
    r.botRight = QRect(QPoint(w - p.botRight.width(), h - p.botRight.height()), p.botRight);
    r.right = QRect(w - p.right.width(), r.topRight.top() + r.topRight.height(), p.right.width(),
                    r.botRight.top() - r.topRight.top() - r.topRight.height());
    r.bot = QRect(r.botLeft.left() + r.botLeft.width(), h - p.bot.height(),
                  r.botRight.left() - r.botLeft.left() - r.botLeft.width(), p.bot.height());
    return r;
}

SkinFrame::SkinFrame(QWidget *window, const QString &programFolder, bool popUpCorners)
    : QObject(window), m_window(window), m_folder(programFolder)
{
    m_topLeft = piece("BTopLeft", QStringLiteral("border_top_left.bmp"));
    m_topCentre = piece("BTopCentre", QStringLiteral("border_top_center.bmp"));
    m_topRight = piece("BTopRight", QStringLiteral("border_top_right.bmp"));
    m_left = piece("BLeft", QStringLiteral("border_left.bmp"));
    m_right = piece("BRight", QStringLiteral("border_right.bmp"));
    m_botLeft = piece("BBotLeft", popUpCorners ? QStringLiteral("Border_bot_left.gif")
                                               : QStringLiteral("border_left_corners.bmp"));
    m_bot = piece("BBot", QStringLiteral("border_bot.bmp"));
    m_botRight = piece("BBotRight", popUpCorners ? QStringLiteral("Border_bot_right.gif")
                                                 : QStringLiteral("border_right_corners.bmp"));
}

QLabel *SkinFrame::piece(const char *name, const QString &picture)
{
    auto *label = new QLabel(m_window);
    label->setObjectName(QLatin1String(name));
    label->setScaledContents(true);
    setPicture(label, picture);
    return label;
}

void SkinFrame::setPicture(QLabel *label, const QString &picture)
{
    const QPixmap pixmap = SkinPicture(m_folder, picture);
    label->setPixmap(pixmap);
    if (!pixmap.isNull())
        label->resize(pixmap.deviceIndependentSize().toSize());
}

void SkinFrame::setActiveLook(bool active)
{
    const QString stem = active ? QStringLiteral("border_top_") : QStringLiteral("border_white_top_");
    m_topLeft->setPixmap(SkinPicture(m_folder, stem + QStringLiteral("left.bmp")));
    m_topCentre->setPixmap(SkinPicture(m_folder, stem + QStringLiteral("center.bmp")));
    m_topRight->setPixmap(SkinPicture(m_folder, stem + QStringLiteral("right.bmp")));
}

static QSize pictureSize(const QLabel *label)
{
    const QPixmap pixmap = label->pixmap();
    return pixmap.isNull() ? QSize(0, 0) : pixmap.deviceIndependentSize().toSize();
}

void SkinFrame::layout()
{
    FramePieceSizes sizes{pictureSize(m_topLeft), pictureSize(m_topCentre),
                          pictureSize(m_topRight), pictureSize(m_left),
                          pictureSize(m_right),   pictureSize(m_botLeft),
                          pictureSize(m_bot),     pictureSize(m_botRight)};
    const FrameRects r = LayoutFrame(m_window->size(), sizes);
    m_topLeft->setGeometry(r.topLeft);
    m_topCentre->setGeometry(r.topCentre);
    m_topRight->setGeometry(r.topRight);
    m_left->setGeometry(r.left);
    m_right->setGeometry(r.right);
    m_botLeft->setGeometry(r.botLeft);
    m_bot->setGeometry(r.bot);
    m_botRight->setGeometry(r.botRight);
}

int SkinFrame::titleBarHeight() const { return pictureSize(m_topLeft).height(); }
int SkinFrame::leftWidth() const { return pictureSize(m_left).width(); }
int SkinFrame::rightWidth() const { return pictureSize(m_right).width(); }
int SkinFrame::bottomHeight() const { return pictureSize(m_bot).height(); }

QList<QWidget *> SkinFrame::topPieces() const { return {m_topLeft, m_topCentre, m_topRight}; }
