#include "../support/TestFiles.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/WriteJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QList<FileContent> kGroup{{QStringLiteral("fresults2TS.txt"), "#101#>\xFC\r\n"},
                                {QStringLiteral("marks2TS.txt"), "#FSE#>75\r\n"},
                                {QStringLiteral("trend2TS.txt"), "#TRD#>75\r\n"}};

} // namespace

class TestWriteJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    void writeOld()
    {
        for (const FileContent &file : kGroup)
            QVERIFY(WriteBytes(path(file.name), "old"));
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        writeOld();
    }

    void aGroupIsWrittenWhole()
    {
        QVERIFY(WriteTogether(m_dir.path(), kGroup));
        for (const FileContent &file : kGroup)
            QCOMPARE(FileBytes(path(file.name)), file.bytes);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), kGroup.size());
    }

    void aFileThatCannotBeStagedChangesNothing()
    {
        QVERIFY(QFile::remove(path(kGroup[2].name)));
        QVERIFY(QDir().mkpath(path(kGroup[2].name)));
        WriteError error;
        QVERIFY(!WriteTogether(m_dir.path(), kGroup, &error));
        QCOMPARE(error.problem(), WriteError::InTheWay);
        QCOMPARE(FileBytes(path(kGroup[0].name)), QByteArray("old"));
        QCOMPARE(FileBytes(path(kGroup[1].name)), QByteArray("old"));
        QVERIFY(!QFile::exists(path(kJournalName)));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
    }

    void theJournalReadsBack()
    {
        QList<FileContent> read;
        QVERIFY(ParseJournal(JournalBytes(kGroup), read));
        QCOMPARE(read.size(), kGroup.size());
        for (qsizetype i = 0; i < read.size(); ++i) {
            QCOMPARE(read[i].name, kGroup[i].name);
            QCOMPARE(read[i].bytes, kGroup[i].bytes);
        }
    }

    // A journal cut short anywhere, or changed in any byte, is never taken.
    void aTornOrChangedJournalIsRefused()
    {
        const QByteArray whole = JournalBytes(kGroup);
        QList<FileContent> read;
        for (qsizetype n = 0; n < whole.size(); ++n)
            QVERIFY2(!ParseJournal(whole.left(n), read), qPrintable(QString::number(n)));
        for (qsizetype n = 0; n < whole.size(); ++n) {
            QByteArray changed = whole;
            changed[n] = char(changed[n] ^ 0x20);
            QVERIFY2(!ParseJournal(changed, read), qPrintable(QString::number(n)));
        }
        QVERIFY(read.isEmpty());
    }

    void namesThatLeaveTheFolderAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../marks2TS.txt";
        QTest::newRow("absolute") << "/etc/passwd";
        QTest::newRow("sub-folder") << "a/b.txt";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("hidden") << ".marks";
        QTest::newRow("empty") << "";
    }
    void namesThatLeaveTheFolderAreRefused()
    {
        QFETCH(QString, name);
        QList<FileContent> read;
        QVERIFY(!ParseJournal(JournalBytes({{name, "x"}}), read));
    }

    void startUpFinishesAWholeJournal()
    {
        QVERIFY(WriteBytes(path(kJournalName), JournalBytes(kGroup)));
        // As a kill after the first rename leaves it.
        QVERIFY(WriteBytes(path(kGroup[0].name), kGroup[0].bytes));
        QCOMPARE(FinishJournal(m_dir.path()), JournalOutcome::Finished);
        for (const FileContent &file : kGroup)
            QCOMPARE(FileBytes(path(file.name)), file.bytes);
        QVERIFY(!QFile::exists(path(kJournalName)));
        QCOMPARE(FinishJournal(m_dir.path()), JournalOutcome::None);
    }

    void startUpThrowsAwayATornJournal()
    {
        const QByteArray whole = JournalBytes(kGroup);
        QVERIFY(WriteBytes(path(kJournalName), whole.left(whole.size() / 2)));
        QCOMPARE(FinishJournal(m_dir.path()), JournalOutcome::Discarded);
        for (const FileContent &file : kGroup)
            QCOMPARE(FileBytes(path(file.name)), QByteArray("old"));
        QVERIFY(!QFile::exists(path(kJournalName)));
    }

    void leftoversAreRemoved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("results file") << "marks2TS.txt" << false;
        QTest::newRow("temporary of a results file") << "marks2TS.txt.aB3xY9" << true;
        QTest::newRow("temporary of the journal") << "results.journal.Qw12Er" << true;
        QTest::newRow("journal itself") << "results.journal" << false;
        QTest::newRow("working table") << "temptext.txt" << true;
        QTest::newRow("configuration") << "temptext30000.txt" << true;
        QTest::newRow("page archive") << "temppaper10001.mht" << true;
        QTest::newRow("picture's temporary") << "Graphics/close_on.bmp.a1b2c3" << true;
        QTest::newRow("picture") << "Graphics/close_on.bmp" << false;
        QTest::newRow("unfinished backup") << "backups/.2025-03-14_16-05-09/marks2TS.txt" << true;
        QTest::newRow("backup") << "backups/2025-03-14_16-05-09/marks2TS.txt" << false;
        QTest::newRow("someone else's") << "notes.txt.aB3xY9" << false;
        QTest::newRow("too short a suffix") << "marks2TS.txt.aB3" << false;
    }
    void leftoversAreRemoved()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QVERIFY(QDir().mkpath(QFileInfo(path(name)).absolutePath()));
        QVERIFY(WriteBytes(path(name), "x"));
        RemoveLeftovers(m_dir.path());
        QCOMPARE(QFile::exists(path(name)), !removed);
    }
};

QTEST_GUILESS_MAIN(TestWriteJournal)
#include "tst_writejournal.moc"
