// The answer checks and the rule of what an answer may hold, on any texts:
// input parts are answer, expected answer and kind, then a paper's boxes.

#include "FuzzSupport.h"
#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ValueText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = FuzzParts(data, size);
    const QString answer = QString::fromUtf8(parts.value(0));
    const QString expected = QString::fromUtf8(parts.value(1));
    const QString kind = QString::fromUtf8(parts.value(2)).left(1);

    const QString mark = CheckAnswer(answer, expected, kind);
    FUZZ_REQUIRE(mark.isEmpty() || mark == kTick || mark == kCross);
    SplitAlternatives(expected);
    FUZZ_REQUIRE(IsStorableField(answer) == FieldRefusal(answer).isEmpty());
    if (IsNumericText(answer))
        NumberValue(answer);

    // The rest: boxes of a paper as answer, expected, kind triples.
    FieldList answers, key, kinds, marks;
    for (qsizetype i = 3; i + 2 < parts.size() && answers.size() < 80; i += 3) {
        answers.append(QString::fromUtf8(parts[i]));
        key.append(QString::fromUtf8(parts[i + 1]));
        kinds.append(QString::fromUtf8(parts[i + 2]).left(1));
        marks.append(QStringLiteral("1"));
    }
    const PaperJudgement judged = JudgePaper(answers, key, kinds, marks, answers.size());
    FUZZ_REQUIRE(judged.score >= 0 && judged.score <= answers.size());
    for (int i = 1; i <= answers.size(); ++i) {
        CheckListAnswer(answers, key, kinds, i);
        SuggestAnswer(answers, key, kinds, i);
    }
    return 0;
}
