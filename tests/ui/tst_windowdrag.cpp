#include "content/ResourceExtractor.h"
#include "ui/SkinnedWindow.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// Runs under Xvfb: real window positions and mouse input.
class TestWindowDrag : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dragByTheTopEdge_data();
    void dragByTheTopEdge();

private:
    QTemporaryDir m_dir;
};

void TestWindowDrag::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(ExtractGraphics(m_dir.path()), 0);
}

void TestWindowDrag::dragByTheTopEdge_data()
{
    QTest::addColumn<QString>("piece");
    QTest::newRow("top centre") << "BTopCentre";
    QTest::newRow("title") << "Title";
}

void TestWindowDrag::dragByTheTopEdge()
{
    QFETCH(QString, piece);
    SkinnedWindow window(WindowKind::Home, m_dir.path());
    window.setTitleText(QStringLiteral("Drag me"));
    window.setGeometry(100, 100, 405, 492);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    auto *grip = window.findChild<QWidget *>(piece);
    QVERIFY(grip);
    const QPoint at(5, 5);
    QTest::mousePress(grip, Qt::LeftButton, {}, at);
    QTest::mouseMove(grip, at + QPoint(40, 30));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, at + QPoint(40, 30));
    QTRY_COMPARE(window.pos(), start + QPoint(40, 30));
}

QTEST_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
