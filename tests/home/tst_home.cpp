#include "HomeTestSupport.h"

#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/ResultsStore.h"
#include "home/AboutPage.h"
#include "home/Contents.h"
#include "home/TopicLabel.h"
#include "ui/FocusMark.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kCode = QStringLiteral("TS");
constexpr int kLevel = 2;
constexpr int kPapers = 10;

QString resultsPath(const QTemporaryDir &dir, ResultsFile file)
{
    return ResultsFilePath(dir.path(), file, kLevel, kCode);
}

QByteArray templateBytes(ResultsFile file)
{
    return ResourceBytes(ResultsTemplateResource(file, kLevel));
}

// Stores first and second marks of one paper in the marks file.
void storeMarks(const QTemporaryDir &dir, int paperIndex, const QString &first,
                const QString &second)
{
    const QString path = resultsPath(dir, ResultsFile::Marks);
    MarksRecords marks = ReadMarks(path, kPapers);
    marks.FirstScores.set(paperIndex, first);
    marks.SecondScores.set(paperIndex, second);
    marks.FirstStates.set(paperIndex, first.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    marks.SecondStates.set(paperIndex,
                           second.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    QVERIFY(WriteMarks(path, marks, kPapers));
}

template <typename T> T *child(QWidget &w, const QString &name)
{
    T *found = w.findChild<T *>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

// Answers the skinned pop-ups as they appear, in order (true: the first
// button), and records their messages.
void answerPopUps(QList<bool> answers, QStringList *messages)
{
    if (answers.isEmpty())
        return;
    WhenShown(QStringLiteral("frmPopUp"), [answers, messages](QWidget *box) mutable {
        messages->append(box->findChild<QLabel *>(QStringLiteral("lblMessage"))->text());
        QWidget *button = box->findChild<QWidget *>(answers.takeFirst() ? QStringLiteral("But1")
                                                                        : QStringLiteral("But2"));
        answerPopUps(answers, messages);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    });
}

QString captionOf(QWidget &w, const QString &label)
{
    auto *l = w.findChild<QLabel *>(label);
    return l ? l->text() : QStringLiteral("<missing>");
}

} // namespace

class TestHome : public QObject
{
    Q_OBJECT

private slots:
    void startUp();
    void startUpWritesNothingWhenAllFilesExist();
    void startUpRepairsOnlyWhatNeedsIt_data();
    void startUpRepairsOnlyWhatNeedsIt();
    void startUpStopsAtAFolderInAFilesPlace();
    void paperRows_data();
    void paperRows();
    void topicChoice();
    void topicNameFitsItsLabel_data();
    void topicNameFitsItsLabel();
    void tabsAndToolbar();
    void trashNoWritesNothing();
    void trashYesRecreatesEveryFile();
    void aFailedEraseChangesNothing();
    void webLink_data();
    void webLink();
    void cancelledPrinterSetupChangesNothing();
    void printWithoutPrinterSaysSo();
    void printingToAFileAsksBeforeReplacing_data();
    void printingToAFileAsksBeforeReplacing();
    void keyboard();
    void homePageCaptionsFit();
    void tabStopsOnlyOnWhatIsSeen_data();
    void tabStopsOnlyOnWhatIsSeen();
};

void TestHome::startUp()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    QVERIFY(home.loaded());

    const QStringList pictures = QDir(GraphicsFolder(dir.path())).entryList(QDir::Files);
    QCOMPARE(pictures.size(), SkinPictureNumbers().size());
    for (const ResultsFile file : kAllResultsFiles) {
        QCOMPARE(FileBytes(resultsPath(dir, file)), templateBytes(file));
        QVERIFY(!QFile::exists(ResultsFilePath(dir.path(), file, 1, kCode)));
        QVERIFY(!QFile::exists(ResultsFilePath(dir.path(), file, 3, kCode)));
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext30000.txt"))));

    QCOMPARE(home.LChose, 2);
    QCOMPARE(home.txtTabPos, 2);
    QCOMPARE(home.txtToolBarPos, 1);
    QCOMPARE(home.txtReportPos, 1);
    QCOMPARE(home.TopicCount, 1);
    QCOMPARE(home.lblCOD, kCode);
    QCOMPARE(home.TtPapersCon, kPapers);
    QCOMPARE(home.SubH1, QStringLiteral("Grammar"));
    QCOMPARE(home.geometry(), QRect(4, 4, 405, 492));

    // Tab row: only level 2 and Help, the chosen tab 2 pixels higher and in front.
    auto *tab1 = child<PictureButton>(home, QStringLiteral("Tab01"));
    auto *tab2 = child<PictureButton>(home, QStringLiteral("Tab02"));
    auto *tab3 = child<PictureButton>(home, QStringLiteral("Tab03"));
    auto *tab4 = child<PictureButton>(home, QStringLiteral("Tab04"));
    QCOMPARE(tab1->x(), -tab1->width());
    QCOMPARE(tab3->x(), -tab3->width());
    QCOMPARE(tab2->x(), 2);
    QCOMPARE(tab4->x(), 2 + tab2->width() - 4);
    QCOMPARE(tab4->y() - tab2->y(), 2);
    QCOMPARE(tab2->y() + tab2->height(), 61);
    QCOMPARE(captionOf(home, QStringLiteral("Tab04lbl")), QStringLiteral("Help"));
    QCOMPARE(tab2->toolTip(),
             QStringLiteral("Load ") + home.config().heading(2) + QStringLiteral(" Module"));
    QCOMPARE(home.frontPage()->objectName(), QStringLiteral("Body_Home"));
    QCOMPARE(captionOf(home, QStringLiteral("Title")), home.config().title);

    // Two topics in the fixture course: the others and their bullets are hidden.
    QCOMPARE(captionOf(home, QStringLiteral("Topic2")), QStringLiteral("Mock Examination"));
    QVERIFY(!home.findChild<QWidget *>(QStringLiteral("Topic3"))->isVisibleTo(&home));
    QVERIFY(!home.findChild<QWidget *>(QStringLiteral("Bullet3"))->isVisibleTo(&home));
}

void TestHome::startUpWritesNothingWhenAllFilesExist()
{
    QTemporaryDir dir;
    {
        Contents first(dir.path());
        QVERIFY(first.loaded());
    }
    storeMarks(dir, 1, QStringLiteral("87.5"), QString());
    const QByteArray marks = FileBytes(resultsPath(dir, ResultsFile::Marks));
    const QDateTime written = QFileInfo(resultsPath(dir, ResultsFile::Trend)).lastModified();

    Contents home(dir.path());
    QVERIFY(home.loaded());
    QCOMPARE(FileBytes(resultsPath(dir, ResultsFile::Marks)), marks);
    QCOMPARE(QFileInfo(resultsPath(dir, ResultsFile::Trend)).lastModified(), written);
    QCOMPARE(captionOf(home, QStringLiteral("MSA1")), QStringLiteral("87.5"));
    QVERIFY(!QFile::exists(BackupsFolder(dir.path())));
    QVERIFY(home.startupNotice().isEmpty());
}

void TestHome::startUpRepairsOnlyWhatNeedsIt_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("notice");
    QTest::newRow("missing trend") << int(ResultsFile::Trend) << QByteArray()
                                   << "made the missing file of the trend of your scores again";
    QTest::newRow("damaged marks") << int(ResultsFile::Marks) << QByteArray("#XXX#")
                                   << "repaired the damaged file of your scores, keeping "
                                      "everything that could still be read";
}

void TestHome::startUpRepairsOnlyWhatNeedsIt()
{
    QFETCH(int, which);
    QFETCH(QByteArray, to);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    {
        Contents first(dir.path());
    }
    storeMarks(dir, 1, QStringLiteral("87.5"), QString());
    const QString path = resultsPath(dir, ResultsFile(which));
    if (to.isEmpty()) {
        QVERIFY(QFile::remove(path));
    } else {
        QByteArray damaged = FileBytes(path);
        damaged.replace("#SSE#", to);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    QMap<ResultsFile, QByteArray> others;
    for (const ResultsFile file : kAllResultsFiles) {
        if (file != ResultsFile(which))
            others.insert(file, FileBytes(resultsPath(dir, file)));
    }

    Contents home(dir.path());
    QVERIFY(home.loaded());
    QVERIFY2(home.startupNotice().contains(notice), qPrintable(home.startupNotice()));
    QVERIFY(home.startupNotice().contains(QDir::toNativeSeparators(BackupsFolder(dir.path()))));
    for (auto it = others.cbegin(); it != others.cend(); ++it)
        QCOMPARE(FileBytes(resultsPath(dir, it.key())), it.value());
    QCOMPARE(captionOf(home, QStringLiteral("MSA1")), QStringLiteral("87.5"));
    QCOMPARE(QDir(BackupsFolder(dir.path())).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(),
             1);
}

void TestHome::startUpStopsAtAFolderInAFilesPlace()
{
    QTemporaryDir dir;
    {
        Contents first(dir.path());
    }
    const QString path = resultsPath(dir, ResultsFile::Marks);
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    Contents home(dir.path());
    QVERIFY(!home.loaded());
    QVERIFY2(home.loadError().startsWith(QLatin1String(
                 "Something that is not a results file stands where the file marks2TS.txt")),
             qPrintable(home.loadError()));
    QVERIFY(QFileInfo(path).isDir());
}

void TestHome::paperRows_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("tryAgain");
    QTest::newRow("never marked") << ""
                                  << "" << false;
    QTest::newRow("first 87.5") << "87.5"
                                << "" << true;
    QTest::newRow("first 99, second 50") << "99"
                                         << "50" << true;
    QTest::newRow("first 99.5") << "99.5"
                                << "" << false;
    QTest::newRow("first 100, second 100") << "100"
                                           << "100" << false;
}

void TestHome::paperRows()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, tryAgain);
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    storeMarks(dir, 3, first, second);
    home.RefreshContents();

    auto *msa = child<QLabel>(home, QStringLiteral("MSA3"));
    auto *msb = child<QLabel>(home, QStringLiteral("MSB3"));
    auto *percent = child<QWidget>(home, QStringLiteral("Percent1a"));
    QCOMPARE(msa->text(), first);
    QCOMPARE(msb->text(), second);
    QCOMPARE(child<QWidget>(home, QStringLiteral("P3b"))->isVisible(), tryAgain);
    QVERIFY(child<QWidget>(home, QStringLiteral("P3a"))->isVisible());
    QCOMPARE(child<QWidget>(home, QStringLiteral("P3a"))->toolTip(),
             QStringLiteral("Load paper 3"));
    QCOMPARE(child<QWidget>(home, QStringLiteral("P3b"))->toolTip(),
             QStringLiteral("Try paper 3 again"));
    // Numbers stand right-aligned just left of their "%" sign.
    for (QLabel *mark : {msa, msb}) {
        if (mark->text().isEmpty())
            QCOMPARE(mark->x(), percent->x());
        else
            QVERIFY(qAbs(mark->x() + mark->width() - (percent->x() - 1)) <= 1);
    }
}

void TestHome::topicChoice()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    storeMarks(dir, 6, QStringLiteral("45"), QString());
    home.RefreshContents();
    QTest::mouseClick(child<QWidget>(home, QStringLiteral("Topic2")), Qt::LeftButton);
    QCOMPARE(home.TopicCount, 6);
    QCOMPARE(home.SubH1, QStringLiteral("Mock Examination"));
    QCOMPARE(captionOf(home, QStringLiteral("SubH1")), QStringLiteral("Mock Examination"));
    QCOMPARE(captionOf(home, QStringLiteral("MSA1")), QStringLiteral("45"));
    QCOMPARE(child<QWidget>(home, QStringLiteral("Topic2"))->palette().color(QPalette::Window),
             QColor(128, 128, 128));
    QCOMPARE(child<QWidget>(home, QStringLiteral("Topic1"))->palette().color(QPalette::WindowText),
             QColor(0, 0, 0));

    // A practice window closing refreshes the rows and keeps the chosen topic.
    storeMarks(dir, 7, QStringLiteral("70"), QString());
    home.RefreshContents();
    QCOMPARE(home.TopicCount, 6);
    QCOMPARE(captionOf(home, QStringLiteral("MSA2")), QStringLiteral("70"));
    QVERIFY(!home.RefreshLog);
}

void TestHome::topicNameFitsItsLabel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("whole");

    QTest::newRow("short name, full size") << "Grammar" << true;
    QTest::newRow("long name, smaller type") << "Visual Text Comprehension" << true;
    QTest::newRow("too long for any type")
        << "Visual Text Comprehension and Interpretation" << false;
}

void TestHome::topicNameFitsItsLabel()
{
    QFETCH(QString, name);
    QFETCH(bool, whole);

    QWidget page;
    page.resize(400, 100);
    TopicLabel label(QStringLiteral("Topic1"), &page);
    label.setGeometry(24, 0, 136, 14);
    label.setTopicName(name);

    const QFontMetrics metrics(label.font());
    QVERIFY(metrics.horizontalAdvance(label.text()) <=
            label.contentsRect().width() - 2 * label.indent());
    QCOMPARE(label.text() == name, whole);
    QCOMPARE(label.toolTip(), whole ? QString() : name);
    QCOMPARE(label.accessibleName(), name);
    if (name.size() < 10)
        QCOMPARE(label.font().pointSizeF(), page.font().pointSizeF());
}

void TestHome::tabsAndToolbar()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    const auto click = [&](const QString &name) {
        child<PictureButton>(home, name)->click();
        return home.frontPage() ? home.frontPage()->objectName() : QString();
    };
    QCOMPARE(captionOf(home, QStringLiteral("lblTB01")), QStringLiteral("Home"));
    QCOMPARE(captionOf(home, QStringLiteral("lblTB04")), QStringLiteral("Close"));

    QCOMPARE(click(QStringLiteral("Tab04")), QStringLiteral("Body_About"));
    QCOMPARE(home.txtTabPos, 4);
    QCOMPARE(home.LChose, 2);
    QCOMPARE(captionOf(home, QStringLiteral("lblTB01")), QStringLiteral("About"));
    QCOMPARE(captionOf(home, QStringLiteral("lblTB02")), QStringLiteral("Trash"));
    QCOMPARE(captionOf(home, QStringLiteral("lblTB04")), QStringLiteral("Setup"));
    QCOMPARE(child<QWidget>(home, QStringLiteral("ToolBar02"))->toolTip(),
             QStringLiteral("Trash past results"));
    QVERIFY(!child<QWidget>(home, QStringLiteral("ToolBar03"))->isVisible());
    QCOMPARE(captionOf(home, QStringLiteral("ProgramName")), home.config().title);

    QCOMPARE(click(QStringLiteral("ToolBar02")), QStringLiteral("Body_Trash"));
    QVERIFY(child<QWidget>(home, QStringLiteral("ButTrash"))->isVisible());
    QCOMPARE(click(QStringLiteral("ToolBar01")), QStringLiteral("Body_About"));

    QCOMPARE(click(QStringLiteral("Tab02")), QStringLiteral("Body_Home"));
    QCOMPARE(captionOf(home, QStringLiteral("lblTB01")), QStringLiteral("Home"));
    QCOMPARE(captionOf(home, QStringLiteral("lblTB02")), QStringLiteral("Report"));
    QCOMPARE(captionOf(home, QStringLiteral("lblTB03")), QStringLiteral("Print"));
    QCOMPARE(child<QWidget>(home, QStringLiteral("ToolBar01"))->toolTip(),
             QStringLiteral("Load Home page"));
    QCOMPARE(click(QStringLiteral("ToolBar02")), QStringLiteral("Body_Report"));
    QCOMPARE(home.txtToolBarPos, 2);
    QCOMPARE(click(QStringLiteral("ToolBar01")), QStringLiteral("Body_Home"));
}

void TestHome::trashNoWritesNothing()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    storeMarks(dir, 1, QStringLiteral("60"), QString());
    const QByteArray marks = FileBytes(resultsPath(dir, ResultsFile::Marks));
    child<PictureButton>(home, QStringLiteral("Tab04"))->click();
    child<PictureButton>(home, QStringLiteral("ToolBar02"))->click();

    child<PictureButton>(home, QStringLiteral("ButTrash"))->click();
    QVERIFY(child<QWidget>(home, QStringLiteral("Trashlbl2"))->isVisible());
    QVERIFY(child<QWidget>(home, QStringLiteral("ButTrash_Yes"))->isVisible());
    QVERIFY(!child<QWidget>(home, QStringLiteral("ButTrash"))->isVisible());

    child<PictureButton>(home, QStringLiteral("ButTrash_No"))->click();
    QVERIFY(child<QWidget>(home, QStringLiteral("ButTrash"))->isVisible());
    QVERIFY(child<QWidget>(home, QStringLiteral("Trashlbl1"))->isVisible());
    QVERIFY(!child<QWidget>(home, QStringLiteral("ButTrash_No"))->isVisible());
    QCOMPARE(FileBytes(resultsPath(dir, ResultsFile::Marks)), marks);
}

void TestHome::trashYesRecreatesEveryFile()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    storeMarks(dir, 1, QStringLiteral("60"), QString());
    child<PictureButton>(home, QStringLiteral("Tab04"))->click();
    child<PictureButton>(home, QStringLiteral("ToolBar02"))->click();
    child<PictureButton>(home, QStringLiteral("ButTrash"))->click();
    const QByteArray marks = FileBytes(resultsPath(dir, ResultsFile::Marks));
    child<PictureButton>(home, QStringLiteral("ButTrash_Yes"))->click();

    for (const ResultsFile file : kAllResultsFiles)
        QCOMPARE(FileBytes(resultsPath(dir, file)), templateBytes(file));
    // What was erased is kept among the backups.
    const QDir backups(BackupsFolder(dir.path()));
    const QStringList sets = backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(sets.size(), 1);
    QCOMPARE(FileBytes(backups.filePath(sets[0] + QLatin1Char('/') +
                                        ResultsFileName(ResultsFile::Marks, kLevel, kCode))),
             marks);
    QVERIFY(child<QWidget>(home, QStringLiteral("Trashlbl3"))->isVisible());
    QVERIFY(!child<QWidget>(home, QStringLiteral("ButTrash_Yes"))->isVisible());

    // Showing the page again starts at its first step; the level shows no marks.
    child<PictureButton>(home, QStringLiteral("ToolBar01"))->click();
    child<PictureButton>(home, QStringLiteral("ToolBar02"))->click();
    QVERIFY(child<QWidget>(home, QStringLiteral("ButTrash"))->isVisible());
    QVERIFY(!child<QWidget>(home, QStringLiteral("Trashlbl3"))->isVisible());
    child<PictureButton>(home, QStringLiteral("Tab02"))->click();
    QCOMPARE(captionOf(home, QStringLiteral("MSA1")), QString());
    QVERIFY(!child<QWidget>(home, QStringLiteral("P1b"))->isVisible());
}

void TestHome::aFailedEraseChangesNothing()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    storeMarks(dir, 1, QStringLiteral("60"), QString());
    const QString trend = resultsPath(dir, ResultsFile::Trend);
    QVERIFY(QFile::remove(trend));
    QVERIFY(QDir().mkpath(trend));
    QMap<ResultsFile, QByteArray> before;
    for (const ResultsFile file : kAllResultsFiles)
        before.insert(file, FileBytes(resultsPath(dir, file)));

    QString told;
    WhenShown(QStringLiteral("frmPopUp"), [&](QWidget *box) {
        told = box->findChild<QLabel *>(QStringLiteral("lblMessage"))->text();
        QTest::mouseClick(box->findChild<QWidget *>(QStringLiteral("But1")), Qt::LeftButton, {},
                          QPoint(5, 5));
    });
    child<PictureButton>(home, QStringLiteral("Tab04"))->click();
    child<PictureButton>(home, QStringLiteral("ToolBar02"))->click();
    child<PictureButton>(home, QStringLiteral("ButTrash"))->click();
    child<PictureButton>(home, QStringLiteral("ButTrash_Yes"))->click();

    QCOMPARE(told, QStringLiteral("Your past results could not be erased because a folder named "
                                  "trend2TS.txt stands where the file should be. Nothing was "
                                  "changed; ask an adult to put this right, then press Trash "
                                  "again."));
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(FileBytes(resultsPath(dir, it.key())), it.value());
    QVERIFY(!child<QWidget>(home, QStringLiteral("Trashlbl3"))->isVisible());
    QVERIFY(child<QWidget>(home, QStringLiteral("ButTrash"))->isVisible());
    QVERIFY(QDir(trend).removeRecursively());
}

void TestHome::webLink_data()
{
    QTest::addColumn<QString>("browser");
    QTest::addColumn<bool>("launches");
    QTest::addColumn<QString>("box");
    QTest::newRow("no browser") << "" << true << "BrowserNotFound";
    QTest::newRow("launch fails") << "firefox.desktop" << false << "UrlFailed";
    QTest::newRow("opened") << "firefox.desktop" << true << "";
}

void TestHome::webLink()
{
    QFETCH(QString, browser);
    QFETCH(bool, launches);
    QFETCH(QString, box);
    QTemporaryDir dir;
    Contents home(dir.path());
    AboutPage *about = home.aboutPage();
    QList<QUrl> opened;
    about->findBrowser = [browser] { return browser; };
    about->openUrl = [&](const QUrl &url) {
        opened.append(url);
        return launches;
    };
    QString shown;
    QString shownText;
    for (const QString &name : {QStringLiteral("BrowserNotFound"), QStringLiteral("UrlFailed")}) {
        WhenShown(name, [&, name](QWidget *w) {
            shown = name;
            shownText = w->windowTitle() + QLatin1Char('/') +
                        w->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            static_cast<QDialog *>(w)->accept();
        });
    }
    about->lbl_QVURL_Click();
    QCOMPARE(shown, box);
    if (box == QLatin1String("BrowserNotFound")) {
        QCOMPARE(shownText, QStringLiteral("Browser Not Found/Could not find associated Browser"));
        QVERIFY(opened.isEmpty());
    } else {
        QCOMPARE(opened,
                 QList<QUrl>{QUrl(QStringLiteral("http://www.quorvane.example/eduprog.html"))});
        if (!box.isEmpty())
            QCOMPARE(shownText, QStringLiteral("URL Failed/Web Page not Opened"));
    }
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.HTM"), QStringLiteral("*.htm")}).size(),
             0);
}

void TestHome::cancelledPrinterSetupChangesNothing()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    QPrinter &printer = *home.Printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("card.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    const QPageLayout layout = printer.pageLayout();

    child<PictureButton>(home, QStringLiteral("Tab04"))->click();
    bool dialogShown = false;
    WhenShown(QStringLiteral("CommonDialog1"), [&](QWidget *w) {
        dialogShown = true;
        QCOMPARE(w->windowTitle(), QStringLiteral("Printer Setup"));
        // Its button chooses the printer; it prints nothing.
        auto *use = w->findChild<QPushButton *>(QStringLiteral("UsePrinter"));
        QVERIFY(use && use->isVisible());
        QCOMPARE(use->text(), QStringLiteral("&Use this printer"));
        static_cast<QDialog *>(w)->reject();
    });
    child<PictureButton>(home, QStringLiteral("ToolBar04"))->click();
    QVERIFY(dialogShown);
    QCOMPARE(home.txtToolBarPos, 4);
    QCOMPARE(home.frontPage()->objectName(), QStringLiteral("Body_About"));
    QVERIFY(printer.pageLayout().isEquivalentTo(layout));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.outputFileName(), dir.filePath(QStringLiteral("card.pdf")));
    QCOMPARE(home.Printer, &printer);
}

void TestHome::printWithoutPrinterSaysSo()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    home.Printer->setOutputFormat(QPrinter::NativeFormat);
    home.Printer->setPrinterName(QStringLiteral("no-such-printer"));
    bool told = false;
    WhenShown(QStringLiteral("PrintFailed"), [&](QWidget *w) {
        told = true;
        static_cast<QDialog *>(w)->accept();
    });
    child<PictureButton>(home, QStringLiteral("ToolBar03"))->click();
    QVERIFY(told);
    QCOMPARE(home.frontPage()->objectName(), QStringLiteral("Body_Home"));
}

void TestHome::printingToAFileAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("written");
    QTest::newRow("a new file") << false << QList<bool>{true} << true;
    QTest::newRow("an existing file, No") << true << QList<bool>{false} << false;
    QTest::newRow("an existing file, Yes") << true << QList<bool>{true, true} << true;
}

// The run's printer writes a PDF file (a question was printed to one): the
// card never replaces a file without asking, and says where it went.
void TestHome::printingToAFileAsksBeforeReplacing()
{
    QFETCH(bool, exists);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, written);
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    const QString pdf = dir.filePath(QStringLiteral("question.pdf"));
    const QByteArray question("%PDF-1.4 the question saved earlier");
    if (exists) {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(question);
    }
    home.Printer->setOutputFormat(QPrinter::PdfFormat);
    home.Printer->setOutputFileName(pdf);

    QStringList messages;
    answerPopUps(answers, &messages);
    child<PictureButton>(home, QStringLiteral("ToolBar03"))->click();
    QCOMPARE(messages.size(), answers.size());
    const QString folderLine = QStringLiteral("in ") + QDir::toNativeSeparators(dir.path());
    if (exists)
        QCOMPARE(messages.first(), QStringLiteral("There is already a file\nquestion.pdf\n%1\n"
                                                  "Replace it with the results card?")
                                       .arg(folderLine));
    if (written)
        QCOMPARE(messages.last(),
                 QStringLiteral("The results card was saved as\nquestion.pdf\n%1").arg(folderLine));
    const QByteArray now = FileBytes(pdf);
    QCOMPARE(now == question, exists && !written);
    QCOMPARE(now.startsWith("%PDF") && now.size() > 1000, written);
    QCOMPARE(home.frontPage()->objectName(), QStringLiteral("Body_Home"));
}

void TestHome::keyboard()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    QVERIFY(QTest::qWaitForWindowExposed(&home));
    home.activateWindow();
    auto *tab2 = child<PictureButton>(home, QStringLiteral("Tab02"));
    tab2->setFocus();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Tab02", "Tab04", "ToolBar01", "ToolBar02", "ToolBar03",
                                 "ToolBar04", "Topic1", "Topic2", "P1a"}));

    // Enter on the Help tab, Space on the second toolbar button: the erase page.
    child<QWidget>(home, QStringLiteral("Tab04"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(home.frontPage()->objectName(), QStringLiteral("Body_About"));
    child<QWidget>(home, QStringLiteral("ToolBar02"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(home.frontPage()->objectName(), QStringLiteral("Body_Trash"));
    // Back to the level, and a topic chosen with the keyboard.
    tab2->setFocus();
    QTest::keyClick(tab2, Qt::Key_Space);
    auto *topic2 = child<QWidget>(home, QStringLiteral("Topic2"));
    topic2->setFocus();
    QTest::keyClick(topic2, Qt::Key_Return);
    QCOMPARE(home.TopicCount, 6);
    for (const char *name : {"Tab02", "ToolBar01", "ToolBar04", "P1a", "imgProgClose"})
        QVERIFY2(!child<QWidget>(home, QLatin1String(name))->accessibleName().isEmpty(), name);
}

// Every caption of the home page, the "%" signs included, fits its label.
void TestHome::homePageCaptionsFit()
{
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    QVERIFY(QTest::qWaitForWindowExposed(&home));
    QWidget *page = child<QWidget>(home, QStringLiteral("Body_Home"));
    int signs = 0;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
            continue;
        const int needed =
            label->fontMetrics().horizontalAdvance(label->text()) + qMax(0, label->indent());
        QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->objectName()));
        signs += label->text() == QLatin1String("%");
    }
    QCOMPARE(signs, 10);
}

void TestHome::tabStopsOnlyOnWhatIsSeen_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("home page") << QStringList{};
    QTest::newRow("report, overall results") << QStringList{"ToolBar02"};
    QTest::newRow("report, topical results") << QStringList{"ToolBar02", "RCBar2"};
    QTest::newRow("report, trend") << QStringList{"ToolBar02", "RCBar3"};
    QTest::newRow("about page") << QStringList{"Tab04"};
    QTest::newRow("erase page") << QStringList{"Tab04", "ToolBar02"};
}

void TestHome::tabStopsOnlyOnWhatIsSeen()
{
    QFETCH(QStringList, clicks);
    QTemporaryDir dir;
    Contents home(dir.path());
    home.show();
    QVERIFY(QTest::qWaitForWindowActive(&home));
    for (const QString &name : clicks)
        QTest::mouseClick(child<QWidget>(home, name), Qt::LeftButton, {}, QPoint(5, 5));
    child<QWidget>(home, QStringLiteral("Tab02"))->setFocus();
    for (int i = 0; i < 40; ++i) {
        QWidget *f = QApplication::focusWidget();
        QVERIFY(f);
        // Shown, inside the window and on top at its middle.
        const QPoint middle = f->mapTo(&home, f->rect().center());
        QWidget *top = home.childAt(middle);
        QVERIFY2(f->isVisible() && home.rect().contains(middle) &&
                     (top == f || f->isAncestorOf(top)),
                 qPrintable(f->objectName()));
        // Every stop shows the focus mark.
        if (auto *button = qobject_cast<PictureButton *>(f)) {
            const QImage look = button->grab().toImage();
            QVERIFY2(look.pixelColor(1, look.height() / 2) == FocusMarkColour(),
                     qPrintable(f->objectName()));
        }
        QTest::keyClick(f, Qt::Key_Tab);
    }
}

QTEST_MAIN(TestHome)
#include "tst_home.moc"
