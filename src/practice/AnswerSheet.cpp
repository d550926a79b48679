#include "practice/AnswerSheet.h"

#include "content/AnswerCheck.h"
#include "practice/AnswerFrame.h"
#include "practice/MarkLabel.h"
#include "practice/PracticeSession.h"
#include "ui/PictureCache.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor kCream(244, 245, 235);
const QColor kCarried(192, 192, 255);

void setAnswerLook(QLineEdit *fa, bool locked, bool carried)
{
    fa->setReadOnly(locked);
    fa->setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette p = fa->palette();
    p.setColor(QPalette::Base, carried ? kCarried : QColor(Qt::white));
    fa->setPalette(p);
}

} // namespace

AnswerSheet::AnswerSheet(Attempt attempt, const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_attempt(attempt)
{
    setObjectName(QStringLiteral("AnsBox"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kCream);
    setPalette(p);

    for (int k = 1; k <= kBoxes; ++k) {
        auto *frame = new AnswerFrame(k, attempt, this);
        frame->hide();
        m_frames.append(frame);
    }
    for (int k = 1; k < kBoxes; ++k)
        setTabOrder(m_frames[k - 1]->FA, m_frames[k]->FA);
    for (AnswerFrame *frame : m_frames)
        frame->FA->installEventFilter(this);

    m_instruction = new QLabel(this);
    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setPixmap(SkinPicture(programFolder, QStringLiteral("instruction.gif")));
    m_instruction->setAlignment(Qt::AlignCenter);
    m_instruction->setToolTip(
        QStringLiteral("Write a fraction as 11/2 and a mixed number as 2  3/7"));
    m_instruction->hide();
}

void AnswerSheet::SetupAnswerBoxes(const PracticeSession &s, bool markedView)
{
    const int page = s.QSCount();
    const int d = s.BoxOffset(page);
    const int n = qMin(s.BoxesOnPage(page), kBoxes);
    const PaperTables &t = s.tables();

    bool instruction = false;
    for (int i = d + 1; i <= d + n; ++i) {
        const QString kind = t.BoxKinds[i];
        if (kind == QLatin1String("X") || kind == QLatin1String("F")) {
            instruction = true;
            break;
        }
    }
    m_instruction->setVisible(instruction);

    if (n >= 1)
        m_frames[0]->SetLongLayout(t.BoxKinds[d + 1] == QLatin1String("L"));

    for (int k = 1; k <= n; ++k) {
        AnswerFrame *f = m_frames[k - 1];
        const int i = d + k;
        f->SetKind(t.BoxKinds[i]);
        f->FA->setText(s.Answers()[i]);
        f->FA->setCursorPosition(0);

        if (m_attempt == Attempt::First) {
            f->M->setText(t.AnswerKey[i]);
            f->FR->setMark(s.Results()[i]);
            f->FR->setVisible(markedView);
            setAnswerLook(f->FA, markedView, false);
            continue;
        }

        const bool carried = s.IsCarried(i);
        f->FR->setMark(s.FirstResults()[i]);
        f->SR->setMark(s.Results()[i]);
        f->SR->move(Px(f->MarkLeftTwips()), f->SR->y());
        f->SetExpectedAnswer(s.ExpectedText(i));
        if (markedView) {
            setAnswerLook(f->FA, true, carried);
            f->FR->hide();
            f->SR->show();
            f->M->setVisible(s.Results()[i] == kCross);
        } else {
            setAnswerLook(f->FA, carried, carried);
            f->FR->setVisible(carried);
            if (carried)
                f->PlaceFirstMark(f->CarriedMarkLeftTwips());
            f->SR->hide();
            f->M->hide();
        }
    }
}

void AnswerSheet::ShowAnswerFrames(int n)
{
    m_shown = qBound(0, n, kBoxes);
    const int gap = m_shown < 16 ? 105 : -10;
    int top = 50;
    for (int k = 1; k <= kBoxes; ++k) {
        AnswerFrame *f = m_frames[k - 1];
        f->move(0, Px(top));
        top += f->HeightTwips() + gap;
        f->setVisible(k <= m_shown);
    }
    m_frames[0]->QL->setVisible(m_shown >= 2);
}

QStringList AnswerSheet::PageTexts() const
{
    QStringList texts;
    for (int k = 1; k <= m_shown; ++k)
        texts.append(m_frames[k - 1]->FA->text());
    return texts;
}

bool AnswerSheet::TakesTyping(int k) const
{
    return !m_frames[k - 1]->FA->isReadOnly();
}

int AnswerSheet::FirstEmptyBox() const
{
    for (int k = 1; k <= m_shown; ++k) {
        if (TakesTyping(k) && m_frames[k - 1]->FA->text().trimmed().isEmpty())
            return k;
    }
    for (int k = 1; k <= m_shown; ++k) {
        if (TakesTyping(k))
            return k;
    }
    return m_shown >= 1 ? 1 : 0;
}

void AnswerSheet::FocusFirstEmptyBox()
{
    if (const int k = FirstEmptyBox())
        m_frames[k - 1]->FA->setFocus(Qt::OtherFocusReason);
}

int AnswerSheet::NextBox(int k) const
{
    bool anyTyping = false;
    for (int j = 1; j <= m_shown; ++j)
        anyTyping = anyTyping || TakesTyping(j);
    for (int j = k + 1; j <= m_shown; ++j) {
        if (!anyTyping || TakesTyping(j))
            return j;
    }
    return 0;
}

bool AnswerSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int k = 1; k <= m_shown; ++k) {
                if (m_frames[k - 1]->FA != watched)
                    continue;
                if (const int next = NextBox(k))
                    m_frames[next - 1]->FA->setFocus(Qt::TabFocusReason);
                else
                    emit enterAfterLastBox();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
