#include "content/ResourceExtractor.h"
#include "home/HomeState.h"
#include "ui/PictureButton.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class Home : public HomeState
{
public:
    void RefreshContents() override {}
    QWidget *homeWindow() override { return nullptr; }
};

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
    QTest::newRow("two") << 2 << "Yes" << "No";
}

void TestPopUp::buttonLayouts()
{
    QFETCH(int, buttons);
    QFETCH(QString, first);
    QFETCH(QString, second);
    bool response = false;
    frmPopUp box(m_dir.path(), response);
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
    bool response = false;
    frmPopUp box(m_dir.path(), response);
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
    bool response = false;
    frmPopUp box(m_dir.path(), response);
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
    bool response = false;
    frmPopUp box(m_dir.path(), response);
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
    bool response = false;
    frmPopUp box(m_dir.path(), response);
    const QRegion mask = box.mask();
    const int w = box.width();
    const int h = box.height();
    QVERIFY(mask.contains(QPoint(w / 2, h / 2)));
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QVERIFY(!mask.contains(corner));
}

void TestPopUp::answers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("pressEscapeFirst");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes") << "But1" << false << true;
    QTest::newRow("No") << "But2" << false << false;
    QTest::newRow("Escape ignored, then Yes") << "But1" << true << true;
    QTest::newRow("Escape ignored, then No") << "But2" << true << false;
}

void TestPopUp::answers()
{
    QFETCH(QString, button);
    QFETCH(bool, pressEscapeFirst);
    QFETCH(bool, answer);
    Home home;
    home.ProgramFolder = m_dir.path();
    home.PopUpResponse = !answer;
    QWidget owner;
    owner.resize(500, 400);
    owner.show();

    bool stillOpenAfterEscape = false;
    QTimer::singleShot(0, [&] {
        frmPopUp *box = visiblePopUp();
        QVERIFY(box);
        if (pressEscapeFirst) {
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            stillOpenAfterEscape = box->isVisible();
        }
        QTest::mouseClick(box->findChild<QWidget *>(button), Qt::LeftButton, {}, QPoint(5, 5));
    });
    const bool got = AskPopUp(home, QStringLiteral("Close Practice"), QStringLiteral("Confirm?"),
                              2, &owner);
    QCOMPARE(got, answer);
    QCOMPARE(home.PopUpResponse, answer);
    QCOMPARE(stillOpenAfterEscape, pressEscapeFirst);
    QVERIFY(!visiblePopUp());
}

void TestPopUp::keyboardAnswers_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Enter on Yes") << 0 << int(Qt::Key_Return) << true;
    QTest::newRow("Tab, Space on No") << 1 << int(Qt::Key_Space) << false;
    QTest::newRow("Tab, Tab, Enter on Yes") << 2 << int(Qt::Key_Return) << true;
}

void TestPopUp::keyboardAnswers()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, answer);
    Home home;
    home.ProgramFolder = m_dir.path();
    home.PopUpResponse = !answer;
    QString focused;
    QTimer::singleShot(0, [&] {
        frmPopUp *box = visiblePopUp();
        QVERIFY(box);
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(box->focusWidget(), Qt::Key_Tab);
        focused = box->focusWidget()->objectName();
        QTest::keyClick(box->focusWidget(), Qt::Key(key));
    });
    QCOMPARE(AskPopUp(home, QStringLiteral("Marking"), QStringLiteral("Mark now?"), 2, nullptr),
             answer);
    QCOMPARE(focused, answer ? QStringLiteral("But1") : QStringLiteral("But2"));
}

QTEST_MAIN(TestPopUp)
#include "tst_popup.moc"
