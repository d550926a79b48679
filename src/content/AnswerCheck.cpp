#include "content/AnswerCheck.h"

#include "content/ValueText.h"

namespace {

const QString kContinuation = QStringLiteral(" ");
constexpr int kGroupReach = 20;

// Only the space character counts as blank here; tabs stay.
QString trimSpaces(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QString normal(const QString &text)
{
    return trimSpaces(text).toLower();
}

QString mark(bool right)
{
    return right ? kTick : kCross;
}

// Place of a continuation box in its group: 2 for the first one after the head,
// 3 for the next, and so on.
int groupPlace(const FieldList &expected, int index)
{
    int g = 2;
    for (int j = 1; j <= kGroupReach; ++j) {
        if (expected[index - j] != kContinuation)
            break;
        ++g;
    }
    return g;
}

void removeClaimed(QStringList &alternatives, const FieldList &answers, int from, int to)
{
    for (int b = from; b <= to; ++b) {
        for (QString &alternative : alternatives) {
            if (normal(answers[b]) == normal(alternative))
                alternative.clear();
        }
    }
}

} // namespace

QStringList SplitAlternatives(const QString &list)
{
    const int c = int(list.count(QLatin1Char(';')));
    QStringList alternatives;
    qsizetype p = 0;
    for (int k = 1; k <= c; ++k) {
        const qsizetype next = k < c ? list.indexOf(QLatin1Char(';'), p + 1) : -1;
        if (next < 0) {
            alternatives.append(list.mid(p + 1));
            break;
        }
        alternatives.append(list.mid(p + 1, next - p - 1));
        p = next;
    }
    return alternatives;
}

QString CheckAnswer(const QString &answer, const QString &expected, const QString &kind)
{
    if (kind == QLatin1String("N")) {
        if (!IsNumericText(answer))
            return kCross;
        return mark(NumberValue(answer) == NumberValue(expected));
    }
    if (kind == QLatin1String("Q") || kind == QLatin1String("T") || kind == QLatin1String("L"))
        return mark(normal(answer) == normal(expected));
    if (kind == QLatin1String("R") || kind == QLatin1String("F") || kind == QLatin1String("X")) {
        const QString s = trimSpaces(answer);
        const qsizetype firstSpace = expected.indexOf(QLatin1Char(' '));
        QString kept;
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (i == firstSpace || s[i] != QLatin1Char(' '))
                kept.append(s[i]);
        }
        return mark(trimSpaces(expected) == kept);
    }
    return {};
}

QString CheckListAnswer(const FieldList &answers, const FieldList &expected, const FieldList &kinds,
                        int index)
{
    Q_UNUSED(kinds);
    if (expected[index] != kContinuation) {
        const QStringList alternatives = SplitAlternatives(expected[index]);
        for (const QString &alternative : alternatives) {
            if (normal(answers[index]) == normal(alternative))
                return kTick;
        }
        return kCross;
    }

    const int head = index + 1 - groupPlace(expected, index);
    QStringList alternatives = SplitAlternatives(expected[head]);
    removeClaimed(alternatives, answers, head, index - 1);
    const QString answer = normal(answers[index]);
    for (const QString &alternative : alternatives) {
        if (!answer.isEmpty() && answer == normal(alternative))
            return kTick;
    }
    return kCross;
}

QString SuggestAnswer(const FieldList &answers, const FieldList &expected, const FieldList &kinds,
                      int index)
{
    Q_UNUSED(kinds);
    const bool isHead = expected[index] != kContinuation;
    const int g = isHead ? 1 : groupPlace(expected, index);
    const int head = index + 1 - g;

    int size = 1;
    while (size <= kGroupReach && head + size <= expected.size()
           && expected[head + size] == kContinuation)
        ++size;

    QStringList alternatives = SplitAlternatives(expected[head]);

    // The head gets the first alternative no box of the group has used; a
    // continuation box the r-th one, so wrong boxes are offered different answers.
    int r = 1;
    if (!isHead) {
        int used = 0;
        for (int b = head; b < index; ++b) {
            for (const QString &alternative : alternatives) {
                if (normal(answers[b]) == normal(alternative))
                    ++used;
            }
        }
        r = g - used;
    }

    removeClaimed(alternatives, answers, head, head + size - 1);

    int seen = 0;
    for (const QString &alternative : alternatives) {
        if (!alternative.isEmpty() && ++seen == r)
            return alternative;
    }
    return {};
}

PaperJudgement JudgePaper(const FieldList &answers, const FieldList &expected,
                          const FieldList &kinds, const FieldList &boxMarks, int boxCount)
{
    PaperJudgement judgement;
    judgement.results = FieldList(qMax(0, boxCount));
    for (int i = 1; i <= boxCount; ++i) {
        const QString &kind = kinds[i];
        const QString result = (kind == QLatin1String("G") || kind == QLatin1String("M"))
                                   ? CheckListAnswer(answers, expected, kinds, i)
                                   : CheckAnswer(answers[i], expected[i], kind);
        judgement.results.set(i, result);
        if (result == kTick)
            judgement.score += boxMarks[i].trimmed().toInt();
    }
    return judgement;
}
