#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/ValueText.h"
#include "practice/ExplanationPanel.h"
#include "practice/PracticeSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QStringList texts(int n, const QString &pattern)
{
    QStringList list;
    for (int k = 1; k <= n; ++k)
        list.append(pattern.arg(k));
    return list;
}

} // namespace

class TestPracticeSession : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ProductConfig m_config;
    ResultsPaths m_paths;

    PracticeSession::Choice choice(int paperKey, int topicCount = 1) const
    {
        return {m_dir.path(), 2, m_config.code, paperKey, topicCount, 10};
    }

    // The fixture key of paper 106..110: "w<key>_<page-1>_<box-1>".
    static QString key(int paper, int page, int box)
    {
        return QStringLiteral("w%1_%2_%3").arg(paper).arg(page - 1).arg(box - 1);
    }

private slots:
    void initTestCase() { QVERIFY(ReadProductConfig(m_dir.path(), m_config)); }

    void init()
    {
        QVERIFY(CreateResultsFiles(m_dir.path(), m_config).isEmpty());
        m_paths = ResultsPaths::of(m_dir.path(), 2, m_config.code);
    }

    void loadsThePaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("topicCount");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("totalMarks");
        QTest::addColumn<QString>("caption");
        QTest::newRow("40 one-box pages") << 101 << 1 << 40 << 40 << 40 << "Grammar - Paper 1";
        QTest::newRow("3 pages of 20") << 102 << 1 << 3 << 60 << 96 << "Grammar - Paper 2";
        QTest::newRow("boxes worth 2") << 103 << 1 << 5 << 25 << 50 << "Grammar - Paper 3";
        QTest::newRow("second topic") << 107 << 6 << 2 << 20 << 20 << "Grammar - Paper 2";
        QTest::newRow("last of topic") << 110 << 6 << 2 << 20 << 20 << "Grammar - Paper 5";
    }

    void loadsThePaper()
    {
        QFETCH(int, paper);
        QFETCH(int, topicCount);
        PracticeSession s(Attempt::First, choice(paper, topicCount));
        s.Load();
        QTEST(s.PageCount(), "pages");
        QTEST(s.BoxCount(), "boxes");
        QTEST(s.tables().TotalMarks, "totalMarks");
        QTEST(s.Caption(QStringLiteral("Grammar")), "caption");
        QCOMPARE(s.QSCount(), 1);
        QCOMPARE(s.Status(), QStringLiteral("0"));
        QVERIFY(!s.IsMarked());
        QVERIFY(s.PScoring().isEmpty());
        QCOMPARE(s.AnsweredCount(), 0);
        QCOMPARE(s.RemainingPages().size(), s.PageCount());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temptext.txt"))));
    }

    void pageFileIsWrittenOnRequest()
    {
        PracticeSession s(Attempt::First, choice(104));
        s.Load();
        QCOMPARE(s.PageFile(2), m_dir.filePath(QStringLiteral("temppaper10065.mht"))
                                    .replace(QStringLiteral("10065"), s.tables().PageIds[2]));
        QVERIFY(s.ExtractPage(2));
        QVERIFY(readBytes(s.PageFile(2)).contains("\r\n"));
        QVERIFY(!s.ExtractPage(4));
        QFile::remove(s.PageFile(2));
    }

    void movingStoresTheAnswersOnDisk()
    {
        PracticeSession s(Attempt::First, choice(106));
        s.Load();
        QVERIFY(s.MoveToPage(2, texts(10, QStringLiteral("a%1"))));
        QCOMPARE(s.QSCount(), 2);
        FieldList stored = PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20);
        QCOMPARE(stored[1], QStringLiteral("a1"));
        QCOMPARE(stored[10], QStringLiteral("a10"));
        QVERIFY(stored[11].isEmpty());
        QCOMPARE(s.RemainingPages(), QList<int>{2});
        QCOMPARE(s.AnsweredCount(), 10);

        // Back to page 1 with two boxes of page 2 filled.
        QStringList page2(10);
        page2[0] = QStringLiteral("b1");
        page2[9] = QStringLiteral("b10");
        QVERIFY(s.MoveToPage(1, page2));
        stored = PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20);
        QCOMPARE(stored[11], QStringLiteral("b1"));
        QCOMPARE(stored[20], QStringLiteral("b10"));
        QCOMPARE(s.AnsweredCount(), 12);
        // The other papers' lines are kept.
        QCOMPARE(ReadPaperLines(m_paths.first, 10)[5], QStringLiteral("#105#") + QString(11, '>'));
    }

    void pagesOutsideThePaperAreIgnored_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("before the first") << 1 << 0;
        QTest::newRow("after the last") << 2 << 3;
    }

    void pagesOutsideThePaperAreIgnored()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        PracticeSession s(Attempt::First, choice(106));
        s.Load();
        if (from == 2)
            QVERIFY(s.MoveToPage(2, {}));
        const QByteArray before = readBytes(m_paths.first);
        QVERIFY(!s.MoveToPage(to, texts(10, QStringLiteral("x%1"))));
        QCOMPARE(s.QSCount(), from);
        QCOMPARE(readBytes(m_paths.first), before);
        QCOMPARE(s.AnsweredCount(), 0);
    }

    void blanksCountAsAnsweredButStayRemaining()
    {
        PracticeSession s(Attempt::First, choice(104));
        s.Load();
        QVERIFY(s.MoveToPage(2, {QStringLiteral("  ")}));
        QCOMPARE(s.AnsweredCount(), 1);
        QCOMPARE(s.RemainingPages(), (QList<int>{1, 2, 3}));
        QVERIFY(s.HasEmptyAnswer());
    }

    void answersComeBackOnReopening()
    {
        {
            PracticeSession s(Attempt::First, choice(103));
            s.Load();
            s.StorePageAnswers({QStringLiteral("1"), QStringLiteral("2"), QString(),
                                QStringLiteral(" 4 "), QStringLiteral("1")});
            QVERIFY(s.SaveAnswers());
        }
        PracticeSession again(Attempt::First, choice(103));
        again.Load();
        QCOMPARE(again.Answers()[4], QStringLiteral(" 4 "));
        QVERIFY(again.Answers()[3].isEmpty());
        QCOMPARE(again.QSCount(), 1);
        QCOMPARE(again.RemainingPages(), (QList<int>{1, 2, 3, 4, 5}));
    }

    void markingAFirstAttemptStoresEverything()
    {
        PracticeSession s(Attempt::First, choice(107, 6));
        s.Load();
        QStringList page1;
        for (int b = 1; b <= 10; ++b)
            page1.append(b <= 5 ? key(107, 1, b).toUpper() : QStringLiteral("wrong"));
        QVERIFY(s.MoveToPage(2, page1));
        s.StorePageAnswers(QStringList(10));
        QVERIFY(s.SaveAnswers());
        QVERIFY(s.HasEmptyAnswer());

        const QDateTime start(QDate(2024, 3, 5), QTime(10, 0, 0));
        QVERIFY(s.Mark(start, start.addSecs(3723)));
        QVERIFY(s.IsMarked());
        QCOMPARE(s.Scoring(), 5);
        QCOMPARE(s.PScoring(), QStringLiteral("25"));
        QCOMPARE(s.LTime(), QStringLiteral("1:2:3"));
        QCOMPARE(s.ETime(), ShortDateText(QDate(2024, 3, 5)));

        const MarksRecords marks = ReadMarks(m_paths.marks, 10);
        QCOMPARE(marks.FirstScores[7], QStringLiteral("25"));
        QCOMPARE(marks.TimesTaken[7], QStringLiteral("1:2:3"));
        QCOMPARE(marks.CompletionDates[7], ShortDateText(QDate(2024, 3, 5)));
        QCOMPARE(marks.FirstStates[7], QStringLiteral("1"));
        QVERIFY(marks.SecondScores[7].isEmpty());
        QCOMPARE(marks.SecondStates[7], QStringLiteral("0"));
        QCOMPARE(marks.FirstStates[6], QStringLiteral("0"));

        const FieldList results = PaperFields(ReadPaperLines(m_paths.fresults, 10), 7, 20);
        QCOMPARE(results[1], kTick);
        QCOMPARE(results[5], kTick);
        QCOMPARE(results[6], kCross);
        QCOMPARE(results[20], kCross);
        QCOMPARE(readBytes(m_paths.trend), QByteArray("#TRD#>25\r\n"));

        PracticeSession reopened(Attempt::First, choice(107, 6));
        reopened.Load();
        QVERIFY(reopened.IsMarked());
        QCOMPARE(reopened.PScoring(), QStringLiteral("25"));
        QCOMPARE(reopened.LTime(), QStringLiteral("1:2:3"));
        QCOMPARE(reopened.Results()[1], kTick);
        QCOMPARE(reopened.Answers()[6], QStringLiteral("wrong"));
    }

    void trendGrowsInMarkingOrder()
    {
        const QDateTime now = QDateTime::currentDateTime();
        for (const int paper : {108, 106}) {
            PracticeSession s(Attempt::First, choice(paper, 6));
            s.Load();
            QStringList page1;
            for (int b = 1; b <= 10; ++b)
                page1.append(paper == 108 ? key(paper, 1, b) : QString());
            s.StorePageAnswers(page1);
            QVERIFY(s.Mark(now, now));
        }
        QCOMPARE(readBytes(m_paths.trend), QByteArray("#TRD#>50>0\r\n"));
    }

    // Locales with their own digits or decimal signs still store what reads
    // back everywhere, and start-up in another locale finds nothing to repair.
    void markingInOtherLocales_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("date");
        QTest::newRow("ar_EG") << "ar_EG"
                               << "C"
                               << "12.5"
                               << "5/3/2024";
        QTest::newRow("fa_IR") << "fa_IR"
                               << "en_GB"
                               << "12.5"
                               << "2024/3/5";
        QTest::newRow("bn_BD") << "bn_BD"
                               << "de_DE"
                               << "12.5"
                               << "5/3/2024";
        QTest::newRow("mr_IN") << "mr_IN"
                               << "ar_EG"
                               << "12.5"
                               << "5/3/2024";
        QTest::newRow("en_GB read in de_DE") << "en_GB"
                                             << "de_DE"
                                             << "12.5"
                                             << "05/03/2024";
        QTest::newRow("de_DE read in en_GB") << "de_DE"
                                             << "en_GB"
                                             << "12,5"
                                             << "05.03.2024";
    }
    void markingInOtherLocales()
    {
        QFETCH(QString, writer);
        QFETCH(QString, reader);
        QLocale::setDefault(QLocale(writer));
        // Five of paper 101's forty boxes right: 12.5 %.
        PracticeSession s(Attempt::First, choice(101));
        s.Load();
        for (int page = 1; page <= 5; ++page)
            QVERIFY(s.MoveToPage(page + 1, {QString::number((page - 1) % 4 + 1)}));
        const QDateTime when(QDate(2024, 3, 5), QTime(10, 0));
        const bool marked = s.Mark(when, when);
        QLocale::setDefault(QLocale(reader));
        const ResultsRepairReport repair =
            RecoverResultsFiles(m_dir.path(), m_config, QDateTime::currentDateTime());
        const MarksRecords marks = ReadMarks(m_paths.marks, 10);
        const QStringList trend = ReadTrendValues(m_paths.trend);
        QLocale::setDefault(QLocale::c());
        QVERIFY(marked);
        QTEST(marks.FirstScores[1], "percent");
        QTEST(marks.CompletionDates[1], "date");
        QCOMPARE(trend, QStringList{marks.FirstScores[1]});
        QVERIFY2(repair.notice().isEmpty() && repair.problem.isEmpty(),
                 qPrintable(repair.notice() + repair.problem));
    }

    void aFailedWriteMarksNothing()
    {
        QFile::remove(m_paths.fresults);
        QVERIFY(QDir().mkpath(m_paths.fresults));
        PracticeSession s(Attempt::First, choice(106));
        s.Load();
        WriteError error;
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(!s.Mark(now, now, &error));
        QCOMPARE(error.problem(), WriteError::InTheWay);
        QVERIFY(!s.IsMarked());
        QCOMPARE(ReadMarks(m_paths.marks, 10).FirstStates[6], QStringLiteral("0"));
        QCOMPARE(readBytes(m_paths.trend), QByteArray("#TRD#"));
        QDir(m_paths.fresults).removeRecursively();
    }

    void secondAttemptCarriesRightBoxes()
    {
        const QDateTime now = QDateTime::currentDateTime();
        {
            PracticeSession first(Attempt::First, choice(106, 6));
            first.Load();
            QStringList page1;
            for (int b = 1; b <= 10; ++b)
                page1.append(b <= 8 ? key(106, 1, b) : QStringLiteral("no"));
            first.StorePageAnswers(page1);
            QVERIFY(first.SaveAnswers());
            QVERIFY(first.Mark(now, now));
            QCOMPARE(first.PScoring(), QStringLiteral("40"));
        }
        const QByteArray firstAnswers = readBytes(m_paths.first);
        const QByteArray firstResults = readBytes(m_paths.fresults);
        const QByteArray trend = readBytes(m_paths.trend);
        const MarksRecords before = ReadMarks(m_paths.marks, 10);

        PracticeSession s(Attempt::Second, choice(106, 6));
        s.Load();
        QVERIFY(!s.IsMarked());
        for (int b = 1; b <= 8; ++b) {
            QVERIFY(s.IsCarried(b));
            QCOMPARE(s.Answers()[b], key(106, 1, b));
            QCOMPARE(s.Results()[b], kTick);
        }
        QVERIFY(!s.IsCarried(9));
        QVERIFY(s.Answers()[9].isEmpty());
        QCOMPARE(s.AnsweredCount(), 8);
        QCOMPARE(s.RemainingPages(), (QList<int>{1, 2}));
        QVERIFY(s.HasEmptyAnswer());

        QStringList page1;
        for (int b = 1; b <= 10; ++b)
            page1.append(s.Answers()[b]);
        page1[8] = key(106, 1, 9);
        page1[9] = QStringLiteral("still wrong");
        QVERIFY(s.MoveToPage(2, page1));
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.second, 10), 6, 20)[9], key(106, 1, 9));
        QVERIFY(s.Mark(now, now));
        QCOMPARE(s.PScoring(), QStringLiteral("45"));

        const MarksRecords after = ReadMarks(m_paths.marks, 10);
        QCOMPARE(after.SecondScores[6], QStringLiteral("45"));
        QCOMPARE(after.SecondStates[6], QStringLiteral("1"));
        QCOMPARE(after.FirstScores, before.FirstScores);
        QCOMPARE(after.TimesTaken, before.TimesTaken);
        QCOMPARE(after.CompletionDates, before.CompletionDates);
        QCOMPARE(after.FirstStates, before.FirstStates);
        QCOMPARE(readBytes(m_paths.first), firstAnswers);
        QCOMPARE(readBytes(m_paths.fresults), firstResults);
        QCOMPARE(readBytes(m_paths.trend), trend);
        const FieldList second = PaperFields(ReadPaperLines(m_paths.sresults, 10), 6, 20);
        QCOMPARE(second[1], kTick);
        QCOMPARE(second[9], kTick);
        QCOMPARE(second[10], kCross);

        PracticeSession reopened(Attempt::Second, choice(106, 6));
        reopened.Load();
        QVERIFY(reopened.IsMarked());
        QCOMPARE(reopened.PScoring(), QStringLiteral("45"));
        QCOMPARE(reopened.Results()[10], kCross);
    }

    void secondAttemptAllFilledAsksNoEmpty()
    {
        const QDateTime now = QDateTime::currentDateTime();
        PracticeSession first(Attempt::First, choice(104));
        first.Load();
        first.StorePageAnswers({QStringLiteral("one")});
        QVERIFY(first.SaveAnswers());
        QVERIFY(first.Mark(now, now));

        PracticeSession s(Attempt::Second, choice(104));
        s.Load();
        QVERIFY(s.IsCarried(1));
        // Page 1's only box is carried; fill pages 2 and 3.
        QVERIFY(s.MoveToPage(2, {s.Answers()[1]}));
        QVERIFY(s.MoveToPage(3, texts(5, QStringLiteral("x%1"))));
        s.StorePageAnswers(texts(10, QStringLiteral("y%1")));
        QVERIFY(!s.HasEmptyAnswer());
        QVERIFY(s.RemainingPages().isEmpty());
    }

    void expectedAnswers_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("box");
        QTest::addColumn<QStringList>("page");
        QTest::addColumn<QString>("expected");
        const QStringList none(10);
        QTest::newRow("M shows its first alternative") << 102 << 1 << QStringList(20) << "began";
        QTest::newRow("T shows its key") << 102 << 2 << QStringList(20) << "word2";
        QTest::newRow("N shows its key") << 105 << 2 << none << "2.5";
        QStringList group = none;
        group[5] = QStringLiteral("x");
        group[6] = QStringLiteral("green");
        group[7] = QStringLiteral("y");
        QTest::newRow("G head") << 105 << 7 << group << "red";
        QTest::newRow("G third box") << 105 << 9 << group << "blue";
    }

    void expectedAnswers()
    {
        QFETCH(int, paper);
        QFETCH(int, box);
        QFETCH(QStringList, page);
        PracticeSession s(Attempt::Second, choice(paper));
        s.Load();
        const int p = s.tables().PageOfBox(box);
        if (p != 1)
            QVERIFY(s.MoveToPage(p, {}));
        s.StorePageAnswers(page);
        QTEST(s.ExpectedText(box), "expected");
    }

    void choiceAnswersNameTheirOption_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("shown");
        const QStringList four{"have", "has", "having", "to have"};
        QTest::newRow("option text added") << "2" << four << "2 (has)";
        QTest::newRow("last option") << "4" << four << "4 (to have)";
        QTest::newRow("blanks around the key") << " 3 " << four << "3 (having)";
        QTest::newRow("no such option") << "5" << four << "5";
        QTest::newRow("page without options") << "2" << QStringList() << "2";
        QTest::newRow("not a number") << "has" << four << "has";
    }

    void choiceAnswersNameTheirOption()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, options);
        QTEST(ChoiceAnswerText(answer, options), "shown");
    }

    void explanationsAreTextWithItalics_data()
    {
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("html");
        QTest::newRow("stressed words") << "*Has*, because *one of the puppies* is one."
                                        << "<i>Has</i>, because <i>one of the puppies</i> is one.";
        QTest::newRow("markup stays text") << "Here 2 < 3 & <b>x</b> \"y\" 'z'"
                                           << "Here 2 &lt; 3 &amp; &lt;b&gt;x&lt;/b&gt; "
                                              "&quot;y&quot; 'z'";
        QTest::newRow("markup inside italics") << "*<b>*"
                                               << "<i>&lt;b&gt;</i>";
        QTest::newRow("a lone asterisk") << "5 * 3 is 15"
                                         << "5 * 3 is 15";
        QTest::newRow("empty pair") << "a ** b"
                                    << "a ** b";
        QTest::newRow("third asterisk left over") << "*a* b *c"
                                                  << "<i>a</i> b *c";
    }

    void explanationsAreTextWithItalics()
    {
        QFETCH(QString, why);
        QTEST(WhyHtml(why), "html");
    }

    void secondAttemptExplainsWhatWasWrong()
    {
        const QDateTime now = QDateTime::currentDateTime();
        // Paper 104: pages of 1, 5 and 10 boxes; box (c) of page 2 wrong at the
        // first attempt, box (d) at both.
        const QStringList page2{"a0", "a1", "no", "no", "a4"};
        {
            PracticeSession first(Attempt::First, choice(104));
            first.Load();
            QVERIFY(first.MoveToPage(2, {QStringLiteral("one")}));
            QVERIFY(first.MoveToPage(3, page2));
            first.StorePageAnswers(texts(10, QStringLiteral("b%1")));
            QVERIFY(first.Mark(now, now));
            QCOMPARE(first.WrongPages(), (QList<int>{2, 3}));
            QVERIFY(first.ExplainedBoxes().isEmpty());
        }
        PracticeSession s(Attempt::Second, choice(104));
        s.Load();
        QVERIFY(s.MoveToPage(2, {s.Answers()[1]}));
        QVERIFY(s.ExplainedBoxes().isEmpty());
        s.StorePageAnswers({"a0", "a1", "a2", "no", "a4"});
        QVERIFY(s.Mark(now, now));
        QCOMPARE(s.WrongPages(), (QList<int>{2, 3}));
        QCOMPARE(s.ExplainedBoxes(), (QList<int>{3, 4}));
        const QString panel = ExplanationPanelHtml(s, {});
        QVERIFY2(panel.contains(QLatin1String(
                     "<span class=\"qv-lab\">(c)</span><div><p class=\"qv-answer\">Answer: a2</p>"
                     "<p>The word <i>a2</i> is right for box 3 of page 10050.</p>")),
                 qPrintable(panel));
        QVERIFY(panel.contains(QLatin1String("(d)")));
        QVERIFY(!panel.contains(QLatin1String("(a)")));
        QVERIFY(panel.contains(QLatin1String("<h2>Explanations</h2>")));

        // A box right both times explains nothing; neither does a page of them.
        QVERIFY(s.MoveToPage(1, s.Answers().first(5)));
        QVERIFY(s.ExplainedBoxes().isEmpty());
        QVERIFY(ExplanationPanelHtml(s, {}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPracticeSession)
#include "tst_practicesession.moc"
