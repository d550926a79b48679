// A paper taken from the home window to its second attempt, with the real
// question view on a real display.

#include "PracticeTestSupport.h"
#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "home/Contents.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/MarkLabel.h"
#include "practice/PracticeWindow.h"
#include "practice/QuestionView.h"
#include "ui/PictureButton.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QtTest>

class TestPracticeEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // The text the web view shows, read from its page.
    static QString pageText(QuestionView *view)
    {
        QString text;
        bool done = false;
        view->page()->toPlainText([&](const QString &t) {
            text = t;
            done = true;
        });
        return QTest::qWaitFor([&] { return done; }, 5000) ? text : QString();
    }

    static void click(QWidget *w, const QString &name)
    {
        auto *button = child<QWidget>(w, name);
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // The practice window the home window opened, once its first page is shown.
    static PracticeWindow *openedWindow(Contents &home)
    {
        PracticeWindow *w = nullptr;
        if (!QTest::qWaitFor([&] { return (w = home.practiceWindow()) != nullptr; }, 5000))
            return nullptr;
        w->setMarkingStepDelay(1);
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            return nullptr;
        const QString heading = QStringLiteral("This page has 1 answer box.");
        if (!QTest::qWaitFor([&] { return pageText(w->questionView()).contains(heading); }, 15000))
            return nullptr;
        return w;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The skin pack linked into this program gives every picture.
        QCOMPARE(ExtractGraphics(m_dir.path()), 0);
        QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("Graphics/pen.bmp"))).size() > 0);
        QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("Graphics/statusgrabber.bmp"))).size() > 0);
    }

    void paperFromHomeToSecondAttempt()
    {
        Contents home(m_dir.path());
        QVERIFY2(home.loaded(), qPrintable(home.loadError()));
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        QCOMPARE(home.LChose, 2);
        QCOMPARE(home.SubH1, QStringLiteral("Grammar"));
        QVERIFY(child<QLabel>(&home, "MSA1")->text().isEmpty());
        QVERIFY(!child<QWidget>(&home, "P1b")->isVisible());
        const ResultsPaths paths = ResultsPaths::of(m_dir.path(), 2, home.lblCOD);

        // First attempt of paper 1: forty one-letter pages.
        click(&home, QStringLiteral("P1a"));
        PracticeWindow *w = openedWindow(home);
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("Test1"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Grammar - Paper 1"));
        QVERIFY(pageText(w->questionView()).contains(QLatin1String("Question page")));
        QLineEdit *fa = w->answerSheet()->Frame(1)->FA;
        fa->setFocus();
        QTest::keyClicks(fa, QStringLiteral("3"));
        QCOMPARE(fa->text(), QStringLiteral("3"));

        click(w, QStringLiteral("ToolBar06"));
        QCOMPARE(child<QLabel>(w, "QnTitle")->text(), QStringLiteral("Question 2"));
        QCOMPARE(PaperFields(ReadPaperLines(paths.first, 10), 1, 40)[1], QStringLiteral("3"));
        QTRY_VERIFY_WITH_TIMEOUT(
            pageText(w->questionView()).contains(QLatin1String("This page has 1 answer box.")),
            15000);
        QVERIFY(fa->hasFocus());
        QTest::keyClicks(fa, QStringLiteral("2"));

        // The last remaining page through the list, then back one.
        auto *remaining = child<QComboBox>(w, "RemQns");
        QCOMPARE(remaining->count(), 39);
        remaining->setFocus();
        QTest::keyClick(remaining, Qt::Key_End);
        QCOMPARE(w->session().QSCount(), 40);
        QCOMPARE(remaining->count(), 38);
        QTest::keyClicks(fa, QStringLiteral("4"));
        click(w, QStringLiteral("ToolBar05"));
        QCOMPARE(w->session().QSCount(), 39);
        const FieldList stored = PaperFields(ReadPaperLines(paths.first, 10), 1, 40);
        QCOMPARE(stored[2], QStringLiteral("2"));
        QCOMPARE(stored[40], QStringLiteral("4"));
        QTRY_COMPARE(child<QLabel>(w, "lblAnsweredQ")->text(), QStringLiteral("3"));

        {
            AnswerPopUps popUps({true});
            click(w, QStringLiteral("ToolBar02"));
            QTRY_VERIFY(w->session().IsMarked());
            QCOMPARE(popUps.seen.value(0).title, QStringLiteral("Marking"));
        }
        // Pages 2 and 40 are right: 2 of 40 marks.
        QCOMPARE(child<QLabel>(w, "PScoring")->text(), QStringLiteral("5"));
        QVERIFY(child<QWidget>(w, "LTime")->isVisible());
        MarksRecords marks = ReadMarks(paths.marks, 10);
        QCOMPARE(marks.FirstScores[1], QStringLiteral("5"));
        QCOMPARE(marks.FirstStates[1], QStringLiteral("1"));
        QVERIFY(!marks.TimesTaken[1].isEmpty());
        QVERIFY(!marks.CompletionDates[1].isEmpty());
        QCOMPARE(ReadTrendValues(paths.trend), QStringList{QStringLiteral("5")});
        const FieldList results = PaperFields(ReadPaperLines(paths.fresults, 10), 1, 40);
        QCOMPARE(results[1], kCross);
        QCOMPARE(results[2], kTick);
        QCOMPARE(results[3], kCross);
        QCOMPARE(results[40], kTick);

        {
            AnswerPopUps popUps({true});
            QPointer<PracticeWindow> closing(w);
            click(w, QStringLiteral("ToolBar04"));
            QTRY_VERIFY(closing.isNull());
            QCOMPARE(popUps.seen.value(0).title, QStringLiteral("Close Practice"));
            QCOMPARE(popUps.seen.value(0).message, QStringLiteral("Confirm?"));
        }
        QCOMPARE(child<QLabel>(&home, "MSA1")->text(), QStringLiteral("5"));
        QVERIFY(child<QWidget>(&home, "P1b")->isVisible());

        // Second attempt: page 2 is carried, page 1 answered right this time.
        click(&home, QStringLiteral("P1b"));
        w = openedWindow(home);
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("Test2"));
        QCOMPARE(w->session().QSCount(), 1);
        fa = w->answerSheet()->Frame(1)->FA;
        QVERIFY(!fa->isReadOnly());
        QVERIFY(fa->text().isEmpty());
        fa->setFocus();
        QTest::keyClicks(fa, QStringLiteral("1"));
        click(w, QStringLiteral("ToolBar06"));
        QVERIFY(fa->isReadOnly());
        QCOMPARE(fa->text(), QStringLiteral("2"));
        QVERIFY(w->answerSheet()->Frame(1)->FR->isVisible());
        QCOMPARE(w->answerSheet()->Frame(1)->FR->mark(), kTick);
        {
            AnswerPopUps popUps({true});
            click(w, QStringLiteral("ToolBar02"));
            QTRY_VERIFY(w->session().IsMarked());
        }
        QCOMPARE(child<QLabel>(w, "PScoring")->text(), QStringLiteral("7.5"));
        marks = ReadMarks(paths.marks, 10);
        QCOMPARE(marks.SecondScores[1], QStringLiteral("7.5"));
        QCOMPARE(marks.SecondStates[1], QStringLiteral("1"));
        QCOMPARE(marks.FirstScores[1], QStringLiteral("5"));
        QCOMPARE(ReadTrendValues(paths.trend), QStringList{QStringLiteral("5")});
        const FieldList second = PaperFields(ReadPaperLines(paths.sresults, 10), 1, 40);
        QCOMPARE(second[1], kTick);
        QCOMPARE(second[2], kTick);
        QCOMPARE(second[3], kCross);
        QCOMPARE(PaperFields(ReadPaperLines(paths.second, 10), 1, 40)[1], QStringLiteral("1"));

        {
            AnswerPopUps popUps({true});
            QPointer<PracticeWindow> closing(w);
            click(w, QStringLiteral("imgProgClose"));
            QTRY_VERIFY(closing.isNull());
        }
        QCOMPARE(child<QLabel>(&home, "MSB1")->text(), QStringLiteral("7.5"));
        QCOMPARE(child<QLabel>(&home, "MSA1")->text(), QStringLiteral("5"));
    }

    // The first keys typed after opening a paper from the home window land in
    // its first answer box, also once the question page has loaded.
    void keysAfterOpeningReachTheFirstBox()
    {
        QTemporaryDir dir;
        Contents home(dir.path());
        QVERIFY(home.loaded());
        home.show();
        home.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&home));
        click(&home, QStringLiteral("P2a"));
        PracticeWindow *w = nullptr;
        QTRY_VERIFY((w = home.practiceWindow()) != nullptr);
        QLineEdit *first = w->answerSheet()->Frame(1)->FA;
        QTRY_COMPARE(QApplication::activeWindow(), w);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QTest::keyClick(QGuiApplication::focusWindow(), '2');
        QTRY_VERIFY_WITH_TIMEOUT(!pageText(w->questionView()).isEmpty(), 15000);
        QTest::qWait(200);
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
        QTest::keyClick(QGuiApplication::focusWindow(), '4');
        QCOMPARE(first->text(), QStringLiteral("2"));
        QCOMPARE(w->answerSheet()->Frame(2)->FA->text(), QStringLiteral("4"));
        w->Unload();
    }
};

PRACTICE_WINDOW_TEST_MAIN(TestPracticeEndToEnd)
#include "tst_practicee2e.moc"
