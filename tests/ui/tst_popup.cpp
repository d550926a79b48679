#include "content/ResourceExtractor.h"
#include "ui/FocusMark.h"
#include "ui/PictureButton.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

frmPopUp *visiblePopUp()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<frmPopUp *>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

} // namespace

class TestPopUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonLayouts_data();
    void buttonLayouts();
    void shortMessagesSitLower_data();
    void shortMessagesSitLower();
    void centredOverOwner();
    void longMessagesMakeTheBoxTaller_data();
    void longMessagesMakeTheBoxTaller();
    void outlineCutsAllCorners();
    void answers_data();
    void answers();
    void keyboardAnswers_data();
    void keyboardAnswers();

private:
    QTemporaryDir m_dir;
};

void TestPopUp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(ExtractGraphics(m_dir.path()), 0);
}

void TestPopUp::buttonLayouts_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("one") << 1 << "OK" << QString();
    QTest::newRow("two") << 2 << "Yes"
                         << "No";
}

void TestPopUp::buttonLayouts()
{
    QFETCH(int, buttons);
    QFETCH(QString, first);
    QFETCH(QString, second);
    frmPopUp box(m_dir.path());
    box.CallPop(QStringLiteral("Marking"), QStringLiteral("Do you want to mark your practice now?"),
                buttons, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *but1 = box.findChild<PictureButton *>(QStringLiteral("But1"));
    auto *but2 = box.findChild<PictureButton *>(QStringLiteral("But2"));
    auto *message = box.findChild<QLabel *>(QStringLiteral("lblMessage"));
    auto *title = box.findChild<QLabel *>(QStringLiteral("lblTitle"));
    QVERIFY(but1 && but2 && message && title);
    QCOMPARE(title->text(), QStringLiteral("Marking"));
    QCOMPARE(box.findChild<QLabel *>(QStringLiteral("But1_lbl"))->text(), first);
    QVERIFY(but1->isVisible());
    QCOMPARE(but2->isVisible(), buttons == 2);
    if (buttons == 1) {
        QCOMPARE(but1->x(), (box.width() - but1->width()) / 2);
    } else {
        QCOMPARE(but1->x(), message->x());
        QCOMPARE(but2->x(), but1->x() + but1->width() + 10);
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("But2_lbl"))->text(), second);
    }
    QCOMPARE(but1->y(), box.height() - but1->height() - 16);
    QCOMPARE(but1->accessibleName(), first);
}

void TestPopUp::shortMessagesSitLower_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("offset");
    QTest::newRow("32 characters") << 32 << 7;
    QTest::newRow("33 characters") << 33 << 0;
}

void TestPopUp::shortMessagesSitLower()
{
    QFETCH(int, length);
    QFETCH(int, offset);
    frmPopUp box(m_dir.path());
    box.CallPop(QStringLiteral("Quorvane"), QString(length, QLatin1Char('x')), 1, nullptr);
    auto *message = box.findChild<QLabel *>(QStringLiteral("lblMessage"));
    auto *info = box.findChild<QLabel *>(QStringLiteral("ImgInfo"));
    QCOMPARE(message->y(), info->y() + offset);
    QCOMPARE(message->x(), info->x() + info->width() + 10);
}

void TestPopUp::centredOverOwner()
{
    QWidget owner;
    owner.setGeometry(300, 200, 600, 500);
    frmPopUp box(m_dir.path());
    box.CallPop(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1, &owner);
    QCOMPARE(box.pos(), QPoint(300 + (600 - box.width()) / 2, 200 + (500 - box.height()) / 2));
}

void TestPopUp::longMessagesMakeTheBoxTaller_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("taller");
    QTest::newRow("short") << "Paper saved" << false;
    QTest::newRow("a repair notice")
        << "Quorvane repaired the damaged files of your scores and the ticks and crosses of your "
           "first answers, keeping everything that could still be read, and made the missing file "
           "of the trend of your scores again; a copy of the files as they were is in "
           "/home/pupil/.local/share/Quorvane/backups/2025-03-14_16-05-09."
        << true;
}

void TestPopUp::longMessagesMakeTheBoxTaller()
{
    QFETCH(QString, message);
    QFETCH(bool, taller);
    frmPopUp box(m_dir.path());
    box.CallPop(QStringLiteral("Quorvane"), message, 1, nullptr);
    auto *label = box.findChild<QLabel *>(QStringLiteral("lblMessage"));
    auto *but1 = box.findChild<PictureButton *>(QStringLiteral("But1"));
    QCOMPARE(box.height() > 160, taller);
    QCOMPARE(box.width(), 360);
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QVERIFY(but1->y() > label->geometry().bottom());
    QCOMPARE(but1->y(), box.height() - but1->height() - 16);
}

void TestPopUp::outlineCutsAllCorners()
{
    frmPopUp box(m_dir.path());
    const QRegion mask = box.mask();
    const int w = box.width();
    const int h = box.height();
    QVERIFY(mask.contains(QPoint(w / 2, h / 2)));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QVERIFY(!mask.contains(corner));
}

void TestPopUp::answers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes") << 2 << "But1" << true;
    QTest::newRow("No") << 2 << "But2" << false;
    QTest::newRow("OK") << 1 << "But1" << true;
    QTest::newRow("Escape on a question is No") << 2 << "Escape" << false;
    QTest::newRow("Escape on a notice is OK") << 1 << "Escape" << true;
    QTest::newRow("a close request is ignored, then Yes") << 2 << "close, But1" << true;
}

void TestPopUp::answers()
{
    QFETCH(int, buttons);
    QFETCH(QString, action);
    QFETCH(bool, answer);
    QWidget owner;
    owner.resize(500, 400);
    owner.show();

    bool stillOpenAfterClose = false;
    QTimer::singleShot(0, [&] {
        frmPopUp *box = visiblePopUp();
        QVERIFY(box);
        if (action == QLatin1String("Escape")) {
            QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
            return;
        }
        if (action.startsWith(QLatin1String("close"))) {
            box->close();
            stillOpenAfterClose = box->isVisible();
        }
        QTest::mouseClick(box->findChild<QWidget *>(action.section(QLatin1Char(' '), -1)),
                          Qt::LeftButton, {}, QPoint(5, 5));
    });
    const bool got = AskPopUp(m_dir.path(), QStringLiteral("Close Practice"),
                              QStringLiteral("Confirm?"), buttons, &owner);
    QCOMPARE(got, answer);
    QCOMPARE(stillOpenAfterClose, action.startsWith(QLatin1String("close")));
    QVERIFY(!visiblePopUp());
}

void TestPopUp::keyboardAnswers_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    const int first = int(PopUpFocus::First);
    const int second = int(PopUpFocus::Second);
    QTest::newRow("Enter on Yes") << first << 0 << int(Qt::Key_Return) << true;
    QTest::newRow("Tab, Space on No") << first << 1 << int(Qt::Key_Space) << false;
    QTest::newRow("Tab, Tab, Enter on Yes") << first << 2 << int(Qt::Key_Return) << true;
    QTest::newRow("starting on No: Enter") << second << 0 << int(Qt::Key_Return) << false;
    QTest::newRow("starting on No: Space") << second << 0 << int(Qt::Key_Space) << false;
    QTest::newRow("starting on No: Tab, Enter on Yes")
        << second << 1 << int(Qt::Key_Return) << true;
}

void TestPopUp::keyboardAnswers()
{
    QFETCH(int, start);
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, answer);
    QString focused;
    bool markShown = false;
    QTimer::singleShot(0, [&] {
        frmPopUp *box = visiblePopUp();
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowActive(box));
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(box->focusWidget(), Qt::Key_Tab);
        auto *button = qobject_cast<PictureButton *>(box->focusWidget());
        QVERIFY(button);
        focused = button->objectName();
        // The focused button shows the focus ring on its edge.
        const QImage look = button->grab().toImage();
        markShown = look.pixelColor(1, look.height() / 2) == FocusMarkColour();
        QTest::keyClick(box->focusWidget(), Qt::Key(key));
    });
    QCOMPARE(AskPopUp(m_dir.path(), QStringLiteral("Marking"), QStringLiteral("Mark now?"), 2,
                      nullptr, PopUpFocus(start)),
             answer);
    QCOMPARE(focused, answer ? QStringLiteral("But1") : QStringLiteral("But2"));
    QVERIFY(markShown);
}

QTEST_MAIN(TestPopUp)
#include "tst_popup.moc"
