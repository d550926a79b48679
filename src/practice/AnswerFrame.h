#pragma once

#include "practice/Attempt.h"

#include <QRect>
#include <QWidget>

class AnswerValidator;
class QLabel;
class QLineEdit;
class MarkLabel;

// One answer box of the sheet (Frame k): its letter QL k, the answer FA k, the
// result mark FR k, the expected answer M k with its caption MCap k and, in the
// second attempt, the second mark SR k. Positions are kept in twips and applied
// in pixels; the frame draws the answer's outline.
class AnswerFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 3975;
    static constexpr int kHeight = 375;
    static constexpr int kLongHeight = 2100;

    AnswerFrame(int k, Attempt attempt, QWidget *parent);

    // One-line layout, or the long layout of a kind "L" first box.
    void SetLongLayout(bool isLong);
    bool IsLong() const { return m_long; }
    int HeightTwips() const { return m_long ? kLongHeight : kHeight; }
    // Left of the mark beside the answer: FR in the first attempt, SR in the second.
    int MarkLeftTwips() const;
    // Left of a carried box's first-attempt mark in the second attempt.
    int CarriedMarkLeftTwips() const { return m_fa.left() + m_fa.width() + 105; }
    void PlaceFirstMark(int leftTwips);
    // Shows `text` as the expected answer, after the caption "Answer". The box
    // is narrow: a long answer is set smaller, then shortened with an ellipsis;
    // the tooltip always holds all of it.
    void SetExpectedAnswer(const QString &text);
    // The answer kind of the box shown, which sets what the answer takes
    // (a choice box one option number).
    void SetKind(const QString &kind);

    QLabel *QL = nullptr;
    QLineEdit *FA = nullptr;
    MarkLabel *FR = nullptr;
    QLineEdit *M = nullptr;
    QLabel *MCap = nullptr;
    MarkLabel *SR = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *w, const QRect &twips);
    void fitLetter();

    int m_k;
    AnswerValidator *m_rule = nullptr;
    bool m_long = false;
    QRect m_fa, m_fr, m_m;
};
