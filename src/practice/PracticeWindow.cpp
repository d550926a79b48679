#include "practice/PracticeWindow.h"

#include "content/ValueText.h"
#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/QuestionPageLink.h"
#include "practice/QuestionView.h"
#include "ui/PictureButton.h"
#include "ui/PictureCache.h"
#include "ui/SharedState.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace {

const QColor kCream(244, 245, 235);
const QColor kLavender(192, 192, 255);
const QColor kNavy(0, 0, 128);

// The edge zones are 6 pixels deep.
constexpr int kGrab = 6 * 15;
constexpr int kStatusBandHeight = 420;
constexpr int kTitleBandHeight = 375;
constexpr int kHideStripWidth = 150;

struct ToolSpec
{
    const char *caption;
    const char *tip;
    const char *stem;
    bool canDisable;
};

constexpr ToolSpec kTools[6] = {
    {"Save", "Save paper", "save", true},        {"Mark", "Mark paper", "mark", true},
    {"Print", "Print question", "print", false}, {"Close", "Close paper", "close", false},
    {"Back", "Previous question", "back", true}, {"Next", "Next question", "forward", true},
};

QRect pxRect(const QRect &twips)
{
    return QRect(Px(twips.left()), Px(twips.top()), Px(twips.width()), Px(twips.height()));
}

QSize twSize(const QSize &pixels)
{
    return QSize(Tw(pixels.width()), Tw(pixels.height()));
}

void fillColour(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

QLabel *textLabel(const QString &name, const QString &text, QWidget *parent, double points,
                  bool bold, const QColor &colour = kNavy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

// The printer of the run, made here when the home window has none yet.
QPrinter *runPrinter(SharedState &home)
{
    static std::unique_ptr<QPrinter> fallback;
    if (!home.Printer) {
        fallback = std::make_unique<QPrinter>(QPrinter::HighResolution);
        home.Printer = fallback.get();
    }
    return home.Printer;
}

} // namespace

PracticeWindow::PracticeWindow(Attempt attempt, SharedState &home, QWidget *parent)
    : SkinnedWindow(WindowKind::Practice, home.ProgramFolder, parent), m_attempt(attempt),
      m_home(home), m_session(attempt, {home.ProgramFolder, home.LChose, home.lblCOD, home.PaperNum,
                                        home.TopicCount, home.TtPapersCon})
{
    setObjectName(attempt == Attempt::First ? QStringLiteral("Test1") : QStringLiteral("Test2"));
    setAttribute(Qt::WA_DeleteOnClose);
    Form_Load();
}

PracticeWindow::~PracticeWindow()
{
    if (!m_unloaded) {
        m_unloaded = true;
        QFile::remove(m_session.PageFile(m_session.QSCount()));
    }
}

void PracticeWindow::Form_Load()
{
    LoadSkin();

    // 80 % of the screen, 10 % in from its top-left corner.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        setGeometry(s.left() + s.width() / 10, s.top() + s.height() / 10, s.width() * 8 / 10,
                    s.height() * 8 / 10);
    }

    m_session.Load();
    const QString caption = m_session.Caption(m_home.SubH1);
    setWindowTitle(caption);
    setTitleText(caption);
    m_qnTitle->setText(QStringLiteral("Question ") + QString::number(m_session.QSCount()));

    ShowQuestionPage();
    m_sheet->SetupAnswerBoxes(m_session, m_session.IsMarked());
    m_sheet->ShowAnswerFrames(m_session.BoxesOnPage(m_session.QSCount()));
    if (m_lTime) {
        m_lTime->setText(m_session.LTime());
        m_eTime->setText(m_session.ETime());
    }
    m_pScoring->setText(m_session.PScoring());
    FillRemainingList();
    if (m_session.IsMarked())
        MarkPaper();
    m_sheet->FocusFirstEmptyBox();

    m_sheetShown = true;
    m_startTime = QDateTime::currentDateTime();
    m_lblTotalQ->setText(QString::number(m_session.BoxCount()));
    if (m_lblDate)
        m_lblDate->setText(ShortDateText(m_startTime.date()));
    Timer1_Timer();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &PracticeWindow::Timer1_Timer);
    m_timer->start(100);
}

void PracticeWindow::LoadSkin()
{
    const QString folder = m_home.ProgramFolder;
    setMouseTracking(true);

    m_toolStrip = new QWidget(this);
    m_toolStrip->setObjectName(QStringLiteral("ScnTabBG"));
    fillColour(m_toolStrip, kCream);
    buildToolbar();
    buildScorePanel();

    m_view = new QuestionView(this);
    connect(m_view, &QuestionView::pageLoaded, this, &PracticeWindow::questionPageLoaded);
    connect(m_view, &QuestionView::questionPrinted, this, &PracticeWindow::questionPrinted);

    m_titleBand = new QWidget(this);
    m_titleBand->setObjectName(QStringLiteral("QnTitleBG"));
    fillColour(m_titleBand, kLavender);
    m_qnTitle = textLabel(QStringLiteral("QnTitle"), QString(), m_titleBand, 10, true);
    m_qnTitle->move(Px(120), 0);

    buildStatusBand();

    m_hideStrip = new QWidget(this);
    m_hideStrip->setObjectName(QStringLiteral("PicHideAns"));
    fillColour(m_hideStrip, kCream);
    m_handle = new QLabel(m_hideStrip);
    m_handle->setObjectName(QStringLiteral("ImgHandle"));
    m_handle->setPixmap(SkinPicture(folder, QStringLiteral("Handle.bmp")));
    m_handle->adjustSize();
    m_handle->setCursor(Qt::PointingHandCursor);
    m_handle->setToolTip(QStringLiteral("Hide answer sheet"));
    m_handle->installEventFilter(this);

    m_sheet = new AnswerSheet(m_attempt, folder, this);
    m_link = new QuestionPageLink(m_view, m_sheet, m_session, this);
    connect(m_sheet, &AnswerSheet::enterAfterLastBox, this, &PracticeWindow::NextQuestion);

    m_sizer = new QLabel(this);
    m_sizer->setObjectName(QStringLiteral("Sizer"));
    m_sizer->setPixmap(SkinPicture(folder, QStringLiteral("statusgrabber.bmp")));
    m_sizer->adjustSize();
    m_sizer->setCursor(Qt::SizeFDiagCursor);
    m_sizer->installEventFilter(this);
    m_edgePieces.append(m_sizer);

    // The frame pieces at the edges report their presses and moves here, for
    // the corner drag and the sizing cursors; the top pieces only for the cursors.
    for (const char *name : {"BLeft", "BRight", "BBot", "BBotLeft", "BBotRight"}) {
        if (auto *piece = findChild<QWidget *>(QLatin1String(name))) {
            piece->setMouseTracking(true);
            piece->installEventFilter(this);
            m_edgePieces.append(piece);
        }
    }
    for (const char *name : {"BTopLeft", "BTopCentre", "BTopRight"}) {
        if (auto *piece = findChild<QWidget *>(QLatin1String(name))) {
            piece->setMouseTracking(true);
            piece->installEventFilter(this);
        }
    }

    m_pieces.topLeft = QSize(Tw(frameLeftWidth()), Tw(titleBarHeight()));
    m_pieces.topRight = QSize(Tw(frameRightWidth()), Tw(titleBarHeight()));
    m_pieces.left = QSize(Tw(frameLeftWidth()), 0);
    m_pieces.right = QSize(Tw(frameRightWidth()), 0);
    m_pieces.botLeft = QSize(Tw(frameLeftWidth()), Tw(frameBottomHeight()));
    m_pieces.botRight = QSize(Tw(frameRightWidth()), Tw(frameBottomHeight()));
    m_pieces.bot = QSize(0, Tw(frameBottomHeight()));
    m_pieces.sizer = twSize(m_sizer->size());
    for (int i = 0; i < 6; ++i)
        m_pieces.toolButtons[size_t(i)] = twSize(m_tools[size_t(i)]->sizeHint());
    m_pieces.paperSum = twSize(m_paperSum->size());
    m_pieces.paperSumTop = (m_pieces.toolStripHeight - m_pieces.paperSum.height()) / 2;
    m_pieces.ansBoxWidth = AnswerSheet::kWidth;
    m_pieces.hideStripWidth = kHideStripWidth;
    m_pieces.instruction = twSize(m_sheet->PicInstruction()->sizeHint());
    m_pieces.titleBandHeight = kTitleBandHeight;
    m_pieces.statusBandHeight = kStatusBandHeight;
}

void PracticeWindow::buildToolbar()
{
    const QString folder = m_home.ProgramFolder;
    for (int i = 0; i < 6; ++i) {
        const ToolSpec &spec = kTools[i];
        const QString n = QString::number(i + 1);
        auto *button = new PictureButton(m_toolStrip, QStringLiteral("ToolBar0") + n, folder);
        const QString stem = QLatin1String(spec.stem);
        button->setPictures(stem + QStringLiteral("_off.bmp"), stem + QStringLiteral("_on.bmp"),
                            stem + QStringLiteral("_pressed.bmp"),
                            spec.canDisable ? stem + QStringLiteral("_disabled.bmp") : QString());
        button->setCaptionLabelName(QStringLiteral("lblTB0") + n);
        button->setCaption(QLatin1String(spec.caption));
        button->setToolTip(QLatin1String(spec.tip));
        button->setPressTracker(&m_pressTrack);
        button->resize(button->sizeHint());
        m_tools[size_t(i)] = button;
    }
    connect(m_tools[0], &PictureButton::clicked, this, &PracticeWindow::SavePaper);
    connect(m_tools[1], &PictureButton::clicked, this, &PracticeWindow::MarkPaper);
    connect(m_tools[2], &PictureButton::clicked, this, &PracticeWindow::PrintQuestion);
    connect(m_tools[3], &PictureButton::clicked, this, &PracticeWindow::ClosePaper);
    connect(m_tools[4], &PictureButton::clicked, this, &PracticeWindow::PreviousQuestion);
    connect(m_tools[5], &PictureButton::clicked, this, &PracticeWindow::NextQuestion);
}

void PracticeWindow::buildScorePanel()
{
    m_paperSum = new QLabel(m_toolStrip);
    m_paperSum->setObjectName(QStringLiteral("PaperSum"));
    m_paperSum->setPixmap(SkinPicture(m_home.ProgramFolder, QStringLiteral("pen.bmp")));
    m_paperSum->adjustSize();
    if (m_paperSum->size().isEmpty())
        m_paperSum->resize(Px(1800), Px(720));

    auto *caption =
        textLabel(QStringLiteral("lblScore"), QStringLiteral("Score"), m_paperSum, 8, false);
    caption->setGeometry(Px(120), Px(60), Px(1560), Px(225));
    caption->setAlignment(Qt::AlignCenter);
    m_pScoring = textLabel(QStringLiteral("PScoring"), QString(), m_paperSum, 14, true);
    m_pScoring->setToolTip(QStringLiteral("Your score"));
    m_pScoring->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pScoring->setGeometry(Px(60), Px(270), Px(1200), Px(390));
    m_pScoringL = textLabel(QStringLiteral("PScoringL"), QStringLiteral("%"), m_paperSum, 14, true);
    m_pScoringL->setGeometry(Px(1290), Px(270), Px(420), Px(390));
    m_scoring = new QLabel(QStringLiteral("100"), m_paperSum);
    m_scoring->setObjectName(QStringLiteral("Scoring"));
    m_scoring->hide();
}

QLabel *PracticeWindow::statusPanel(const QString &name, const QString &picture, int leftTwips,
                                    int widthTwips)
{
    auto *panel = new QLabel(m_statusBand);
    panel->setObjectName(name);
    panel->setPixmap(SkinPicture(m_home.ProgramFolder, picture));
    panel->setScaledContents(true);
    panel->setGeometry(pxRect(QRect(leftTwips, 30, widthTwips, 360)));
    return panel;
}

void PracticeWindow::buildStatusBand()
{
    m_statusBand = new QWidget(this);
    m_statusBand->setObjectName(QStringLiteral("RemQnsBG"));
    fillColour(m_statusBand, kCream);

    const bool first = m_attempt == Attempt::First;
    QLabel *bot1 = statusPanel(
        QStringLiteral("Bot1"),
        first ? QStringLiteral("bottombg3.bmp") : QStringLiteral("bottombg1.bmp"), 60, 1800);
    const QRect inside(0, 0, bot1->width(), bot1->height());
    if (first) {
        m_lblClock =
            textLabel(QStringLiteral("lblClock"), QStringLiteral("00:00:00"), bot1, 9, true);
        m_lblClock->setToolTip(QStringLiteral("Clock"));
        m_lTime = textLabel(QStringLiteral("LTime"), QString(), bot1, 9, true);
        m_lTime->setToolTip(QStringLiteral("Time taken"));
        m_lTime->hide();
        QLabel *bot2 =
            statusPanel(QStringLiteral("Bot2"), QStringLiteral("bottombg3.bmp"), 1920, 1800);
        m_lblDate = textLabel(QStringLiteral("lblDate"), QString(), bot2, 9, true);
        m_lblDate->setToolTip(QStringLiteral("Date"));
        m_eTime = textLabel(QStringLiteral("ETime"), QString(), bot2, 9, true);
        m_eTime->setToolTip(QStringLiteral("Date completed"));
        m_eTime->hide();
        for (QLabel *l : {m_lblClock, m_lTime, m_lblDate, m_eTime}) {
            l->setGeometry(inside);
            l->setAlignment(Qt::AlignCenter);
        }
    } else {
        QLabel *second =
            textLabel(QStringLiteral("Label1"), QStringLiteral("Second Attempt"), bot1, 9, true);
        second->setGeometry(inside);
        second->setAlignment(Qt::AlignCenter);
    }

    const int left3 = first ? 3780 : 1920;
    QLabel *bot3 =
        statusPanel(QStringLiteral("Bot3"), QStringLiteral("bottombg3.bmp"), left3, 1800);
    m_lblAnsweredQ = textLabel(QStringLiteral("lblAnsweredQ"), QStringLiteral("0"), bot3, 9, true);
    m_lblAnsweredQ->setToolTip(QStringLiteral("Number of questions answered"));
    m_lblAnsweredQ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblAnsweredQ->setGeometry(0, 0, Px(780), bot3->height());
    QLabel *slash = textLabel(first ? QStringLiteral("Label1") : QStringLiteral("Label3"),
                              QStringLiteral("/"), bot3, 9, true);
    slash->setAlignment(Qt::AlignCenter);
    slash->setGeometry(Px(780), 0, Px(240), bot3->height());
    m_lblTotalQ = textLabel(QStringLiteral("lblTotalQ"), QString(), bot3, 9, true);
    m_lblTotalQ->setToolTip(QStringLiteral("Total number of questions"));
    m_lblTotalQ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lblTotalQ->setGeometry(Px(1020), 0, Px(780), bot3->height());

    m_txtRem =
        statusPanel(QStringLiteral("TxtRem"), QStringLiteral("bottombg2.bmp"), left3 + 1860, 4200);
    m_remLabel =
        textLabel(QStringLiteral("TxtRemlbl"), QStringLiteral("Qns left:"), m_txtRem, 8.25, false);
    m_remLabel->setGeometry(Px(90), 0, Px(900), m_txtRem->height());
    m_remQns = new QComboBox(m_txtRem);
    m_remQns->setObjectName(QStringLiteral("RemQns"));
    m_remQns->setGeometry(Px(990), Px(15), Px(3120), Px(330));
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8.25);
    m_remQns->setFont(small);
    connect(m_remQns, &QComboBox::activated, this,
            [this](int index) { RemQns_Click(m_remQns->itemText(index).toInt()); });

    m_fmeMark = new QLabel(m_statusBand);
    m_fmeMark->setObjectName(QStringLiteral("fmeMark"));
    m_fmeMark->setPixmap(SkinPicture(m_home.ProgramFolder, QStringLiteral("bottombg4.bmp")));
    m_fmeMark->setScaledContents(true);
    m_fmeMark->setGeometry(pxRect(QRect(4680, 0, 3000, 375)));
    for (int k = 1; k <= 15; ++k) {
        auto *bar = new QLabel(m_fmeMark);
        bar->setObjectName(QStringLiteral("imgBar%1").arg(k, 2, 10, QLatin1Char('0')));
        bar->setPixmap(SkinPicture(m_home.ProgramFolder, QStringLiteral("progressbar.bmp")));
        bar->setScaledContents(true);
        bar->setGeometry(pxRect(QRect(50 + 195 * (k - 1), 45, 165, 285)));
        bar->hide();
        m_bars[size_t(k - 1)] = bar;
    }
    m_fmeMark->hide();
}

void PracticeWindow::resizeEvent(QResizeEvent *event)
{
    SkinnedWindow::resizeEvent(event);
    Form_Resize();
}

void PracticeWindow::Form_Resize()
{
    if (!m_sheet)
        return;
    m_rects = LayoutPractice(QSize(Tw(width()), Tw(height())), m_sheetShown, m_pieces);
    const PracticeRects &r = m_rects;
    m_sizer->move(Px(r.sizer.left()), Px(r.sizer.top()));
    m_toolStrip->setGeometry(pxRect(r.toolStrip));
    for (int i = 0; i < 6; ++i)
        m_tools[size_t(i)]->move(Px(r.toolButtons[size_t(i)].left()),
                                 Px(r.toolButtons[size_t(i)].top()));
    m_paperSum->move(Px(r.paperSum.left()), Px(r.paperSum.top()));
    m_sheet->setGeometry(pxRect(r.ansBox));
    // A sheet slid out of the window is hidden, so the keyboard cannot reach it.
    m_sheet->setVisible(m_sheetShown);
    m_hideStrip->setGeometry(pxRect(r.hideStrip));
    m_handle->move((m_hideStrip->width() - m_handle->width()) / 2,
                   (m_hideStrip->height() - m_handle->height()) / 2);
    m_view->setGeometry(pxRect(r.browser));
    m_titleBand->setGeometry(pxRect(r.titleBand));
    m_qnTitle->resize(m_titleBand->width() - m_qnTitle->x(), m_titleBand->height());
    m_statusBand->setGeometry(pxRect(r.statusBand));
    m_sheet->PicInstruction()->setGeometry(pxRect(r.instruction).adjusted(0, 0, 0, 0));
    m_sheet->PicInstruction()->resize(m_sheet->width(), Px(r.instruction.height()));
    m_titleBand->raise();
    m_sizer->raise();
    pRoundCorners();
}

void PracticeWindow::ShowQuestionPage()
{
    if (m_session.ExtractPage(m_session.QSCount()))
        m_view->ShowFile(m_session.PageFile(m_session.QSCount()));
}

// Open, the list offers the pages still to answer; marked, the pages to review.
void PracticeWindow::FillRemainingList()
{
    const bool marked = m_session.IsMarked();
    const QList<int> pages = marked ? m_session.WrongPages() : m_session.RemainingPages();
    m_remLabel->setText(marked ? QStringLiteral("Qns wrong:") : QStringLiteral("Qns left:"));
    m_remQns->setPlaceholderText(!marked           ? QStringLiteral("Select a remaining question")
                                 : pages.isEmpty() ? QStringLiteral("No questions wrong")
                                                   : QStringLiteral("Select a question to check"));
    m_remQns->clear();
    for (const int page : pages)
        m_remQns->addItem(QString::number(page));
    m_remQns->setCurrentIndex(-1);
}

void PracticeWindow::ChangePage(int page)
{
    if (page < 1 || page > m_session.PageCount())
        return;
    const QString leaving = m_session.PageFile(m_session.QSCount());
    WriteError error;
    if (!m_session.MoveToPage(page, m_sheet->PageTexts(), &error))
        reportSaveFailure(error);
    m_qnTitle->setText(QStringLiteral("Question ") + QString::number(m_session.QSCount()));
    m_sheet->SetupAnswerBoxes(m_session, m_session.IsMarked());
    m_sheet->ShowAnswerFrames(m_session.BoxesOnPage(m_session.QSCount()));
    if (QFile::exists(leaving))
        QFile::remove(leaving);
    ShowQuestionPage();
    FillRemainingList();
    m_sheet->FocusFirstEmptyBox();
}

void PracticeWindow::NextQuestion()
{
    if (m_session.QSCount() < m_session.PageCount())
        ChangePage(m_session.QSCount() + 1);
}

void PracticeWindow::PreviousQuestion()
{
    if (m_session.QSCount() > 1)
        ChangePage(m_session.QSCount() - 1);
}

void PracticeWindow::RemQns_Click(int page)
{
    ChangePage(page);
}

// The answers stay in the session, so the pupil loses nothing by going on.
void PracticeWindow::reportSaveFailure(const WriteError &error)
{
    askPopUp(QStringLiteral("Quorvane"),
             error.pupilMessage(QStringLiteral("The paper"), QStringLiteral("saved"),
                                QStringLiteral("Save")),
             1);
}

bool PracticeWindow::askPopUp(const QString &title, const QString &message, int buttons,
                              PopUpFocus focus)
{
    m_home.PopUpResponse = AskPopUp(m_home.ProgramFolder, title, message, buttons, this, focus);
    return m_home.PopUpResponse;
}

void PracticeWindow::SavePaper()
{
    if (m_session.IsMarked())
        return;
    m_session.StorePageAnswers(m_sheet->PageTexts());
    WriteError error;
    if (!m_session.SaveAnswers(&error)) {
        reportSaveFailure(error);
        return;
    }
    askPopUp(QStringLiteral("Quorvane"), QStringLiteral("Paper saved"), 1);
}

void PracticeWindow::MarkPaper()
{
    if (m_marking)
        return;
    if (!m_session.IsMarked()) {
        m_session.StorePageAnswers(m_sheet->PageTexts());
        WriteError error;
        if (!m_session.SaveAnswers(&error)) {
            reportSaveFailure(error);
            return;
        }
        const QString question =
            m_session.HasEmptyAnswer()
                ? QStringLiteral("You have not answered all the questions.  Do you still want "
                                 "to mark your practice?")
                : QStringLiteral("Do you want to mark your practice now?");
        if (!askPopUp(QStringLiteral("Marking"), question, 2, PopUpFocus::Second))
            return;

        m_marking = true;
        runMarkingAnimation();
        const bool marked = m_session.Mark(m_startTime, QDateTime::currentDateTime(), &error);
        m_marking = false;
        if (!marked) {
            askPopUp(QStringLiteral("Marking"),
                     error.pupilMessage(QStringLiteral("The paper"), QStringLiteral("marked"),
                                        QStringLiteral("Mark")),
                     1);
            return;
        }
        m_scoring->setText(QString::number(m_session.Scoring()));
        m_pScoring->setText(m_session.PScoring());
        if (m_lTime) {
            m_lTime->setText(m_session.LTime());
            m_eTime->setText(m_session.ETime());
        }
    }
    ShowMarkedView();
}

// Fifteen steps with the window's input and timer held; only the segments are repainted.
void PracticeWindow::runMarkingAnimation()
{
    if (m_timer)
        m_timer->stop();
    repaint();
    m_fmeMark->show();
    m_fmeMark->raise();
    for (QLabel *bar : m_bars) {
        const QDeadlineTimer pause(m_stepDelay);
        while (!pause.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        bar->show();
        bar->repaint();
    }
    m_fmeMark->hide();
    for (QLabel *bar : m_bars)
        bar->hide();
    if (m_timer)
        m_timer->start(100);
}

void PracticeWindow::ShowMarkedView()
{
    FillRemainingList();
    m_sheet->SetupAnswerBoxes(m_session, true);
    m_sheet->ShowAnswerFrames(m_session.BoxesOnPage(m_session.QSCount()));
    m_link->Refresh();
    if (m_lblClock) {
        m_lblClock->hide();
        m_lTime->show();
        m_lblDate->hide();
        m_eTime->show();
    }
}

void PracticeWindow::ClosePaper()
{
    if (askPopUp(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2))
        Unload();
}

void PracticeWindow::PrintQuestion()
{
    m_view->PrintQuestion(runPrinter(m_home), m_printDialog);
}

// A question printed to a PDF file ends with where it went, or why it did not.
void PracticeWindow::questionPrinted(bool ok)
{
    const QString file = m_view->printedFile();
    if (file.isEmpty())
        return;
    const QString title = QStringLiteral("Print question");
    if (ok)
        TellFileSaved(m_home.ProgramFolder, title, QStringLiteral("The question"), file, this);
    else
        askPopUp(title, QStringLiteral("The question was not saved.\n%1").arg(m_view->printError()),
                 1);
}

void PracticeWindow::closeRequested()
{
    ClosePaper();
}

void PracticeWindow::activeChanged(bool) {}

void PracticeWindow::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_timer)
        m_timer->stop();
    const QString page = m_session.PageFile(m_session.QSCount());
    if (QFile::exists(page))
        QFile::remove(page);
    close();
    m_home.RefreshContents();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        Unload();
        return;
    }
    SkinnedWindow::closeEvent(event);
}

// The window comes to the front with the keyboard in its answer sheet, so the
// first key typed after opening a paper reaches the first empty box.
void PracticeWindow::showEvent(QShowEvent *event)
{
    SkinnedWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    raise();
    activateWindow();
    m_sheet->FocusFirstEmptyBox();
}

void PracticeWindow::Timer1_Timer()
{
    const bool open = !m_session.IsMarked();
    const bool enabled[6] = {open,
                             open,
                             true,
                             true,
                             m_session.QSCount() != 1,
                             m_session.QSCount() != m_session.PageCount()};
    for (int i = 0; i < 6; ++i)
        m_tools[size_t(i)]->setEnabled(enabled[i]);
    if (m_lblClock)
        m_lblClock->setText(ElapsedText(m_startTime.secsTo(QDateTime::currentDateTime())));
    m_lblAnsweredQ->setText(QString::number(m_session.AnsweredCount()));
}

void PracticeWindow::ImgHandle_Click()
{
    m_sheetShown = !m_sheetShown;
    m_handle->setToolTip(m_sheetShown ? QStringLiteral("Hide answer sheet")
                                      : QStringLiteral("Show answer sheet"));
    Form_Resize();
}

bool PracticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (watched == m_handle) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            ImgHandle_Click();
            return true;
        }
        return SkinnedWindow::eventFilter(watched, event);
    }
    if (!widget)
        return SkinnedWindow::eventFilter(watched, event);

    // The top pieces only move the window (the caption drag sees their
    // presses after this filter); the sizing cursors follow them all the same.
    const bool edgePiece = m_edgePieces.contains(widget);
    if (!edgePiece) {
        if (event->type() == QEvent::MouseMove) {
            const auto *e = static_cast<QMouseEvent *>(event);
            Form_MouseMove(widget->mapTo(this, e->position().toPoint()), e->buttons(), widget);
        }
        return SkinnedWindow::eventFilter(watched, event);
    }

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *e = static_cast<QMouseEvent *>(event);
        if (widget == m_sizer)
            Sizer_MouseDown(e->button());
        else
            Form_MouseDown(widget->mapTo(this, e->position().toPoint()), e->button());
        return true;
    }
    case QEvent::MouseMove: {
        const auto *e = static_cast<QMouseEvent *>(event);
        if (m_dragging)
            cornerDragTo(e->globalPosition().toPoint());
        else
            Form_MouseMove(widget->mapTo(this, e->position().toPoint()), e->buttons(), widget);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return SkinnedWindow::eventFilter(watched, event);
    }
}

void PracticeWindow::mousePressEvent(QMouseEvent *event)
{
    Form_MouseDown(event->position().toPoint(), event->button());
    if (!m_dragging)
        SkinnedWindow::mousePressEvent(event);
}

void PracticeWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        cornerDragTo(event->globalPosition().toPoint());
        return;
    }
    Form_MouseMove(event->position().toPoint(), event->buttons(), this);
    SkinnedWindow::mouseMoveEvent(event);
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    SkinnedWindow::mouseReleaseEvent(event);
}

// A left press in an edge zone puts the cursor on that edge; in the
// bottom-right corner it starts a resize that lasts until the button is released.
void PracticeWindow::Form_MouseDown(const QPoint &pos, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const int x = Tw(pos.x());
    const int y = Tw(pos.y());
    const int w = Tw(width());
    const int h = Tw(height());
    const bool leftZone = x < kGrab;
    const bool topZone = y < kGrab;
    const bool rightZone = x > w - kGrab;
    const bool bottomZone = y > h - kGrab;
    const QRect g = geometry();
    if (leftZone)
        QCursor::setPos(g.left(), g.top() + pos.y());
    if (topZone)
        QCursor::setPos(g.left() + pos.x(), g.top());
    if (rightZone)
        QCursor::setPos(g.left() + g.width(), g.top() + pos.y());
    if (bottomZone)
        QCursor::setPos(g.left() + pos.x(), g.top() + g.height());
    const bool normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    m_dragging = rightZone && bottomZone && normal;
}

// The whole grip is a corner handle, not only the part of it inside the edge
// zones: a press on it takes the cursor to the window's corner, which then
// follows the mouse.
void PracticeWindow::Sizer_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        return;
    const QRect g = geometry();
    QCursor::setPos(g.left() + g.width(), g.top() + g.height());
    m_dragging = true;
}

void PracticeWindow::cornerDragTo(const QPoint &globalPos)
{
    const QRect g = geometry();
    const int cx = Tw(globalPos.x() - g.left());
    const int cy = Tw(globalPos.y() - g.top());
    if (cx <= 2 * kGrab || cy <= 2 * kGrab)
        return;
    QSize size = g.size();
    if (cx > kMinPracticeWidth)
        size.setWidth(Px(cx));
    if (cy > kMinPracticeHeight)
        size.setHeight(Px(cy));
    if (size != g.size())
        resize(size);
}

void PracticeWindow::Form_MouseMove(const QPoint &pos, Qt::MouseButtons, QWidget *target)
{
    const int x = Tw(pos.x());
    const int y = Tw(pos.y());
    const int w = Tw(width());
    const int h = Tw(height());
    const bool l = x<kGrab, t = y<kGrab, r = x> w - kGrab, b = y> h - kGrab;
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (l || r)
        shape = Qt::SizeHorCursor;
    if (t || b)
        shape = Qt::SizeVerCursor;
    if ((l && t) || (r && b))
        shape = Qt::SizeFDiagCursor;
    if ((l && b) || (r && t))
        shape = Qt::SizeBDiagCursor;
    if (target == m_sizer)
        return;
    target->setCursor(shape);
}
