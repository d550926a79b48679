#include "../support/SmallDisk.h"
#include "PracticeTestSupport.h"
#include "content/RecordFile.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/SafeWrite.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/PracticeSession.h"
#include "practice/PracticeWindow.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

// Every write on a disk that is really full: on a small tmpfs filled to the
// last byte. The old files stay whole, nothing claims success, and the pupil is
// told in plain words with the answers kept.
class TestDiskFull : public QObject
{
    Q_OBJECT

    std::unique_ptr<SmallDisk> m_disk;
    ProductConfig m_config;
    ResultsPaths m_paths;
    FakeHome m_home;

    QString folder() const { return m_disk->path(); }

    // Every file of the folder with its bytes, the skin pictures aside.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        const QDir dir(folder());
        for (const QString &name : dir.entryList(QDir::Files))
            files.insert(name, FileBytes(dir.filePath(name)));
        return files;
    }

private slots:
    void initTestCase()
    {
        m_disk = std::make_unique<SmallDisk>("4m");
        if (!m_disk->isMounted())
            QSKIP(qPrintable(QStringLiteral("No full disk to test on: ") + m_disk->whyNot()));
        QVERIFY(ReadProductConfig(folder(), m_config));
        QVERIFY(CopySkinPictures(folder()));
        m_paths = ResultsPaths::of(folder(), 2, m_config.code);
        m_home.ProgramFolder = folder();
        m_home.LChose = 2;
        m_home.lblCOD = m_config.code;
        m_home.TtPapersCon = 10;
    }

    void init()
    {
        m_disk->freeFiller();
        QVERIFY(CreateResultsFiles(folder(), m_config).isEmpty());
    }

    void aWriteLeavesTheOldFile()
    {
        const QString path = QDir(folder()).filePath(QStringLiteral("note.txt"));
        QVERIFY(WriteFileAtomically(path, "old"));
        m_disk->fill();
        const QMap<QString, QByteArray> before = snapshot();
        WriteError error;
        QVERIFY(!WriteFileAtomically(path, QByteArray(20000, 'n'), &error));
        QCOMPARE(error.problem(), WriteError::DiskFull);
        QCOMPARE(error.reason(), QStringLiteral("the disk is full"));
        QCOMPARE(snapshot(), before);
    }

    void answersSaveLeavesTheOldFile()
    {
        FieldList lines = ReadPaperLines(m_paths.first, 10);
        FieldList answers(20);
        answers.set(1, QStringLiteral("first"));
        QVERIFY(SavePaperRecord(lines, 106, answers, 20, 10, m_paths.first));
        m_disk->fill();
        const QMap<QString, QByteArray> before = snapshot();
        answers.set(1, QString(200, QLatin1Char('a')));
        WriteError error;
        QVERIFY(!SavePaperRecord(lines, 106, answers, 20, 10, m_paths.first, &error));
        QCOMPARE(error.problem(), WriteError::DiskFull);
        QCOMPARE(snapshot(), before);
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20)[1], QStringLiteral("first"));
    }

    void markingChangesNothing()
    {
        PracticeSession s(Attempt::First, {folder(), 2, m_config.code, 106, 6, 10});
        s.Load();
        s.StorePageAnswers({QStringLiteral("w106_0_0")});
        m_disk->fill();
        const QMap<QString, QByteArray> before = snapshot();
        WriteError error;
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(!s.Mark(now, now, &error));
        QCOMPARE(error.problem(), WriteError::DiskFull);
        QVERIFY(!s.IsMarked());
        QCOMPARE(snapshot(), before);

        m_disk->freeFiller();
        QVERIFY(s.Mark(now, now));
        QCOMPARE(ReadMarks(m_paths.marks, 10).FirstStates[6], QStringLiteral("1"));
        QCOMPARE(ReadTrendValues(m_paths.trend), QStringList{QStringLiteral("5")});
    }

    // Start-up on a full disk with a file to repair: nothing changes, no empty
    // file is made, and the pupil is told why.
    void repairChangesNothing()
    {
        QVERIFY(QFile::remove(m_paths.trend));
        QByteArray damaged = FileBytes(m_paths.marks);
        damaged.replace("#SSE#", "#XXX#");
        QVERIFY(WriteFileAtomically(m_paths.marks, damaged));
        m_disk->fill();
        const QMap<QString, QByteArray> before = snapshot();
        const ResultsRepairReport report =
            RecoverResultsFiles(folder(), m_config, QDateTime::currentDateTime());
        QCOMPARE(report.problem,
                 QStringLiteral("Some results files need repair, but a copy of them could not be "
                                "made first because the disk is full. Nothing was changed; free "
                                "some space and start Quorvane again."));
        QCOMPARE(snapshot(), before);
        QVERIFY(!QFile::exists(m_paths.trend));

        m_disk->freeFiller();
        const ResultsRepairReport again =
            RecoverResultsFiles(folder(), m_config, QDateTime::currentDateTime());
        QVERIFY(again.problem.isEmpty());
        QCOMPARE(FileBytes(m_paths.trend), QByteArray("#TRD#"));
    }

    void theWindowSaysSoAndKeepsTheAnswers()
    {
        PracticeWindow *w = OpenPracticeWindow(m_home, 106);
        QLineEdit *fa = w->answerSheet()->Frame(1)->FA;
        fa->setText(QStringLiteral("kept"));
        m_disk->fill();
        const QMap<QString, QByteArray> before = snapshot();
        {
            AnswerPopUps popUps({true});
            w->SavePaper();
            QVERIFY(popUps.done());
            QCOMPARE(popUps.seen.value(0).message,
                     QStringLiteral("The paper could not be saved because the disk is full. Your "
                                    "answers are still here; free some space and press Save "
                                    "again."));
        }
        QCOMPARE(fa->text(), QStringLiteral("kept"));
        QCOMPARE(snapshot(), before);

        // With room again, Save stores what was kept.
        m_disk->freeFiller();
        AnswerPopUps saved({true});
        w->SavePaper();
        QCOMPARE(saved.seen.value(0).message, QStringLiteral("Paper saved"));
        QCOMPARE(PaperFields(ReadPaperLines(m_paths.first, 10), 6, 20)[1], QStringLiteral("kept"));
        QPointer<PracticeWindow> p(w);
        w->Unload();
        QTRY_VERIFY(p.isNull());
    }
};

PRACTICE_WINDOW_TEST_MAIN(TestDiskFull)

#include "tst_diskfull.moc"
