#include "home/Contents.h"

#include "content/ResourceExtractor.h"
#include "content/ResultsBackup.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "home/AboutPage.h"
#include "home/HomePage.h"
#include "home/HomeRules.h"
#include "home/TopicLabel.h"
#include "home/TrashPage.h"
#include "practice/PracticeWindow.h"
#include "reports/ReportPage.h"
#include "reports/ResultsCardPrinter.h"
#include "ui/PictureButton.h"
#include "ui/PictureCache.h"
#include "ui/Twips.h"
#include "ui/frmPopUp.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

// Window and page geometry. The window is placed in twips; from the outline
// on, the tab row and the pages are laid out in pixels.
constexpr int kWindowLeft = 60;
constexpr int kWindowTop = 60;
constexpr int kWindowWidth = 6070;
constexpr int kWindowHeight = 7380;
constexpr int kStripTop = 60;     // pixels
constexpr int kStripLeft = 2;     // pixels
constexpr int kStripHeight = 765; // twips
constexpr int kToolLeft = 120;    // twips, also the gap between toolbar buttons
constexpr int kToolTop = 2;       // pixels

// Home page, in twips inside the page.
constexpr int kTopicLeft = 360;
constexpr int kTopicTop = 600;
constexpr int kTopicStep = 480;
constexpr int kTopicWidth = 2040;
constexpr int kTopicHeight = 210;
constexpr int kBulletLeft = 120;
constexpr int kPaperLabelLeft = 2640;
constexpr int kRowTop = 960;
constexpr int kRowStep = 960;
constexpr int kPaperButtonLeft = 3000;
constexpr int kAttemptCaptionLeft = 3555;
constexpr int kPercentLeft = 5040;
constexpr int kPercentTop = 1200;
constexpr int kPercentWidth = 135;
constexpr int kMarkGap = 20;
constexpr int kLineHeight = 210;

const QColor kCream(244, 245, 235);

struct ToolRole
{
    const char *caption;
    const char *tip;
    const char *stem;
};

const ToolRole kLevelRoles[4] = {{"Home", "Load Home page", "home"},
                                 {"Report", "Load Report card", "report"},
                                 {"Print", "Print results", "print"},
                                 {"Close", "Close program", "close"}};
const ToolRole kHelpRoles[4] = {{"About", "About Quorvane", "about"},
                                {"Trash", "Trash past results", "trash"},
                                {"", "", "print"},
                                {"Setup", "Printer Setup", "setup"}};

QRect pxRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, const QRect &px)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(px);
    return label;
}

int rowTop(int row)
{
    return kRowTop + kRowStep * (row - 1);
}

} // namespace

QString Contents::writeGraphics(const QString &folder)
{
    ExtractGraphics(folder);
    return folder;
}

Contents::Contents(const QString &programFolder, QWidget *parent)
    : SkinnedWindow(WindowKind::Home, writeGraphics(programFolder), parent)
{
    setObjectName(QStringLiteral("Contents"));
    ProgramFolder = programFolder;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    setFont(font);
    m_printer = std::make_unique<QPrinter>(QPrinter::PrinterResolution);
    m_printer->setResolution(300);
    Printer = m_printer.get();
    Form_Load();
}

Contents::~Contents()
{
    if (m_practice)
        delete m_practice.data();
}

void Contents::Form_Load()
{
    // Steps 1 to 4: pictures written (before the frame was built), window placed
    // and outlined.
    move(Px(kWindowLeft), Px(kWindowTop));
    setFixedSize(Px(kWindowWidth), Px(kWindowHeight));
    pRoundCorners();

    buildTabRow();
    buildToolbar();
    buildHomePage();
    m_report = new ReportPage(*this, this);
    m_trash = new TrashPage(ProgramFolder, this);
    connect(m_trash, &TrashPage::eraseConfirmed, this, &Contents::EraseResults);
    m_about = new AboutPage(ProgramFolder, this);
    for (QWidget *page : {m_home, static_cast<QWidget *>(m_report), static_cast<QWidget *>(m_trash),
                          static_cast<QWidget *>(m_about)}) {
        page->setGeometry(kStripLeft, kStripTop + Px(kStripHeight), Px(kHomePageWidth),
                          Px(kHomePageHeight));
        page->hide();
    }
    // The frame stays above the pages, which reach under its side pieces.
    for (const char *name : {"BLeft", "BRight", "BBot", "BBotLeft", "BBotRight"}) {
        if (auto *piece = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            piece->raise();
    }

    if (!readConfiguration() || !checkResultsFiles())
        return;

    // Captions and tooltips.
    for (int n = 1; n <= 3; ++n) {
        const QString heading = m_config.heading(n);
        m_tabs[size_t(n - 1)]->setCaption(heading);
        m_tabs[size_t(n - 1)]->setToolTip(QStringLiteral("Load ") + heading +
                                          QStringLiteral(" Module"));
    }
    m_tabs[3]->setCaption(QStringLiteral("Help"));
    m_tabs[3]->setToolTip(QStringLiteral("Help"));
    setTitleText(m_config.title);
    ProgramTitle = m_config.title;
    m_about->setProgramName(m_config.title);
    lblCOD = m_config.code;

    layoutTabRow();
    setTabOrderChain();

    const int first = m_config.firstLevel();
    LChose = first;
    txtTabPos = first;
    Tab_Click(first);
    txtToolBarPos = 1;
    txtReportPos = 1;
    TopicCount = 1;
    LoadLevel(LChose, lblCOD);
    // The keyboard starts on the chosen topic, not on the title bar's buttons.
    m_topics[0]->setFocus(Qt::OtherFocusReason);
    m_loaded = true;
}

bool Contents::readConfiguration()
{
    if (!ReadProductConfig(ProgramFolder, m_config)) {
        m_loadError = QStringLiteral(
            "The course could not be read from the program, so there is nothing to show.\n"
            "Please install Quorvane again.");
        return false;
    }
    if (m_config.firstLevel() == 0) {
        m_loadError = QStringLiteral(
            "The course in this copy of the program has no level, so there is nothing to show.\n"
            "Please install Quorvane again.");
        return false;
    }
    return true;
}

bool Contents::checkResultsFiles()
{
    const ResultsRepairReport report =
        RecoverResultsFiles(ProgramFolder, m_config, QDateTime::currentDateTime());
    if (!report.problem.isEmpty()) {
        m_loadError = report.problem;
        return false;
    }
    m_startupNotice = report.notice();
    return true;
}

void Contents::buildTabRow()
{
    m_strip = new QLabel(this);
    m_strip->setObjectName(QStringLiteral("ScnTabBG"));
    const QSize stripSize(Px(kHomePageWidth), Px(kStripHeight));
    QPixmap strip(stripSize);
    strip.fill(kCream);
    {
        QPainter painter(&strip);
        // The strip measures its own height in twips: the line lies 10 twips
        // above its lower edge, on its last pixel row.
        painter.setPen(Qt::black);
        const int y = qMin(Px(Tw(stripSize.height()) - 10), stripSize.height() - 1);
        painter.drawLine(stripSize.width() - 1, y, 0, y);
    }
    m_strip->setPixmap(strip);
    m_strip->setGeometry(QRect(QPoint(kStripLeft, kStripTop), stripSize));

    for (int n = 1; n <= 4; ++n) {
        const QString name = QStringLiteral("Tab0") + QString::number(n);
        auto *tab = new PictureButton(this, name, ProgramFolder);
        tab->setPictures(QStringLiteral("tabs_back_off.bmp"), QStringLiteral("tabs_back_on.bmp"));
        tab->setCaptionLabelName(name + QStringLiteral("lbl"));
        tab->setCaption(QString());
        connect(tab, &PictureButton::clicked, this, [this, n] { Tab_Click(n); });
        m_tabs[size_t(n - 1)] = tab;
    }
}

void Contents::buildToolbar()
{
    for (int n = 1; n <= 4; ++n) {
        const QString number = QString::number(n);
        auto *tool = new PictureButton(m_strip, QStringLiteral("ToolBar0") + number, ProgramFolder);
        tool->setCaptionLabelName(QStringLiteral("lblTB0") + number);
        tool->setPressTracker(&txtPressTrack);
        connect(tool, &PictureButton::clicked, this, [this, n] { ToolBar_Click(n); });
        m_tools[size_t(n - 1)] = tool;
    }
    updateToolbarRoles();
    int left = Px(kToolLeft);
    for (PictureButton *tool : m_tools) {
        tool->move(left, kToolTop);
        left += tool->width() + Px(kToolLeft);
    }
}

void Contents::buildHomePage()
{
    m_home = new QWidget(this);
    m_home->setObjectName(QStringLiteral("Body_Home"));
    m_home->setAutoFillBackground(true);
    QPalette pal = m_home->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    m_home->setPalette(pal);

    QFont bold = font();
    bold.setBold(true);

    const struct
    {
        const char *name;
        const char *picture;
        const char *caption;
        int left;
    } heads[2] = {{"ColHead1", "columnhead1.bmp", "Select a Topic", 60},
                  {"ColHead2", "columnhead2.bmp", "Select a Paper", 2580}};
    for (const auto &head : heads) {
        auto *picture = new QLabel(m_home);
        picture->setObjectName(QLatin1String(head.name));
        const QPixmap pixmap = SkinPicture(ProgramFolder, QLatin1String(head.picture));
        picture->setPixmap(pixmap);
        picture->setGeometry(
            QRect(QPoint(Px(head.left), Px(120)),
                  pixmap.isNull() ? QSize(170, 22) : pixmap.deviceIndependentSize().toSize()));
        auto *caption = textLabel(picture, QLatin1String(head.name) + QStringLiteral("lbl"),
                                  QLatin1String(head.caption), picture->rect());
        caption->setFont(bold);
        caption->setIndent(8);
    }

    const QPixmap bullet = SkinPicture(ProgramFolder, QStringLiteral("bullet.bmp"));
    for (int k = 1; k <= 10; ++k) {
        const int top = kTopicTop + kTopicStep * (k - 1);
        auto *topic = new TopicLabel(QStringLiteral("Topic") + QString::number(k), m_home);
        topic->setGeometry(pxRect(kTopicLeft, top, kTopicWidth, kTopicHeight));
        connect(topic, &TopicLabel::clicked, this, [this, k] { Topic_Click(k); });
        m_topics[size_t(k - 1)] = topic;
        auto *mark = new QLabel(m_home);
        mark->setObjectName(QStringLiteral("Bullet") + QString::number(k));
        mark->setPixmap(bullet);
        const QSize size = bullet.isNull() ? QSize(8, 8) : bullet.deviceIndependentSize().toSize();
        mark->setGeometry(
            QRect(QPoint(Px(kBulletLeft), Px(top) + (Px(kTopicHeight) - size.height()) / 2), size));
        m_bullets[size_t(k - 1)] = mark;
    }

    m_subH1 = textLabel(
        m_home, QStringLiteral("SubH1"), QStringLiteral("Select a Paper"),
        pxRect(kPaperLabelLeft, kTopicTop - 30, kHomePageWidth - kPaperLabelLeft - 120, 270));
    QFont heading = bold;
    heading.setPointSizeF(9);
    m_subH1->setFont(heading);
    SubH1 = m_subH1->text();

    // The column of "%" signs is as wide as the sign, if that is wider than designed.
    const int signWidth =
        qMax(Px(kPercentWidth), m_home->fontMetrics().horizontalAdvance(QLatin1Char('%')) + 2);
    m_percent = new QWidget(m_home);
    m_percent->setObjectName(QStringLiteral("Percent1a"));
    m_percent->setGeometry(Px(kPercentLeft), Px(kPercentTop), signWidth,
                           Px(rowTop(5) + 480 + kLineHeight - kPercentTop));

    for (int i = 1; i <= 5; ++i) {
        const QString n = QString::number(i);
        const int top = rowTop(i);
        auto *paper = textLabel(m_home, QStringLiteral("LblP") + n, QStringLiteral("Paper ") + n,
                                pxRect(kPaperLabelLeft, top, 1500, kLineHeight));
        paper->setFont(bold);

        const struct
        {
            const char *suffix;
            const char *tip;
            const char *caption;
            int offsetTop;
            int take;
        } attempts[2] = {{"a", "Load paper ", "1st Attempt:", 240, 1},
                         {"b", "Try paper %1 again", "2nd Attempt:", 480, 2}};
        for (const auto &a : attempts) {
            const QString suffix = QLatin1String(a.suffix);
            auto *button =
                new PictureButton(m_home, QStringLiteral("P") + n + suffix, ProgramFolder);
            button->setPictures(QStringLiteral("loadbutton_off.bmp"),
                                QStringLiteral("loadbutton_on.bmp"));
            button->setGeometry(pxRect(kPaperButtonLeft, top + a.offsetTop, 525, 210));
            button->setToolTip(a.take == 1 ? QLatin1String(a.tip) + n
                                           : QString(QLatin1String(a.tip)).arg(i));
            const int take = a.take;
            connect(button, &PictureButton::clicked, this,
                    [this, i, take] { OpenPaper(i - 1, take); });
            textLabel(m_home, QStringLiteral("Attempt") + n + suffix, QLatin1String(a.caption),
                      pxRect(kAttemptCaptionLeft, top + a.offsetTop, 1200, kLineHeight));
            auto *mark =
                textLabel(m_home, (take == 1 ? QStringLiteral("MSA") : QStringLiteral("MSB")) + n,
                          QString(), pxRect(kPercentLeft, top + a.offsetTop, 0, kLineHeight));
            auto *sign = textLabel(
                m_percent, QStringLiteral("Percent") + n + suffix, QStringLiteral("%"),
                QRect(0, Px(top + a.offsetTop - kPercentTop), signWidth, Px(kLineHeight)));
            sign->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (take == 1) {
                m_paperA[size_t(i - 1)] = button;
                m_msa[size_t(i - 1)] = mark;
            } else {
                m_paperB[size_t(i - 1)] = button;
                m_msb[size_t(i - 1)] = mark;
            }
        }
    }
}

void Contents::layoutTabRow()
{
    const std::array<QString, 3> captions{m_config.heading(1), m_config.heading(2),
                                          m_config.heading(3)};
    const std::array<int, 4> lefts = TabLefts(captions, m_tabs[0]->width());
    for (int i = 0; i < 4; ++i) {
        m_tabs[size_t(i)]->move(lefts[size_t(i)], m_tabs[size_t(i)]->y());
        m_tabs[size_t(i)]->setVisible(i == 3 || !captions[size_t(i)].isEmpty());
    }
    RaiseTab(txtTabPos);
}

void Contents::setTabOrderChain()
{
    QList<QWidget *> chain;
    for (PictureButton *tab : m_tabs)
        chain.append(tab);
    for (PictureButton *tool : m_tools)
        chain.append(tool);
    for (TopicLabel *topic : m_topics)
        chain.append(topic);
    for (int i = 0; i < 5; ++i) {
        chain.append(m_paperA[size_t(i)]);
        chain.append(m_paperB[size_t(i)]);
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void Contents::LoadLevel(int level, const QString &code)
{
    m_level = ReadLevelData(ProgramFolder, m_config, level, code, m_level);
    TtPapersCon = m_level.PaperTotal;
    for (int k = 1; k <= 10; ++k) {
        TopicLabel *topic = m_topics[size_t(k - 1)];
        topic->setTopicName(k <= m_level.TopicTotal ? m_level.TopicNames[k] : QString());
        const bool shown = k <= m_level.TopicTotal;
        topic->setVisible(shown);
        m_bullets[size_t(k - 1)]->setVisible(shown);
    }
    if (!RefreshLog)
        Topic_Click(1);
}

void Contents::Topic_Click(int k)
{
    TopicCount = TopicCountOf(k);
    TopicChoosing(TopicCount);
    Topicbuttoncolour(k);
}

void Contents::TopicChoosing(int topicNum)
{
    for (int i = 0; i < 5; ++i) {
        m_msa[size_t(i)]->setText(m_level.FirstScores[topicNum + i]);
        m_msb[size_t(i)]->setText(m_level.SecondScores[topicNum + i]);
    }
    if (const int topic = TopicOfCount(topicNum)) {
        m_subH1->setText(m_level.TopicNames[topic]);
        SubH1 = m_subH1->text();
    }
    ArrangePaperRows();
}

void Contents::Topicbuttoncolour(int topicSelected)
{
    const QColor highlightText = palette().color(QPalette::HighlightedText);
    for (int k = 1; k <= 10; ++k) {
        TopicLabel *topic = m_topics[size_t(k - 1)];
        QPalette pal = topic->palette();
        const bool chosen = k == topicSelected;
        pal.setColor(QPalette::Window, chosen ? QColor(128, 128, 128) : highlightText);
        pal.setColor(QPalette::WindowText, chosen ? highlightText : QColor(0, 0, 0));
        topic->setPalette(pal);
    }
}

void Contents::ArrangePaperRows()
{
    const int percentLeft = Tw(m_percent->x());
    const auto place = [percentLeft](QLabel *mark) {
        mark->adjustSize();
        mark->resize(mark->width(), Px(kLineHeight));
        const int left =
            mark->text().isEmpty() ? percentLeft : percentLeft - Tw(mark->width()) - kMarkGap;
        mark->move(Px(left), mark->y());
    };
    for (int i = 0; i < 5; ++i) {
        QLabel *mark = m_msa[size_t(i)];
        place(mark);
        m_paperB[size_t(i)]->setVisible(TryAgainShown(mark->text()));
    }
    for (QLabel *mark : m_msb)
        place(mark);
}

void Contents::OpenPaper(int offset, int take)
{
    PaperNum = PaperKey(TopicCount, offset);
    TakeNum = take;
    unloadPractice();
    m_practice = new PracticeWindow(take == 1 ? Attempt::First : Attempt::Second, *this);
    m_practice->show();
}

void Contents::RefreshContents()
{
    RefreshLog = true;
    LoadLevel(LChose, lblCOD);
    if (const int topic = TopicOfCount(TopicCount))
        Topic_Click(topic);
    RefreshLog = false;
}

void Contents::Tab_Click(int n)
{
    txtTabPos = n;
    txtToolBarPos = 1;
    txtReportPos = 1;
    RaiseTab(n);
    if (n <= 3)
        LChose = n;
    updateToolbarRoles();
    ShowPage();
}

void Contents::ToolBar_Click(int n)
{
    txtToolBarPos = n;
    ShowPage();
}

void Contents::ShowPage()
{
    const int t = txtTabPos;
    const int b = txtToolBarPos;
    if (t >= 1 && t <= 3) {
        switch (b) {
        case 1:
            LoadLevel(LChose, lblCOD);
            placePage(m_home);
            break;
        case 2:
            m_report->BuildReport(m_level);
            m_report->ShowReportPane();
            placePage(m_report);
            break;
        case 3:
            PrintCard();
            break;
        case 4:
            CloseProgram();
            break;
        default:
            break;
        }
    } else if (t == 4) {
        switch (b) {
        case 1:
            placePage(m_about);
            break;
        case 2:
            placePage(m_trash);
            m_trash->Reset();
            break;
        case 4:
            PrintSetup();
            break;
        default:
            break;
        }
    }
}

// The card goes to the run's printer without a dialog. When that printer
// writes a PDF file, an existing file is replaced only after asking, and the
// pupil is told where the card went.
void Contents::PrintCard()
{
    const QString title = QStringLiteral("Print results");
    const QString file = PrintTargetFile(*Printer);
    if (!file.isEmpty() && QFileInfo::exists(file) &&
        !AskReplaceFile(ProgramFolder, title, QStringLiteral("the results card"), file, this))
        return;
    QString error;
    if (!PrintResultsCard(m_level, m_config.title, *Printer, &error)) {
        QMessageBox box(QMessageBox::Warning, title, error, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("PrintFailed"));
        box.exec();
        return;
    }
    if (!file.isEmpty())
        TellFileSaved(ProgramFolder, title, QStringLiteral("The results card"), file, this);
}

void Contents::placePage(QWidget *page)
{
    page->move(m_strip->x(), m_strip->y() + m_strip->height());
    page->show();
    page->raise();
    for (QWidget *other : {m_home, static_cast<QWidget *>(m_report),
                           static_cast<QWidget *>(m_trash), static_cast<QWidget *>(m_about)}) {
        if (other != page)
            other->hide();
    }
    m_front = page;
    for (const char *name : {"BLeft", "BRight", "BBot", "BBotLeft", "BBotRight"}) {
        if (auto *piece = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            piece->raise();
    }
}

void Contents::RaiseTab(int n)
{
    for (int i = 4; i >= 1; --i)
        m_tabs[size_t(i - 1)]->raise();
    m_strip->raise();
    if (n >= 1 && n <= 4)
        m_tabs[size_t(n - 1)]->raise();
    for (int i = 1; i <= 4; ++i) {
        PictureButton *tab = m_tabs[size_t(i - 1)];
        const bool chosen = i == n;
        tab->setPictures(
            chosen ? QStringLiteral("tabs_front_off.bmp") : QStringLiteral("tabs_back_off.bmp"),
            chosen ? QStringLiteral("tabs_front_on.bmp") : QStringLiteral("tabs_back_on.bmp"));
        const double top = m_strip->y() - tab->height() + (chosen ? 0.5 : 2.5);
        tab->move(tab->x(), qRound(top));
    }
}

void Contents::updateToolbarRoles()
{
    const ToolRole *roles = txtTabPos == 4 ? kHelpRoles : kLevelRoles;
    for (int i = 0; i < 4; ++i) {
        const ToolRole &role = roles[i];
        PictureButton *tool = m_tools[size_t(i)];
        const QString stem = QLatin1String(role.stem);
        tool->setPictures(stem + QStringLiteral("_off.bmp"), stem + QStringLiteral("_on.bmp"),
                          stem + QStringLiteral("_pressed.bmp"));
        tool->setToolTip(QLatin1String(role.tip));
        tool->setCaption(QLatin1String(role.caption));
        tool->setVisible(role.caption[0] != '\0');
    }
}

void Contents::CloseProgram()
{
    unloadPractice();
    close();
}

void Contents::PrintSetup()
{
    QPrinter &printer = *Printer;
    const QString name = printer.printerName();
    const QPrinter::OutputFormat format = printer.outputFormat();
    const QString file = printer.outputFileName();
    const QPageLayout layout = printer.pageLayout();
    const int copies = printer.copyCount();
    const QPrinter::ColorMode colour = printer.colorMode();
    const QPrinter::DuplexMode duplex = printer.duplex();

    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // The dialog only chooses the printer: its button says so instead of "Print".
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("&Use this printer"));
            ok->setObjectName(QStringLiteral("UsePrinter"));
        }
    }
    if (dialog.exec() == QDialog::Accepted)
        return;
    // A cancelled dialog leaves the printer as it was.
    printer.setOutputFormat(format);
    if (format == QPrinter::NativeFormat)
        printer.setPrinterName(name);
    printer.setOutputFileName(file);
    printer.setPageLayout(layout);
    printer.setCopyCount(copies);
    printer.setColorMode(colour);
    printer.setDuplex(duplex);
}

void Contents::EraseResults()
{
    unloadPractice();
    WriteError error;
    if (EraseAllResults(ProgramFolder, m_config, QDateTime::currentDateTime(), &error))
        return;
    m_trash->EraseFailed();
    AskPopUp(ProgramFolder, QStringLiteral("Erase results"),
             QStringLiteral("Your past results could not be erased because %1. Nothing was "
                            "changed; %2.")
                 .arg(error.reason(), error.remedy(QStringLiteral("press Trash again"))),
             1, this);
}

void Contents::unloadPractice()
{
    if (!m_practice)
        return;
    PracticeWindow *window = m_practice;
    m_practice.clear();
    window->Unload();
}

void Contents::closeRequested()
{
    CloseProgram();
}

void Contents::activeChanged(bool active)
{
    ContentsFocus = active;
}

void Contents::closeEvent(QCloseEvent *event)
{
    unloadPractice();
    SkinnedWindow::closeEvent(event);
}

PracticeWindow *Contents::practiceWindow() const
{
    return m_practice;
}
