#include "practice/AnswerValidator.h"

#include "content/RecordFile.h"

#include <QLocale>

namespace {

// The options of a choice question are numbered 1 to 4.
constexpr QChar kFirstOption = u'1';
constexpr QChar kLastOption = u'4';

AnswerValidator::Verdict refuse(const QString &hint)
{
    return {false, hint};
}

// What a number box may hold, in the system's number format: blanks at either
// end, a sign at the start, digits with group separators, one decimal point.
AnswerValidator::Verdict checkNumber(const QString &text)
{
    const QLocale locale;
    const QString point = locale.decimalPoint();
    const QString pointName = point == QLatin1String(".") ? QStringLiteral("a point")
                              : point == QLatin1String(",")
                                  ? QStringLiteral("a comma")
                                  : QLatin1Char('"') + point + QLatin1Char('"');
    const QString number = text.trimmed();
    bool pointSeen = false;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QString c = number.mid(i, 1);
        if (number[i].isDigit())
            continue;
        if (number[i] == QLatin1Char(' '))
            return refuse(QStringLiteral("A number has no spaces inside it."));
        if (c == locale.negativeSign() || c == locale.positiveSign()) {
            if (i > 0)
                return refuse(
                    QStringLiteral("The sign %1 can only go at the start of a number.").arg(c));
            continue;
        }
        if (c == point) {
            if (pointSeen)
                return refuse(QStringLiteral("A number has only one decimal %1.")
                                  .arg(point == QLatin1String(",") ? QStringLiteral("comma")
                                                                   : QStringLiteral("point")));
            pointSeen = true;
            continue;
        }
        if (c == locale.groupSeparator() && !pointSeen)
            continue;
        return refuse(
            QStringLiteral("Type a number here: digits, with %1 for decimals.").arg(pointName));
    }
    return {};
}

} // namespace

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    const Verdict verdict = Check(m_kind, input);
    if (verdict.accepted)
        return Acceptable;
    m_lastHint = verdict.hint;
    return Invalid;
}

AnswerValidator::Verdict AnswerValidator::Check(const QString &kind, const QString &text)
{
    if (const QString refusal = FieldRefusal(text); !refusal.isEmpty())
        return refuse(refusal);
    if (kind == QLatin1String("Q")) {
        if (text.size() > 1)
            return refuse(QStringLiteral("This box holds one character."));
        if (!text.isEmpty() && (text[0] < kFirstOption || text[0] > kLastOption))
            return refuse(QStringLiteral("Type the number of your answer, %1 to %2.")
                              .arg(kFirstOption)
                              .arg(kLastOption));
    } else if (kind == QLatin1String("N")) {
        return checkNumber(text);
    }
    return {};
}

bool AnswerValidator::IsAcceptable(const QString &text)
{
    return IsStorableField(text);
}
