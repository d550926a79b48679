#include "ui/SkinnedWindow.h"

#include "ui/CaptionDrag.h"
#include "ui/Outline.h"
#include "ui/PictureButton.h"
#include "ui/PictureCache.h"
#include "ui/SkinFrame.h"
#include "ui/Twips.h"

#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QRegion>

namespace {

// Title bar offsets, in twips.
constexpr int kHomeTitleLeft = 450;
constexpr int kPracticeTitleLeft = 454;   // 800 hundredths of a millimetre
constexpr int kIconLeft = 136;            // 240 hundredths of a millimetre
constexpr int kHomeCloseRightGap = 60;
constexpr int kHomeButtonGap = 30;
constexpr int kPracticeCloseRightGap = 68; // 120 hundredths of a millimetre
constexpr int kPracticeButtonGap = 34;     // 60 hundredths of a millimetre

} // namespace

SkinnedWindow::SkinnedWindow(WindowKind kind, const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_kind(kind), m_folder(programFolder)
{
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_frame = new SkinFrame(this, programFolder, kind == WindowKind::PopUp);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("ImgIco"));
    const QPixmap icon = SkinPicture(
        programFolder, kind == WindowKind::Practice ? QStringLiteral("Pencil.ico")
                                                    : QStringLiteral("QVicon.ico"));
    const QPixmap small = icon.isNull() ? icon : icon.scaled(16, 16, Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation);
    m_icon->setPixmap(small);
    m_icon->resize(small.isNull() ? QSize(16, 16) : small.size());
    if (!icon.isNull())
        setWindowIcon(QIcon(icon));

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Title"));
    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setPointSizeF(9);
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_min = new PictureButton(this, QStringLiteral("imgProgMin"), programFolder);
    m_min->setToolTip(QStringLiteral("Minimize"));
    connect(m_min, &PictureButton::clicked, this, [this] { showMinimized(); });
    if (kind == WindowKind::Practice) {
        m_max = new PictureButton(this, QStringLiteral("imgProgMax"), programFolder);
        m_max->setToolTip(QStringLiteral("Restore"));
        connect(m_max, &PictureButton::clicked, this, &SkinnedWindow::imgProgMax_Click);
    }
    m_close = new PictureButton(this, QStringLiteral("imgProgClose"), programFolder);
    m_close->setToolTip(QStringLiteral("Close"));
    connect(m_close, &PictureButton::clicked, this, [this] { closeRequested(); });

    m_drag = new CaptionDrag(this);
    for (QWidget *piece : m_frame->topPieces())
        m_drag->addCaption(piece);
    m_drag->addCaption(m_title);

    setActiveLook(true);
}

void SkinnedWindow::setTitleText(const QString &text)
{
    m_title->setText(text);
    m_title->adjustSize();
    setWindowTitle(text);
    layoutTitleBar();
}

QString SkinnedWindow::titleText() const { return m_title->text(); }

int SkinnedWindow::titleBarHeight() const { return m_frame->titleBarHeight(); }
int SkinnedWindow::frameLeftWidth() const { return m_frame->leftWidth(); }
int SkinnedWindow::frameRightWidth() const { return m_frame->rightWidth(); }
int SkinnedWindow::frameBottomHeight() const { return m_frame->bottomHeight(); }

void SkinnedWindow::pRoundCorners()
{
    setMask(QRegion(RoundCornersPolygon(width(), height(), m_kind == WindowKind::PopUp),
                    Qt::WindingFill));
}

void SkinnedWindow::setActiveLook(bool active)
{
    m_active = active;
    m_frame->setActiveLook(active);
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, active ? QColor(255, 255, 255) : QColor(128, 128, 128));
    m_title->setPalette(pal);
    setTitleButtonPictures();
}

void SkinnedWindow::setTitleButtonPictures()
{
    const auto set = [this](PictureButton *button, const QString &what) {
        if (!button)
            return;
        if (m_active)
            button->setPictures(QStringLiteral("prog_blueoff_") + what + QStringLiteral(".bmp"),
                                QStringLiteral("prog_blue_") + what + QStringLiteral(".bmp"));
        else
            button->setPictures(QStringLiteral("prog_white_") + what + QStringLiteral(".bmp"),
                                QStringLiteral("prog_white_") + what + QStringLiteral(".bmp"));
    };
    set(m_close, QStringLiteral("close"));
    set(m_min, QStringLiteral("min"));
    if (m_max) {
        const bool maximised = isMaximized() && m_active;
        set(m_max, maximised ? QStringLiteral("norm") : QStringLiteral("max"));
    }
}

void SkinnedWindow::MoveForm()
{
    m_drag->start(QCursor::pos());
}

void SkinnedWindow::closeRequested() { close(); }

void SkinnedWindow::activeChanged(bool) {}

void SkinnedWindow::imgProgMax_Click()
{
    if (isMinimized())
        return;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void SkinnedWindow::layoutTitleBar()
{
    const int bar = m_frame->titleBarHeight();
    const int w = width();
    const bool home = m_kind != WindowKind::Practice;
    m_title->move(Px(home ? kHomeTitleLeft : kPracticeTitleLeft), (bar - m_title->height()) / 2);
    m_icon->move(Px(kIconLeft), (bar - m_icon->height()) / 2);
    const auto centre = [bar](PictureButton *b) { return (bar - b->height()) / 2; };
    if (home) {
        m_close->move(w - m_close->width() - Px(kHomeCloseRightGap), centre(m_close));
        m_min->move(m_close->x() - m_min->width() - Px(kHomeButtonGap), centre(m_min));
    } else {
        m_close->move(w - m_close->width() - Px(kPracticeCloseRightGap), centre(m_close));
        m_max->move(m_close->x() - m_max->width() - Px(kPracticeButtonGap), centre(m_max));
        m_min->move(m_max->x() - m_min->width() - Px(kPracticeButtonGap), centre(m_min));
    }
    m_title->resize(qMax(0, m_min->x() - m_title->x() - 4), m_title->height());
}

void SkinnedWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_frame->layout();
    layoutTitleBar();
}

void SkinnedWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        setActiveLook(active);
        activeChanged(active);
    } else if (event->type() == QEvent::WindowStateChange) {
        setTitleButtonPictures();
    }
}
