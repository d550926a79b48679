#include "HomeTestSupport.h"

#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "home/Contents.h"
#include "practice/PracticeWindow.h"
#include "ui/PictureButton.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

class TestHomePractice : public QObject
{
    Q_OBJECT

private slots:
    void paperButtonsOpenPracticeWindows_data();
    void paperButtonsOpenPracticeWindows();
    void openingAnotherPaperUnloadsTheOpenWindow();
    void erasingClosesTheOpenWindowFirst();
    void closingTheProgramClosesTheOpenWindow();
};

void TestHomePractice::paperButtonsOpenPracticeWindows_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("paperNum");
    QTest::addColumn<int>("takeNum");
    QTest::addColumn<QString>("window");
    QTest::newRow("topic 1, load paper 2") << 1 << "P2a" << 102 << 1 << "Test1";
    QTest::newRow("topic 2, load paper 5") << 2 << "P5a" << 110 << 1 << "Test1";
    QTest::newRow("topic 1, try paper 1 again") << 1 << "P1b" << 101 << 2 << "Test2";
}

void TestHomePractice::paperButtonsOpenPracticeWindows()
{
    QFETCH(int, topic);
    QFETCH(QString, button);
    QFETCH(int, paperNum);
    QFETCH(int, takeNum);
    QFETCH(QString, window);
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    const QString marks = ResultsFilePath(dir.path(), ResultsFile::Marks, 2, QStringLiteral("TS"));
    MarksRecords records = ReadMarks(marks, 10);
    records.FirstScores.set(1, QStringLiteral("50"));
    QVERIFY(WriteMarks(marks, records, 10));
    home.RefreshContents();
    home.Topic_Click(topic);

    home.findChild<PictureButton *>(button)->click();
    QCOMPARE(home.PaperNum, paperNum);
    QCOMPARE(home.TakeNum, takeNum);
    PracticeWindow *practice = home.practiceWindow();
    QVERIFY(practice);
    QCOMPARE(practice->objectName(), window);
    QVERIFY(practice->isVisible());
    QVERIFY(home.isVisible());
}

void TestHomePractice::openingAnotherPaperUnloadsTheOpenWindow()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    home.OpenPaper(0, 1);
    QPointer<PracticeWindow> first = home.practiceWindow();
    QVERIFY(first);
    home.OpenPaper(1, 1);
    QTRY_VERIFY(!first);
    QVERIFY(home.practiceWindow());
    QCOMPARE(home.PaperNum, 102);
    QCOMPARE(home.practiceWindow()->objectName(), QStringLiteral("Test1"));
}

void TestHomePractice::erasingClosesTheOpenWindowFirst()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    home.OpenPaper(0, 1);
    QPointer<PracticeWindow> practice = home.practiceWindow();
    QVERIFY(practice);
    home.EraseResults();
    QVERIFY(!home.practiceWindow());
    QTRY_VERIFY(!practice);
    for (const ResultsFile file : kAllResultsFiles)
        QCOMPARE(FileBytes(ResultsFilePath(dir.path(), file, 2, QStringLiteral("TS"))),
                 ResourceBytes(ResultsTemplateResource(file, 2)));
}

void TestHomePractice::closingTheProgramClosesTheOpenWindow()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    home.OpenPaper(0, 1);
    QPointer<PracticeWindow> practice = home.practiceWindow();
    QVERIFY(practice);
    home.findChild<PictureButton *>(QStringLiteral("ToolBar04"))->click();
    QVERIFY(!home.isVisible());
    QTRY_VERIFY(!practice);
}

QTEST_MAIN(TestHomePractice)
#include "tst_homepractice.moc"
