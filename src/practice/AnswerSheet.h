#pragma once

#include "practice/Attempt.h"

#include <QStringList>
#include <QWidget>

class AnswerFrame;
class PracticeSession;
class QLabel;

// The answer sheet (AnsBox): twenty answer frames stacked from the top and the
// instruction picture for fraction and mixed-number answers at the bottom.
class AnswerSheet : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBoxes = 20;
    static constexpr int kWidth = 4095;

    AnswerSheet(Attempt attempt, const QString &programFolder, QWidget *parent);

    // Fills the boxes of the page shown from the session: first box layout by
    // its kind, answers, marks and expected answers, locks and colours. In the
    // marked view every answer is locked and the marks are shown.
    void SetupAnswerBoxes(const PracticeSession &session, bool markedView);
    // Stacks the frames and shows the first n.
    void ShowAnswerFrames(int n);
    // The texts of the page's boxes, box 1 first.
    QStringList PageTexts() const;
    // Gives the keyboard focus to the first empty box of the page that takes
    // typing; failing that the first box that takes typing, then box 1.
    void FocusFirstEmptyBox();
    // The box FocusFirstEmptyBox chooses, 0 when the page has none.
    int FirstEmptyBox() const;

    AnswerFrame *Frame(int k) const { return m_frames.value(k - 1); }
    QLabel *PicInstruction() const { return m_instruction; }
    int ShownBoxes() const { return m_shown; }

signals:
    // Enter was pressed in the last box of the page.
    void enterAfterLastBox();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The box Enter moves to from box k, 0 after the last: the next box that
    // takes typing, or on a page where none does (a marked paper) the next box.
    int NextBox(int k) const;
    bool TakesTyping(int k) const;

    Attempt m_attempt;
    QList<AnswerFrame *> m_frames;
    QLabel *m_instruction = nullptr;
    int m_shown = 0;
};
