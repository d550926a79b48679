// Writes pictures of practice windows for a visual check:
// shot_practice <output folder>. Run it under xvfb-run.
#include "PracticeTestSupport.h"
#include "content/ResultsStore.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/PracticeWindow.h"

#include <QApplication>
#include <QLineEdit>
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

    PracticeWindow *w = openPaper(home, 101, Attempt::First);
    w->answerSheet()->Frame(1)->FA->setText(QStringLiteral("2"));
    grab(w, out + QStringLiteral("/practice-one-box.png"));
    w->Unload();

    w = openPaper(home, 106, Attempt::First);
    fill(w, 106, 7);
    grab(w, out + QStringLiteral("/practice-ten-boxes.png"));
    mark(w);
    grab(w, out + QStringLiteral("/practice-marked.png"));
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
