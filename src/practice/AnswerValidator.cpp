#include "practice/AnswerValidator.h"

#include "content/RecordFile.h"

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    m_hint = FieldRefusal(input);
    return m_hint.isEmpty() ? Acceptable : Invalid;
}
