#include "content/AnswerCheck.h"

#include <QLocale>
#include <QtTest>

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void checkAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("mark");
        const QString R = kTick, W = kCross;
        QTest::newRow("T spaces around") << " although " << "Although" << "T" << R;
        QTest::newRow("T capitals") << "ALTHOUGH" << "Although" << "T" << R;
        QTest::newRow("T with comma") << "although," << "Although" << "T" << W;
        QTest::newRow("T tab is not trimmed") << "\talthough" << "Although" << "T" << W;
        QTest::newRow("T punctuation answer") << ";" << ";" << "T" << R;
        QTest::newRow("Q right") << "3" << "3" << "Q" << R;
        QTest::newRow("Q wrong") << "4" << "3" << "Q" << W;
        QTest::newRow("Q empty") << "" << "3" << "Q" << W;
        QTest::newRow("L like T") << "A Long Answer " << "a long answer" << "L" << R;
        QTest::newRow("N trailing zero") << "2.50" << "2.5" << "N" << R;
        QTest::newRow("N spaces") << " 2.5 " << "2.5" << "N" << R;
        QTest::newRow("N word") << "two" << "2.5" << "N" << W;
        QTest::newRow("N empty") << "" << "2.5" << "N" << W;
        QTest::newRow("F plain") << "11/2" << "11/2" << "F" << R;
        QTest::newRow("F inner space dropped") << "1 1/2" << "11/2" << "F" << R;
        QTest::newRow("F spaced slash") << "11 / 2" << "11/2" << "F" << R;
        QTest::newRow("X two spaces") << "2  3/7" << "2 3/7" << "X" << R;
        QTest::newRow("X spaced") << "2 3 / 7" << "2 3/7" << "X" << R;
        QTest::newRow("X no space") << "23/7" << "2 3/7" << "X" << W;
        QTest::newRow("R case counts") << "A B" << "a b" << "R" << W;
        QTest::newRow("unknown kind") << "anything" << "anything" << "Z" << QString();
        QTest::newRow("lower-case kind is unknown") << "3" << "3" << "q" << QString();
    }
    void checkAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QFETCH(QString, kind);
        QFETCH(QString, mark);
        QCOMPARE(CheckAnswer(answer, expected, kind), mark);
    }

    void checkListAnswer_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("marks");
        const QString R = kTick, W = kCross;
        const QStringList m{";that;which"};
        QTest::newRow("M capitals") << QStringList{"Which"} << m << QStringList{R};
        QTest::newRow("M trailing space") << QStringList{"that "} << m << QStringList{R};
        QTest::newRow("M wrong") << QStringList{"what"} << m << QStringList{W};
        QTest::newRow("M empty") << QStringList{""} << m << QStringList{W};
        const QStringList group{";red;green;blue", " ", " "};
        QTest::newRow("G red red blue") << QStringList{"red", "red", "blue"} << group
                                        << QStringList{R, W, R};
        QTest::newRow("G empty green green") << QStringList{"", "green", "green"} << group
                                             << QStringList{W, R, W};
        QTest::newRow("G empty continuation") << QStringList{"red", "", "blue"} << group
                                              << QStringList{R, W, R};
        QTest::newRow("G after another box")
            << QStringList{"x", "red", "blue"} << QStringList{"x", ";red;blue", " "}
            << QStringList{QString(), R, R};
    }
    void checkListAnswer()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, marks);
        const FieldList a = FieldList::fromList(answers);
        const FieldList e = FieldList::fromList(expected);
        for (int i = 1; i <= a.size(); ++i) {
            if (marks[i - 1].isEmpty())
                continue;
            QCOMPARE(CheckListAnswer(a, e, FieldList(), i), marks[i - 1]);
        }
    }

    void suggestAnswer_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("suggestion");
        QTest::newRow("head gets the first unused") << QStringList{"x", "green", "y"} << 1 << "red";
        QTest::newRow("third box gets the second unused") << QStringList{"x", "green", "y"} << 3
                                                          << "blue";
        QTest::newRow("second box") << QStringList{"x", "y", "z"} << 2 << "green";
        QTest::newRow("empty head still gets a model answer") << QStringList{"", "green", "y"}
                                                              << 1 << "red";
        QTest::newRow("all used") << QStringList{"red", "green", "blue"} << 3 << "";
    }
    void suggestAnswer()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, index);
        QFETCH(QString, suggestion);
        const FieldList expected{";red;green;blue", " ", " "};
        QCOMPARE(SuggestAnswer(FieldList::fromList(answers), expected, FieldList(), index),
                 suggestion);
    }

    void splitAlternativesKeepsText()
    {
        QCOMPARE(SplitAlternatives(QStringLiteral(";began; Started")),
                 (QStringList{"began", " Started"}));
        QCOMPARE(SplitAlternatives(QStringLiteral(";only")), QStringList{"only"});
        QCOMPARE(SplitAlternatives(QStringLiteral("none")), QStringList{});
    }

    void judgePaperAddsMarksOfRightBoxes()
    {
        const FieldList answers{"3", "went", "Which", "", "x"};
        const FieldList expected{"3", "went", ";that;which", "2", "y"};
        const FieldList kinds{"Q", "T", "M", "Q", "Z"};
        const FieldList marks{"1", "2", "2", "1", "5"};
        const PaperJudgement j = JudgePaper(answers, expected, kinds, marks, 5);
        QCOMPARE(j.score, 5);
        QCOMPARE(j.results.toList(), (QStringList{kTick, kTick, kTick, kCross, QString()}));
    }
};

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
