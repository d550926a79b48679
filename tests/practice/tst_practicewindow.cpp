#include "PracticeTestSupport.h"
#include "content/AnswerCheck.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/AnswerValidator.h"
#include "practice/MarkLabel.h"
#include "practice/PracticeWindow.h"
#include "practice/QuestionView.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestPracticeWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ProductConfig m_config;
    ResultsPaths m_paths;
    FakeHome m_home;

    PracticeWindow *open(int paper, Attempt attempt = Attempt::First)
    {
        return OpenPracticeWindow(m_home, paper, attempt);
    }

    static void tick() { QTest::qWait(150); }

    static QString key(int paper, int page, int box)
    {
        return QStringLiteral("w%1_%2_%3").arg(paper).arg(page - 1).arg(box - 1);
    }

    static void typeAnswers(PracticeWindow *w, const QStringList &texts)
    {
        for (int k = 1; k <= texts.size(); ++k)
            w->answerSheet()->Frame(k)->FA->setText(texts[k - 1]);
    }

    static void closeQuietly(PracticeWindow *w)
    {
        QPointer<PracticeWindow> p(w);
        w->Unload();
        QTRY_VERIFY(p.isNull());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ReadProductConfig(m_dir.path(), m_config));
        QVERIFY(CopySkinPictures(m_dir.path()));
        m_home.ProgramFolder = m_dir.path();
        m_home.LChose = 2;
        m_home.lblCOD = m_config.code;
        m_home.TtPapersCon = 10;
    }

    void init()
    {
        QVERIFY(CreateResultsFiles(m_dir.path(), m_config).isEmpty());
        m_paths = ResultsPaths::of(m_dir.path(), 2, m_config.code);
        m_home.refreshCount = 0;
    }

    void opensAOneBoxPaper()
    {
        PracticeWindow *w = open(101);
        QCOMPARE(w->objectName(), QStringLiteral("Test1"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Grammar - Paper 1"));
        QCOMPARE(child<QLabel>(w, "QnTitle")->text(), QStringLiteral("Question 1"));
        AnswerSheet *sheet = w->answerSheet();
        QVERIFY(sheet->Frame(1)->isVisible());
        QVERIFY(!sheet->Frame(2)->isVisible());
        QVERIFY(!sheet->Frame(1)->QL->isVisible());
        QCOMPARE(sheet->Frame(1)->FA->maxLength(), 1);
        QVERIFY(QFile::exists(w->session().PageFile(1)));
        tick();
        QVERIFY(!child<QWidget>(w, "ToolBar05")->isEnabled());
        QVERIFY(child<QWidget>(w, "ToolBar06")->isEnabled());
        QCOMPARE(child<QLabel>(w, "lblTotalQ")->text(), QStringLiteral("40"));
        QCOMPARE(child<QLabel>(w, "lblAnsweredQ")->text(), QStringLiteral("0"));
        QCOMPARE(child<QComboBox>(w, "RemQns")->count(), 40);
        QVERIFY(child<QLabel>(w, "PScoring")->text().isEmpty());
        QVERIFY(child<QLabel>(w, "lblClock")->text().startsWith(QLatin1String("0:0:")));
        const QString page = w->session().PageFile(1);
        closeQuietly(w);
        QVERIFY(!QFile::exists(page));
        QCOMPARE(m_home.refreshCount, 1);
    }

    void stacksFramesByTheirCount_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("lastTop");
        // Tops in twips: 50, then frame height 375 and a gap of 105, or -10 from 16 boxes.
        QTest::newRow("ten boxes") << 106 << 10 << (50 + 9 * 480);
        QTest::newRow("twenty boxes") << 102 << 20 << (50 + 19 * 365);
    }

    void stacksFramesByTheirCount()
    {
        QFETCH(int, paper);
        QFETCH(int, boxes);
        QFETCH(int, lastTop);
        PracticeWindow *w = open(paper);
        AnswerSheet *sheet = w->answerSheet();
        QCOMPARE(sheet->ShownBoxes(), boxes);
        QVERIFY(sheet->Frame(boxes)->isVisible());
        QVERIFY(sheet->Frame(1)->QL->isVisible());
        QCOMPARE(sheet->Frame(2)->QL->text(), QStringLiteral("(b)"));
        QCOMPARE(sheet->Frame(1)->y(), 3);
        QCOMPARE(sheet->Frame(boxes)->y(), qRound(lastTop / 15.0));
        if (boxes < 20)
            QVERIFY(!sheet->Frame(boxes + 1)->isVisible());
        closeQuietly(w);
    }

    void lettersLeaveRoomBeforeTheirBoxes_data()
    {
        QTest::addColumn<QString>("standIn");
        QTest::newRow("Arial or its metric twin") << QString();
        QTest::newRow("a wider stand-in") << QStringLiteral("DejaVu Sans");
    }

    void lettersLeaveRoomBeforeTheirBoxes()
    {
        QFETCH(QString, standIn);
        if (!standIn.isEmpty())
            QFont::insertSubstitution(QStringLiteral("Arial"), standIn);
        PracticeWindow *w = open(102);
        QFont::removeSubstitutions(QStringLiteral("Arial"));
        AnswerSheet *sheet = w->answerSheet();
        if (!standIn.isEmpty() && QFontInfo(sheet->Frame(13)->QL->font()).family() != standIn) {
            closeQuietly(w);
            QSKIP("the stand-in font is not installed");
        }
        for (int k = 1; k <= 20; ++k) {
            const QLabel *letter = sheet->Frame(k)->QL;
            const int right = letter->x() + letter->fontMetrics().horizontalAdvance(letter->text());
            // The box outline starts two pixels left of the answer; two more stay clear.
            QVERIFY2(right <= sheet->Frame(k)->FA->x() - 4, qPrintable(letter->text()));
            QVERIFY(letter->font().pointSizeF() >= 6);
        }
        closeQuietly(w);
    }

    void pageChangesStoreTheAnswers()
    {
        PracticeWindow *w = open(106);
        typeAnswers(w, {QStringLiteral("one"), QStringLiteral("  ")});
        const QString page1 = w->session().PageFile(1);
        QTest::mouseClick(child<QWidget>(w, "ToolBar06"), Qt::LeftButton);
        QCOMPARE(w->session().QSCount(), 2);
        QCOMPARE(child<QLabel>(w, "QnTitle")->text(), QStringLiteral("Question 2"));
        QVERIFY(!QFile::exists(page1));
        QVERIFY(QFile::exists(w->session().PageFile(2)));
        QCOMPARE(QApplication::focusWidget(), w->answerSheet()->Frame(1)->FA);
        FieldList stored = PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20);
        QCOMPARE(stored[1], QStringLiteral("one"));
        QCOMPARE(stored[2], QStringLiteral("  "));
        QVERIFY(w->answerSheet()->Frame(1)->FA->text().isEmpty());
        tick();
        QCOMPARE(child<QLabel>(w, "lblAnsweredQ")->text(), QStringLiteral("2"));
        QVERIFY(!child<QWidget>(w, "ToolBar06")->isEnabled());
        QComboBox *rem = child<QComboBox>(w, "RemQns");
        QCOMPARE(rem->count(), 2);
        QCOMPARE(rem->itemText(0), QStringLiteral("1"));

        // A late Next on the last page is ignored.
        w->NextQuestion();
        QCOMPARE(w->session().QSCount(), 2);

        typeAnswers(w, {QStringLiteral("p2")});
        rem->setFocus();
        w->RemQns_Click(1);
        QCOMPARE(w->session().QSCount(), 1);
        QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QStringLiteral("one"));
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20)[11], QStringLiteral("p2"));
        QCOMPARE(QApplication::focusWidget(), rem);
        closeQuietly(w);
    }

    void answerBoxesRefuseUnstorableCharacters_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("hint");
        const QString separator = QStringLiteral("The character > cannot be used in an answer.");
        const QString control = QStringLiteral(
            "An answer cannot hold control characters, such as pasted text sometimes brings.");
        QTest::newRow("typed >") << false << "a>b"
                                 << "ab" << separator;
        QTest::newRow("typed #") << false << "a#b"
                                 << "ab"
                                 << "The character # cannot be used in an answer.";
        QTest::newRow("typed Windows-1252") << false << "\u00e9\u20ac"
                                            << "\u00e9\u20ac"
                                            << "";
        QTest::newRow("typed outside the code page")
            << false << "a\u0142"
            << "a"
            << "The character \u0142 cannot be stored in an answer.";
        QTest::newRow("pasted control character") << true << "went\u0001"
                                                  << "" << control;
        QTest::newRow("pasted tab") << true << "a\tb"
                                    << "" << control;
        QTest::newRow("pasted delete") << true << "a\u007f"
                                       << "" << control;
        QTest::newRow("pasted C1 control") << true << "a\u0085"
                                           << "" << control;
        QTest::newRow("pasted emoji") << true << "ok\U0001F600"
                                      << ""
                                      << "The character \U0001F600 cannot be stored in an answer.";
        QTest::newRow("pasted plain text") << true << "went"
                                           << "went"
                                           << "";
    }
    void answerBoxesRefuseUnstorableCharacters()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, input);
        PracticeWindow *w = open(106);
        QLineEdit *fa = w->answerSheet()->Frame(1)->FA;
        fa->setFocus();
        QString lastHint;
        connect(fa, &QLineEdit::inputRejected, this, [&] {
            lastHint = qobject_cast<const AnswerValidator *>(fa->validator())->RefusalHint();
        });
        if (pasted) {
            QApplication::clipboard()->setText(input);
            fa->paste();
        } else {
            for (const QChar c : input) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(fa, &press);
            }
        }
        QTEST(fa->text(), "kept");
        QTEST(lastHint, "hint");
        closeQuietly(w);
    }

    // Each way of storing answers, its file blocked by a folder of the same name.
    void aFailedWriteKeepsTheAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const QString inTheWay = QStringLiteral("because a folder named %1 stands where the file "
                                                "should be. Your answers are still here; ask an "
                                                "adult to put this right, then press %2 again.");
        QTest::newRow("save") << "save" << "Quorvane"
                              << QStringLiteral("The paper could not be saved ")
                                     + inTheWay.arg("first2TS.txt", "Save");
        QTest::newRow("page change") << "next" << "Quorvane"
                                     << QStringLiteral("The paper could not be saved ")
                                            + inTheWay.arg("first2TS.txt", "Save");
        QTest::newRow("marking") << "mark" << "Marking"
                                 << QStringLiteral("The paper could not be marked ")
                                        + inTheWay.arg("fresults2TS.txt", "Mark");
    }
    void aFailedWriteKeepsTheAnswers()
    {
        QFETCH(QString, action);
        PracticeWindow *w = open(106);
        typeAnswers(w, {QStringLiteral("kept")});
        const QString blocked = action == QLatin1String("mark") ? m_paths.fresults : m_paths.first;
        const QByteArray marks = FileBytes(m_paths.marks);
        QVERIFY(QFile::remove(blocked));
        QVERIFY(QDir().mkpath(blocked));

        AnswerPopUps popUps(action == QLatin1String("mark") ? QList<bool>{true, true}
                                                             : QList<bool>{true});
        if (action == QLatin1String("save"))
            w->SavePaper();
        else if (action == QLatin1String("next"))
            w->NextQuestion();
        else
            w->MarkPaper();
        QVERIFY(popUps.done());
        QTEST(popUps.seen.last().title, "title");
        QTEST(popUps.seen.last().message, "message");
        QCOMPARE(w->session().Answers()[1], QStringLiteral("kept"));
        QVERIFY(!w->session().IsMarked());
        QCOMPARE(FileBytes(m_paths.marks), marks);
        if (action != QLatin1String("next"))
            QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QStringLiteral("kept"));
        closeQuietly(w);
        QVERIFY(QDir(blocked).removeRecursively());
    }

    void hidingTheSheetKeepsTheAnswers()
    {
        PracticeWindow *w = open(106);
        typeAnswers(w, {QStringLiteral("kept")});
        const int viewWidth = w->questionView()->width();
        w->ImgHandle_Click();
        QVERIFY(!w->SheetShown());
        QCOMPARE(w->questionView()->width(), viewWidth + 273);
        QCOMPARE(child<QWidget>(w, "RemQnsBG")->width(), w->questionView()->width());
        QCOMPARE(child<QLabel>(w, "ImgHandle")->toolTip(), QStringLiteral("Show answer sheet"));
        w->resize(w->width() + 40, w->height());
        QVERIFY(w->answerSheet()->x() >= w->width());
        w->ImgHandle_Click();
        QVERIFY(w->SheetShown());
        QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QStringLiteral("kept"));
        closeQuietly(w);
    }

    void saveConfirms()
    {
        PracticeWindow *w = open(106);
        typeAnswers(w, {QStringLiteral("saved")});
        AnswerPopUps popUps({true});
        w->SavePaper();
        QVERIFY(popUps.done());
        QCOMPARE(popUps.seen.value(0).title, QStringLiteral("Quorvane"));
        QCOMPARE(popUps.seen.value(0).message, QStringLiteral("Paper saved"));
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20)[1], QStringLiteral("saved"));
        closeQuietly(w);
    }

    void closeAsksFirst()
    {
        PracticeWindow *w = open(106);
        QPointer<PracticeWindow> p(w);
        {
            AnswerPopUps popUps({false});
            w->ClosePaper();
            QCOMPARE(popUps.seen.value(0).title, QStringLiteral("Close Practice"));
            QCOMPARE(popUps.seen.value(0).message, QStringLiteral("Confirm?"));
        }
        QTest::qWait(50);
        QVERIFY(!p.isNull());
        QCOMPARE(m_home.refreshCount, 0);
        const QString page = w->session().PageFile(1);
        AnswerPopUps yes({true});
        w->ClosePaper();
        QTRY_VERIFY(p.isNull());
        QVERIFY(!QFile::exists(page));
        QCOMPARE(m_home.refreshCount, 1);
    }

    void markingNoChangesOnlyTheAnswers()
    {
        PracticeWindow *w = open(106);
        typeAnswers(w, {QStringLiteral("x")});
        const QByteArray marks = ReadRecordLine(m_paths.marks, QStringLiteral("FST")).toLatin1();
        AnswerPopUps popUps({false});
        w->MarkPaper();
        QCOMPARE(popUps.seen.value(0).title, QStringLiteral("Marking"));
        QCOMPARE(popUps.seen.value(0).message,
                 QStringLiteral("You have not answered all the questions.  Do you still want to "
                                "mark your practice?"));
        QVERIFY(!w->session().IsMarked());
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20)[1], QStringLiteral("x"));
        QCOMPARE(ReadRecordLine(m_paths.marks, QStringLiteral("FST")).toLatin1(), marks);
        QVERIFY(!w->answerSheet()->Frame(1)->FA->isReadOnly());
        closeQuietly(w);
    }

    void markingShowsTheMarkedView()
    {
        PracticeWindow *w = open(107);
        QStringList page1;
        for (int b = 1; b <= 10; ++b)
            page1.append(b <= 6 ? key(107, 1, b) : QStringLiteral("no"));
        typeAnswers(w, page1);
        w->NextQuestion();
        QStringList page2;
        for (int b = 1; b <= 10; ++b)
            page2.append(QStringLiteral("no"));
        typeAnswers(w, page2);
        AnswerPopUps popUps({true});
        w->MarkPaper();
        QCOMPARE(popUps.seen.value(0).message,
                 QStringLiteral("Do you want to mark your practice now?"));
        QVERIFY(w->session().IsMarked());
        QCOMPARE(child<QLabel>(w, "PScoring")->text(), QStringLiteral("30"));
        QVERIFY(!child<QWidget>(w, "TxtRem")->isVisible());
        QVERIFY(!child<QWidget>(w, "lblClock")->isVisible());
        QVERIFY(child<QWidget>(w, "LTime")->isVisible());
        QVERIFY(child<QWidget>(w, "ETime")->isVisible());
        QCOMPARE(ReadMarks(m_paths.marks, 10).FirstStates[7], QStringLiteral("1"));
        QCOMPARE(ReadTrendValues(m_paths.trend), QStringList{QStringLiteral("30")});

        AnswerFrame *f1 = w->answerSheet()->Frame(1);
        QVERIFY(f1->FA->isReadOnly());
        QVERIFY(f1->FR->isVisible());
        QCOMPARE(f1->FR->mark(), kCross);
        QCOMPARE(f1->FR->text(), QStringLiteral("\u2718"));
        QVERIFY(!f1->M->isVisible());
        w->PreviousQuestion();
        QCOMPARE(w->answerSheet()->Frame(1)->FR->mark(), kTick);
        QCOMPARE(w->answerSheet()->Frame(7)->FR->mark(), kCross);
        tick();
        QVERIFY(!child<QWidget>(w, "ToolBar01")->isEnabled());
        QVERIFY(!child<QWidget>(w, "ToolBar02")->isEnabled());
        QVERIFY(child<QWidget>(w, "ToolBar06")->isEnabled());
        closeQuietly(w);

        // Reopening shows the stored view without asking anything.
        AnswerPopUps none({});
        PracticeWindow *again = open(107);
        QVERIFY(none.seen.isEmpty());
        QVERIFY(again->session().IsMarked());
        QCOMPARE(child<QLabel>(again, "PScoring")->text(), QStringLiteral("30"));
        QVERIFY(again->answerSheet()->Frame(1)->FA->isReadOnly());
        QCOMPARE(again->answerSheet()->Frame(1)->FR->mark(), kTick);
        QVERIFY(again->answerSheet()->Frame(1)->FR->isVisible());
        QVERIFY(child<QWidget>(again, "LTime")->isVisible());
        closeQuietly(again);
    }

    void secondAttemptCarriesAndShowsExpectedAnswers()
    {
        {
            PracticeWindow *w = open(108);
            QStringList page1;
            for (int b = 1; b <= 10; ++b)
                page1.append(b <= 8 ? key(108, 1, b) : QStringLiteral("no"));
            typeAnswers(w, page1);
            AnswerPopUps popUps({true});
            w->MarkPaper();
            QVERIFY(w->session().IsMarked());
            closeQuietly(w);
        }
        PracticeWindow *w = open(108, Attempt::Second);
        QCOMPARE(w->objectName(), QStringLiteral("Test2"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Mock Examination - Paper 3"));
        QVERIFY(!w->findChild<QLabel *>(QStringLiteral("lblClock")));
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QStringLiteral("Second Attempt"));
        AnswerFrame *carried = w->answerSheet()->Frame(1);
        QVERIFY(carried->FA->isReadOnly());
        QCOMPARE(carried->FA->text(), key(108, 1, 1));
        QCOMPARE(carried->FA->palette().color(QPalette::Base), QColor(192, 192, 255));
        QVERIFY(carried->FR->isVisible());
        QCOMPARE(carried->FR->mark(), kTick);
        QCOMPARE(carried->FR->x(), carried->FA->geometry().right() + 1 + 7);
        AnswerFrame *open9 = w->answerSheet()->Frame(9);
        QVERIFY(!open9->FA->isReadOnly());
        QVERIFY(!open9->FR->isVisible());
        QCOMPARE(open9->FA->palette().color(QPalette::Base), QColor(Qt::white));
        tick();
        QCOMPARE(child<QLabel>(w, "lblAnsweredQ")->text(), QStringLiteral("8"));

        open9->FA->setText(key(108, 1, 9));
        AnswerPopUps popUps({true});
        w->MarkPaper();
        QCOMPARE(popUps.seen.value(0).message,
                 QStringLiteral("You have not answered all the questions.  Do you still want to "
                                "mark your practice?"));
        QVERIFY(w->session().IsMarked());
        QCOMPARE(child<QLabel>(w, "PScoring")->text(), QStringLiteral("45"));
        AnswerFrame *f10 = w->answerSheet()->Frame(10);
        QVERIFY(f10->SR->isVisible());
        QCOMPARE(f10->SR->mark(), kCross);
        QVERIFY(f10->M->isVisible());
        QCOMPARE(f10->M->text(), key(108, 1, 10));
        QVERIFY(!carried->FR->isVisible());
        QVERIFY(carried->SR->isVisible());
        QVERIFY(!carried->M->isVisible());
        QCOMPARE(carried->FA->palette().color(QPalette::Base), QColor(192, 192, 255));
        const MarksRecords marks = ReadMarks(m_paths.marks, 10);
        QCOMPARE(marks.SecondScores[8], QStringLiteral("45"));
        QCOMPARE(marks.FirstScores[8], QStringLiteral("40"));
        QCOMPARE(ReadTrendValues(m_paths.trend), QStringList{QStringLiteral("40")});
        closeQuietly(w);
    }

    void printsTheShownPageToAPdfFile()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir.filePath(QStringLiteral("question.pdf"));
        printer.setOutputFileName(pdf);
        m_home.Printer = &printer;

        PracticeWindow *w = open(104);
        w->NextQuestion();
        QSignalSpy loaded(w, &PracticeWindow::questionPageLoaded);
        QVERIFY(loaded.wait(10000));
        w->setPrintDialogShown(false);
        QSignalSpy printed(w->questionView(), &QuestionView::questionPrinted);
        QTest::mouseClick(child<QWidget>(w, "ToolBar03"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(printed.wait(20000));
        QCOMPARE(printed.first().first().toBool(), true);
        m_home.Printer = nullptr;
        closeQuietly(w);

        QProcess text;
        text.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        const QString printedText = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printedText.contains(QLatin1String("This page has 5 answer boxes.")),
                 qPrintable(printedText));
        QVERIFY(printedText.contains(QLatin1String("Question page")));
    }

    void copyGuardWatchesThePageOnly()
    {
        PracticeWindow *w = open(106);
        QuestionView *view = w->questionView();
        QSignalSpy guard(view, &QuestionView::copyAttempted);
        QString seenText, seenTitle;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seenText = box->text();
                seenTitle = box->windowTitle();
                box->accept();
            }
        });
        closer.start();

        QTest::keyClick(w->answerSheet()->Frame(1)->FA, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(guard.count(), 0);

        QVERIFY(view->focusProxy());
        QTest::keyClick(view->focusProxy(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(guard.count(), 1);
        QTRY_COMPARE(seenText, QStringLiteral("Invalid operation"));
        QCOMPARE(seenTitle, QStringLiteral("Error"));
        QTest::keyClick(view->focusProxy(), Qt::Key_X, Qt::ControlModifier);
        QTest::mouseClick(view->focusProxy(), Qt::RightButton, {}, QPoint(20, 20));
        QTest::keyClick(view->focusProxy(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(guard.count(), 3);

        // The guard follows the page after a change.
        w->NextQuestion();
        QSignalSpy loaded(w, &PracticeWindow::questionPageLoaded);
        QVERIFY(loaded.wait(10000));
        QTest::keyClick(view->focusProxy(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(guard.count(), 4);
        QTest::qWait(100);
        closeQuietly(w);
    }
};

PRACTICE_WINDOW_TEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
