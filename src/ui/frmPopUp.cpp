#include "ui/frmPopUp.h"

#include "ui/CaptionDrag.h"
#include "ui/Outline.h"
#include "ui/PictureButton.h"
#include "ui/PictureCache.h"
#include "ui/SkinFrame.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>

namespace {

// The designed size of the box and its message, in twips.
constexpr int kWidth = 5400;
constexpr int kHeight = 2400;
constexpr int kMargin = 240;
constexpr int kMessageGap = 150;
// Messages shorter than this sit level with the middle of the icon.
constexpr int kShortMessage = 33;

} // namespace

frmPopUp::frmPopUp(const QString &programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_folder(programFolder)
{
    setObjectName(QStringLiteral("frmPopUp"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    Form_Load();
}

void frmPopUp::Form_Load()
{
    setFixedSize(Px(kWidth), Px(kHeight));
    m_frame = new SkinFrame(this, m_folder, true);
    m_frame->layout();

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setPointSizeF(9);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette titlePal = m_title->palette();
    titlePal.setColor(QPalette::WindowText, Qt::white);
    m_title->setPalette(titlePal);
    m_title->setFixedHeight(QFontMetrics(titleFont).height());
    const int bar = m_frame->titleBarHeight();
    m_title->setGeometry(Px(kMargin), (bar - m_title->height()) / 2, width() - 2 * Px(kMargin),
                         m_title->height());

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    const QPixmap info = SkinPicture(m_folder, QStringLiteral("info_mark.gif"));
    m_info->setPixmap(info);
    m_info->resize(info.isNull() ? QSize(32, 32) : info.deviceIndependentSize().toSize());
    m_info->move(m_title->x(), bar + Px(kMargin));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont messageFont(QStringLiteral("DejaVu Sans"));
    messageFont.setPointSizeF(9);
    m_message->setFont(messageFont);

    const auto makeButton = [this](const QString &name) {
        auto *button = new PictureButton(this, name, m_folder);
        button->setPictures(QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
        button->setCaptionLabelName(name + QStringLiteral("_lbl"));
        button->setCaption(QString());
        return button;
    };
    m_but1 = makeButton(QStringLiteral("But1"));
    m_but2 = makeButton(QStringLiteral("But2"));
    connect(m_but1, &PictureButton::clicked, this, &frmPopUp::But1_Click);
    connect(m_but2, &PictureButton::clicked, this, &frmPopUp::But2_Click);
    const int buttonTop = height() - m_but1->height() - Px(kMargin);
    m_but1->move(m_info->x() + m_info->width() + Px(kMessageGap), buttonTop);
    m_but2->move(m_but1->x() + m_but1->width() + 10, buttonTop);

    const int messageLeft = m_info->x() + m_info->width() + Px(kMessageGap);
    m_message->setGeometry(messageLeft, m_info->y(), width() - messageLeft - Px(kMargin),
                           buttonTop - m_info->y() - 8);

    auto *drag = new CaptionDrag(this);
    for (QWidget *piece : m_frame->topPieces())
        drag->addCaption(piece);
    drag->addCaption(m_title);

    setMask(QRegion(RoundCornersPolygon(width(), height(), true), Qt::WindingFill));
}

void frmPopUp::CallPop(const QString &title, const QString &message, int buttons, QWidget *owner)
{
    m_title->setText(title);
    setWindowTitle(title);
    m_message->setText(message);
    if (buttons == 1) {
        m_but1->show();
        m_but2->hide();
        m_but1->move((width() - m_but1->width()) / 2, m_but1->y());
        m_but1->setCaption(QStringLiteral("OK"));
    } else if (buttons == 2) {
        m_but1->show();
        m_but2->show();
        m_but1->move(m_message->x(), m_but1->y());
        m_but2->move(m_but1->x() + m_but1->width() + 10, m_but1->y());
        m_but1->setCaption(QStringLiteral("Yes"));
        m_but2->setCaption(QStringLiteral("No"));
    }
    m_message->move(m_message->x(), message.size() < kShortMessage ? m_info->y() + 7 : m_info->y());
    fitMessage();
    if (owner) {
        const QRect o = owner->isWindow() ? owner->geometry()
                                          : QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
        move(o.left() + (o.width() - width()) / 2, o.top() + (o.height() - height()) / 2);
    }
}

QString frmPopUp::FitLine(const QString &text) const
{
    return m_message->fontMetrics().elidedText(text, Qt::ElideMiddle, m_message->width());
}

// A message longer than the designed box makes the box taller, the buttons
// staying below it, so that no word is cut off.
void frmPopUp::fitMessage()
{
    const int extra = m_message->heightForWidth(m_message->width()) - m_message->height();
    if (extra <= 0)
        return;
    setFixedSize(width(), height() + extra);
    m_message->resize(m_message->width(), m_message->height() + extra);
    for (PictureButton *button : {m_but1, m_but2})
        button->move(button->x(), button->y() + extra);
    m_frame->layout();
    setMask(QRegion(RoundCornersPolygon(width(), height(), true), Qt::WindingFill));
}

void frmPopUp::But1_Click()
{
    answer(true);
}

void frmPopUp::But2_Click()
{
    answer(false);
}

void frmPopUp::answer(bool yes)
{
    m_response = yes;
    m_answered = true;
    done(yes ? QDialog::Accepted : QDialog::Rejected);
}

void frmPopUp::keyPressEvent(QKeyEvent *event)
{
    // Escape takes the safe way out: No to a question, OK to a notice.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        answer(m_but2->isHidden());
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPopUp::closeEvent(QCloseEvent *event)
{
    if (!m_answered)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmPopUp::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The keyboard answers the box at once, whatever window was active before.
    activateWindow();
    PictureButton *start =
        m_startFocus == PopUpFocus::Second && !m_but2->isHidden() ? m_but2 : m_but1;
    start->setFocus(Qt::OtherFocusReason);
}

bool AskPopUp(const QString &programFolder, const QString &title, const QString &message,
              int buttons, QWidget *owner, PopUpFocus focus)
{
    frmPopUp box(programFolder, owner);
    box.setStartFocus(focus);
    box.CallPop(title, message, buttons, owner);
    box.exec();
    return box.response();
}

namespace {

// Three lines: the first, then the file's name, then "in" its folder, each
// fitted to the box.
QString fileMessage(const frmPopUp &box, const QString &first, const QString &path,
                    const QString &last = QString())
{
    const QFileInfo file(path);
    QStringList lines{
        first, box.FitLine(file.fileName()),
        box.FitLine(QStringLiteral("in ") + QDir::toNativeSeparators(file.absolutePath()))};
    if (!last.isEmpty())
        lines.append(last);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void TellFileSaved(const QString &programFolder, const QString &title, const QString &what,
                   const QString &path, QWidget *owner)
{
    frmPopUp box(programFolder, owner);
    box.CallPop(title, fileMessage(box, what + QStringLiteral(" was saved as"), path), 1, owner);
    box.exec();
}

bool AskReplaceFile(const QString &programFolder, const QString &title, const QString &what,
                    const QString &path, QWidget *owner)
{
    frmPopUp box(programFolder, owner);
    box.setStartFocus(PopUpFocus::Second);
    box.CallPop(title,
                fileMessage(box, QStringLiteral("There is already a file"), path,
                            QStringLiteral("Replace it with %1?").arg(what)),
                2, owner);
    box.exec();
    return box.response();
}
