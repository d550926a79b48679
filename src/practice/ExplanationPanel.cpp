#include "practice/ExplanationPanel.h"

#include "practice/PracticeSession.h"

#include <QRegularExpression>

QString ChoiceAnswerText(const QString &answer, const QStringList &options)
{
    bool ok = false;
    const int n = answer.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > options.size() || options[n - 1].trimmed().isEmpty())
        return answer;
    return QString::number(n) + QStringLiteral(" (") + options[n - 1].trimmed() + QLatin1Char(')');
}

QString ShownExpectedAnswer(const PracticeSession &session, int k, const PageOptions &options)
{
    const int i = session.BoxOffset(session.QSCount()) + k;
    const QString expected = session.ExpectedText(i);
    if (session.tables().BoxKinds[i] != QLatin1String("Q"))
        return expected;
    return ChoiceAnswerText(expected, options.value(k));
}

QString WhyHtml(const QString &why)
{
    static const QRegularExpression stressed(QStringLiteral("\\*([^*]+)\\*"));
    QString html;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &m : stressed.globalMatch(why)) {
        html += why.mid(at, m.capturedStart() - at).toHtmlEscaped();
        html += QStringLiteral("<i>") + m.captured(1).toHtmlEscaped() + QStringLiteral("</i>");
        at = m.capturedEnd();
    }
    return html + why.mid(at).toHtmlEscaped();
}

QString ExplanationPanelHtml(const PracticeSession &session, const PageOptions &options)
{
    const QList<int> boxes = session.ExplainedBoxes();
    if (boxes.isEmpty())
        return {};
    const bool lettered = session.BoxesOnPage(session.QSCount()) > 1;
    const int d = session.BoxOffset(session.QSCount());
    QString html = QStringLiteral("<h2>%1</h2>")
                       .arg(boxes.size() == 1 ? QStringLiteral("Explanation")
                                              : QStringLiteral("Explanations"));
    for (const int k : boxes) {
        const QString letter =
            lettered ? QStringLiteral("<span class=\"qv-lab\">(%1)</span>").arg(QChar(u'a' + k - 1))
                     : QString();
        html += QStringLiteral("<div class=\"qv-item\">%1<div><p class=\"qv-answer\">Answer: "
                               "%2</p><p>%3</p></div></div>")
                    .arg(letter, ShownExpectedAnswer(session, k, options).toHtmlEscaped(),
                         WhyHtml(session.Explanation(d + k)));
    }
    return html;
}
