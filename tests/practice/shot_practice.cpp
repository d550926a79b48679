// Writes pictures of practice windows for a visual check:
// shot_practice <output folder>. Run it under xvfb-run.
#include "PracticeTestSupport.h"
#include "content/ResultsStore.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/PracticeWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

PracticeWindow *openPaper(FakeHome &home, int paper, Attempt attempt)
{
    PracticeWindow *w = OpenPracticeWindow(home, paper, attempt);
    QTest::qWait(400);
    return w;
}

void grab(PracticeWindow *w, const QString &path)
{
    QTest::qWait(300);
    w->grab().save(path);
}

void fill(PracticeWindow *w, int paper, int rightBoxes)
{
    for (int k = 1; k <= w->answerSheet()->ShownBoxes(); ++k)
        w->answerSheet()->Frame(k)->FA->setText(
            k <= rightBoxes ? QStringLiteral("w%1_0_%2").arg(paper).arg(k - 1)
                            : QStringLiteral("wrong %1").arg(k));
}

void mark(PracticeWindow *w)
{
    AnswerPopUps yes({true});
    w->MarkPaper();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir dir;
    ProductConfig config;
    if (!ReadProductConfig(dir.path(), config) ||
        !CreateResultsFiles(dir.path(), config).isEmpty() || !CopySkinPictures(dir.path()))
        return 1;
    FakeHome home;
    home.ProgramFolder = dir.path();
    home.LChose = 2;
    home.lblCOD = config.code;
    home.TtPapersCon = 10;

    // Choice pages after a click on an option card.
    PracticeWindow *w = openPaper(home, 101, Attempt::First);
    ClickInPage(w, QStringLiteral("document.querySelectorAll('ol.opts > li')[1]"));
    grab(w, out + QStringLiteral("/practice-one-box.png"));
    w->Unload();

    w = openPaper(home, 103, Attempt::First);
    ClickInPage(w, QStringLiteral("document.querySelectorAll('ol.opts')[2].children[2]"));
    grab(w, out + QStringLiteral("/practice-choice-clicked.png"));
    const QStringList firstTry{"1", "2", "1", "1", "2"};
    for (int k = 1; k <= 5; ++k)
        w->answerSheet()->Frame(k)->FA->setText(firstTry[k - 1]);
    mark(w);
    w->Unload();

    // The marked second attempt with its explanations.
    w = openPaper(home, 103, Attempt::Second);
    w->answerSheet()->Frame(3)->FA->setText(QStringLiteral("3"));
    w->answerSheet()->Frame(4)->FA->setText(QStringLiteral("2"));
    mark(w);
    grab(w, out + QStringLiteral("/practice-second-explained.png"));
    EvaluateInPage(w, QStringLiteral("document.getElementById('quorvane-why').scrollIntoView();"
                                     "window.scrollBy(0, -60)"));
    grab(w, out + QStringLiteral("/practice-second-explained-panel.png"));
    w->Unload();

    // Typed from the keyboard: two answers, Enter after each, the focus in the third box.
    w = openPaper(home, 106, Attempt::First);
    w->activateWindow();
    QTest::qWaitForWindowActive(w);
    for (const char *answer : {"went", "were"}) {
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(answer));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    grab(w, out + QStringLiteral("/practice-focus.png"));
    fill(w, 106, 7);
    grab(w, out + QStringLiteral("/practice-ten-boxes.png"));
    mark(w);
    grab(w, out + QStringLiteral("/practice-marked.png"));
    // The list of wrong pages, opened: it is a window of its own, so the screen is taken.
    auto *wrongPages = w->findChild<QComboBox *>(QStringLiteral("RemQns"));
    wrongPages->showPopup();
    QTest::qWait(300);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, w->x(), w->y() + w->height() - 140, w->width(), 190)
        .save(out + QStringLiteral("/practice-marked-wrong-list.png"));
    wrongPages->hidePopup();
    w->Unload();

    w = openPaper(home, 102, Attempt::First);
    fill(w, 102, 0);
    grab(w, out + QStringLiteral("/practice-twenty-boxes.png"));
    w->Unload();

    w = openPaper(home, 106, Attempt::Second);
    grab(w, out + QStringLiteral("/practice-second-open.png"));
    w->answerSheet()->Frame(8)->FA->setText(QStringLiteral("w106_0_7"));
    mark(w);
    grab(w, out + QStringLiteral("/practice-second-marked.png"));
    w->Unload();
    QTest::qWait(200);
    return 0;
}
