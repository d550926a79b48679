#include "practice/PracticeSession.h"

#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"
#include "content/ValueText.h"

PracticeSession::PracticeSession(Attempt attempt, const Choice &choice)
    : m_attempt(attempt), m_choice(choice)
{
}

ResultsPaths PracticeSession::paths() const
{
    return ResultsPaths::of(m_choice.folder, m_choice.level, m_choice.code);
}

QString PracticeSession::answersPath() const
{
    return m_attempt == Attempt::First ? paths().first : paths().second;
}

void PracticeSession::Load()
{
    m_tables = LoadPaperTables(m_choice.folder, m_choice.level, m_choice.paperKey);
    m_page = 1;
    const ResultsPaths p = paths();
    const int n = m_choice.paperCount;
    const int boxes = m_tables.BoxCount;

    if (m_attempt == Attempt::First) {
        m_answerLines = ReadPaperLines(p.first, n);
        m_answers = PaperFields(m_answerLines, PaperIndex(), boxes);
        m_resultLines = ReadPaperLines(p.fresults, n);
        m_results = PaperFields(m_resultLines, PaperIndex(), boxes);
        m_marks = ReadMarks(p.marks, n);
        m_status = m_marks.FirstStates[PaperIndex()];
        m_timeTaken = m_marks.TimesTaken[PaperIndex()];
        m_date = m_marks.CompletionDates[PaperIndex()];
        m_score = m_marks.FirstScores[PaperIndex()];
        return;
    }

    m_firstResults = PaperFields(ReadPaperLines(p.fresults, n), PaperIndex(), boxes);
    m_answerLines = ReadPaperLines(p.second, n);
    m_answers = PaperFields(m_answerLines, PaperIndex(), boxes);
    m_resultLines = ReadPaperLines(p.sresults, n);
    m_results = PaperFields(m_resultLines, PaperIndex(), boxes);
    m_firstAnswers = PaperFields(ReadPaperLines(p.first, n), PaperIndex(), boxes);
    for (int i = 1; i <= boxes; ++i) {
        if (IsCarried(i)) {
            m_answers.set(i, m_firstAnswers[i]);
            m_results.set(i, kTick);
        }
    }
    m_marks = ReadMarks(p.marks, n);
    m_status = m_marks.SecondStates[PaperIndex()];
    m_score = m_marks.SecondScores[PaperIndex()];
}

QString PracticeSession::Caption(const QString &topicHeading) const
{
    const int n = PaperIndex() - m_choice.topicCount + 1;
    return topicHeading + QStringLiteral(" - Paper ") + QString::number(n);
}

QString PracticeSession::PageFile(int page) const
{
    return ProgramPath(m_choice.folder, QStringLiteral("temppaper") + m_tables.PageIds[page] +
                                            QStringLiteral(".mht"));
}

bool PracticeSession::ExtractPage(int page) const
{
    bool ok = false;
    const int id = m_tables.PageIds[page].toInt(&ok);
    return ok && ExtractResource(id, QStringLiteral("Custom"), PageFile(page)) == ExtractOk;
}

bool PracticeSession::IsCarried(int box) const
{
    return m_attempt == Attempt::Second && m_firstResults[box] == kTick;
}

QString PracticeSession::ExpectedText(int box) const
{
    const QString kind = m_tables.BoxKinds[box];
    const QString key = m_tables.AnswerKey[box];
    if (kind == QLatin1String("G"))
        return SuggestAnswer(m_answers, m_tables.AnswerKey, m_tables.BoxKinds, box);
    if (kind == QLatin1String("M"))
        return SplitAlternatives(key).value(0);
    return key;
}

QList<int> PracticeSession::ExplainedBoxes() const
{
    QList<int> boxes;
    if (m_attempt != Attempt::Second || !IsMarked())
        return boxes;
    const int d = BoxOffset(m_page);
    for (int k = 1; k <= BoxesOnPage(m_page); ++k) {
        const int i = d + k;
        const bool wrong = m_firstResults[i] == kCross || m_results[i] == kCross;
        if (wrong && !Explanation(i).trimmed().isEmpty())
            boxes.append(k);
    }
    return boxes;
}

void PracticeSession::StorePageAnswers(const QStringList &pageTexts)
{
    const int d = BoxOffset(m_page);
    const int n = qMin<int>(BoxesOnPage(m_page), int(pageTexts.size()));
    for (int k = 1; k <= n && k <= 20; ++k)
        m_answers.set(d + k, pageTexts[k - 1]);
}

bool PracticeSession::SaveAnswers(WriteError *error)
{
    return SavePaperRecord(m_answerLines, m_choice.paperKey, m_answers, BoxCount(),
                           m_choice.paperCount, answersPath(), error);
}

bool PracticeSession::MoveToPage(int page, const QStringList &pageTexts, WriteError *error)
{
    if (page < 1 || page > PageCount())
        return false;
    StorePageAnswers(pageTexts);
    const bool saved = SaveAnswers(error);
    m_page = page;
    return saved;
}

template <typename BoxTest>
QList<int> PracticeSession::pagesWhere(BoxTest test) const
{
    QList<int> pages;
    for (int i = 1; i <= BoxCount(); ++i) {
        if (!test(i))
            continue;
        const int p = m_tables.PageOfBox(i);
        if (pages.isEmpty() || pages.last() != p)
            pages.append(p);
    }
    return pages;
}

QList<int> PracticeSession::RemainingPages() const
{
    return pagesWhere([this](int i) { return m_answers[i].trimmed().isEmpty(); });
}

QList<int> PracticeSession::WrongPages() const
{
    return pagesWhere([this](int i) { return m_results[i] == kCross; });
}

int PracticeSession::AnsweredCount() const
{
    int count = 0;
    for (int i = 1; i <= BoxCount(); ++i) {
        if (!m_answers[i].isEmpty())
            ++count;
    }
    return count;
}

bool PracticeSession::HasEmptyAnswer() const
{
    for (int i = 1; i <= BoxCount(); ++i) {
        if (!IsCarried(i) && m_answers[i].isEmpty())
            return true;
    }
    return false;
}

bool PracticeSession::Mark(const QDateTime &start, const QDateTime &now, WriteError *error)
{
    const PaperJudgement judged =
        JudgePaper(m_answers, m_tables.AnswerKey, m_tables.BoxKinds, m_tables.BoxMarks, BoxCount());
    const QString percent = PercentText(judged.score, m_tables.TotalMarks);

    if (m_attempt == Attempt::First) {
        const FirstMarking marking{percent, ElapsedText(start.secsTo(now)),
                                   ShortDateText(now.date())};
        if (!StoreFirstAttemptMarking(paths(), m_choice.paperKey, m_choice.paperCount,
                                      m_resultLines, judged.results, BoxCount(), m_marks, marking,
                                      error))
            return false;
        m_timeTaken = marking.timeTaken;
        m_date = marking.date;
    } else if (!StoreSecondAttemptMarking(paths(), m_choice.paperKey, m_choice.paperCount,
                                          m_resultLines, judged.results, BoxCount(), m_marks,
                                          percent, error)) {
        return false;
    }
    m_results = judged.results;
    m_rawScore = judged.score;
    m_score = percent;
    m_status = QStringLiteral("1");
    return true;
}
