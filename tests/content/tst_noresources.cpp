#include "content/PaperTables.h"
#include "content/ProductConfig.h"
#include "content/ResultsStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// A build without any course: nothing can be extracted, and nothing breaks.
class TestNoResources : public QObject
{
    Q_OBJECT

private slots:
    void configurationUnreadable()
    {
        QTemporaryDir dir;
        ProductConfig config;
        QVERIFY(!ReadProductConfig(dir.path(), config));
        QVERIFY(config.title.isEmpty());
        QCOMPARE(config.firstLevel(), 0);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void paperTablesStayEmpty()
    {
        QTemporaryDir dir;
        const PaperTables t = LoadPaperTables(dir.path(), 2, 101);
        QCOMPARE(int(t.PageCount), 0);
        QCOMPARE(int(t.BoxCount), 0);
        QCOMPARE(t.TotalMarks, 0);
    }

    void templatesThatCannotBeWrittenAreReported()
    {
        QTemporaryDir dir;
        ProductConfig config;
        config.code = QStringLiteral("EN");
        config.headings[1] = QStringLiteral("Upper Primary");
        QCOMPARE(CreateResultsFiles(dir.path(), config).size(), 6);
    }
};

QTEST_GUILESS_MAIN(TestNoResources)
#include "tst_noresources.moc"
