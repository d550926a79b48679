#include "content/PaperTables.h"
#include "content/ProductConfig.h"
#include "content/ResourceExtractor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void extractReplacesALongerFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(200, 'x'));
        file.close();

        QCOMPARE(ExtractResource(30126, QStringLiteral("Custom"), path), qint16(0));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("#TRD#"));
    }

    void extractFailures()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.txt"));
        QVERIFY(ExtractResource(29999, QStringLiteral("Custom"), path) != 0);
        QVERIFY(!QFile::exists(path));
        QVERIFY(ExtractResource(30000, QStringLiteral("Custom"),
                                dir.filePath(QStringLiteral("missing/folder/x.txt")))
                != 0);
    }

    void skinNames()
    {
        QCOMPARE(SkinPictureNumbers().size(), 89);
        QCOMPARE(SkinPictureName(1), QStringLiteral("about_off.bmp"));
        QCOMPARE(SkinPictureName(37), QStringLiteral("trash_pressed.bmp"));
        QCOMPARE(SkinPictureName(38), QString());
        QCOMPARE(SkinPictureName(41), QStringLiteral("tabs_back_off.bmp"));
        QCOMPARE(SkinPictureName(86), QStringLiteral("pencil.ico"));
        QCOMPARE(SkinPictureName(92), QStringLiteral("Border_bot_right.gif"));
    }

    void extractGraphicsCreatesTheFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("deep/program"));
        // The test course carries no pictures: every one fails, the folder is still made.
        QCOMPARE(ExtractGraphics(folder), 89);
        QVERIFY(QDir(GraphicsFolder(folder)).exists());
    }

    void readsTheConfiguration()
    {
        QTemporaryDir dir;
        ProductConfig config;
        QVERIFY(ReadProductConfig(dir.path(), config));
        QCOMPARE(config.title, QStringLiteral("Quorvane Test Course"));
        QCOMPARE(config.code, QStringLiteral("TS"));
        QVERIFY(!config.levelExists(1));
        QVERIFY(config.levelExists(2));
        QVERIFY(!config.levelExists(3));
        QCOMPARE(config.firstLevel(), 2);
        QCOMPARE(config.topicCount(2), qint16(2));
        QCOMPARE(config.paperCount(2), qint16(10));
        QCOMPARE(config.topicNamesOf(2).first(2),
                 (QStringList{"Grammar", "Mock Examination"}));
        QCOMPARE(config.topicCount(1), qint16(0));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext30000.txt"))));
    }

    void loadsPapers_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("total");
        QTest::newRow("40 one-box pages") << 101 << 40 << 40 << 40;
        QTest::newRow("three 20-box pages") << 102 << 3 << 60 << 96;
        QTest::newRow("five 5-box pages worth 2") << 103 << 5 << 25 << 50;
        QTest::newRow("pages of 1, 5 and 10") << 104 << 3 << 16 << 16;
        QTest::newRow("last paper") << 110 << 2 << 20 << 20;
        QTest::newRow("paper outside the level") << 150 << 0 << 0 << 0;
    }
    void loadsPapers()
    {
        QFETCH(int, paper);
        QFETCH(int, pages);
        QFETCH(int, boxes);
        QFETCH(int, total);
        QTemporaryDir dir;
        const PaperTables t = LoadPaperTables(dir.path(), 2, paper);
        QCOMPARE(int(t.PageCount), pages);
        QCOMPARE(int(t.BoxCount), boxes);
        QCOMPARE(t.TotalMarks, total);
        QCOMPARE(t.BoxKinds.size(), boxes);
        QCOMPARE(t.BoxMarks.size(), boxes);
        QCOMPARE(t.Explanations.size(), boxes);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext.txt"))));
    }

    void boxOffsetsFollowThePages()
    {
        QTemporaryDir dir;
        const PaperTables t = LoadPaperTables(dir.path(), 2, 104);
        QCOMPARE(t.PageIds.toList(), (QStringList{"10049", "10050", "10051"}));
        QCOMPARE(t.BoxesPerPage.toList(), (QList<qint16>{1, 5, 10}));
        QCOMPARE(t.BoxOffset(1), 0);
        QCOMPARE(t.BoxOffset(2), 1);
        QCOMPARE(t.BoxOffset(3), 6);
        QCOMPARE(t.PageOfBox(1), 1);
        QCOMPARE(t.PageOfBox(2), 2);
        QCOMPARE(t.PageOfBox(6), 2);
        QCOMPARE(t.PageOfBox(7), 3);
        QCOMPARE(t.PageOfBox(16), 3);
        QCOMPARE(t.AnswerKey[1], QStringLiteral("one"));
    }

    void explanationsSitBesideTheirBoxes()
    {
        QTemporaryDir dir;
        const PaperTables t = LoadPaperTables(dir.path(), 2, 103);
        QCOMPARE(t.Explanations[4], QStringLiteral("Here 2 < 3 & *bold* words stay text."));
        QCOMPARE(t.Explanations[6],
                 QStringLiteral("Option *1* fits: box 1 of page 10045 needs it."));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext.txt"))));
    }

    void aCourseWithoutExplanationsStillLoads()
    {
        // The fixture's level 1 packs paper 101 without an explanations table.
        QTemporaryDir dir;
        const PaperTables t = LoadPaperTables(dir.path(), 1, 101);
        QCOMPARE(int(t.BoxCount), 40);
        QCOMPARE(t.TotalMarks, 40);
        QCOMPARE(t.Explanations.size(), 40);
        for (int i = 1; i <= t.BoxCount; ++i)
            QVERIFY(t.Explanations[i].isEmpty());
    }

    void groupContinuationKeepsItsSpace()
    {
        QTemporaryDir dir;
        const PaperTables t = LoadPaperTables(dir.path(), 2, 105);
        QCOMPARE(t.BoxKinds.toList(), (QStringList{"L", "N", "F", "X", "R", "M", "G", "G", "G",
                                                   "T", "Z"}));
        QCOMPARE(t.AnswerKey[7], QStringLiteral(";red;green;blue"));
        QCOMPARE(t.AnswerKey[8], QStringLiteral(" "));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
