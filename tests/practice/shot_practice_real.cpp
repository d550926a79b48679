// Writes pictures of a practice window on the real course for a visual check:
// shot_practice_real <output folder>. Run it under xvfb-run.
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
    home.TtPapersCon = 25;
    home.PaperNum = 101;
    home.TopicCount = 1;
    home.SubH1 = QStringLiteral("Grammar");

    auto *w = new PracticeWindow(Attempt::First, home);
    w->setMarkingStepDelay(1);
    w->show();
    waitForPage(w);
    ClickInPage(w, QStringLiteral("document.querySelectorAll('ol.opts > li')[1]"));
    grab(w, out + QStringLiteral("/practice-real-first.png"));
    w->NextQuestion();
    waitForPage(w);
    ClickInPage(w, QStringLiteral("document.querySelectorAll('ol.opts > li .num')[0]"));
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

    // The second attempt, with page 2 still wrong: its answer with the option's text.
    home.TakeNum = 2;
    w = new PracticeWindow(Attempt::Second, home);
    w->setMarkingStepDelay(1);
    w->show();
    waitForPage(w);
    {
        AnswerPopUps yes({true});
        w->MarkPaper();
    }
    w->NextQuestion();
    waitForPage(w);
    grab(w, out + QStringLiteral("/practice-real-second-marked.png"));
    w->Unload();
    QTest::qWait(200);
    return 0;
}
