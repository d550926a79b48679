// Corner drag, edge presses, sizing cursors and maximising of a practice
// window, on a real display where the cursor can be placed and read back.

#include "PracticeTestSupport.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsStore.h"
#include "practice/AnswerSheet.h"
#include "practice/PracticeWindow.h"
#include "practice/QuestionView.h"
#include "ui/Twips.h"

#include <QCursor>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPracticeResize : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeHome m_home;
    QPointer<PracticeWindow> m_window;

    QWidget *piece(const char *name) const
    {
        auto *w = m_window->findChild<QWidget *>(QLatin1String(name));
        if (!w)
            qWarning("no child %s", name);
        return w;
    }

    // Moves the cursor to a point of the window; the display reports the move
    // to whatever lies under it.
    void hover(const QPoint &windowPos)
    {
        QCursor::setPos(m_window->mapToGlobal(windowPos));
        QTest::qWait(50);
    }

    Qt::CursorShape shapeAt(const QPoint &windowPos)
    {
        hover(windowPos);
        QWidget *under = m_window->childAt(windowPos);
        return (under ? under : m_window.data())->cursor().shape();
    }

    // Drags the grip with the left button held to a window position.
    void dragTo(QWidget *grip, const QPoint &windowPos)
    {
        QTest::mouseMove(grip, grip->mapFrom(m_window, windowPos));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(ExtractGraphics(m_dir.path()), 0);
        ProductConfig config;
        QVERIFY(ReadProductConfig(m_dir.path(), config));
        QVERIFY(CreateResultsFiles(m_dir.path(), config).isEmpty());
        m_home.ProgramFolder = m_dir.path();
        m_home.LChose = 2;
        m_home.lblCOD = config.code;
        m_home.TtPapersCon = 10;
        m_home.PaperNum = 106;
        m_home.TopicCount = 6;
        m_home.SubH1 = QStringLiteral("Mock Examination");
    }

    void init()
    {
        m_window = new PracticeWindow(Attempt::First, m_home);
        QSignalSpy loaded(m_window.data(), &PracticeWindow::questionPageLoaded);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(!loaded.isEmpty() || loaded.wait(15000));
        m_window->setGeometry(40, 40, 800, 600);
        QTRY_COMPARE(m_window->size(), QSize(800, 600));
        QTRY_COMPARE(m_window->pos(), QPoint(40, 40));
    }

    void cleanup()
    {
        if (m_window)
            m_window->Unload();
        QTRY_VERIFY(m_window.isNull());
    }

    void opensAtFourFifthsOfTheScreen()
    {
        m_window->Unload();
        QTRY_VERIFY(m_window.isNull());
        m_window = new PracticeWindow(Attempt::First, m_home);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_window->size(), QSize(screen.width() * 8 / 10, screen.height() * 8 / 10));
    }

    void cornerDragStopsAtTheMinimum()
    {
        QWidget *grip = piece("Sizer");
        QVERIFY(grip);
        const QPoint corner(grip->width() - 1, grip->height() - 1);
        QTest::mousePress(grip, Qt::LeftButton, {}, corner);
        // The press puts the cursor on the bottom edge.
        QCOMPARE(QCursor::pos().y(), m_window->geometry().top() + m_window->height());

        dragTo(grip, QPoint(700, 500));
        QCOMPARE(m_window->size(), QSize(700, 500));
        // Towards the top-left corner the size stops at the last one above the minimum.
        dragTo(grip, QPoint(Px(kMinPracticeWidth) + 3, Px(kMinPracticeHeight) + 3));
        const QSize smallest = m_window->size();
        QVERIFY(Tw(smallest.width()) > kMinPracticeWidth);
        QVERIFY(Tw(smallest.height()) > kMinPracticeHeight);
        for (const QPoint &p : {QPoint(Px(kMinPracticeWidth) - 1, Px(kMinPracticeHeight) - 1),
                                QPoint(300, 200), QPoint(100, 80)}) {
            dragTo(grip, p);
            QCOMPARE(m_window->size(), smallest);
        }
        // Only one side past its limit: the other still follows.
        dragTo(grip, QPoint(300, 420));
        QCOMPARE(m_window->size(), QSize(smallest.width(), 420));
        // Out again without releasing the button.
        dragTo(grip, QPoint(900, 650));
        QCOMPARE(m_window->size(), QSize(900, 650));
        QCOMPARE(m_window->pos(), QPoint(40, 40));
        QCOMPARE(m_window->layoutRects().ansBox.right() + 1,
                 Tw(900) - Tw(m_window->frameRightWidth()));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, grip->mapFrom(m_window, QPoint(900, 650)));

        // After the release a move changes nothing.
        QTest::mouseMove(grip, QPoint(2, 2));
        QCOMPARE(m_window->size(), QSize(900, 650));
    }

    void edgePressesOnlyMoveTheCursor_data()
    {
        QTest::addColumn<QString>("pieceName");
        QTest::addColumn<QPoint>("windowPos");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left edge") << "BLeft" << QPoint(2, 300) << QPoint(0, 300) << false;
        // The top edge is the title bar's, which only moves the window: the
        // cursor stays where it was pressed.
        QTest::newRow("top edge") << "BTopCentre" << QPoint(300, 2) << QPoint(300, 2) << true;
        QTest::newRow("right edge") << "BRight" << QPoint(797, 300) << QPoint(800, 300) << false;
        QTest::newRow("bottom edge") << "BBot" << QPoint(300, 597) << QPoint(300, 600) << false;
        QTest::newRow("bottom-left corner")
            << "BBotLeft" << QPoint(3, 597) << QPoint(3, 600) << false;
    }

    void edgePressesOnlyMoveTheCursor()
    {
        QFETCH(QString, pieceName);
        QFETCH(QPoint, windowPos);
        QFETCH(QPoint, cursor);
        QFETCH(bool, moves);
        QWidget *edge = piece(qPrintable(pieceName));
        QVERIFY(edge);
        QCOMPARE(m_window->childAt(windowPos), edge);
        const QPoint local = edge->mapFrom(m_window, windowPos);
        QCursor::setPos(m_window->mapToGlobal(windowPos));
        QTest::mousePress(edge, Qt::LeftButton, {}, local);
        QCOMPARE(QCursor::pos(), m_window->pos() + cursor);
        QTest::mouseMove(edge, local - QPoint(100, 150));
        QTest::mouseRelease(edge, Qt::LeftButton, {}, local - QPoint(100, 150));
        QCOMPARE(m_window->size(), QSize(800, 600));
        QCOMPARE(m_window->pos() != QPoint(40, 40), moves);
    }

    // Anywhere on the grip that is drawn in the corner sizes the window, not
    // only in the edge zones; the window's corner then follows the mouse.
    void gripSizesFromAnyPoint_data()
    {
        QTest::addColumn<QPoint>("onGrip");
        QTest::newRow("top-left pixel") << QPoint(0, 0);
        QTest::newRow("middle") << QPoint(6, 6);
        QTest::newRow("corner") << QPoint(11, 11);
    }

    void gripSizesFromAnyPoint()
    {
        QFETCH(QPoint, onGrip);
        QWidget *grip = piece("Sizer");
        QCOMPARE(grip->size(), QSize(12, 12));
        QCOMPARE(m_window->childAt(grip->mapTo(m_window, onGrip)), grip);
        QTest::mousePress(grip, Qt::LeftButton, {}, onGrip);
        QCOMPARE(QCursor::pos(), m_window->geometry().topLeft() + QPoint(800, 600));
        dragTo(grip, QPoint(700, 500));
        QCOMPARE(m_window->size(), QSize(700, 500));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, grip->mapFrom(m_window, QPoint(700, 500)));
    }

    void otherButtonsDoNotDrag()
    {
        QWidget *grip = piece("Sizer");
        const QPoint corner(grip->width() - 1, grip->height() - 1);
        QTest::mousePress(grip, Qt::RightButton, {}, corner);
        QTest::mouseMove(grip, grip->mapFrom(m_window, QPoint(700, 500)));
        QTest::mouseRelease(grip, Qt::RightButton, {}, grip->mapFrom(m_window, QPoint(700, 500)));
        QCOMPARE(m_window->size(), QSize(800, 600));
    }

    void edgeCursors_data()
    {
        QTest::addColumn<QPoint>("windowPos");
        QTest::addColumn<int>("shape");
        QTest::newRow("left edge") << QPoint(2, 300) << int(Qt::SizeHorCursor);
        QTest::newRow("right edge") << QPoint(797, 300) << int(Qt::SizeHorCursor);
        QTest::newRow("bottom edge") << QPoint(300, 597) << int(Qt::SizeVerCursor);
        QTest::newRow("top edge") << QPoint(300, 2) << int(Qt::SizeVerCursor);
        QTest::newRow("title bar") << QPoint(300, 12) << int(Qt::ArrowCursor);
        QTest::newRow("bottom-right corner") << QPoint(795, 595) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-left corner") << QPoint(3, 597) << int(Qt::SizeBDiagCursor);
        QTest::newRow("top-left corner") << QPoint(5, 5) << int(Qt::SizeFDiagCursor);
    }

    void edgeCursors()
    {
        QFETCH(QPoint, windowPos);
        QFETCH(int, shape);
        // From inside the window, so that the display reports a move onto the edge.
        hover(QPoint(400, 300));
        QCOMPARE(int(shapeAt(windowPos)), shape);
    }

    void maximiseAndRestoreKeepTheSheetArrangement_data()
    {
        QTest::addColumn<bool>("hideSheet");
        QTest::newRow("sheet shown") << false;
        QTest::newRow("sheet hidden") << true;
    }

    void maximiseAndRestoreKeepTheSheetArrangement()
    {
        QFETCH(bool, hideSheet);
        if (hideSheet)
            m_window->ImgHandle_Click();
        QCOMPARE(m_window->SheetShown(), !hideSheet);
        QWidget *sheet = m_window->answerSheet();
        QWidget *view = m_window->questionView();
        QWidget *strip = piece("PicHideAns");
        const auto check = [&] {
            const int w = m_window->width();
            const int right = w - m_window->frameRightWidth();
            if (hideSheet) {
                QCOMPARE(sheet->x(), w);
                QCOMPARE(strip->geometry().right() + 1, right);
            } else {
                QCOMPARE(sheet->geometry().right() + 1, right);
                QCOMPARE(strip->geometry().right() + 1, sheet->x());
            }
            QCOMPARE(view->geometry().right() + 1, strip->x());
            QCOMPARE(piece("ToolBar06")->parentWidget()->width(),
                     w - m_window->frameLeftWidth() - m_window->frameRightWidth());
            QVERIFY(piece("ToolBar06")->geometry().right() >
                    piece("ToolBar06")->parentWidget()->width() - 20);
        };
        check();

        // Without a window manager on the test display nothing resizes a
        // maximised window; the test does it as one would.
        const QRect screen = m_window->screen()->availableGeometry();
        QTest::mouseClick(piece("imgProgMax"), Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_VERIFY(m_window->isMaximized());
        if (!QTest::qWaitFor([&] { return m_window->size() == screen.size(); }, 500))
            m_window->windowHandle()->setGeometry(screen);
        QTRY_COMPARE(m_window->size(), screen.size());
        check();
        // A press on the grip while maximised leaves the window as it is.
        QWidget *grip = piece("Sizer");
        QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(grip->width() - 1, grip->height() - 1));
        QTest::mouseMove(grip, grip->mapFrom(m_window, QPoint(600, 500)));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, grip->mapFrom(m_window, QPoint(600, 500)));
        QCOMPARE(m_window->size(), screen.size());

        QTest::mouseClick(piece("imgProgMax"), Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_VERIFY(!m_window->isMaximized());
        if (!QTest::qWaitFor([&] { return m_window->size() == QSize(800, 600); }, 500))
            m_window->windowHandle()->setGeometry(40, 40, 800, 600);
        QTRY_COMPARE(m_window->size(), QSize(800, 600));
        check();
        QCOMPARE(m_window->SheetShown(), !hideSheet);
    }
};

PRACTICE_WINDOW_TEST_MAIN(TestPracticeResize)
#include "tst_practiceresize.moc"
