#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Runs coursepack on the fixture courses: good/ is a small valid course of
// three topics (choice, visual with a picture, mock); every folder in bad/
// holds files laid over a copy of good/ (and may list files to delete in
// REMOVE) to make one refusal.
class TestCoursepack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusesBadSources_data();
    void refusesBadSources();
    void printsCounts();
    void writesConfiguration();
    void writesPaperMapInOrder();
    void writesPageTables_data();
    void writesPageTables();
    void writesResultsTemplates();
    void writesSinglePartPage();
    void writesMultipartPageWithPicture();
    void writesResourceCollection();
    void packsSkinOrNamesMissingPictures();
    void checksPapersOfIncompleteTopics();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    static Run pack(const QStringList &args);
    static bool copyTree(const QString &from, const QString &to);
    QByteArray resource(int number) const;

    QTemporaryDir m_good;
    Run m_goodRun;
};

TestCoursepack::Run TestCoursepack::pack(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(COURSEPACK_EXE), args);
    process.waitForFinished(60000);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool TestCoursepack::copyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &info :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(info.fileName());
        if (info.isDir()) {
            if (!copyTree(info.filePath(), target))
                return false;
        } else {
            QFile::remove(target);
            if (!QFile::copy(info.filePath(), target))
                return false;
        }
    }
    return true;
}

QByteArray TestCoursepack::resource(int number) const
{
    QFile file(m_good.filePath(QStringLiteral("custom/%1").arg(number)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestCoursepack::initTestCase()
{
    QVERIFY(m_good.isValid());
    m_goodRun = pack(
        {QStringLiteral("course"), QStringLiteral(COURSEPACK_FIXTURES "/good"), m_good.path()});
    QCOMPARE(m_goodRun.err, QString());
    QCOMPARE(m_goodRun.exitCode, 0);
}

void TestCoursepack::refusesBadSources_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("message");

    QTest::newRow("not YAML") << "invalid-yaml"
                              << "papers/102.yaml:7:"
                              << "not valid YAML";
    QTest::newRow("three options") << "option-count"
                                   << "papers/101.yaml:3:"
                                   << "exactly 4 options";
    QTest::newRow("answer out of range") << "answer-range"
                                         << "papers/101.yaml:7:"
                                         << "1 to 4, not \"5\"";
    QTest::newRow("repeated option") << "repeated-options"
                                     << "papers/101.yaml:3:"
                                     << "options 2 and 3 are the same";
    QTest::newRow("question repeated in another paper") << "repeated-question"
                                                        << "papers/103.yaml:5:"
                                                        << "first appears at";
    QTest::newRow("blanks and answers differ") << "blank-count"
                                               << "papers/112.yaml:7:"
                                               << "2 blanks but \"answers\" lists 3";
    QTest::newRow("page of another shape") << "wrong-shape"
                                           << "papers/104.yaml:5:"
                                           << "\"passage\" does not belong to";
    QTest::newRow("paper with too few pages") << "wrong-page-count"
                                              << "papers/105.yaml:2:"
                                              << "has 1 page; every paper";
    QTest::newRow("gap in the topics") << "topic-gap"
                                       << "papers/111.yaml:1:"
                                       << "without gaps";
    QTest::newRow("> in an answer") << "table-greater-than"
                                    << "papers/113.yaml:11:"
                                    << "contains \">\"";
    QTest::newRow("# in an answer") << "table-hash"
                                    << "papers/113.yaml:7:"
                                    << "contains \"#\"";
    QTest::newRow("line break in an answer") << "table-line-break"
                                             << "papers/113.yaml:11:"
                                             << "line break";
    QTest::newRow("character outside Windows-1252") << "table-code-page"
                                                    << "papers/113.yaml:11:"
                                                    << "not a Windows-1252 character";
    QTest::newRow("> in a topic name") << "topic-name"
                                       << "course.yaml:12:"
                                       << "topic name \"Posters > Signs\"";
    QTest::newRow("box without an explanation") << "missing-why"
                                                << "papers/103.yaml:7:"
                                                << "this one has no \"why\"";
    QTest::newRow("area not of its topic") << "unknown-area"
                                           << "papers/102.yaml:6:"
                                           << "area \"Spelling\" is not one of the areas";
    QTest::newRow("explanation too long") << "long-why"
                                          << "papers/104.yaml:5:"
                                          << "has 221 characters; at most 220";
    QTest::newRow("topic without its box count") << "topic-without-boxes"
                                                 << "course.yaml:12:"
                                                 << "missing \"boxes\"";
    QTest::newRow("ten topics of the wrong size") << "totals"
                                                  << "course.yaml:1:"
                                                  << "pages 55 instead of 740";
}

void TestCoursepack::refusesBadSources()
{
    QFETCH(QString, fixture);
    QFETCH(QString, where);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString course = dir.filePath(QStringLiteral("course"));
    QVERIFY(copyTree(QStringLiteral(COURSEPACK_FIXTURES "/good"), course));
    QVERIFY(copyTree(QStringLiteral(COURSEPACK_FIXTURES "/bad/") + fixture, course));
    QFile remove(QDir(course).filePath(QStringLiteral("REMOVE")));
    if (remove.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : remove.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                QVERIFY(QFile::remove(QDir(course).filePath(QString::fromUtf8(line.trimmed()))));
        }
        remove.remove();
    }

    const Run run = pack({QStringLiteral("course"), course, dir.filePath(QStringLiteral("out"))});
    QVERIFY(run.exitCode != 0);
    QVERIFY2(run.err.startsWith(course + QLatin1Char('/') + where + QStringLiteral(" error: ")),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out/quorvane_course.qrc"))));
}

void TestCoursepack::printsCounts()
{
    QVERIFY2(m_goodRun.out.contains(QStringLiteral(
                 "3 topics, 15 papers, 20 pages, 30 answer boxes (Q 15, T 10, M 5), 40 marks")),
             qPrintable(m_goodRun.out));
}

void TestCoursepack::writesConfiguration()
{
    QCOMPARE(resource(30000), QByteArray("...\r\n"
                                         "#NME#>Test Course\r\n"
                                         "#COD#>TC\r\n"
                                         "#LBH#>Test Level\r\n"
                                         "-----------------------\r\n"
                                         "#TT2#>3\r\n"
                                         "#TP2#>15\r\n"
                                         "#TN2#>Grammar>Posters>Mock\r\n"
                                         "..."));
}

void TestCoursepack::writesPaperMapInOrder()
{
    QCOMPARE(resource(30022), QByteArray("...\r\n"
                                         "#101#>10001>10002\r\n#102#>10003>10004\r\n"
                                         "#103#>10005>10006\r\n#104#>10007>10008\r\n"
                                         "#105#>10009>10010\r\n"
                                         "#106#>10011\r\n#107#>10012\r\n#108#>10013\r\n"
                                         "#109#>10014\r\n#110#>10015\r\n"
                                         "#111#>10016\r\n#112#>10017\r\n#113#>10018\r\n"
                                         "#114#>10019\r\n#115#>10020\r\n"
                                         "..."));
}

void TestCoursepack::writesPageTables_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("choicePage");
    QTest::addColumn<QByteArray>("mockPage");

    QTest::newRow("answer key") << 30023 << QByteArray("#10001#>2")
                                << QByteArray("#10016#>jumped>;ran;hurried>cold");
    QTest::newRow("answer kinds") << 30024 << QByteArray("#10001#>Q")
                                  << QByteArray("#10016#>T>M>T");
    QTest::newRow("box marks") << 30025 << QByteArray("#10002#>2") << QByteArray("#10016#>1>2>1");
    QTest::newRow("explanations")
        << 30026 << QByteArray("#10001#>Option 2 is right.")
        << QByteArray("#10016#>It fits the blank.>It fits the blank.>It answers the question.");
    QTest::newRow("areas") << 30027 << QByteArray("#10011#>Details")
                           << QByteArray("#10016#>Writing>Writing>Writing");
}

void TestCoursepack::writesPageTables()
{
    QFETCH(int, number);
    QFETCH(QByteArray, choicePage);
    QFETCH(QByteArray, mockPage);

    const QByteArray table = resource(number);
    QVERIFY(table.startsWith("...\r\n#10001#>"));
    QVERIFY(table.endsWith("\r\n..."));
    const QList<QByteArray> lines = table.split('\n');
    QCOMPARE(lines.size(), 22);
    for (int i = 1; i <= 20; ++i) {
        QVERIFY(lines[i - 1].endsWith('\r'));
        QVERIFY2(lines[i].startsWith("#" + QByteArray::number(10000 + i) + "#>"),
                 lines[i].constData());
    }
    QVERIFY(table.contains(choicePage + "\r\n"));
    QVERIFY(table.contains(mockPage + "\r\n"));
}

void TestCoursepack::writesResultsTemplates()
{
    const QByteArray empty15(15, '>');
    QByteArray zeros15;
    for (int i = 0; i < 15; ++i)
        zeros15 += ">0";
    QCOMPARE(resource(30121), "...\r\n#FSE#" + empty15 + "\r\n#SSE#" + empty15 + "\r\n#LTM#" +
                                  empty15 + "\r\n#CDD#" + empty15 + "\r\n#FST#" + zeros15 +
                                  "\r\n#SST#" + zeros15 + "\r\n...");

    QByteArray answers = "...\r\n";
    for (int key = 101; key <= 115; ++key)
        answers += "#" + QByteArray::number(key) + "#" +
                   QByteArray(key <= 105   ? 2
                              : key <= 110 ? 1
                                           : 3,
                              '>') +
                   "\r\n";
    answers += "...";
    for (int n = 30122; n <= 30125; ++n)
        QCOMPARE(resource(n), answers);
    QCOMPARE(resource(30126), QByteArray("#TRD#"));
}

void TestCoursepack::writesSinglePartPage()
{
    const QByteArray page = resource(10001);
    QVERIFY(page.startsWith("MIME-Version: 1.0\r\nContent-Type: text/html; charset=\"utf-8\"\r\n"
                            "Content-Transfer-Encoding: quoted-printable\r\n"));
    QVERIFY(!page.contains("multipart"));
    QVERIFY(!QByteArray(page).replace("\r\n", "").contains('\n'));
    for (const QByteArray &line : page.split('\n'))
        QVERIFY2(line.size() <= 77, line.constData());

    // Undo the quoted-printable encoding and look at the HTML.
    QByteArray html = page.mid(page.indexOf("\r\n\r\n") + 4);
    html.replace("=\r\n", "");
    html.replace("\r\n", "\n");
    html = QByteArray::fromPercentEncoding(html, '=');
    QVERIFY(html.contains("<!DOCTYPE html>"));
    QVERIFY(html.contains("<h1>Grammar</h1>"));
    QVERIFY(html.contains("Paper 1 &middot; Question 1 of 2"));
    QVERIFY(html.contains("Yesterday I <span class=\"gap\"></span> (go) home early."));
    QVERIFY(html.contains("<span class=\"num\">2</span><span>went</span>"));
    QVERIFY(html.contains("font-family: \"DejaVu Sans\""));
}

void TestCoursepack::writesMultipartPageWithPicture()
{
    const QByteArray page = resource(10011);
    QVERIFY(page.startsWith("MIME-Version: 1.0\r\nContent-Type: multipart/related; "
                            "type=\"text/html\"; boundary=\""));
    QVERIFY(!QByteArray(page).replace("\r\n", "").contains('\n'));
    QVERIFY(page.contains("src=3D\"cid:picture1.page10011@quorvane\""));
    QVERIFY(page.contains("Content-ID: <picture1.page10011@quorvane>\r\n"));
    QVERIFY(!page.contains("(a)"));

    const qsizetype part = page.indexOf("Content-Type: image/png\r\n");
    QVERIFY(part > 0);
    const qsizetype start = page.indexOf("\r\n\r\n", part) + 4;
    const qsizetype end = page.indexOf("\r\n--", start);
    QFile picture(QStringLiteral(COURSEPACK_FIXTURES "/good/pictures/sign.png"));
    QVERIFY(picture.open(QIODevice::ReadOnly));
    QCOMPARE(QByteArray::fromBase64(page.mid(start, end - start).replace("\r\n", "")),
             picture.readAll());
    QVERIFY(page.endsWith("--\r\n"));
}

void TestCoursepack::writesResourceCollection()
{
    QFile qrc(m_good.filePath(QStringLiteral("quorvane_course.qrc")));
    QVERIFY(qrc.open(QIODevice::ReadOnly));
    const QByteArray text = qrc.readAll();
    QVERIFY(text.contains("<qresource prefix=\"/custom\">"));
    const QStringList files =
        QDir(m_good.filePath(QStringLiteral("custom"))).entryList(QDir::Files);
    QCOMPARE(files.size(), 20 + 13);
    for (const QString &file : files)
        QVERIFY(text.contains(
            QStringLiteral("<file alias=\"%1\">custom/%1</file>").arg(file).toUtf8()));
}

void TestCoursepack::packsSkinOrNamesMissingPictures()
{
    QTemporaryDir dir;
    const QString skin = dir.filePath(QStringLiteral("skin"));
    QVERIFY(QDir().mkpath(skin));
    QFile one(QDir(skin).filePath(QStringLiteral("about_off.bmp")));
    QVERIFY(one.open(QIODevice::WriteOnly));
    one.write("BM");
    one.close();

    const Run run = pack({QStringLiteral("skin"), skin, dir.filePath(QStringLiteral("out"))});
    QVERIFY(run.exitCode != 0);
    QVERIFY2(run.err.contains(QStringLiteral("88 skin pictures are missing: about_on.bmp, ")),
             qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("Border_bot_right.gif")));
    QVERIFY(!run.err.contains(QStringLiteral("about_off.bmp")));
}

QTEST_GUILESS_MAIN(TestCoursepack)
void TestCoursepack::checksPapersOfIncompleteTopics()
{
    QTemporaryDir dir;
    const QString course = dir.filePath(QStringLiteral("course"));
    QVERIFY(copyTree(QStringLiteral(COURSEPACK_FIXTURES "/good"), course));
    const QString drafts = dir.filePath(QStringLiteral("drafts"));
    QVERIFY(QDir().mkpath(drafts));
    for (const int key : {101, 111}) {
        const QString name = QStringLiteral("%1.yaml").arg(key);
        QVERIFY(QFile::rename(QDir(course).filePath(QStringLiteral("papers/") + name),
                              QDir(drafts).filePath(name)));
    }

    const Run run = pack({QStringLiteral("check"), course, QDir(drafts).filePath("111.yaml"),
                          QDir(drafts).filePath("101.yaml")});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("paper 111: 1 pages, 3 boxes; areas: Writing 3")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("paper 101: 2 pages, 2 boxes; answers at 1/2/3/4: "
                                             "0/2/0/0, longest run 2; areas: Verbs 2")),
             qPrintable(run.out));

    QFile draft(QDir(drafts).filePath("101.yaml"));
    QVERIFY(draft.open(QIODevice::WriteOnly | QIODevice::Truncate));
    draft.write("pages:\n  - question: \"A ___ B\"\n    options: [a, b]\n    answer: 1\n");
    draft.close();
    const Run bad = pack({QStringLiteral("check"), course, QDir(drafts).filePath("101.yaml")});
    QCOMPARE(bad.exitCode, 1);
    QVERIFY2(bad.err.contains(QStringLiteral("101.yaml:")), qPrintable(bad.err));
}

#include "tst_coursepack.moc"
