#include "content/Cp1252.h"

#include <QtTest>

class TestCp1252 : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("abc>#") << "abc>#";
        QTest::newRow("marks") << QByteArray("\xFC\xFB") << QStringLiteral("\u00FC\u00FB");
        QTest::newRow("euro and quotes") << QByteArray("\x80\x93\x94\x96")
                                         << QStringLiteral("\u20AC\u201C\u201D\u2013");
        QTest::newRow("latin-1 letters") << QByteArray("\xE9\xF1") << QStringLiteral("\u00E9\u00F1");
    }
    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Cp1252::decode(bytes), text);
        bool ok = false;
        QCOMPARE(Cp1252::encode(text, &ok), bytes);
        QVERIFY(ok);
    }

    void refusesOtherCharacters()
    {
        bool ok = true;
        QCOMPARE(Cp1252::encode(QStringLiteral("a\u4e2db"), &ok), QByteArray("a?b"));
        QVERIFY(!ok);
        QVERIFY(!Cp1252::canEncode(QChar(0x0100)));
        QVERIFY(!Cp1252::canEncode(QChar(0x81))); // undefined in the code page
        QVERIFY(Cp1252::canEncode(QStringLiteral("\u2014\u00FC")));
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
