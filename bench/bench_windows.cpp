// Times what a pupil waits for in the windows, each beside a bare Qt baseline
// measured in the same run: start-up to the home window shown (an empty
// frameless window), opening a paper to page 1 shown (a bare web view loading
// the same page archive), a page change, and marking without its animation.
// Prints the time and the resident memory after every step.
#include "content/ResourceExtractor.h"
#include "home/Contents.h"
#include "practice/PracticeWindow.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void report(const char *step, double ms)
{
    std::printf("%-44s %9.1f ms   RSS %7.1f MB\n", step, ms, residentMegabytes());
    std::fflush(stdout);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Answers the next pop-up with its first button as soon as it is shown.
void answerNextPopUpYes()
{
    QTimer::singleShot(0, [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *popUp = qobject_cast<frmPopUp *>(w); popUp && popUp->isVisible()) {
                popUp->But1_Click();
                return;
            }
        }
        answerNextPopUpYes();
    });
}

bool waitForPage(PracticeWindow *window, const std::function<void()> &action)
{
    QSignalSpy loaded(window, &PracticeWindow::questionPageLoaded);
    action();
    return loaded.wait(10000);
}

} // namespace

int main(int argc, char *argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QElapsedTimer clock;
    report("process started", 0);

    clock.start();
    QWidget bare;
    bare.setWindowFlag(Qt::FramelessWindowHint);
    bare.resize(405, 492);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        return 1;
    report("baseline: empty frameless window shown", clock.nsecsElapsed() / 1e6);
    bare.hide();

    clock.restart();
    Contents home(folder.path());
    if (!home.loaded()) {
        std::fprintf(stderr, "home window did not load: %s\n", qPrintable(home.loadError()));
        return 1;
    }
    home.show();
    if (!QTest::qWaitForWindowExposed(&home))
        return 1;
    report("start-up to the home window shown", clock.nsecsElapsed() / 1e6);

    const QString page = folder.filePath(QStringLiteral("baseline10001.mht"));
    ExtractResource(10001, QStringLiteral("Custom"), page);
    clock.restart();
    {
        QWebEngineView view;
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.resize(800, 600);
        view.show();
        view.load(QUrl::fromLocalFile(page));
        if (!loaded.wait(10000))
            return 1;
        report("baseline: bare web view loading page 1", clock.nsecsElapsed() / 1e6);
    }

    clock.restart();
    home.OpenPaper(0, 1);
    PracticeWindow *practice = home.practiceWindow();
    if (!practice || !QSignalSpy(practice, &PracticeWindow::questionPageLoaded).wait(10000))
        return 1;
    report("opening a paper to page 1 shown", clock.nsecsElapsed() / 1e6);

    QList<double> changes;
    for (int i = 0; i < 10; ++i) {
        clock.restart();
        if (!waitForPage(practice, [&] { practice->NextQuestion(); }))
            return 1;
        changes.append(clock.nsecsElapsed() / 1e6);
    }
    report("page change to the next page shown (median)", median(changes));

    practice->setMarkingStepDelay(0);
    answerNextPopUpYes();
    clock.restart();
    practice->MarkPaper();
    report("marking without its animation", clock.nsecsElapsed() / 1e6);

    practice->Unload();
    return 0;
}
