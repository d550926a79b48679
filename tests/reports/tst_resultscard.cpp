#include "ReportTestLevels.h"
#include "reports/ResultsCard.h"

#include <QTest>

class TestResultsCard : public QObject
{
    Q_OBJECT

private slots:
    void zoneColumns_data();
    void zoneColumns();
    void lines();
    void rulesSpanTheirColumns();
    void paperLineText_data();
    void paperLineText();
    void tenTopics();
    void pages_data();
    void pages();
};

void TestResultsCard::zoneColumns_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<int>>("columns");
    QTest::newRow("title") << QStringList{" ", "Quorvane English"} << QList<int>{0, 14};
    QTest::newRow("header line 1")
        << QStringList{" ", "Papers", " ", "First take", "Time taken", "Date", " ", "Second take"}
        << QList<int>{0, 14, 28, 42, 56, 70, 84, 98};
    QTest::newRow("header line 2")
        << QStringList{" ", " ", " ", "score", " ", " ", " ", "score"}
        << QList<int>{0, 14, 28, 42, 56, 70, 84, 98};
    QTest::newRow("unmarked paper: empty items keep their zones")
        << QStringList{" ", "Paper 3", " ", "%", "", "", " ", "%"}
        << QList<int>{0, 14, 28, 42, 56, 70, 84, 98};
    QTest::newRow("item filling its zone exactly") << QStringList{" ", "12345678901234", "x"}
                                                   << QList<int>{0, 14, 28};
    QTest::newRow("wider item pushes the rest one zone")
        << QStringList{" ", "123456789012345", "x", "y"} << QList<int>{0, 14, 42, 56};
    QTest::newRow("rule") << QStringList{" ", QString(128, QLatin1Char('-'))} << QList<int>{0, 14};
}

void TestResultsCard::zoneColumns()
{
    QFETCH(QStringList, items);
    QTEST(ResultsCard::zoneColumns(items), "columns");
}

void TestResultsCard::lines()
{
    const ResultsCard card = ResultsCard::build(MakeLevel(1, {"Grammar"}), "Quorvane English");
    using Line = ResultsCard::Line;
    const QString rule(98, QLatin1Char('-'));
    const QList<Line> expected{
        {{}, false},
        {{}, false},
        {{" ", "Quorvane English"}, false},
        {{}, false},
        {{}, false},
        {{}, true},
        {{}, true},
        {{" ", "Grammar"}, true},
        {{" ", rule}, true},
        {{" ", "Papers", " ", "First take", "Time taken", "Date", " ", "Second take"}, true},
        {{" ", " ", " ", "score", " ", " ", " ", "score"}, true},
        {{" ", rule}, true},
        {{" ", "Paper 1", " ", "%", "", "", " ", "%"}, false},
        {{" ", "Paper 2", " ", "%", "", "", " ", "%"}, false},
        {{" ", "Paper 3", " ", "%", "", "", " ", "%"}, false},
        {{" ", "Paper 4", " ", "%", "", "", " ", "%"}, false},
        {{" ", "Paper 5", " ", "%", "", "", " ", "%"}, false},
    };
    QCOMPARE(card.lines, expected);
}

// The rules start where the table starts and end where its last zone ends;
// every heading fits its zone, so none pushes the next one along.
void TestResultsCard::rulesSpanTheirColumns()
{
    const ResultsCard card = ResultsCard::build(MakeLevel(1, {"Grammar"}), "Quorvane English");
    const QList<int> zones{0, 14, 28, 42, 56, 70, 84, 98};
    for (int n : {9, 10}) {
        const ResultsCard::Line &heading = card.lines[n];
        QCOMPARE(ResultsCard::zoneColumns(heading.items), zones);
        for (const QString &item : heading.items)
            QVERIFY2(item.size() <= ResultsCard::kZoneWidth, qPrintable(item));
    }
    for (int n : {8, 11}) {
        const ResultsCard::Line &rule = card.lines[n];
        QVERIFY(rule.items[1].count(QLatin1Char('-')) == rule.items[1].size());
        const int start = ResultsCard::zoneColumns(rule.items)[1];
        QCOMPARE(start, zones[1]);
        QCOMPARE(start + int(rule.items[1].size()), zones.last() + ResultsCard::kZoneWidth);
        QCOMPARE(ResultsCard::lineText(rule).size(), ResultsCard::kColumns);
    }
}

void TestResultsCard::paperLineText_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("text");
    QTest::newRow("first take only")
        << "87.5" << "0:12:30" << "30/12/2005" << ""
        << "              Paper 1                     87.5%         0:12:30       30/12/2005"
           "                  %";
    QTest::newRow("unmarked") << "" << "" << "" << ""
                              << QStringLiteral("              Paper 1                     %")
                                     + QString(98 - 43, QLatin1Char(' ')) + QLatin1Char('%');
    QTest::newRow("both takes") << "100" << "1:2:3" << "1/2/2024" << "95.5"
                                << "              Paper 1                     100%"
                                   "          1:2:3         1/2/2024                    95.5%";
}

void TestResultsCard::paperLineText()
{
    QFETCH(QString, first);
    QFETCH(QString, time);
    QFETCH(QString, date);
    QFETCH(QString, second);
    LevelData level = MakeLevel(1, {"Grammar"});
    level.FirstScores.set(1, first);
    level.TimesTaken.set(1, time);
    level.CompletionDates.set(1, date);
    level.SecondScores.set(1, second);
    const ResultsCard card = ResultsCard::build(level, "Title");
    QTEST(ResultsCard::lineText(card.lines[12]), "text");
}

void TestResultsCard::tenTopics()
{
    const ResultsCard card = ResultsCard::build(MakeLevel(10, TopicNamesT(10)), "Title");
    QCOMPARE(card.lines.size(), 5 + 10 * (7 + 5));
    int paperLines = 0;
    int headings = 0;
    for (const ResultsCard::Line &line : card.lines) {
        if (line.items.size() == 8 && line.items[1].startsWith(QLatin1String("Paper ")))
            QCOMPARE(line.items[1], QStringLiteral("Paper %1").arg(++paperLines % 5 ? paperLines % 5 : 5));
        if (line.items.size() == 2 && line.items[1] == QStringLiteral("T%1").arg(headings + 1))
            ++headings;
    }
    QCOMPARE(paperLines, 50);
    QCOMPARE(headings, 10);
}

void TestResultsCard::pages_data()
{
    QTest::addColumn<int>("topics");
    QTest::addColumn<int>("perPage");
    QTest::newRow("one page") << 10 << 200;
    QTest::newRow("A4-like pages") << 10 << 60;
    QTest::newRow("short pages") << 10 << 13;
    QTest::newRow("pages shorter than a heading block") << 3 << 5;
}

void TestResultsCard::pages()
{
    QFETCH(int, topics);
    QFETCH(int, perPage);
    const ResultsCard card = ResultsCard::build(MakeLevel(topics, TopicNamesT(topics)), "Title");
    const QList<QList<int>> pages = card.pages(perPage);

    QList<int> printed;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QList<int> &page = pages[p];
        QVERIFY(!page.isEmpty());
        QVERIFY(page.size() <= perPage);
        if (perPage >= 8)
            QVERIFY2(!card.lines[page.last()].keepWithNext, "heading block split from its paper");
        if (p > 0)
            QVERIFY(!card.lines[page.first()].items.isEmpty());
        printed += page;
    }
    // Every line with text appears once, in order; only blank lines may be left out.
    QList<int> withText;
    for (int n = 0; n < card.lines.size(); ++n)
        if (!card.lines[n].items.isEmpty())
            withText << n;
    QList<int> printedWithText;
    for (int n : printed)
        if (!card.lines[n].items.isEmpty())
            printedWithText << n;
    QCOMPARE(printedWithText, withText);
    QVERIFY(std::is_sorted(printed.begin(), printed.end()));
    if (perPage >= card.lines.size())
        QCOMPARE(pages.size(), 1);
}

QTEST_GUILESS_MAIN(TestResultsCard)
#include "tst_resultscard.moc"
