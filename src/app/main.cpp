#include "content/FolderChecks.h"
#include "content/ProgramFolder.h"
#include "content/ResourceExtractor.h"
#include "home/Contents.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QScreen>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

// A notice in the skinned pop-up before the home window exists. Its pictures
// are written to a temporary folder, since the program folder may be the very
// thing that cannot be written.
void notice(const QString &message)
{
    QTemporaryDir pictures;
    ExtractGraphics(pictures.path());
    frmPopUp box(pictures.path());
    box.CallPop(QStringLiteral("Quorvane"), message, 1, nullptr);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // The web engine refuses to start its sandbox as root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));

    const QString folder = ResolveProgramFolder();

    // One copy per program folder: a second one would write the same files.
    QLockFile lock(QDir(folder).filePath(QStringLiteral("quorvane.lock")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        notice(LockProblem(lock.error(), folder));
        return 1;
    }

    // Results left in a program folder that can no longer be written move
    // with the pupil to the folder used instead.
    const QString own = QCoreApplication::applicationDirPath();
    const bool copied = !CopyResultsOnce(own, folder).isEmpty();

    Contents home(folder);
    if (!home.loaded()) {
        if (!home.loadError().isEmpty())
            AskPopUp(home.ProgramFolder, QStringLiteral("Quorvane"), home.loadError(), 1, nullptr);
        return 1;
    }
    home.show();
    if (copied)
        AskPopUp(home.ProgramFolder, QStringLiteral("Quorvane"), CopyNotice(own, folder), 1, &home);
    if (!home.startupNotice().isEmpty())
        AskPopUp(home.ProgramFolder, QStringLiteral("Quorvane"), home.startupNotice(), 1, &home);
    return app.exec();
}
