#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class PracticeSession;

// What the marked second attempt adds to the answers it shows: the option text
// beside a choice answer, and the panel of explanations below the question.
// Plain text work, without any display.

// The option texts of the choice questions on the page shown, by box on the
// page (1 for its box (a)), as the page itself shows them.
using PageOptions = QHash<int, QStringList>;

// "2 (has)": a choice answer followed by its option's text; the answer alone
// when the page shows no such option.
QString ChoiceAnswerText(const QString &answer, const QStringList &options);
// The expected answer of box k of the page shown, a choice box's with its option text.
QString ShownExpectedAnswer(const PracticeSession &session, int k, const PageOptions &options);
// An explanation as HTML: words between asterisks in italics, everything else as text.
QString WhyHtml(const QString &why);
// The panel of the page shown, as HTML: for every explained box its letter
// (on a page of several boxes), its expected answer and why. Empty when the
// page has nothing to explain.
QString ExplanationPanelHtml(const PracticeSession &session, const PageOptions &options);
