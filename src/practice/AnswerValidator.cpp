#include "practice/AnswerValidator.h"

#include "content/Cp1252.h"

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    return IsAcceptable(input) ? Acceptable : Invalid;
}

bool AnswerValidator::IsAcceptable(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('>') || c == QLatin1Char('#') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n') || !Cp1252::canEncode(c))
            return false;
    }
    return true;
}

QString AnswerValidator::RefusalHint()
{
    return QStringLiteral("Answers cannot contain \">\", \"#\" or that character.");
}
