#include "practice/AnswerFrame.h"

#include "practice/AnswerValidator.h"
#include "practice/MarkLabel.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor kOutline(178, 217, 246);

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

AnswerFrame::AnswerFrame(int k, Attempt attempt, QWidget *parent) : QWidget(parent)
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
    auto *validator = new AnswerValidator(FA);
    FA->setValidator(validator);
    FA->setAccessibleName(QStringLiteral("Answer (%1)").arg(QChar(u'a' + k - 1)));
    connect(FA, &QLineEdit::inputRejected, FA, [this, validator] {
        if (!validator->RefusalHint().isEmpty())
            QToolTip::showText(FA->mapToGlobal(QPoint(0, FA->height())), validator->RefusalHint(),
                               FA);
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
        m_m = QRect(2400, 60, 1455, 255);
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

int AnswerFrame::MarkLeftTwips() const
{
    return m_long ? m_fa.left() + m_fa.width() + 100 : 2040;
}

void AnswerFrame::PlaceFirstMark(int leftTwips)
{
    FR->move(Px(leftTwips), Px(m_fr.top()));
}

// The outline sits 30 twips above and left of the answer and 15 beyond its
// right and bottom edges.
void AnswerFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(kOutline);
    const QRect outline(
        QPoint(Px(m_fa.left() - 30), Px(m_fa.top() - 30)),
        QPoint(Px(m_fa.left() + m_fa.width() + 15), Px(m_fa.top() + m_fa.height() + 15)));
    painter.drawRect(outline);
}
