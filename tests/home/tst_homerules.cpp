#include "home/HomeRules.h"

#include <QTest>

using Captions = std::array<QString, 3>;
using Lefts = std::array<int, 4>;
Q_DECLARE_METATYPE(Captions)
Q_DECLARE_METATYPE(Lefts)

class TestHomeRules : public QObject
{
    Q_OBJECT

private slots:
    void tabLefts_data();
    void tabLefts();
    void tryAgain_data();
    void tryAgain();
    void paperKey_data();
    void paperKey();
    void topicOfCount_data();
    void topicOfCount();
};

void TestHomeRules::tabLefts_data()
{
    QTest::addColumn<Captions>("captions");
    QTest::addColumn<Lefts>("lefts");
    QTest::newRow("level 2 only") << Captions{"", "Upper Primary", ""} << Lefts{-100, 2, -100, 98};
    QTest::newRow("all three") << Captions{"A", "B", "C"} << Lefts{2, 98, 194, 290};
    QTest::newRow("levels 1 and 3") << Captions{"A", "", "C"} << Lefts{2, -100, 98, 194};
    QTest::newRow("none") << Captions{"", "", ""} << Lefts{-100, -100, -100, 2};
}

void TestHomeRules::tabLefts()
{
    QFETCH(Captions, captions);
    QFETCH(Lefts, lefts);
    QCOMPARE(TabLefts(captions, 100), lefts);
}

void TestHomeRules::tryAgain_data()
{
    QTest::addColumn<QString>("firstMark");
    QTest::addColumn<bool>("shown");
    QTest::newRow("never marked") << "" << false;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("87.5") << "87.5" << true;
    QTest::newRow("99") << "99" << true;
    QTest::newRow("99.5") << "99.5" << false;
    QTest::newRow("100") << "100" << false;
}

void TestHomeRules::tryAgain()
{
    QFETCH(QString, firstMark);
    QFETCH(bool, shown);
    QCOMPARE(TryAgainShown(firstMark), shown);
}

void TestHomeRules::paperKey_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("key");
    QTest::newRow("topic 1 paper 1") << 1 << 0 << 101;
    QTest::newRow("topic 3 paper 2") << 3 << 1 << 112;
    QTest::newRow("topic 10 paper 5") << 10 << 4 << 150;
}

void TestHomeRules::paperKey()
{
    QFETCH(int, topic);
    QFETCH(int, offset);
    QFETCH(int, key);
    QCOMPARE(PaperKey(TopicCountOf(topic), offset), key);
}

void TestHomeRules::topicOfCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("topic");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("6") << 6 << 2;
    QTest::newRow("46") << 46 << 10;
    QTest::newRow("7 is no topic start") << 7 << 0;
    QTest::newRow("51 is past the last") << 51 << 0;
    QTest::newRow("0") << 0 << 0;
}

void TestHomeRules::topicOfCount()
{
    QFETCH(int, count);
    QFETCH(int, topic);
    QCOMPARE(TopicOfCount(count), topic);
}

QTEST_APPLESS_MAIN(TestHomeRules)
#include "tst_homerules.moc"
