#pragma once

#include "content/OneBasedList.h"
#include "content/PaperTables.h"
#include "content/ResultsStore.h"
#include "practice/Attempt.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// One paper as a practice window works it, without any display: its tables,
// the pupil's answers and marks, the page shown, the stored files and marking.
// The first attempt reads and writes the first-answers and first-results files
// and the trend; the second attempt its own two files, carrying over the boxes
// that were right the first time.
class PracticeSession
{
public:
    struct Choice
    {
        QString folder;
        int level = 0;
        QString code;
        int paperKey = 0;   // 101 .. 150
        int topicCount = 1; // first paper number of the topic
        int paperCount = 0; // papers of the level
    };

    PracticeSession(Attempt attempt, const Choice &choice);

    // Reads the paper's tables, the stored answers and marks and the marks
    // records, in the order the window loads them.
    void Load();

    Attempt attempt() const { return m_attempt; }
    const Choice &choice() const { return m_choice; }
    const PaperTables &tables() const { return m_tables; }
    int PaperIndex() const { return m_choice.paperKey - 100; }
    // "Grammar - Paper 2": the topic heading and the paper's number within its topic.
    QString Caption(const QString &topicHeading) const;

    // The page shown, 1 .. PageCount.
    int QSCount() const { return m_page; }
    int PageCount() const { return m_tables.PageCount; }
    int BoxCount() const { return m_tables.BoxCount; }
    int BoxesOnPage(int page) const { return m_tables.BoxesPerPage[page]; }
    int BoxOffset(int page) const { return m_tables.BoxOffset(page); }
    // Working file of a page: "temppaper" + page id + ".mht" in the program folder.
    QString PageFile(int page) const;
    // Writes the page's archive to its working file; false when it cannot.
    bool ExtractPage(int page) const;

    // Answers and marks of this attempt, 1 .. BoxCount.
    const FieldList &Answers() const { return m_answers; }
    const FieldList &Results() const { return m_results; }
    // The first attempt's answers and marks, as read by a second attempt.
    const FieldList &FirstAnswers() const { return m_firstAnswers; }
    const FieldList &FirstResults() const { return m_firstResults; }
    const MarksRecords &Marks() const { return m_marks; }

    // "0" open or "1" marked, for this attempt.
    QString Status() const { return m_status; }
    bool IsMarked() const { return m_status.trimmed() == QLatin1String("1"); }
    // Stored percentage of this attempt; time taken and date of the first.
    QString PScoring() const { return m_score; }
    QString LTime() const { return m_timeTaken; }
    QString ETime() const { return m_date; }

    // A box right at the first attempt, locked in the second.
    bool IsCarried(int box) const;
    // The text shown as the expected answer of a box in the second attempt.
    QString ExpectedText(int box) const;
    // Why box i's answer is right; empty where the course has no explanation.
    QString Explanation(int box) const { return m_tables.Explanations[box]; }
    // The boxes of the page shown (1 for its box (a)) whose explanations a
    // marked second attempt shows: wrong at either attempt, with an explanation.
    QList<int> ExplainedBoxes() const;

    // Copies the texts of the page's boxes (box 1 first) into the answers.
    void StorePageAnswers(const QStringList &pageTexts);
    // Rewrites this attempt's answers file with the paper's answers.
    bool SaveAnswers(WriteError *error = nullptr);
    // Stores the page's texts and the answers file, then shows `page`. A page
    // outside 1 .. PageCount changes nothing and returns false.
    bool MoveToPage(int page, const QStringList &pageTexts, WriteError *error = nullptr);

    // Pages with an empty or blank-only answer, in order.
    QList<int> RemainingPages() const;
    // Pages with a box marked wrong, in order.
    QList<int> WrongPages() const;
    // Boxes whose stored answer is not empty (blanks count as answered).
    int AnsweredCount() const;
    // True when a box the pupil has to answer is still empty.
    bool HasEmptyAnswer() const;

    // Judges every box, stores the marks, score, time and date (first attempt)
    // and switches to marked. `start` is when the window opened, `now` when
    // judging starts. On a write failure nothing is marked and false is returned.
    bool Mark(const QDateTime &start, const QDateTime &now, WriteError *error = nullptr);
    // Raw score of the last marking.
    int Scoring() const { return m_rawScore; }

private:
    ResultsPaths paths() const;
    template <typename BoxTest>
    QList<int> pagesWhere(BoxTest test) const;
    QString answersPath() const;

    Attempt m_attempt;
    Choice m_choice;
    PaperTables m_tables;
    int m_page = 1;

    FieldList m_answerLines;
    FieldList m_resultLines;
    FieldList m_answers;
    FieldList m_results;
    FieldList m_firstAnswers;
    FieldList m_firstResults;
    MarksRecords m_marks;

    QString m_status;
    QString m_score;
    QString m_timeTaken;
    QString m_date;
    int m_rawScore = 0;
};
