#include "content/ValueText.h"

#include <QLocale>
#include <QtTest>

class TestValueText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void percentText_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("87.25 to even") << 349 << 400 << "87.2";
        QTest::newRow("43.75 to even") << 175 << 400 << "43.8";
        QTest::newRow("30 of 45") << 30 << 45 << "66.7";
        QTest::newRow("2 of 3") << 2 << 3 << "66.7";
        QTest::newRow("1 of 45") << 1 << 45 << "2.2";
        QTest::newRow("half") << 20 << 40 << "50";
        QTest::newRow("all") << 40 << 40 << "100";
        QTest::newRow("none") << 0 << 40 << "0";
        QTest::newRow("87.5") << 35 << 40 << "87.5";
        QTest::newRow("no marks at all") << 0 << 0 << "0";
    }
    void percentText()
    {
        QFETCH(int, score);
        QFETCH(int, total);
        QFETCH(QString, text);
        QCOMPARE(PercentText(score, total), text);
    }

    void roundOneDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("82.25") << 82.25 << "82.2";
        QTest::newRow("82.35") << 82.35 << "82.4";
        QTest::newRow("average of 80 and 84.5") << (80.0 + 84.5) / 2 << "82.2";
        QTest::newRow("85") << 85.0 << "85";
        QTest::newRow("66.666") << 200.0 / 3 << "66.7";
    }
    void roundOneDecimal()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText(RoundOneDecimal(value)), text);
    }

    void localeDecimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(PercentText(35, 40), QStringLiteral("87,5"));
        QCOMPARE(NumberValue(QStringLiteral("87,5")), 87.5);
        QVERIFY(IsNumericText(QStringLiteral(" 2,5 ")));
        QLocale::setDefault(QLocale::c());
    }

    void elapsedText_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("seven minutes five") << qint64(7 * 60 + 5) << "0:7:5";
        QTest::newRow("59 seconds") << qint64(59) << "0:0:59";
        QTest::newRow("one minute") << qint64(60) << "0:1:0";
        QTest::newRow("1:2:3") << qint64(3723) << "1:2:3";
        QTest::newRow("wraps after a day") << qint64(25 * 3600) << "1:0:0";
    }
    void elapsedText()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(ElapsedText(seconds), text);
    }

    void shortDateUsesLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(ShortDateText(QDate(2005, 12, 30)), QStringLiteral("30/12/2005"));
        QLocale::setDefault(QLocale::c());
    }

    void numberValueOfStoredTexts()
    {
        QCOMPARE(NumberValue(QStringLiteral("99.5")), 99.5);
        QCOMPARE(NumberValue(QString()), 0.0);
        QCOMPARE(NumberValue(QStringLiteral("junk")), 0.0);
        QVERIFY(!IsNumericText(QStringLiteral("two")));
    }
};

QTEST_GUILESS_MAIN(TestValueText)
#include "tst_valuetext.moc"
