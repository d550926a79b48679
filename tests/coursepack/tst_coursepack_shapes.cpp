#include "PageReader.h"
#include "PageRenderer.h"
#include "SourceError.h"
#include "YamlSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// One page of every shape read from YAML: its answer boxes, its refusals,
// and the labels its HTML gives the boxes.
class TestCoursepackShapes : public QObject
{
    Q_OBJECT

private slots:
    void readsPage_data();
    void readsPage();
    void refusesPage_data();
    void refusesPage();

private:
    // Reads `page` (a YAML mapping) as the only page of a topic of `shape`
    // with `boxes` boxes a page; a refusal comes back in *error.
    Page read(const QString &shape, int boxes, const QByteArray &page, QString *error);

    QTemporaryDir m_dir;
};

Page TestCoursepackShapes::read(const QString &shape, int boxes, const QByteArray &page,
                                QString *error)
{
    QFile picture(m_dir.filePath(QStringLiteral("poster.png")));
    if (picture.open(QIODevice::WriteOnly))
        picture.write("\x89PNG picture bytes");
    picture.close();

    QByteArray text = "page:\n";
    for (const QByteArray &line : page.split('\n'))
        text += "  " + line + "\n";
    const QString path = m_dir.filePath(QStringLiteral("paper.yaml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(text);
    file.close();

    Topic topic;
    topic.name = QStringLiteral("Topic");
    topic.shape = shape;
    topic.instructions = QStringLiteral("Do it.");
    topic.pagesPerPaper = 1;
    topic.boxesPerPage = boxes;
    QHash<QString, QString> seen;
    try {
        const YamlSource source(path, QStringLiteral("paper.yaml"));
        PageReader reader(source, topic, 1, m_dir.path(), seen);
        return reader.read(source.root()["page"]);
    } catch (const SourceError &e) {
        *error = QString::fromUtf8(e.what());
        return {};
    }
}

void TestCoursepackShapes::readsPage_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("html");

    QTest::newRow("cloze with word bank")
        << "cloze-with-bank" << 2
        << QByteArray("title: Tea\npassage: |\n  We [1] home\n  and [2] tea.\n"
                      "bank: [had, ran, went]\nanswers: [went, had]")
        << "TT"
        << "went|had"
        << "1|1"
        << "We <span class=\"blank\"><span class=\"lab\">(a)</span></span> home and";
    QTest::newRow("editing")
        << "editing" << 2
        << QByteArray("passage: |\n  We [1:goed] home.\n\n  We [2:eated] tea.\n"
                      "answers: [went, {answer: ate, marks: 2}]")
        << "TT"
        << "went|ate"
        << "1|2"
        << "<p>We <span class=\"err\"><span class=\"lab\">(b)</span>eated</span> tea.</p>";
    QTest::newRow("cloze") << "cloze" << 2
                           << QByteArray("passage: The [1] sat on the [2].\nanswers: [cat, mat]")
                           << "TT"
                           << "cat|mat"
                           << "1|1"
                           << "<span class=\"lab\">(b)</span>";
    QTest::newRow("synthesis")
        << "synthesis" << 2
        << QByteArray("items:\n"
                      "  - sentences: [It rained., We played.]\n"
                      "    combined: \"We played ___ it rained.\"\n"
                      "    answer: although\n"
                      "  - sentences: [He ran., He was late.]\n"
                      "    combined: \"He ran ___ he was late.\"\n"
                      "    answer: because")
        << "TT"
        << "although|because"
        << "1|1"
        << "<span class=\"lab\">(b)</span><div><p class=\"pair\">He ran. He was late.</p>";
    QTest::newRow("visual")
        << "visual" << 2
        << QByteArray(
               "picture: poster.png\nalt: A poster\nquestions:\n"
               "  - question: When?\n    options: [Monday, Tuesday, Friday, Sunday]\n    answer: "
               "3\n"
               "  - question: Where?\n    options: [hall, field, gym, library]\n    answer: 1\n"
               "    marks: 2")
        << "QQ"
        << "3|1"
        << "1|2"
        << "<img src=\"cid:picture1.page0@quorvane\" alt=\"A poster\">";
    QTest::newRow("reading")
        << "reading" << 1
        << QByteArray(
               "title: Seals\npassage: Ben saw [three] seals.\nquestions:\n"
               "  - question: How many seals?\n    options: [one, two, three, four]\n    answer: 3")
        << "Q"
        << "3"
        << "1"
        << "<p>Ben saw [three] seals.</p>";
    QTest::newRow("mock") << "mock" << 3
                          << QByteArray("sections:\n"
                                        "  - title: Section A\n    instructions: Fill in.\n"
                                        "    passage: The fox [1] and the hens [2:runned].\n"
                                        "    answers: [{answer: jumped, marks: 2}, [ran, fled]]\n"
                                        "  - instructions: Answer.\n    items:\n"
                                        "      - question: Opposite of hot?\n        answer: cold")
                          << "TMT"
                          << "jumped|;ran;fled|cold"
                          << "2|1|1"
                          << "<h2>Section A<span class=\"marks\">[3 marks]</span></h2>";
    QTest::newRow("mock bank with two accepted words")
        << "mock" << 1
        << QByteArray("sections:\n  - instructions: Fill in.\n"
                      "    passage: The race [1] at noon.\n"
                      "    bank: [began, ended, started]\n    answers: [[began, started]]")
        << "M"
        << ";began;started"
        << "1"
        << "The race <span class=\"blank\">";
}

void TestCoursepackShapes::readsPage()
{
    QFETCH(QString, shape);
    QFETCH(int, boxes);
    QFETCH(QByteArray, page);
    QFETCH(QString, kinds);
    QFETCH(QString, answers);
    QFETCH(QString, marks);
    QFETCH(QString, html);

    QString error;
    const Page result = read(shape, boxes, page, &error);
    QCOMPARE(error, QString());
    QString gotKinds;
    QStringList gotAnswers;
    QStringList gotMarks;
    for (const Box &box : result.boxes) {
        gotKinds += box.kind;
        gotAnswers.append(box.answer);
        gotMarks.append(QString::number(box.marks));
    }
    QCOMPARE(gotKinds, kinds);
    QCOMPARE(gotAnswers.join(QLatin1Char('|')), answers);
    QCOMPARE(gotMarks.join(QLatin1Char('|')), marks);

    Topic topic;
    topic.name = QStringLiteral("Topic");
    const QString page_html = PageRenderer::html(topic, result);
    QVERIFY2(page_html.contains(html), qPrintable(page_html));
}

void TestCoursepackShapes::refusesPage_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("message");

    QTest::newRow("answer outside the word bank")
        << "cloze-with-bank" << 1
        << QByteArray("passage: We [1] home.\nbank: [ran, sat]\nanswers: [went]")
        << "paper.yaml:4: error: answer \"went\" is not in the word bank";
    QTest::newRow("correction repeats the error")
        << "editing" << 1 << QByteArray("passage: We [1:Went] home.\nanswers: [went]")
        << "paper.yaml:3: error: the correction of [1:Went] is the same";
    QTest::newRow("error marker in a cloze")
        << "cloze" << 1 << QByteArray("passage: We [1:goed] home.\nanswers: [went]")
        << "paper.yaml:2: error: \"[1:goed]\"";
    QTest::newRow("blank marker in an editing passage")
        << "editing" << 1 << QByteArray("passage: We [1] home.\nanswers: [went]")
        << "marks errors as [n:wrong words]";
    QTest::newRow("markers out of order")
        << "cloze" << 2 << QByteArray("passage: We [2] home [1].\nanswers: [went, now]")
        << "\"[2]\" should be numbered 1";
    QTest::newRow("two gaps in a combined sentence")
        << "synthesis" << 1
        << QByteArray(
               "items:\n  - sentences: [A., B.]\n    combined: \"___ A ___ B.\"\n    answer: so")
        << "paper.yaml:4: error: \"___ A ___ B.\" has 2 blanks";
    QTest::newRow("marker in a reading passage")
        << "reading" << 1
        << QByteArray(
               "passage: Ben saw [1] seals.\nquestions:\n"
               "  - question: How many?\n    options: [one, two, three, four]\n    answer: 3")
        << "has no blanks or marked errors";
    QTest::newRow("alternatives outside the mock examination")
        << "cloze" << 1 << QByteArray("passage: We [1] home.\nanswers: [[went, ran]]")
        << "paper.yaml:3: error: answers with alternatives (kind M) belong to the mock";
    QTest::newRow("three marks")
        << "cloze" << 1 << QByteArray("passage: We [1] home.\nanswers: [{answer: went, marks: 3}]")
        << "marks must be 1 or 2, not 3";
    QTest::newRow("too few boxes for the topic")
        << "cloze" << 3 << QByteArray("passage: We [1] home [2].\nanswers: [went, now]")
        << "the page has 2 answer boxes; every page of topic 1 \"Topic\" (shape cloze) has 3";
    QTest::newRow("picture missing")
        << "visual" << 1
        << QByteArray("picture: missing.png\nquestions:\n"
                      "  - question: When?\n    options: [a, b, c, d]\n    answer: 1")
        << "paper.yaml:2: error: picture \"missing.png\" cannot be read";
    QTest::newRow("accepted word missing from the bank")
        << "mock" << 1
        << QByteArray("sections:\n  - instructions: Fill in.\n"
                      "    passage: The race [1] at noon.\n"
                      "    bank: [began, ended]\n    answers: [[began, started]]")
        << "answer \"started\" is not in the word bank";
    QTest::newRow("mock section without boxes")
        << "mock" << 1
        << QByteArray("sections:\n  - instructions: Read this.\n    passage: Just text.")
        << "a section needs answer boxes";
    QTest::newRow("empty answer") << "cloze" << 1
                                  << QByteArray("passage: We [1] home.\nanswers: [\" \"]")
                                  << "an answer is empty";
}

void TestCoursepackShapes::refusesPage()
{
    QFETCH(QString, shape);
    QFETCH(int, boxes);
    QFETCH(QByteArray, page);
    QFETCH(QString, message);

    QString error;
    read(shape, boxes, page, &error);
    QVERIFY2(error.contains(message), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestCoursepackShapes)
#include "tst_coursepack_shapes.moc"
