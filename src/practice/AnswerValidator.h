#pragma once

#include <QValidator>

// What an answer box takes, by its answer kind, as it is typed or pasted.
// Every box refuses the characters an answer cannot be stored with, by the
// record files' own rule (FieldRefusal): ">" and "#", line breaks and other
// control characters, and characters outside Windows-1252. A choice box (kind Q) takes one option
// number, 1 to 4; a number box (kind N) only what a number can hold. Each
// refusal comes with a hint in plain words naming its reason.
class AnswerValidator : public QValidator
{
    Q_OBJECT

public:
    // Whether a box may hold a text, and when it may not, why.
    struct Verdict
    {
        bool accepted = true;
        QString hint;
        bool operator==(const Verdict &other) const = default;
    };

    using QValidator::QValidator;

    // The kind letter of the box guarded; it changes with the page shown.
    void setKind(const QString &kind) { m_kind = kind; }
    QString kind() const { return m_kind; }

    State validate(QString &input, int &pos) const override;
    // The hint of the last text refused.
    QString lastHint() const { return m_lastHint; }

    // The rule itself, for a box of `kind` that would hold `text`.
    static Verdict Check(const QString &kind, const QString &text);
    // True when every character of the text can be stored.
    static bool IsAcceptable(const QString &text);

private:
    QString m_kind;
    mutable QString m_lastHint;
};
