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
#include "practice/QuestionPageLink.h"
#include "practice/QuestionView.h"
#include "ui/FocusMark.h"

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
#include <QToolTip>
#include <QWebEnginePage>
#include <QWebEngineScript>
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

    static void markAnswering(PracticeWindow *w, bool yes = true)
    {
        AnswerPopUps popUps({yes});
        w->MarkPaper();
    }

    static QString panelText(PracticeWindow *w)
    {
        return EvaluateInPage(w, QStringLiteral("var p = document.getElementById('quorvane-why');"
                                                "p ? p.innerText : ''"))
            .toString();
    }

    // Paper 103, page 1 (five choice boxes, keys 1 2 3 4 1): the first attempt
    // gets (a) and (b) right and (c) to (e) wrong, and page 2 all right; the
    // second attempt then puts (c) right and leaves (d) wrong and (e) empty.
    PracticeWindow *markedSecondAttemptOf103()
    {
        PracticeWindow *first = open(103);
        typeAnswers(first, {"1", "2", "1", "1", "2"});
        first->NextQuestion();
        typeAnswers(first, {"1", "2", "3", "4", "1"});
        markAnswering(first);
        closeQuietly(first);
        PracticeWindow *w = open(103, Attempt::Second);
        typeAnswers(w, {"1", "2", "3", "2", ""});
        markAnswering(w);
        if (!w->session().IsMarked())
            qWarning("the second attempt was not marked");
        return w;
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
        // A choice box takes one option number, and says why it refuses more.
        QLineEdit *choice = sheet->Frame(1)->FA;
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), choice);
        QTest::keyClicks(choice, QStringLiteral("a23"));
        QCOMPARE(choice->text(), QStringLiteral("2"));
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("This box holds one character."));
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
        QCOMPARE(QApplication::focusWidget(), w->answerSheet()->Frame(2)->FA);
        closeQuietly(w);
    }

    // Whatever shows a page, the keyboard is in its first empty box.
    void focusOnEveryPageShown_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("box");
        // Page 1 holds answers in boxes 1 to 3, page 2 in box 1; page 2 has
        // every box filled in the last row.
        QTest::newRow("opening") << "open" << 1 << 4;
        QTest::newRow("Next") << "next" << 2 << 2;
        QTest::newRow("Back") << "back" << 1 << 4;
        QTest::newRow("remaining-questions list") << "list" << 2 << 2;
        QTest::newRow("Enter in the last box") << "enter" << 2 << 2;
        QTest::newRow("a full page: its first box") << "full" << 2 << 1;
    }

    void focusOnEveryPageShown()
    {
        QFETCH(QString, how);
        QFETCH(int, page);
        QFETCH(int, box);
        {
            PracticeWindow *w = open(106);
            typeAnswers(w, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
            w->NextQuestion();
            QStringList page2{QStringLiteral("d")};
            if (how == QLatin1String("full"))
                page2 = QStringList(10, QStringLiteral("e"));
            typeAnswers(w, page2);
            w->PreviousQuestion();
            closeQuietly(w);
        }
        PracticeWindow *w = open(106);
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (how == QLatin1String("next") || how == QLatin1String("full")) {
            w->NextQuestion();
        } else if (how == QLatin1String("back")) {
            w->NextQuestion();
            QApplication::focusWidget()->clearFocus();
            w->PreviousQuestion();
        } else if (how == QLatin1String("list")) {
            auto *rem = child<QComboBox>(w, "RemQns");
            rem->setFocus();
            QTest::keyClick(rem, Qt::Key_End);
        } else if (how == QLatin1String("enter")) {
            QLineEdit *last = w->answerSheet()->Frame(10)->FA;
            last->setFocus();
            QTest::keyClick(last, Qt::Key_Return);
        }
        QCOMPARE(w->session().QSCount(), page);
        QCOMPARE(QApplication::focusWidget(), w->answerSheet()->Frame(box)->FA);
        // The box with the focus shows the focus mark on its outline.
        AnswerFrame *frame = w->answerSheet()->Frame(box);
        const QImage look = frame->grab().toImage();
        QCOMPARE(look.pixelColor(frame->FA->x() - 3, frame->height() / 2), FocusMarkColour());
        closeQuietly(w);
    }

    // Enter goes to the next box that takes typing and from the last one to
    // the next page; on the last page's last box it stays.
    void enterWalksTheBoxes()
    {
        PracticeWindow *w = open(106);
        AnswerSheet *sheet = w->answerSheet();
        sheet->Frame(1)->FA->setFocus();
        for (int k = 2; k <= 10; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), sheet->Frame(k)->FA);
        }
        QTest::keyClicks(sheet->Frame(10)->FA, QStringLiteral("last"));
        QTest::keyClick(sheet->Frame(10)->FA, Qt::Key_Enter);
        QCOMPARE(w->session().QSCount(), 2);
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20)[10], QStringLiteral("last"));
        sheet->Frame(10)->FA->setFocus();
        QTest::keyClick(sheet->Frame(10)->FA, Qt::Key_Return);
        QCOMPARE(w->session().QSCount(), 2);
        QCOMPARE(QApplication::focusWidget(), sheet->Frame(10)->FA);
        closeQuietly(w);
    }

    // The keyboard reaches only what is on screen: with the answer sheet slid
    // out, Tab goes round the toolbar, the page and the list without a box.
    void tabStopsOnlyOnWhatIsSeen_data()
    {
        QTest::addColumn<bool>("sheetShown");
        QTest::newRow("sheet shown") << true;
        QTest::newRow("sheet slid out") << false;
    }

    void tabStopsOnlyOnWhatIsSeen()
    {
        QFETCH(bool, sheetShown);
        PracticeWindow *w = open(106);
        QVERIFY(QTest::qWaitForWindowActive(w));
        // Wide enough for the whole status band beside the sheet.
        w->resize(1000, 700);
        if (!sheetShown)
            w->ImgHandle_Click();
        child<QWidget>(w, "ToolBar01")->setFocus();
        int boxes = 0;
        for (int i = 0; i < 40; ++i) {
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f);
            // Shown, inside the window and on top at its middle.
            const QPoint middle = f->mapTo(w, f->rect().center());
            QWidget *top = w->childAt(middle);
            QVERIFY2(f->isVisible() && w->rect().contains(middle) &&
                         (top == f || f->isAncestorOf(top)),
                     qPrintable(f->objectName()));
            boxes += f->objectName().startsWith(QLatin1String("FA"));
            QTest::keyClick(f, Qt::Key_Tab);
        }
        QCOMPARE(boxes > 0, sheetShown);
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
            lastHint = qobject_cast<const AnswerValidator *>(fa->validator())->lastHint();
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
        QTest::newRow("save") << "save"
                              << "Quorvane"
                              << QStringLiteral("The paper could not be saved ") +
                                     inTheWay.arg("first2TS.txt", "Save");
        QTest::newRow("page change") << "next"
                                     << "Quorvane"
                                     << QStringLiteral("The paper could not be saved ") +
                                            inTheWay.arg("first2TS.txt", "Save");
        QTest::newRow("marking") << "mark"
                                 << "Marking"
                                 << QStringLiteral("The paper could not be marked ") +
                                        inTheWay.arg("fresults2TS.txt", "Mark");
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

    // The Mark question opens on No, and Escape answers No: a key pressed by
    // mistake never marks the paper. Escape also keeps the window open.
    void strayKeysNeverMark_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("key");
        QTest::newRow("Mark, Enter") << "Marking" << int(Qt::Key_Return);
        QTest::newRow("Mark, Space") << "Marking" << int(Qt::Key_Space);
        QTest::newRow("Mark, Escape") << "Marking" << int(Qt::Key_Escape);
        QTest::newRow("Close, Escape") << "Close Practice" << int(Qt::Key_Escape);
    }

    void strayKeysNeverMark()
    {
        QFETCH(QString, question);
        QFETCH(int, key);
        PracticeWindow *w = open(106);
        QPointer<PracticeWindow> p(w);
        m_home.PopUpResponse = true;
        QString asked;
        QTimer press;
        press.setInterval(20);
        connect(&press, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || box->objectName() != QLatin1String("frmPopUp") || !box->focusWidget())
                return;
            asked = box->findChild<QLabel *>(QStringLiteral("lblTitle"))->text();
            QTest::keyClick(box->focusWidget(), Qt::Key(key));
        });
        press.start();
        if (question == QLatin1String("Marking"))
            w->MarkPaper();
        else
            w->ClosePaper();
        press.stop();
        QCOMPARE(asked, question);
        QVERIFY(!m_home.PopUpResponse);
        QVERIFY(!p.isNull());
        QVERIFY(!w->session().IsMarked());
        QVERIFY(ReadMarks(m_paths.marks, 10).FirstStates[6].trimmed() != QLatin1String("1"));
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
        QVERIFY(child<QWidget>(w, "TxtRem")->isVisible());
        QCOMPARE(child<QLabel>(w, "TxtRemlbl")->text(), QStringLiteral("Qns wrong:"));
        QCOMPARE(child<QComboBox>(w, "RemQns")->count(), 2);
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
        // The expected answers of boxes 2 to 20 stand 40 twips from the top of their box.
        QCOMPARE(f10->M->y(), qRound(40 / 15.0));
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

    void markedViewOffersTheWrongPages()
    {
        // Paper 104: pages of 1, 5 and 10 boxes; only page 2 gets a cross.
        PracticeWindow *w = open(104);
        typeAnswers(w, {QStringLiteral("one")});
        w->NextQuestion();
        typeAnswers(w, {"a0", "a1", "no", "a3", "a4"});
        w->NextQuestion();
        QStringList page3;
        for (int b = 0; b < 10; ++b)
            page3.append(QStringLiteral("b%1").arg(b));
        typeAnswers(w, page3);
        QComboBox *list = child<QComboBox>(w, "RemQns");
        QCOMPARE(child<QLabel>(w, "TxtRemlbl")->text(), QStringLiteral("Qns left:"));
        QCOMPARE(list->itemText(0), QStringLiteral("3"));
        markAnswering(w);
        QVERIFY(w->session().IsMarked());
        QVERIFY(list->isVisible());
        QCOMPARE(child<QLabel>(w, "TxtRemlbl")->text(), QStringLiteral("Qns wrong:"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QStringLiteral("2"));
        QCOMPARE(list->currentIndex(), -1);

        emit list->activated(0);
        QCOMPARE(w->session().QSCount(), 2);
        QCOMPARE(child<QLabel>(w, "QnTitle")->text(), QStringLiteral("Question 2"));
        QCOMPARE(w->answerSheet()->Frame(3)->FR->mark(), kCross);
        QCOMPARE(list->count(), 1);
        closeQuietly(w);

        // Reopened, the marked paper offers the same pages.
        PracticeWindow *again = open(104);
        QComboBox *reopened = child<QComboBox>(again, "RemQns");
        QVERIFY(reopened->isVisible());
        QCOMPARE(reopened->count(), 1);
        QCOMPARE(reopened->itemText(0), QStringLiteral("2"));
        closeQuietly(again);
    }

    void secondAttemptExplainsTheWrongBoxes()
    {
        PracticeWindow *w = markedSecondAttemptOf103();
        QVERIFY(WaitForPageState(w));
        AnswerSheet *sheet = w->answerSheet();

        // (d), still wrong, shows its answer with the option's text and a caption.
        AnswerFrame *d = sheet->Frame(4);
        QVERIFY(d->M->isVisible());
        QCOMPARE(d->M->text(), QStringLiteral("4 (by)"));
        QVERIFY(d->MCap->isVisible());
        QCOMPARE(d->MCap->text(), QStringLiteral("Answer"));
        QVERIFY(d->MCap->geometry().right() < d->M->textMargins().left());
        QVERIFY(d->M->x() >= d->SR->x() + d->SR->fontMetrics().boundingRect(d->SR->text()).width());
        QCOMPARE(d->M->toolTip(), QStringLiteral("Expected answer: 4 (by)"));
        // (e)'s answer is too long for the box: set smaller, then shortened; the
        // tooltip holds all of it.
        QLineEdit *e = sheet->Frame(5)->M;
        QCOMPARE(e->toolTip(), QStringLiteral("Expected answer: 1 (has already started)"));
        QVERIFY2(e->text().startsWith(QLatin1String("1 (has")) && e->text().endsWith(QChar(0x2026)),
                 qPrintable(e->text()));
        QVERIFY(e->font().pointSizeF() >= 7);
        QVERIFY(e->fontMetrics().horizontalAdvance(e->text()) <=
                e->width() - e->textMargins().left() - 4);
        // (a), right both times, and (c), right at the second try, show none.
        QVERIFY(!sheet->Frame(1)->M->isVisible());
        QVERIFY(!sheet->Frame(3)->M->isVisible());
        QCOMPARE(w->pageLink()->Options().value(3),
                 (QStringList{"fish & chips", "bread <and> jam", "rice", "soup"}));

        // The panel explains (c), (d) and (e), below the question and at the page's type size.
        const QString panel = panelText(w);
        QVERIFY2(panel.contains(QLatin1String("Explanations")), qPrintable(panel));
        QVERIFY(panel.contains(QLatin1String("(c)")));
        QVERIFY(panel.contains(QLatin1String("Answer: 3 (rice)")));
        QVERIFY(panel.contains(QLatin1String("(d)")));
        QVERIFY(panel.contains(QLatin1String("Answer: 4 (by)")));
        QVERIFY(panel.contains(QLatin1String("Here 2 < 3 & bold words stay text.")));
        QVERIFY(panel.contains(QLatin1String("(e)")));
        QVERIFY(panel.contains(QLatin1String("Answer: 1 (has already started)")));
        QVERIFY(!panel.contains(QLatin1String("(a)")));
        QVERIFY(!panel.contains(QLatin1String("(b)")));
        QCOMPARE(EvaluateInPage(
                     w, QStringLiteral("document.querySelector('#quorvane-why i').textContent"))
                     .toString(),
                 QStringLiteral("3"));
        QVERIFY(
            EvaluateInPage(w, QStringLiteral("Array.from(document.querySelectorAll('#quorvane-why "
                                             "i')).some(i => i.textContent === 'bold')"))
                .toBool());
        QVERIFY(
            EvaluateInPage(w, QStringLiteral("var items = document.querySelectorAll('.item');"
                                             "document.getElementById('quorvane-why')"
                                             ".getBoundingClientRect().top >= items[items.length - "
                                             "1].getBoundingClientRect().bottom"))
                .toBool());
        QVERIFY(
            EvaluateInPage(w, QStringLiteral("parseFloat(getComputedStyle(document.getElementById("
                                             "'quorvane-why')).fontSize) >= 16"))
                .toBool());

        // A page right both times has no panel.
        w->NextQuestion();
        QVERIFY(WaitForPageState(w));
        QVERIFY(!sheet->Frame(1)->M->isVisible());
        QVERIFY(!EvaluateInPage(w, QStringLiteral("!!document.getElementById('quorvane-why')"))
                     .toBool());
        closeQuietly(w);
    }

    void firstAttemptExplainsNothing()
    {
        PracticeWindow *w = open(103);
        typeAnswers(w, {"2", "2", "2", "2", "2"});
        QVERIFY(WaitForPageState(w));
        markAnswering(w);
        QVERIFY(WaitForPageState(w));
        QVERIFY(!EvaluateInPage(w, QStringLiteral("!!document.getElementById('quorvane-why')"))
                     .toBool());
        QVERIFY(!w->answerSheet()->Frame(1)->M->isVisible());
        closeQuietly(w);
    }

    void clickingAnOptionAnswersItsBox()
    {
        PracticeWindow *w = open(103);
        QVERIFY(WaitForPageState(w));
        QLineEdit *c = w->answerSheet()->Frame(3)->FA;
        const auto click = [&](int list, int card, const QString &part) {
            ClickInPage(w, QStringLiteral("document.querySelectorAll('ol.opts')[%1].children[%2]%3")
                               .arg(list)
                               .arg(card)
                               .arg(part));
        };
        const auto chosen = [&](int list) {
            return EvaluateInPage(
                       w, QStringLiteral("Array.from(document.querySelectorAll('ol.opts')[%1]"
                                         ".children).map(c => c.classList.contains("
                                         "'qv-chosen')).indexOf(true) + 1")
                              .arg(list))
                .toInt();
        };

        // The third question's third card fills box (c), as if typed.
        QSignalSpy edited(c, &QLineEdit::textEdited);
        click(2, 2, QString());
        QTRY_COMPARE(c->text(), QStringLiteral("3"));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(QApplication::focusWidget(), c);
        QTRY_COMPARE(chosen(2), 3);
        QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QString());
        // Its number does the same, and a second click replaces the answer.
        click(2, 0, QStringLiteral(".querySelector('.num')"));
        QTRY_COMPARE(c->text(), QStringLiteral("1"));
        QTRY_COMPARE(chosen(2), 1);

        // Typing still works, and the page follows it.
        c->selectAll();
        QTest::keyClicks(c, QStringLiteral("4"));
        QCOMPARE(c->text(), QStringLiteral("4"));
        QTRY_COMPARE(chosen(2), 4);

        // Stored like a typed answer, the choice comes back on the page.
        w->NextQuestion();
        QVERIFY(WaitForPageState(w));
        w->PreviousQuestion();
        QVERIFY(WaitForPageState(w));
        QCOMPARE(w->answerSheet()->Frame(3)->FA->text(), QStringLiteral("4"));
        QCOMPARE(chosen(2), 4);

        // A marked box ignores clicks.
        markAnswering(w);
        QVERIFY(w->session().IsMarked());
        QVERIFY(WaitForPageState(w));
        click(2, 1, QString());
        QTest::qWait(300);
        QCOMPARE(w->answerSheet()->Frame(3)->FA->text(), QStringLiteral("4"));
        QCOMPARE(chosen(2), 4);
        closeQuietly(w);
    }

    void carriedBoxesIgnoreClicks()
    {
        PracticeWindow *first = open(101);
        typeAnswers(first, {QStringLiteral("1")});
        markAnswering(first);
        closeQuietly(first);
        // Page 1 of paper 101 expects 1: carried and locked.
        PracticeWindow *w = open(101, Attempt::Second);
        QVERIFY(WaitForPageState(w));
        QVERIFY(w->answerSheet()->Frame(1)->FA->isReadOnly());
        QVERIFY(!EvaluateInPage(w, QStringLiteral("document.querySelector('ol.opts')"
                                                  ".classList.contains('qv-open')"))
                     .toBool());
        w->pageLink()->optionPicked(1, 3);
        QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QStringLiteral("1"));
        w->NextQuestion();
        QVERIFY(WaitForPageState(w));
        w->pageLink()->optionPicked(1, 3);
        QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QStringLiteral("3"));
        w->pageLink()->optionPicked(1, 5);
        QCOMPARE(w->answerSheet()->Frame(1)->FA->text(), QStringLiteral("3"));
        closeQuietly(w);
    }

    // Prints the page shown to a PDF file from the toolbar, without the print
    // dialog, and gives back the file's text; empty when printing failed.
    // Prints the shown page to a PDF file and reads its text back; the notice
    // that says where the file went is answered and its text kept in *notice.
    QString printedText(PracticeWindow *w, const QString &pdftotext, QString *notice = nullptr)
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir.filePath(QStringLiteral("question.pdf"));
        QFile::remove(pdf);
        printer.setOutputFileName(pdf);
        m_home.Printer = &printer;
        w->setPrintDialogShown(false);
        QSignalSpy printed(w->questionView(), &QuestionView::questionPrinted);
        AnswerPopUps popUps({true});
        QTest::mouseClick(child<QWidget>(w, "ToolBar03"), Qt::LeftButton, {}, QPoint(5, 5));
        const bool ok = printed.wait(20000) && printed.first().first().toBool();
        m_home.Printer = nullptr;
        if (notice && !popUps.seen.isEmpty())
            *notice = popUps.seen.first().title + QLatin1Char('|') + popUps.seen.first().message;
        if (!ok)
            return {};
        QProcess text;
        text.start(pdftotext, {pdf, QStringLiteral("-")});
        text.waitForFinished(20000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    void printsTheShownPageToAPdfFile()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        PracticeWindow *w = open(104);
        w->NextQuestion();
        QSignalSpy loaded(w, &PracticeWindow::questionPageLoaded);
        QVERIFY(loaded.wait(10000));
        QString notice;
        const QString text = printedText(w, pdftotext, &notice);
        // The pupil is told where the page went.
        QVERIFY2(notice.startsWith(QLatin1String("Print question|The question was saved as\n"
                                                 "question.pdf\nin ")),
                 qPrintable(notice));
        closeQuietly(w);
        QVERIFY2(text.contains(QLatin1String("This page has 5 answer boxes.")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Question page")));
    }

    void printsTheExplanationsWithThePage()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        PracticeWindow *w = markedSecondAttemptOf103();
        QVERIFY(WaitForPageState(w));
        QVERIFY(!panelText(w).isEmpty());
        const QString text = printedText(w, pdftotext);
        closeQuietly(w);
        QVERIFY2(text.contains(QLatin1String("Explanations")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Answer: 4 (by)")));
        QVERIFY(text.contains(QLatin1String("Here 2 < 3 & bold words stay text.")));
        QVERIFY(text.contains(QLatin1String("Question 5 of page 10044.")));
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
