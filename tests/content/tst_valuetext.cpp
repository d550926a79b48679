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

    // Stored numbers have Latin digits and a decimal sign the files can hold.
    void numbersInOtherLocales_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("C") << "C" << 87.5 << "87.5";
        QTest::newRow("en_GB") << "en_GB" << 87.5 << "87.5";
        QTest::newRow("de_DE") << "de_DE" << 87.5 << "87,5";
        QTest::newRow("fr_FR") << "fr_FR" << 66.7 << "66,7";
        QTest::newRow("ar_EG native digits") << "ar_EG" << 87.5 << "87.5";
        QTest::newRow("fa_IR native digits") << "fa_IR" << 87.5 << "87.5";
        QTest::newRow("bn_BD native digits") << "bn_BD" << 87.5 << "87.5";
        QTest::newRow("mr_IN native digits") << "mr_IN" << 87.5 << "87.5";
        QTest::newRow("de_DE whole") << "de_DE" << 100.0 << "100";
    }
    void numbersInOtherLocales()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(NumberText(value), text);
        QCOMPARE(NumberValue(text), value);
        QLocale::setDefault(QLocale::c());
    }

    // A stored number reads in the locale it was written in and in any other.
    void numbersReadInEitherForm_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("en_GB text under de_DE") << "de_DE"
                                                << "87.5" << true << 87.5;
        QTest::newRow("de_DE text under en_GB") << "en_GB"
                                                << "87,5" << true << 87.5;
        QTest::newRow("de_DE text under C") << "C"
                                            << "87,5" << true << 87.5;
        QTest::newRow("C text under ar_EG") << "ar_EG"
                                            << "66.7" << true << 66.7;
        QTest::newRow("whole under de_DE") << "de_DE"
                                           << "100" << true << 100.0;
        QTest::newRow("not a number") << "de_DE"
                                      << "8x" << false << 0.0;
        QTest::newRow("two commas") << "C"
                                    << "8,7,5" << false << 0.0;
        QTest::newRow("not a number: nan") << "C"
                                           << "nan" << false << 0.0;
        QTest::newRow("not a number: inf") << "en_GB"
                                           << "inf" << false << 0.0;
    }
    void numbersReadInEitherForm()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        QTEST(IsNumericText(text), "numeric");
        QTEST(NumberValue(text), "value");
        QLocale::setDefault(QLocale::c());
    }

    void shortDates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("C") << "C"
                           << "30/12/2005";
        QTest::newRow("en_GB") << "en_GB"
                               << "30/12/2005";
        QTest::newRow("en_US four-digit year") << "en_US"
                                               << "12/30/2005";
        QTest::newRow("de_DE four-digit year") << "de_DE"
                                               << "30.12.2005";
        QTest::newRow("ar_EG Latin digits") << "ar_EG"
                                            << "30/12/2005";
        QTest::newRow("fa_IR Latin digits") << "fa_IR"
                                            << "2005/12/30";
    }
    void shortDates()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        const QString text = ShortDateText(QDate(2005, 12, 30));
        QLocale::setDefault(QLocale::c());
        QTEST(text, "text");
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
