#pragma once

#include <QValidator>

// Refuses, as they are typed or pasted, the characters an answer cannot be
// stored with (the record files' own rule, FieldRefusal), and keeps the reason
// of the last refusal for the hint.
class AnswerValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
    // Why the last text was refused; empty when it was accepted.
    QString RefusalHint() const { return m_hint; }

private:
    mutable QString m_hint;
};
