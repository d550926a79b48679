#pragma once

#include "practice/ExplanationPanel.h"

#include <QObject>

class AnswerSheet;
class PracticeSession;
class QuestionView;
class QJsonObject;
class QWebChannel;

// Joins the loaded question page to the answer sheet beside it. The page
// archives run no script of their own, so the program adds one, in a world of
// its own, to every page it shows. With it:
// - a click on an option card (or its number) answers the card's question
//   box as if the number were typed, unless the box is locked or marked, and
//   the page shows which card the box holds;
// - the marked second attempt names each choice answer with its option's text
//   and shows the explanations of the page's wrong boxes in a panel below the
//   question, which prints with the page.
class QuestionPageLink : public QObject
{
    Q_OBJECT

public:
    QuestionPageLink(QuestionView *view, AnswerSheet *sheet, const PracticeSession &session,
                     QObject *parent);

    // Shows the sheet's state on the loaded page again, after the sheet was
    // filled anew without a new page (marking).
    void Refresh();
    // The option texts of the loaded page, by box on the page.
    const PageOptions &Options() const { return m_options; }

public slots:
    // Called by the page's script when the pupil clicks an option card.
    void optionPicked(int box, int option);

signals:
    // The loaded page shows the sheet's state: chosen cards and explanations.
    void pageShown();

private:
    void pageLoaded(bool ok);
    void showState();
    void showChosen(int box);
    bool isOpen(int box) const;
    QJsonObject boxState(int box) const;
    // Hands `update` to the page's script; pageShown follows when it has run.
    void update(const QJsonObject &update);

    QuestionView *m_view;
    AnswerSheet *m_sheet;
    const PracticeSession &m_session;
    QWebChannel *m_channel;
    PageOptions m_options;
    // True from the moment the options of the page shown were read until the
    // next page starts loading; every answer from the page names its load.
    bool m_ready = false;
    int m_load = 0;
};
