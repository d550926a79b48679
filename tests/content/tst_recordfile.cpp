#include "content/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestRecordFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("table.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void splitFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three fields") << "#101#>a>b>c" << 3 << QStringList{"a", "b", "c"};
        QTest::newRow("last field swallows the rest") << "#101#>a>b>c" << 2
                                                     << QStringList{"a", "b>c"};
        QTest::newRow("empty fields") << "#FSE#>>>" << 3 << QStringList{"", "", ""};
        QTest::newRow("n = 0") << "#101#>a>b" << 0 << QStringList{};
        QTest::newRow("fewer fields than asked") << "#101#>a" << 3 << QStringList{"a", "", ""};
        QTest::newRow("no separator at all") << "#TRD#" << 2 << QStringList{"", ""};
        QTest::newRow("empty line") << "" << 2 << QStringList{"", ""};
    }
    void splitFields()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(QStringList, expected);
        const FieldList fields = SplitFields50(line, n);
        QCOMPARE(fields.size(), 50);
        QCOMPARE(fields.first(n), expected);
        QVERIFY(fields[n + 1].isEmpty());
    }

    void splitFields80HasCapacity80()
    {
        QCOMPARE(SplitFields80(QStringLiteral("#101#>x"), 1).size(), 80);
        QCOMPARE(ReadFields10(write("#TN2#>A>B\r\n"), QStringLiteral("TN2"), 2).size(), 10);
    }

    void readValue_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("value") << QByteArray("...\r\n#NME#>Practice\r\n...") << "NME" << "Practice";
        QTest::newRow("empty value") << QByteArray("#NME#>\r\n") << "NME" << "";
        QTest::newRow("missing key") << QByteArray("#COD#>EN\r\n") << "NME" << "";
        QTest::newRow("case ignored") << QByteArray("#cod#>EN\r\n") << "COD" << "EN";
        QTest::newRow("first occurrence wins") << QByteArray("#COD#>A\r\n#COD#>B") << "COD" << "A";
        QTest::newRow("bare LF") << QByteArray("#A1#>x\n#COD#>EN\n") << "COD" << "EN";
        QTest::newRow("windows-1252 text") << QByteArray("#NME#>Caf\xe9 \x93quoted\x94") << "NME"
                                           << QStringLiteral("Café “quoted”");
    }
    void readValue()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(ReadValue(write(content), key), expected);
    }

    void readRecordLineWithoutLineEnd()
    {
        const QString path = write("#TRD#");
        QCOMPARE(ReadRecordLine(path, QStringLiteral("TRD")), QStringLiteral("#TRD#"));
        QCOMPARE(ReadValue(path, QStringLiteral("TRD")), QString());
    }

    void missingFileReadsEmpty()
    {
        const QString path = m_dir.filePath(QStringLiteral("absent.txt"));
        QCOMPARE(ReadValue(path, QStringLiteral("NME")), QString());
        QCOMPARE(ReadFields50(path, QStringLiteral("FSE"), 50), FieldList(50));
        QCOMPARE(ReadPaperLines(path, 3), FieldList(50));
    }

    void readFields50OnEmptyRecord()
    {
        const QString path = write("...\r\n#FSE#" + QByteArray(50, '>') + "\r\n...");
        const FieldList fields = ReadFields50(path, QStringLiteral("fse"), 50);
        QCOMPARE(fields, FieldList(50));
    }

    void readAllFieldsOfPaperMap()
    {
        const QString path = write("...\r\n#101#>10001>10002>10003\r\n#102#>10004\r\n...");
        QCOMPARE(ReadAllFields(path, QStringLiteral("101")).toList(),
                 (QStringList{"10001", "10002", "10003"}));
        QCOMPARE(ReadAllFields(path, QStringLiteral("109")).size(), 0);
    }

    void forwardPassStopsAtMissingKey()
    {
        const QString path = write("...\r\n#101#>a\r\n\r\n-----------------------\r\n"
                                   "#102#>b\r\n#104#>d\r\n#105#>e\r\n...");
        const FieldList lines = ReadPaperLines(path, 5);
        QCOMPARE(lines[1], QStringLiteral("#101#>a"));
        QCOMPARE(lines[2], QStringLiteral("#102#>b"));
        QVERIFY(lines[3].isEmpty());
        QVERIFY(lines[4].isEmpty());
        QVERIFY(lines[5].isEmpty());
    }

    void forwardPassOverPages()
    {
        const QString path = write("...\r\n#10001#>1\r\n#10002#>a>b>c>d>e\r\n#10003#>x> >;p;q\r\n...");
        const FieldList ids{"10001", "10002", "10003"};
        QCOMPARE(CountFieldsOfKeys(path, 3, ids).toList(), (QList<qint16>{1, 5, 3}));
        QCOMPARE(ReadFieldsOfKeys(path, 3, ids).toList(),
                 (QStringList{"1", "a", "b", "c", "d", "e", "x", " ", ";p;q"}));
        // Out of order: the pass has gone past 10001 when it is asked for.
        const FieldList backwards{"10002", "10001"};
        QCOMPARE(CountFieldsOfKeys(path, 2, backwards).toList(), (QList<qint16>{5, 0}));
    }

    void saveRecordLineTwiceOnOneHeldList()
    {
        QByteArray templ = "...\r\n";
        for (int k = 101; k <= 110; ++k)
            templ += "#" + QByteArray::number(k) + "#>>\r\n";
        templ += "...";
        const QString path = write(templ);
        FieldList held = ReadPaperLines(path, 10);

        QVERIFY(SaveRecordLine(held, FieldList{"x", "y"}, QStringLiteral("3"),
                               QStringLiteral("103"), 10, 2, path));
        QVERIFY(SaveRecordLine(held, FieldList{"p", ""}, QStringLiteral("7"),
                               QStringLiteral("107"), 10, 2, path));

        const QByteArray bytes = readBytes(path);
        QVERIFY(!bytes.contains("..."));
        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 11); // ten lines, then nothing after the last CR LF
        QCOMPARE(lines[2], QByteArray("#103#>x>y\r"));
        QCOMPARE(lines[6], QByteArray("#107#>p>\r"));
        QCOMPARE(lines[0], QByteArray("#101#>>\r"));
    }

    void saveRecordLineRefusesSeparators_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("greater-than") << "a>b";
        QTest::newRow("line break") << "a\nb";
        QTest::newRow("outside the code page") << QStringLiteral("\u4e2d");
        QTest::newRow("hash") << "#105#";
        QTest::newRow("control character") << "went\u0001";
        QTest::newRow("tab") << "a\tb";
        QTest::newRow("undefined Windows-1252 byte") << QStringLiteral("\u0081");
    }
    void saveRecordLineRefusesSeparators()
    {
        QFETCH(QString, answer);
        const QString path = write("#101#>old\r\n");
        FieldList held{QStringLiteral("#101#>old")};
        WriteError error;
        QVERIFY(!SaveRecordLine(held, FieldList{answer}, QStringLiteral("1"),
                                QStringLiteral("101"), 1, 1, path, &error));
        QCOMPARE(error.problem(), WriteError::BadCharacter);
        QCOMPARE(readBytes(path), QByteArray("#101#>old\r\n"));
    }

    void saveRecordLineStoresMarksAsSingleBytes()
    {
        const QString path = write("");
        FieldList held(1);
        QVERIFY(SaveRecordLine(held, FieldList{QStringLiteral("\u00FC"), QStringLiteral("\u00FB")},
                               QStringLiteral("1"), QStringLiteral("101"), 1, 2, path));
        QCOMPARE(readBytes(path), QByteArray("#101#>\xFC>\xFB\r\n"));
        QCOMPARE(ReadPaperLines(path, 1)[1], QStringLiteral("#101#>\u00FC>\u00FB"));
    }

    void saveRecordLineReportsAFailedWrite()
    {
        FieldList held(1);
        WriteError error;
        QVERIFY(!SaveRecordLine(held, FieldList{"a"}, QStringLiteral("1"), QStringLiteral("101"),
                                1, 1, m_dir.filePath(QStringLiteral("no/such/folder/f.txt")),
                                &error));
        QCOMPARE(error.problem(), WriteError::FolderMissing);
    }

    void writeMarksFileOrder()
    {
        const QString path = write("old content that is longer than the new one\r\n");
        FieldList lists[6];
        const QString keys[6] = {"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
        for (int j = 0; j < 6; ++j)
            lists[j] = FieldList{QString::number(j), QString(), QStringLiteral("z")};
        QVERIFY(WriteMarksFile(lists, keys, 3, path));
        QCOMPARE(readBytes(path), QByteArray("#FSE#>0>>z\r\n#SSE#>1>>z\r\n#LTM#>2>>z\r\n"
                                             "#CDD#>3>>z\r\n#FST#>4>>z\r\n#SST#>5>>z\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
