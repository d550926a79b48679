// Writes pictures of the home window's pages and of the pop-up, for looking at.
// Usage: shot_home <output folder>

#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/WriteError.h"
#include "home/Contents.h"
#include "ui/PictureButton.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The window as the screen shows it: its outline over a grey desktop.
void save(QWidget *window, const QString &path)
{
    QApplication::processEvents();
    QTest::qWait(150);
    const QPixmap grabbed = window->grab();
    QPixmap shot(grabbed.size() + QSize(16, 16));
    shot.fill(QColor(90, 100, 110));
    QPainter painter(&shot);
    painter.translate(8, 8);
    if (!window->mask().isEmpty())
        painter.setClipRegion(window->mask());
    painter.drawPixmap(0, 0, grabbed);
    painter.end();
    shot.save(path);
}

void click(QWidget &home, const char *name)
{
    home.findChild<PictureButton *>(QLatin1String(name))->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(out);
    QTemporaryDir dir;

    Contents home(dir.path());
    if (!home.loaded())
        return 1;
    // A few marked papers, so the rows show their states.
    const QString marks = ResultsFilePath(dir.path(), ResultsFile::Marks, home.LChose, home.lblCOD);
    MarksRecords records = ReadMarks(marks, home.TtPapersCon);
    const char *first[5] = {"87.5", "100", "45", "", "99.5"};
    const char *second[5] = {"92", "", "", "", ""};
    for (int i = 1; i <= 5; ++i) {
        records.FirstScores.set(i, QLatin1String(first[i - 1]));
        records.SecondScores.set(i, QLatin1String(second[i - 1]));
    }
    WriteMarks(marks, records, home.TtPapersCon);
    home.RefreshContents();
    home.show();
    home.activateWindow();
    QTest::qWaitForWindowExposed(&home);

    save(&home, out + QStringLiteral("/home-home.png"));
    // The mouse held on a toolbar button, then moved onto the Help tab.
    auto *report = home.findChild<PictureButton *>(QStringLiteral("ToolBar02"));
    QTest::mousePress(report, Qt::LeftButton, {}, QPoint(10, 10));
    QCursor::setPos(report->mapToGlobal(QPoint(10, 10)));
    PictureButton::refreshAll();
    save(&home, out + QStringLiteral("/home-pressed.png"));
    QTest::mouseRelease(report, Qt::LeftButton, {}, QPoint(-50, -50));
    QCursor::setPos(home.findChild<QWidget *>(QStringLiteral("Tab04"))->mapToGlobal(QPoint(30, 10)));
    QTest::mouseMove(home.findChild<QWidget *>(QStringLiteral("Tab04")), QPoint(30, 10));
    save(&home, out + QStringLiteral("/home-hover.png"));
    QCursor::setPos(0, 0);
    QTest::mouseMove(&home, QPoint(200, 480));
    click(home, "ToolBar02");
    save(&home, out + QStringLiteral("/home-report.png"));
    click(home, "Tab04");
    save(&home, out + QStringLiteral("/home-about.png"));
    click(home, "ToolBar02");
    save(&home, out + QStringLiteral("/home-trash-1.png"));
    click(home, "ButTrash");
    save(&home, out + QStringLiteral("/home-trash-2.png"));
    click(home, "ButTrash_Yes");
    save(&home, out + QStringLiteral("/home-trash-3.png"));
    click(home, "Tab02");

    frmPopUp ask(dir.path(), home.PopUpResponse, &home);
    ask.CallPop(QStringLiteral("Marking"),
                QStringLiteral("You have not answered all the questions.  Do you still want to "
                               "mark your practice?"),
                2, &home);
    ask.show();
    save(&ask, out + QStringLiteral("/home-popup-yesno.png"));
    ask.hide();
    frmPopUp notice(dir.path(), home.PopUpResponse, &home);
    notice.CallPop(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1, &home);
    notice.show();
    save(&notice, out + QStringLiteral("/home-popup-ok.png"));
    notice.hide();
    frmPopUp full(dir.path(), home.PopUpResponse, &home);
    full.CallPop(
        QStringLiteral("Quorvane"),
        WriteError(WriteError::DiskFull, dir.filePath(QStringLiteral("first2EN.txt")), QString())
            .pupilMessage(QStringLiteral("The paper"), QStringLiteral("saved"),
                          QStringLiteral("Save")),
        1, &home);
    full.show();
    save(&full, out + QStringLiteral("/home-popup-diskfull.png"));
    full.hide();
    ResultsRepairReport repair;
    repair.repaired = QStringList{QStringLiteral("your scores"),
                                  QStringLiteral("the ticks and crosses of your first answers")};
    repair.made = QStringList{QStringLiteral("the trend of your scores")};
    repair.backup = dir.filePath(QStringLiteral("backups/2025-03-14_16-05-09"));
    frmPopUp repaired(dir.path(), home.PopUpResponse, &home);
    repaired.CallPop(QStringLiteral("Quorvane"), repair.notice(), 1, &home);
    repaired.show();
    save(&repaired, out + QStringLiteral("/home-popup-repaired.png"));
    return 0;
}
