#include "practice/MarkLabel.h"

#include "content/AnswerCheck.h"

MarkLabel::MarkLabel(const QString &objectName, QWidget *parent) : QLabel(parent)
{
    setObjectName(objectName);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    setPalette(p);
}

QString MarkLabel::Glyph(const QString &mark)
{
    if (mark == kTick)
        return QStringLiteral("\u2714");
    if (mark == kCross)
        return QStringLiteral("\u2718");
    return {};
}

void MarkLabel::setMark(const QString &mark)
{
    m_mark = mark;
    setText(Glyph(mark));
    setAccessibleName(mark == kTick    ? QStringLiteral("Right")
                      : mark == kCross ? QStringLiteral("Wrong")
                                       : QString());
}
