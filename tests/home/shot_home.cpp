// Writes pictures of the home window's pages and of the pop-up, for looking at.
// Usage: shot_home <output folder>

#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/WriteError.h"
#include "home/Contents.h"
#include "reports/ReportPage.h"
#include "ui/PictureButton.h"
#include "ui/frmPopUp.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// Saves the next skinned pop-ups as they appear, in order, each once the
// keyboard is in it, then answers it with the given keys.
void shootPopUps(QList<QPair<QString, QList<Qt::Key>>> shots)
{
    if (shots.isEmpty())
        return;
    QTimer::singleShot(50, [shots]() mutable {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || box->objectName() != QLatin1String("frmPopUp") || !box->focusWidget()) {
            shootPopUps(shots);
            return;
        }
        const auto [path, keys] = shots.takeFirst();
        save(box, path);
        shootPopUps(shots);
        for (const Qt::Key key : keys)
            QTest::keyClick(box->focusWidget(), key);
    });
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
    // A few marked papers, so the rows and the card show their states.
    const QString marks = ResultsFilePath(dir.path(), ResultsFile::Marks, home.LChose, home.lblCOD);
    const auto storeMarks = [&] {
        MarksRecords records = ReadMarks(marks, home.TtPapersCon);
        const char *first[5] = {"87.5", "100", "45", "", "99.5"};
        const char *second[5] = {"92", "", "", "", ""};
        const char *times[5] = {"0:12:30", "0:9:4", "0:21:0", "", "0:15:42"};
        const char *dates[5] = {"3/2/2025", "4/2/2025", "10/2/2025", "", "11/2/2025"};
        for (int i = 1; i <= 5; ++i) {
            records.FirstScores.set(i, QLatin1String(first[i - 1]));
            records.SecondScores.set(i, QLatin1String(second[i - 1]));
            records.TimesTaken.set(i, QLatin1String(times[i - 1]));
            records.CompletionDates.set(i, QLatin1String(dates[i - 1]));
        }
        // Two or three marked papers in every later topic, so the report has all
        // its bars, and a trend of the first attempts in the order they were marked.
        QString trend = QStringLiteral("#TRD#");
        for (int i = 6; i <= home.TtPapersCon; ++i) {
            if (i % 5 == 4 || i % 5 == 0)
                continue;
            const int score = 40 + (i * 37) % 61;
            records.FirstScores.set(i, QString::number(score));
            if (score < 90)
                records.SecondScores.set(i, QString::number(qMin(100, score + 15)));
            trend += QLatin1Char('>') + QString::number(score);
        }
        WriteMarks(marks, records, home.TtPapersCon);
        QFile trendFile(ResultsFilePath(dir.path(), ResultsFile::Trend, home.LChose, home.lblCOD));
        if (trendFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            trendFile.write(trend.toLatin1());
        trendFile.close();
    };
    storeMarks();
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
    QCursor::setPos(
        home.findChild<QWidget *>(QStringLiteral("Tab04"))->mapToGlobal(QPoint(30, 10)));
    QTest::mouseMove(home.findChild<QWidget *>(QStringLiteral("Tab04")), QPoint(30, 10));
    save(&home, out + QStringLiteral("/home-hover.png"));
    QCursor::setPos(0, 0);
    QTest::mouseMove(&home, QPoint(200, 480));
    click(home, "ToolBar02");
    save(&home, out + QStringLiteral("/home-report.png"));
    if (auto *report = home.findChild<ReportPage *>()) {
        report->RCBar2_Click();
        save(&home, out + QStringLiteral("/home-report-topical.png"));
        report->RCBar3_Click();
        save(&home, out + QStringLiteral("/home-report-trend.png"));
        report->RCBar1_Click();
    }
    click(home, "Tab04");
    save(&home, out + QStringLiteral("/home-about.png"));
    click(home, "ToolBar02");
    save(&home, out + QStringLiteral("/home-trash-1.png"));
    click(home, "ButTrash");
    save(&home, out + QStringLiteral("/home-trash-2.png"));
    click(home, "ButTrash_Yes");
    save(&home, out + QStringLiteral("/home-trash-3.png"));
    click(home, "Tab02");

    // The keyboard on a paper's load button.
    home.activateWindow();
    QTest::qWaitForWindowActive(&home);
    home.findChild<QWidget *>(QStringLiteral("P1a"))->setFocus();
    save(&home, out + QStringLiteral("/home-focus-load.png"));
    home.findChild<QWidget *>(QStringLiteral("Tab02"))->setFocus();
    save(&home, out + QStringLiteral("/home-focus-tab.png"));

    // The pop-ups as they open, with the keyboard on their first button.
    shootPopUps({{out + QStringLiteral("/home-popup-yesno.png"), {Qt::Key_Escape}}});
    AskPopUp(dir.path(), QStringLiteral("Marking"),
             QStringLiteral("You have not answered all the questions.  Do you still want to "
                            "mark your practice?"),
             2, &home, PopUpFocus::Second);
    shootPopUps({{out + QStringLiteral("/home-popup-ok.png"), {Qt::Key_Return}}});
    AskPopUp(dir.path(), QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1, &home);

    // The card printed to a PDF file that is already there: asked, replaced, told.
    storeMarks();
    home.RefreshContents();
    const QString card = out + QStringLiteral("/home-card.pdf");
    QFile old(card);
    if (old.open(QIODevice::WriteOnly))
        old.write("%PDF-1.4 an earlier file");
    old.close();
    home.Printer->setOutputFormat(QPrinter::PdfFormat);
    home.Printer->setOutputFileName(card);
    // Tab moves from No to Yes, Enter answers.
    shootPopUps({{out + QStringLiteral("/home-popup-replace.png"), {Qt::Key_Tab, Qt::Key_Return}},
                 {out + QStringLiteral("/home-popup-saved.png"), {Qt::Key_Return}}});
    click(home, "ToolBar03");

    // Printer set-up, whose button says it only chooses the printer.
    click(home, "Tab04");
    QTimer::singleShot(600, [out] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            save(dialog, out + QStringLiteral("/home-printer-setup.png"));
            dialog->reject();
        }
    });
    click(home, "ToolBar04");

    // The notices of a full disk and of a start-up repair.
    shootPopUps({{out + QStringLiteral("/home-popup-diskfull.png"), {Qt::Key_Return}}});
    AskPopUp(
        dir.path(), QStringLiteral("Quorvane"),
        WriteError(WriteError::DiskFull, dir.filePath(QStringLiteral("first2EN.txt")), QString())
            .pupilMessage(QStringLiteral("The paper"), QStringLiteral("saved"),
                          QStringLiteral("Save")),
        1, &home);
    ResultsRepairReport repair;
    repair.repaired = QStringList{QStringLiteral("your scores"),
                                  QStringLiteral("the ticks and crosses of your first answers")};
    repair.made = QStringList{QStringLiteral("the trend of your scores")};
    repair.backup = dir.filePath(QStringLiteral("backups/2025-03-14_16-05-09"));
    shootPopUps({{out + QStringLiteral("/home-popup-repaired.png"), {Qt::Key_Return}}});
    AskPopUp(dir.path(), QStringLiteral("Quorvane"), repair.notice(), 1, &home);
    return 0;
}
