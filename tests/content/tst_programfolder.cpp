#include "content/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where results are kept: beside a portable copy, in the per-user folder for
// an installed one.
class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void choosesFolder_data();
    void choosesFolder();
};

void TestProgramFolder::choosesFolder_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("own");

    QTest::newRow("portable copy in a writable folder") << false << true << true;
    QTest::newRow("installed copy in a writable folder (as root)") << true << true << false;
    QTest::newRow("installed copy in a system folder") << true << false << false;
    QTest::newRow("portable copy in a read-only folder") << false << false << false;
}

void TestProgramFolder::choosesFolder()
{
    QFETCH(bool, installed);
    QFETCH(bool, writable);
    QFETCH(bool, own);

    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    if (installed) {
        const QString applications = prefix.filePath(QStringLiteral("share/applications"));
        QVERIFY(QDir().mkpath(applications));
        QFile entry(QDir(applications).filePath(DesktopEntryName()));
        QVERIFY(entry.open(QIODevice::WriteOnly));
    }
    if (!writable) {
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(bin).isWritable() && !installed)
            QSKIP("running as root: a read-only folder stays writable");
    }
    const QString data = prefix.filePath(QStringLiteral("home/.local/share/Quorvane"));

    QCOMPARE(IsInstalledCopy(bin), installed);
    QCOMPARE(ProgramFolderFor(bin, data), own ? bin : data);
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
