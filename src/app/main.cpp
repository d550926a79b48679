#include "content/ProgramFolder.h"
#include "home/Contents.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <unistd.h>

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
        QMessageBox::information(
            nullptr, QStringLiteral("Quorvane"),
            QStringLiteral("Quorvane is already running from %1.\n"
                           "Please use the window that is already open.")
                .arg(QDir::toNativeSeparators(folder)));
        return 1;
    }

    Contents home(folder);
    if (!home.loaded()) {
        if (!home.loadError().isEmpty())
            AskPopUp(home, QStringLiteral("Quorvane"), home.loadError(), 1, nullptr);
        return 1;
    }
    home.show();
    if (!home.startupNotice().isEmpty())
        AskPopUp(home, QStringLiteral("Quorvane"), home.startupNotice(), 1, &home);
    return app.exec();
}
