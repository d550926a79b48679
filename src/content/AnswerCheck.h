#pragma once

#include "content/OneBasedList.h"

#include <QString>

// The mark of one answer box: a tick (right), a cross (wrong) or empty (the
// box's kind has no check). Stored in the results files as the bytes 0xFC / 0xFB.
inline const QString kTick = QStringLiteral("\u00FC");
inline const QString kCross = QStringLiteral("\u00FB");

// Judges one box of kind Q, T, L (text, case and outer spaces ignored), N (numeric
// equality), R, F, X (spaces dropped except one where the expected answer has its
// first space); any other kind gets an empty mark.
QString CheckAnswer(const QString &answer, const QString &expected, const QString &kind);

// Judges box `index` against a list of alternatives ";a;b...". A box whose
// expected answer is a single space continues the group of the nearest earlier
// box that is not one (at most 20 back); no alternative may be used twice in a group.
QString CheckListAnswer(const FieldList &answers, const FieldList &expected,
                        const FieldList &kinds, int index);

// The model answer to show beside box `index` of a group: an alternative that no
// box of the group has used, a different one for each wrong box.
QString SuggestAnswer(const FieldList &answers, const FieldList &expected, const FieldList &kinds,
                      int index);

// The alternatives of a list ";a;b;c", exactly as written.
QStringList SplitAlternatives(const QString &list);

struct PaperJudgement
{
    FieldList results;
    int score = 0;
};

// Judges boxes 1 .. boxCount of a paper and adds up the marks of the right ones.
PaperJudgement JudgePaper(const FieldList &answers, const FieldList &expected,
                          const FieldList &kinds, const FieldList &boxMarks, int boxCount);
