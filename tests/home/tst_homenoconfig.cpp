#include "home/Contents.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Built without a course: the configuration cannot be read.
class TestHomeNoConfig : public QObject
{
    Q_OBJECT

private slots:
    void endsWithAMessageAndWritesNoResults();
};

void TestHomeNoConfig::endsWithAMessageAndWritesNoResults()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Contents home(dir.path());
    QVERIFY(!home.loaded());
    QVERIFY(home.loadError().contains(QStringLiteral("could not be read")));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QVERIFY2(files.isEmpty(), qPrintable(files.join(QLatin1Char(' '))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext30000.txt"))));
}

QTEST_MAIN(TestHomeNoConfig)
#include "tst_homenoconfig.moc"
