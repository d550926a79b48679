#include "content/ResourceExtractor.h"
#include "ui/PictureButton.h"
#include "ui/SkinnedWindow.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class ProbeWindow : public SkinnedWindow
{
public:
    using SkinnedWindow::SkinnedWindow;
    using SkinnedWindow::setActiveLook;
    int closeRequests = 0;
    QList<bool> activeChanges;

protected:
    void closeRequested() override { ++closeRequests; }
    void activeChanged(bool active) override { activeChanges.append(active); }
};

class TestSkinnedWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pieces_data();
    void pieces();
    void titleBar_data();
    void titleBar();
    void looks_data();
    void looks();
    void outlineKeepsBottomSquare();
    void closeButtonAsksTheWindow();

private:
    QTemporaryDir m_dir;
};

void TestSkinnedWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(ExtractGraphics(m_dir.path()), 0);
}

void TestSkinnedWindow::pieces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("BTopLeft") << "BTopLeft" << QRect(0, 0, 8, 26);
    QTest::newRow("BTopCentre") << "BTopCentre" << QRect(8, 0, 389, 26);
    QTest::newRow("BTopRight") << "BTopRight" << QRect(397, 0, 8, 26);
    QTest::newRow("BLeft") << "BLeft" << QRect(0, 26, 4, 462);
    QTest::newRow("BRight") << "BRight" << QRect(401, 26, 4, 462);
    QTest::newRow("BBotLeft") << "BBotLeft" << QRect(0, 488, 4, 4);
    QTest::newRow("BBot") << "BBot" << QRect(4, 488, 397, 4);
    QTest::newRow("BBotRight") << "BBotRight" << QRect(401, 488, 4, 4);
}

void TestSkinnedWindow::pieces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    ProbeWindow window(WindowKind::Home, m_dir.path());
    window.resize(405, 492);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *piece = window.findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(piece);
    QCOMPARE(piece->geometry(), geometry);
}

void TestSkinnedWindow::titleBar_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("closeLeft");
    QTest::addColumn<int>("maxLeft");
    QTest::addColumn<int>("minLeft");
    QTest::addColumn<int>("titleLeft");
    // Home: close 60 twips (4 px) from the edge, minimise 30 twips (2 px) left of it.
    QTest::newRow("home") << int(WindowKind::Home) << 600 - 24 - 4 << -1 << 572 - 24 - 2 << 30;
    // Practice: 68 twips (5 px) from the edge, 34 twips (2 px) between the buttons.
    QTest::newRow("practice") << int(WindowKind::Practice) << 600 - 24 - 5 << 571 - 24 - 2
                              << 545 - 24 - 2 << 30;
}

void TestSkinnedWindow::titleBar()
{
    QFETCH(int, kind);
    QFETCH(int, closeLeft);
    QFETCH(int, maxLeft);
    QFETCH(int, minLeft);
    QFETCH(int, titleLeft);
    ProbeWindow window(WindowKind(kind), m_dir.path());
    window.setTitleText(QStringLiteral("Title text"));
    window.resize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *close = window.findChild<PictureButton *>(QStringLiteral("imgProgClose"));
    auto *max = window.findChild<PictureButton *>(QStringLiteral("imgProgMax"));
    auto *min = window.findChild<PictureButton *>(QStringLiteral("imgProgMin"));
    auto *title = window.findChild<QLabel *>(QStringLiteral("Title"));
    auto *icon = window.findChild<QLabel *>(QStringLiteral("ImgIco"));
    QVERIFY(close && min && title && icon);
    QCOMPARE(close->geometry(), QRect(closeLeft, 4, 24, 18));
    QCOMPARE(min->x(), minLeft);
    QCOMPARE(max != nullptr, maxLeft >= 0);
    if (max)
        QCOMPARE(max->x(), maxLeft);
    QCOMPARE(title->x(), titleLeft);
    QCOMPARE(title->y(), (26 - title->height()) / 2);
    QCOMPARE(icon->x(), 9);
    QCOMPARE(window.titleText(), QStringLiteral("Title text"));
    QCOMPARE(window.titleBarHeight(), 26);
    QCOMPARE(window.frameLeftWidth(), 4);
    QCOMPARE(window.frameBottomHeight(), 4);
}

void TestSkinnedWindow::looks_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<QColor>("titleColour");
    QTest::addColumn<QString>("closePicture");
    QTest::newRow("active") << true << QColor(255, 255, 255) << "prog_blueoff_close.bmp";
    QTest::newRow("inactive") << false << QColor(128, 128, 128) << "prog_white_close.bmp";
}

void TestSkinnedWindow::looks()
{
    QFETCH(bool, active);
    QFETCH(QColor, titleColour);
    QFETCH(QString, closePicture);
    ProbeWindow window(WindowKind::Practice, m_dir.path());
    window.resize(600, 400);
    window.setActiveLook(active);
    auto *title = window.findChild<QLabel *>(QStringLiteral("Title"));
    auto *close = window.findChild<PictureButton *>(QStringLiteral("imgProgClose"));
    QCOMPARE(title->palette().color(QPalette::WindowText), titleColour);
    QCOMPARE(close->currentPictureName(), closePicture);
    QCOMPARE(window.activeLook(), active);
}

void TestSkinnedWindow::outlineKeepsBottomSquare()
{
    ProbeWindow window(WindowKind::Home, m_dir.path());
    window.resize(405, 492);
    window.pRoundCorners();
    const QRegion mask = window.mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(404, 0)));
    QVERIFY(mask.contains(QPoint(0, 491)));
    QVERIFY(mask.contains(QPoint(404, 491)));
}

void TestSkinnedWindow::closeButtonAsksTheWindow()
{
    ProbeWindow window(WindowKind::Practice, m_dir.path());
    window.resize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *close = window.findChild<PictureButton *>(QStringLiteral("imgProgClose"));
    close->click();
    QCOMPARE(window.closeRequests, 1);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestSkinnedWindow)
#include "tst_skinnedwindow.moc"
