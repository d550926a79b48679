#include "../support/SmallDisk.h"
#include "../support/TestFiles.h"
#include "content/FolderChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFolderChecks : public QObject
{
    Q_OBJECT

private slots:
    void anotherCopyIsRunning()
    {
        QTemporaryDir dir;
        QLockFile first(dir.filePath(QStringLiteral("quorvane.lock")));
        QVERIFY(first.tryLock(0));
        QLockFile second(dir.filePath(QStringLiteral("quorvane.lock")));
        second.setStaleLockTime(0);
        QVERIFY(!second.tryLock(0));
        QCOMPARE(LockProblem(second.error(), dir.path()),
                 QStringLiteral("Quorvane is already running from %1. Please use the window that "
                                "is already open.")
                     .arg(QDir::toNativeSeparators(dir.path())));
    }

    void theFolderCouldNotBeMade()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("no/such/folder"));
        QLockFile lock(QDir(missing).filePath(QStringLiteral("quorvane.lock")));
        QVERIFY(!lock.tryLock(0));
        QVERIFY(LockProblem(lock.error(), missing)
                    .startsWith(QLatin1String("Quorvane has no folder to keep your results in")));
    }

    void theFolderCannotBeWritten()
    {
        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP(qPrintable(QStringLiteral("No read-only disk to test on: ") + disk.whyNot()));
        QVERIFY(disk.setReadOnly(true));
        QLockFile lock(QDir(disk.path()).filePath(QStringLiteral("quorvane.lock")));
        QVERIFY(!lock.tryLock(0));
        QCOMPARE(lock.error(), QLockFile::PermissionError);
        QCOMPARE(LockProblem(lock.error(), disk.path()),
                 QStringLiteral("Quorvane cannot keep your results in %1, because you may not "
                                "write there. Ask an adult to give you access to it, then start "
                                "Quorvane again.")
                     .arg(QDir::toNativeSeparators(disk.path())));
    }

    // Results in a program folder that became read-only go to the per-user
    // folder, once, and nothing else goes with them.
    void resultsAreCopiedOnce()
    {
        SmallDisk disk;
        QTemporaryDir plain;
        const QString from = disk.isMounted() ? disk.path() : plain.path();
        const QStringList results{QStringLiteral("first2EN.txt"), QStringLiteral("marks2EN.txt"),
                                  QStringLiteral("trend2EN.txt")};
        for (const QString &name : results)
            QVERIFY(WriteBytes(QDir(from).filePath(name), name.toLatin1() + "\r\n"));
        QVERIFY(WriteBytes(QDir(from).filePath(QStringLiteral("quorvane")), "program"));
        QVERIFY(WriteBytes(QDir(from).filePath(QStringLiteral("notes.txt")), "notes"));
        if (disk.isMounted())
            QVERIFY(disk.setReadOnly(true));

        QTemporaryDir to;
        QCOMPARE(CopyResultsOnce(from, to.path()), results);
        QCOMPARE(QDir(to.path()).entryList(QDir::Files), results);
        for (const QString &name : results)
            QCOMPARE(FileBytes(to.filePath(name)), name.toLatin1() + "\r\n");

        QVERIFY(WriteBytes(to.filePath(QStringLiteral("marks2EN.txt")), "newer"));
        QVERIFY(CopyResultsOnce(from, to.path()).isEmpty());
        QCOMPARE(FileBytes(to.filePath(QStringLiteral("marks2EN.txt"))), QByteArray("newer"));
        QVERIFY(CopyResultsOnce(to.path(), to.path()).isEmpty());
        QCOMPARE(CopyNotice(from, to.path()),
                 QStringLiteral("Your results were kept in %1, which you may not change, so "
                                "Quorvane has copied them to %2 and keeps them there from now on.")
                     .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to.path())));
    }
};

QTEST_GUILESS_MAIN(TestFolderChecks)
#include "tst_folderchecks.moc"
