#include "practice/AnswerFrame.h"

#include "practice/AnswerValidator.h"
#include "practice/MarkLabel.h"
#include "ui/FocusMark.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor kOutline(178, 217, 246);
const QColor kCaption(105, 105, 105);
// The expected answer is set no smaller than this before it is shortened.
constexpr double kSmallestAnswerPoints = 7;

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

AnswerFrame::AnswerFrame(int k, Attempt attempt, QWidget *parent) : QWidget(parent), m_k(k)
{
    const QString n = QString::number(k);
    setObjectName(QStringLiteral("Frame") + n);
    setAutoFillBackground(false);

    QL = new QLabel(QStringLiteral("(%1)").arg(QChar(u'a' + k - 1)), this);
    QL->setObjectName(QStringLiteral("QL") + n);
    QL->setFont(arial(8.25, false));
    place(QL, QRect(30, 40, 285, 225));
    fitLetter();

    FA = new QLineEdit(this);
    FA->setObjectName(QStringLiteral("FA") + n);
    FA->setFont(arial(9, true));
    FA->setFrame(false);
    FA->setToolTip(QStringLiteral("Enter your answer"));
    m_rule = new AnswerValidator(FA);
    FA->setValidator(m_rule);
    FA->setAccessibleName(QStringLiteral("Answer (%1)").arg(QChar(u'a' + k - 1)));
    FA->installEventFilter(this);
    // Only what the pupil typed or pasted brings a hint: that goes to the box
    // with the focus.
    connect(FA, &QLineEdit::inputRejected, FA, [this] {
        if (FA->hasFocus())
            QToolTip::showText(FA->mapToGlobal(QPoint(0, FA->height())), m_rule->lastHint(), FA);
    });

    M = new QLineEdit(this);
    M->setObjectName(QStringLiteral("M") + n);
    M->setFont(arial(8.25, false));
    M->setFrame(false);
    M->setReadOnly(true);
    M->setFocusPolicy(Qt::NoFocus);
    QPalette mp = M->palette();
    mp.setColor(QPalette::Text, QColor(0, 0, 255));
    mp.setColor(QPalette::Base, Qt::white);
    M->setPalette(mp);
    M->setToolTip(QStringLiteral("Expected answer"));
    M->hide();
    // The caption sits inside the box's left end, so the box keeps its place
    // beside the marks.
    MCap = new QLabel(QStringLiteral("Answer"), M);
    MCap->setObjectName(QStringLiteral("MCap") + n);
    MCap->setFont(arial(7, false));
    // Inside a text box a label would take the box's text colour.
    MCap->setForegroundRole(QPalette::WindowText);
    QPalette cp = MCap->palette();
    cp.setColor(QPalette::WindowText, kCaption);
    MCap->setPalette(cp);
    auto *captionRow = new QHBoxLayout(M);
    captionRow->setContentsMargins(3, 0, 0, 0);
    captionRow->addWidget(MCap, 0, Qt::AlignVCenter);
    captionRow->addStretch();
    M->setTextMargins(MCap->sizeHint().width() + 3, 0, 0, 0);

    FR = new MarkLabel(QStringLiteral("FR") + n, this);
    FR->hide();
    if (attempt == Attempt::Second) {
        SR = new MarkLabel(QStringLiteral("SR") + n, this);
        place(SR, QRect(2040, 0, 435, 315));
        SR->hide();
    }
    SetLongLayout(false);
    if (attempt == Attempt::Second)
        PlaceFirstMark(3600);
}

// Where Arial is missing, a wider stand-in would run "(m)" into the box
// outline; the letter's type is made smaller until it leaves a pixel spare.
void AnswerFrame::fitLetter()
{
    QFont font = QL->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(QL->text()) > QL->width() - 1)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    QL->setFont(font);
}

void AnswerFrame::place(QWidget *w, const QRect &twips)
{
    w->setGeometry(Px(twips.left()), Px(twips.top()), Px(twips.width()), Px(twips.height()));
}

void AnswerFrame::SetLongLayout(bool isLong)
{
    m_long = isLong;
    if (isLong) {
        m_fa = QRect(360, 40, kWidth - 1000, 1000);
        m_fr = QRect(m_fa.left() + m_fa.width() + 100, 0, 435, 315);
        m_m = QRect(m_fa.left(), m_fa.top() + m_fa.height() + 100, kWidth - 500, 1000);
        FA->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        m_fa = QRect(360, 40, 1575, 255);
        m_fr = QRect(2040, 0, 435, 315);
        // Box 1 takes its layout from its kind on every page, which puts its
        // expected answer at 60; the other boxes keep the design's 40.
        m_m = QRect(2400, m_k == 1 ? 60 : 40, 1455, 255);
        FA->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    resize(Px(kWidth), Px(HeightTwips()));
    place(FA, m_fa);
    place(FR, m_fr);
    place(M, m_m);
    if (SR)
        SR->move(Px(m_fr.left()), Px(m_fr.top()));
    update();
}

void AnswerFrame::SetKind(const QString &kind)
{
    m_rule->setKind(kind);
}

int AnswerFrame::MarkLeftTwips() const
{
    return m_long ? m_fa.left() + m_fa.width() + 100 : 2040;
}

void AnswerFrame::PlaceFirstMark(int leftTwips)
{
    FR->move(Px(leftTwips), Px(m_fr.top()));
}

void AnswerFrame::SetExpectedAnswer(const QString &text)
{
    QFont font = arial(8.25, false);
    // QLineEdit keeps two pixels clear at either end of its text.
    const int room = M->width() - M->textMargins().left() - M->textMargins().right() - 5;
    while (font.pointSizeF() > kSmallestAnswerPoints &&
           QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    M->setFont(font);
    M->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, room));
    M->setCursorPosition(0);
    M->setToolTip(QStringLiteral("Expected answer: ") + text);
}

// The outline sits 30 twips above and left of the answer and 15 beyond its
// right and bottom edges; the box with the focus has the focus mark around it.
void AnswerFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(kOutline);
    const QRect outline(
        QPoint(Px(m_fa.left() - 30), Px(m_fa.top() - 30)),
        QPoint(Px(m_fa.left() + m_fa.width() + 15), Px(m_fa.top() + m_fa.height() + 15)));
    painter.drawRect(outline);
    if (FA->hasFocus())
        DrawFocusMark(painter, outline.adjusted(-1, -1, 2, 2));
}

bool AnswerFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FA && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}
