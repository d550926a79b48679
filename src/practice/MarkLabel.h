#pragma once

#include <QLabel>

// A result label (FR, SR): holds a stored mark, the tick or the cross of the
// results files, and draws it as a red check mark or ballot cross.
class MarkLabel : public QLabel
{
    Q_OBJECT

public:
    MarkLabel(const QString &objectName, QWidget *parent);

    void setMark(const QString &mark);
    QString mark() const { return m_mark; }
    // The character drawn for a stored mark; empty for no mark.
    static QString Glyph(const QString &mark);

private:
    QString m_mark;
};
