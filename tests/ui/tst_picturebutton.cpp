#include "content/ResourceExtractor.h"
#include "ui/PictureButton.h"
#include "ui/PictureCache.h"

#include <QCursor>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestPictureButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cacheIgnoresCase();
    void sizeAndStartPicture();
    void looks_data();
    void looks();
    void sharedPressFlag();
    void picturesFollowTheCursorWhileHeld();
    void keyboardActivates_data();
    void keyboardActivates();
    void captionLabel();

private:
    PictureButton *toolButton(QWidget *parent, const QString &name);

    QTemporaryDir m_dir;
    bool m_press = false;
};

void TestPictureButton::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(ExtractGraphics(m_dir.path()), 0);
}

PictureButton *TestPictureButton::toolButton(QWidget *parent, const QString &name)
{
    auto *button = new PictureButton(parent, name, m_dir.path());
    button->setPictures(QStringLiteral("save_off.bmp"), QStringLiteral("save_on.bmp"),
                        QStringLiteral("save_pressed.bmp"), QStringLiteral("save_disabled.bmp"));
    return button;
}

void TestPictureButton::cacheIgnoresCase()
{
    const QPixmap lower = SkinPicture(m_dir.path(), QStringLiteral("pencil.ico"));
    const QPixmap mixed = SkinPicture(m_dir.path(), QStringLiteral("Pencil.ICO"));
    QVERIFY(!lower.isNull());
    QCOMPARE(mixed.size(), lower.size());
    QVERIFY(SkinPicture(m_dir.path(), QStringLiteral("no_such_picture.bmp")).isNull());
}

void TestPictureButton::sizeAndStartPicture()
{
    QWidget window;
    PictureButton *button = toolButton(&window, QStringLiteral("ToolBar01"));
    QCOMPARE(button->size(), QSize(64, 48));
    QCOMPARE(button->focusPolicy(), Qt::TabFocus);
    QCOMPARE(button->currentPictureName(), QStringLiteral("save_off.bmp"));
}

void TestPictureButton::looks_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("cursorOver");
    QTest::addColumn<bool>("pressFlag");
    QTest::addColumn<QString>("picture");
    QTest::newRow("away") << true << false << false << "save_off.bmp";
    QTest::newRow("away, flag set") << true << false << true << "save_off.bmp";
    QTest::newRow("over") << true << true << false << "save_on.bmp";
    QTest::newRow("over, flag set") << true << true << true << "save_pressed.bmp";
    QTest::newRow("disabled, over") << false << true << true << "save_disabled.bmp";
}

void TestPictureButton::looks()
{
    QFETCH(bool, enabled);
    QFETCH(bool, cursorOver);
    QFETCH(bool, pressFlag);
    QFETCH(QString, picture);

    QWidget window;
    window.resize(300, 200);
    PictureButton *button = toolButton(&window, QStringLiteral("ToolBar01"));
    button->move(100, 50);
    bool flag = pressFlag;
    button->setPressTracker(&flag);
    button->setEnabled(enabled);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(window.mapToGlobal(cursorOver ? QPoint(120, 70) : QPoint(10, 10)));
    QTest::mouseMove(&window, cursorOver ? QPoint(120, 70) : QPoint(10, 10));
    PictureButton::refreshAll();
    QCOMPARE(button->currentPictureName(), picture);
}

void TestPictureButton::sharedPressFlag()
{
    QWidget window;
    window.resize(300, 200);
    PictureButton *first = toolButton(&window, QStringLiteral("ToolBar01"));
    PictureButton *second = toolButton(&window, QStringLiteral("ToolBar02"));
    first->move(10, 10);
    second->move(100, 10);
    bool flag = false;
    first->setPressTracker(&flag);
    second->setPressTracker(&flag);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(flag);
    // Still held: the cursor moves onto the other button.
    QCursor::setPos(second->mapToGlobal(QPoint(10, 10)));
    PictureButton::refreshAll();
    QCOMPARE(second->currentPictureName(), QStringLiteral("save_pressed.bmp"));
    QCOMPARE(first->currentPictureName(), QStringLiteral("save_off.bmp"));

    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!flag);
    PictureButton::refreshAll();
    QVERIFY(second->currentPictureName() != QStringLiteral("save_pressed.bmp"));
}

// With the mouse held on a toolbar button, its pressed picture leaves with the
// cursor and comes back with it, and another button's hover picture follows
// the cursor although the mouse is held elsewhere.
void TestPictureButton::picturesFollowTheCursorWhileHeld()
{
    QWidget window;
    window.resize(300, 200);
    PictureButton *tool = toolButton(&window, QStringLiteral("ToolBar01"));
    tool->move(10, 10);
    auto *paper = new PictureButton(&window, QStringLiteral("P1a"), m_dir.path());
    paper->setPictures(QStringLiteral("loadbutton_off.bmp"), QStringLiteral("loadbutton_on.bmp"));
    paper->move(150, 20);
    bool flag = false;
    tool->setPressTracker(&flag);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The mouse as the window system reports it: moves and presses at window points.
    const auto moveTo = [&](const QPoint &at) {
        QCursor::setPos(window.mapToGlobal(at));
        QTest::mouseMove(window.windowHandle(), at);
        PictureButton::refreshAll();
    };
    const QPoint onTool(30, 30);
    moveTo(onTool);
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, onTool);
    PictureButton::refreshAll();
    QCOMPARE(tool->currentPictureName(), QStringLiteral("save_pressed.bmp"));
    moveTo(QPoint(120, 150));
    QCOMPARE(tool->currentPictureName(), QStringLiteral("save_off.bmp"));
    moveTo(paper->geometry().center());
    QCOMPARE(paper->currentPictureName(), QStringLiteral("loadbutton_on.bmp"));
    moveTo(onTool);
    QCOMPARE(tool->currentPictureName(), QStringLiteral("save_pressed.bmp"));
    QCOMPARE(paper->currentPictureName(), QStringLiteral("loadbutton_off.bmp"));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, onTool);
    PictureButton::refreshAll();
    QCOMPARE(tool->currentPictureName(), QStringLiteral("save_on.bmp"));
}

void TestPictureButton::keyboardActivates_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << true << 1;
    QTest::newRow("Enter when disabled") << int(Qt::Key_Return) << false << 0;
    QTest::newRow("letter") << int(Qt::Key_A) << true << 0;
}

void TestPictureButton::keyboardActivates()
{
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QWidget window;
    PictureButton *button = toolButton(&window, QStringLiteral("ToolBar01"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->setFocus();
    button->setEnabled(enabled);
    QSignalSpy spy(button, &PictureButton::clicked);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(spy.count(), clicks);
}

void TestPictureButton::captionLabel()
{
    QWidget window;
    PictureButton *button = toolButton(&window, QStringLiteral("ToolBar01"));
    button->setCaptionLabelName(QStringLiteral("lblTB01"));
    button->setToolTip(QStringLiteral("Save paper"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Save paper"));
    button->setCaption(QStringLiteral("Save"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Save"));

    auto *label = window.findChild<QLabel *>(QStringLiteral("lblTB01"));
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), button);
    QCOMPARE(label->text(), QStringLiteral("Save"));
    // A toolbar picture keeps its caption in its lower rows, below the icon.
    QCOMPARE(label->geometry(), QRect(0, 32, 64, 16));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(button, &PictureButton::clicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&window, label->geometry().center()));
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
