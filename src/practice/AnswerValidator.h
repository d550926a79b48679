#pragma once

#include <QValidator>

// Refuses, as they are typed or pasted, the characters an answer cannot be
// stored with: ">" and "#" (they delimit the fields and keys of the answers
// file), line breaks, and characters outside Windows-1252.
class AnswerValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
    static bool IsAcceptable(const QString &text);
    // The hint shown when a character was refused.
    static QString RefusalHint();
};
