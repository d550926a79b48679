#include "ui/PictureButton.h"

#include "ui/FocusMark.h"
#include "ui/PictureCache.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QTimer>

namespace {

QSet<PictureButton *> &liveButtons()
{
    static QSet<PictureButton *> buttons;
    return buttons;
}

void ensurePoll()
{
    static QTimer *poll = nullptr;
    if (poll)
        return;
    poll = new QTimer;
    poll->setInterval(100);
    QObject::connect(poll, &QTimer::timeout, [] { PictureButton::refreshAll(); });
    poll->start();
}

constexpr int kToolbarPictureHeight = 40;
constexpr int kToolbarCaptionRows = 16;

} // namespace

PictureButton::PictureButton(QWidget *parent, const QString &objectName,
                             const QString &programFolder)
    : QAbstractButton(parent), m_folder(programFolder)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::ArrowCursor);
    liveButtons().insert(this);
    ensurePoll();
}

PictureButton::~PictureButton() { liveButtons().remove(this); }

void PictureButton::setPictures(const QString &off, const QString &on, const QString &pressed,
                                const QString &disabled)
{
    m_off = off;
    m_on = on;
    m_pressed = pressed;
    m_disabled = disabled;
    const QPixmap picture = SkinPicture(m_folder, off);
    if (!picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    m_shown.clear();
    refreshLook();
}

void PictureButton::setCaption(const QString &text)
{
    if (!m_label) {
        m_label = new QLabel(this);
        m_label->setObjectName(m_labelName.isEmpty() ? objectName() + QStringLiteral("_lbl")
                                                     : m_labelName);
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(8);
        m_label->setFont(font);
    }
    m_label->setText(text);
    placeCaption();
    m_label->show();
    updateAccessibleName();
}

QString PictureButton::caption() const { return m_label ? m_label->text() : QString(); }

void PictureButton::setCaptionLabelName(const QString &name)
{
    m_labelName = name;
    if (m_label)
        m_label->setObjectName(name);
}

void PictureButton::setCaptionRect(const QRect &rect)
{
    m_captionRect = rect;
    placeCaption();
}

void PictureButton::setPressTracker(bool *flag) { m_press = flag ? flag : &m_ownPress; }

QString PictureButton::currentPictureName() const
{
    if (!isEnabled() && !m_disabled.isEmpty())
        return m_disabled;
    if (isEnabled() && cursorOver()) {
        if (*m_press && !m_pressed.isEmpty())
            return m_pressed;
        if (!m_on.isEmpty())
            return m_on;
    }
    return m_off;
}

QSize PictureButton::sizeHint() const
{
    const QPixmap picture = SkinPicture(m_folder, m_off);
    return picture.isNull() ? QSize(16, 16) : picture.deviceIndependentSize().toSize();
}

void PictureButton::refreshAll()
{
    const auto buttons = liveButtons();
    for (PictureButton *button : buttons)
        button->refreshLook();
}

bool PictureButton::cursorOver() const
{
    if (!isVisible())
        return false;
    if (underMouse())
        return true;
    // While another widget holds the mouse no enter events arrive: ask the cursor.
    return *m_press && rect().contains(mapFromGlobal(QCursor::pos()));
}

void PictureButton::refreshLook()
{
    const QString name = currentPictureName();
    if (name != m_shown) {
        m_shown = name;
        update();
    }
}

void PictureButton::placeCaption()
{
    if (!m_label)
        return;
    QRect area = m_captionRect;
    if (area.isNull()) {
        area = rect();
        if (height() > kToolbarPictureHeight)
            area.setTop(height() - kToolbarCaptionRows);
    }
    m_label->setGeometry(area);
}

void PictureButton::updateAccessibleName()
{
    const QString name = caption().isEmpty() ? toolTip() : caption();
    setAccessibleName(name);
    setText(name);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_shown = currentPictureName();
    const QPixmap picture = SkinPicture(m_folder, m_shown);
    if (!picture.isNull())
        painter.drawPixmap(rect(), picture);
    if (hasFocus())
        DrawFocusMark(painter, rect());
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    *m_press = true;
    refreshAll();
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    *m_press = false;
    QAbstractButton::mouseReleaseEvent(event);
    refreshAll();
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    refreshLook();
}

void PictureButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    refreshLook();
}

void PictureButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    placeCaption();
}

bool PictureButton::event(QEvent *event)
{
    const bool handled = QAbstractButton::event(event);
    switch (event->type()) {
    case QEvent::ToolTipChange:
        updateAccessibleName();
        break;
    case QEvent::EnabledChange:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
        refreshLook();
        break;
    default:
        break;
    }
    return handled;
}
