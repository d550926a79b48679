// The window figures of the benchmark, one run per process, each printed as
// "name value" lines for bench_table:
//   paper       the home window up and idle, then its first paper opened: load
//               button to page 1 loaded ("open"), 30 page changes ("page",
//               median) and the memory of the process with its web engine
//               helpers ("rss")
//   bare-paper  the same in a fresh process with a bare QWebEngineView loading
//               the same page archives
//   mark        marking the topic's second paper without the animation, its
//               files written ("mark"), and writing the same files with
//               QSaveFile ("save"); built with the test course, whose second
//               paper has 60 boxes
#include "BenchProcess.h"
#include "content/PaperTables.h"
#include "content/ProductConfig.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "content/SafeWrite.h"
#include "home/Contents.h"
#include "practice/PracticeWindow.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kPageChanges = 30;
// A pupil takes far longer than this to reach the first load button.
constexpr int kHomeIdleMs = 1000;
constexpr int kLoadTimeoutMs = 30000;

void print(const char *name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

double elapsedMs(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

// Pages 1, 2, ... n, n - 1, ... 1, 2, ...: every step moves to the page beside.
QList<int> pageWalk(int pageCount)
{
    QList<int> pages;
    int page = 1;
    int step = 1;
    for (int i = 0; i < kPageChanges && pageCount > 1; ++i) {
        if (page + step < 1 || page + step > pageCount)
            step = -step;
        page += step;
        pages.append(page);
    }
    return pages;
}

bool showHome(Contents &home)
{
    if (!home.loaded()) {
        std::fprintf(stderr, "home window did not load: %s\n", qPrintable(home.loadError()));
        return false;
    }
    home.show();
    if (!QTest::qWaitForWindowExposed(&home))
        return false;
    QTest::qWait(kHomeIdleMs);
    return true;
}

bool waitForPage(PracticeWindow *window, const std::function<void()> &action)
{
    QSignalSpy loaded(window, &PracticeWindow::questionPageLoaded);
    action();
    return loaded.wait(kLoadTimeoutMs);
}

int paperRun(const QString &folder)
{
    Contents home(folder);
    if (!showHome(home))
        return 1;

    QElapsedTimer clock;
    clock.start();
    home.OpenPaper(0, 1);
    PracticeWindow *practice = home.practiceWindow();
    if (!practice)
        return 1;
    // The page finishes loading in the event loop, after the spy is in place.
    QSignalSpy loaded(practice, &PracticeWindow::questionPageLoaded);
    if (!loaded.wait(kLoadTimeoutMs))
        return 1;
    print("open", elapsedMs(clock));

    QList<double> changes;
    int page = 1;
    for (const int next : pageWalk(practice->session().PageCount())) {
        clock.restart();
        const bool ok = waitForPage(practice, [&] {
            if (next > page)
                practice->NextQuestion();
            else
                practice->PreviousQuestion();
        });
        if (!ok)
            return 1;
        changes.append(elapsedMs(clock));
        page = next;
    }
    print("page", Median(changes));
    QTest::qWait(500);
    print("rss", TreeResidentMegabytes(getpid()));
    practice->Unload();
    return 0;
}

int barePaperRun(const QString &folder)
{
    ProductConfig config;
    if (!ReadProductConfig(folder, config) || config.firstLevel() == 0)
        return 1;
    const PaperTables tables = LoadPaperTables(folder, config.firstLevel(), 101);
    QStringList files;
    for (int p = 1; p <= tables.PageCount; ++p) {
        const QString id = tables.PageIds[p];
        files.append(
            ProgramPath(folder, QStringLiteral("temppaper") + id + QStringLiteral(".mht")));
        if (ExtractResource(id.toInt(), QStringLiteral("Custom"), files.last()) != ExtractOk)
            return 1;
    }
    if (files.isEmpty())
        return 1;

    // A window stands in for the home window, as in the program's run.
    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.resize(405, 492);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(kHomeIdleMs);

    QElapsedTimer clock;
    clock.start();
    QWebEngineView view;
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.resize(800, 600);
    view.show();
    view.load(QUrl::fromLocalFile(files.first()));
    if (!loaded.wait(kLoadTimeoutMs))
        return 1;
    print("open", elapsedMs(clock));

    QList<double> changes;
    for (const int next : pageWalk(int(files.size()))) {
        clock.restart();
        loaded.clear();
        view.load(QUrl::fromLocalFile(files[next - 1]));
        if (!loaded.wait(kLoadTimeoutMs))
            return 1;
        changes.append(elapsedMs(clock));
    }
    print("page", Median(changes));
    QTest::qWait(500);
    print("rss", TreeResidentMegabytes(getpid()));
    return 0;
}

// Answers the next pop-up with its first button as soon as it is shown and
// starts the clock at that moment.
void answerNextPopUpYes(QElapsedTimer *clock)
{
    QTimer::singleShot(0, [clock] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *popUp = qobject_cast<frmPopUp *>(w); popUp && popUp->isVisible()) {
                clock->start();
                popUp->But1_Click();
                return;
            }
        }
        answerNextPopUpYes(clock);
    });
}

int markRun(const QString &folder)
{
    Contents home(folder);
    if (!showHome(home))
        return 1;
    home.OpenPaper(1, 1);
    PracticeWindow *practice = home.practiceWindow();
    if (!practice)
        return 1;
    QSignalSpy loaded(practice, &PracticeWindow::questionPageLoaded);
    if (!loaded.wait(kLoadTimeoutMs))
        return 1;

    practice->setMarkingStepDelay(0);
    QElapsedTimer clock;
    answerNextPopUpYes(&clock);
    practice->MarkPaper();
    const double markMs = elapsedMs(clock);
    if (!practice->session().IsMarked())
        return 1;

    const ResultsPaths paths = ResultsPaths::of(folder, home.LChose, home.lblCOD);
    QList<QByteArray> contents;
    for (const QString &path : {paths.fresults, paths.marks, paths.trend}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        contents.append(file.readAll());
    }
    QTemporaryDir copies;
    clock.restart();
    for (int i = 0; i < contents.size(); ++i) {
        QSaveFile file(copies.filePath(QString::number(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents[i]) != contents[i].size() ||
            !file.commit())
            return 1;
    }
    const double saveMs = elapsedMs(clock);
    print("boxes", practice->session().BoxCount());
    print("mark", markMs);
    print("save", saveMs);
    practice->Unload();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir folder;
    if (mode == QLatin1String("paper"))
        return paperRun(folder.path());
    if (mode == QLatin1String("bare-paper"))
        return barePaperRun(folder.path());
    if (mode == QLatin1String("mark"))
        return markRun(folder.path());
    std::fprintf(stderr, "usage: %s paper | bare-paper | mark\n", argv[0]);
    return 2;
}
