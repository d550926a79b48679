// Writes pictures of a practice window on the real course for a visual check:
// shot_practice_real <output folder> [paper key] [answer]. Opens the paper
// (101 unless named), types the answer ("2" unless named) into the first box
// of its first two pages, and marks it. Then opens the second attempt, clicks
// the first option card of page 1 where it can, and marks that too. Run it
// under xvfb-run.
#include "PracticeTestSupport.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/PracticeWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

void waitForPage(PracticeWindow *w)
{
    QSignalSpy loaded(w, &PracticeWindow::questionPageLoaded);
    loaded.wait(10000);
    QTest::qWait(400);
}

void grab(PracticeWindow *w, const QString &path)
{
    QTest::qWait(300);
    w->grab().save(path);
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
        !CreateResultsFiles(dir.path(), config).isEmpty() || ExtractGraphics(dir.path()) != 0)
        return 1;
    FakeHome home;
    home.ProgramFolder = dir.path();
    home.LChose = config.firstLevel();
    home.lblCOD = config.code;
    home.TtPapersCon = config.paperCount(home.LChose);
    home.PaperNum = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 101;
    const int topic = (home.PaperNum - 101) / 5 + 1;
    home.TopicCount = 5 * topic - 4;
    home.SubH1 = config.topicNamesOf(home.LChose).at(topic);
    const QString answer = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("2");

    auto *w = new PracticeWindow(Attempt::First, home);
    w->setMarkingStepDelay(1);
    w->show();
    waitForPage(w);
    w->answerSheet()->Frame(1)->FA->setText(answer);
    grab(w, out + QStringLiteral("/practice-real-first.png"));
    w->NextQuestion();
    waitForPage(w);
    w->answerSheet()->Frame(1)->FA->setText(answer);
    grab(w, out + QStringLiteral("/practice-real-second-page.png"));
    {
        AnswerPopUps yes({true});
        w->MarkPaper();
    }
    grab(w, out + QStringLiteral("/practice-real-marked-wrong.png"));
    w->PreviousQuestion();
    waitForPage(w);
    grab(w, out + QStringLiteral("/practice-real-marked-right.png"));
    w->Unload();

    home.TakeNum = 2;
    w = new PracticeWindow(Attempt::Second, home);
    w->setMarkingStepDelay(1);
    w->show();
    waitForPage(w);
    if (EvaluateInPage(w, QStringLiteral("!!document.querySelector('ol.opts')")).toBool()) {
        ClickInPage(w, QStringLiteral("document.querySelector('ol.opts > li')"));
        grab(w, out + QStringLiteral("/practice-real-choice-clicked.png"));
    }
    {
        AnswerPopUps yes({true});
        w->MarkPaper();
    }
    grab(w, out + QStringLiteral("/practice-real-second-marked.png"));
    EvaluateInPage(w, QStringLiteral("var panel = document.getElementById('quorvane-why');"
                                     "if (panel) { panel.scrollIntoView();"
                                     " window.scrollBy(0, -60); }"));
    grab(w, out + QStringLiteral("/practice-real-second-panel.png"));
    w->NextQuestion();
    waitForPage(w);
    grab(w, out + QStringLiteral("/practice-real-second-marked-page2.png"));
    w->Unload();
    QTest::qWait(200);
    return 0;
}
