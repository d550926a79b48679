#pragma once

#include "practice/Attempt.h"
#include "practice/PracticeSession.h"
#include "ui/PracticeLayout.h"
#include "ui/SkinnedWindow.h"
#include "ui/frmPopUp.h"

#include <QDateTime>
#include <array>

class AnswerSheet;
class PictureButton;
class QComboBox;
class QLabel;
class QTimer;
class QuestionPageLink;
class QuestionView;
class SharedState;

// The practice window: Test1 for a first attempt, Test2 for a second. It shows
// one question page of the paper beside the answer sheet, moves between the
// pages storing the answers on every change, saves, marks and closes. The paper
// itself lives in a PracticeSession; this class wires it to the widgets.
class PracticeWindow : public SkinnedWindow
{
    Q_OBJECT

public:
    PracticeWindow(Attempt attempt, SharedState &home, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    // Closes the window without asking: deletes the page file and refreshes the home window.
    void Unload();
    // Pause between the fifteen steps of the marking animation (200 ms).
    void setMarkingStepDelay(int ms) { m_stepDelay = ms; }
    // Whether Print asks through the print dialog first (yes); tests print
    // straight to the run's printer.
    void setPrintDialogShown(bool shown) { m_printDialog = shown; }

    void NextQuestion();
    void PreviousQuestion();
    void RemQns_Click(int page);
    void SavePaper();
    void MarkPaper();
    void ClosePaper();
    void PrintQuestion();
    void ImgHandle_Click();

    const PracticeSession &session() const { return m_session; }
    Attempt attempt() const { return m_attempt; }
    bool SheetShown() const { return m_sheetShown; }
    QuestionView *questionView() const { return m_view; }
    QuestionPageLink *pageLink() const { return m_link; }
    AnswerSheet *answerSheet() const { return m_sheet; }
    // The rectangles of the last layout pass, in twips.
    const PracticeRects &layoutRects() const { return m_rects; }

signals:
    // A page finished loading in the question view.
    void questionPageLoaded(bool ok);

protected:
    void closeRequested() override;
    void activeChanged(bool active) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void LoadSkin();
    void buildToolbar();
    void buildStatusBand();
    void buildScorePanel();
    void Form_Resize();
    void ChangePage(int page);
    void ShowQuestionPage();
    void FillRemainingList();
    void ShowMarkedView();
    void Timer1_Timer();
    void runMarkingAnimation();
    void questionPrinted(bool ok);
    // Asks through the pop-up, centred over this window, and leaves the answer
    // in the shared PopUpResponse.
    bool askPopUp(const QString &title, const QString &message, int buttons,
                  PopUpFocus focus = PopUpFocus::First);
    void reportSaveFailure(const WriteError &error);
    QLabel *statusPanel(const QString &name, const QString &picture, int leftTwips, int widthTwips);

    // Corner drag and edge cursors.
    void Form_MouseDown(const QPoint &windowPos, Qt::MouseButton button);
    void Sizer_MouseDown(Qt::MouseButton button);
    void Form_MouseMove(const QPoint &windowPos, Qt::MouseButtons buttons, QWidget *target);
    void cornerDragTo(const QPoint &globalPos);

    Attempt m_attempt;
    SharedState &m_home;
    PracticeSession m_session;
    QDateTime m_startTime;
    bool m_sheetShown = true;
    bool m_unloaded = false;
    bool m_marking = false;
    bool m_pressTrack = false;
    bool m_dragging = false;
    int m_stepDelay = 200;
    bool m_printDialog = true;
    bool m_shownOnce = false;
    PracticeRects m_rects;
    PracticePieces m_pieces;

    QTimer *m_timer = nullptr;
    QWidget *m_toolStrip = nullptr;
    std::array<PictureButton *, 6> m_tools{};
    QLabel *m_paperSum = nullptr;
    QLabel *m_pScoring = nullptr;
    QLabel *m_pScoringL = nullptr;
    QLabel *m_scoring = nullptr;
    QWidget *m_titleBand = nullptr;
    QLabel *m_qnTitle = nullptr;
    QuestionView *m_view = nullptr;
    QuestionPageLink *m_link = nullptr;
    QWidget *m_statusBand = nullptr;
    QLabel *m_lblClock = nullptr;
    QLabel *m_lTime = nullptr;
    QLabel *m_lblDate = nullptr;
    QLabel *m_eTime = nullptr;
    QLabel *m_lblAnsweredQ = nullptr;
    QLabel *m_lblTotalQ = nullptr;
    QWidget *m_txtRem = nullptr;
    QLabel *m_remLabel = nullptr;
    QComboBox *m_remQns = nullptr;
    QLabel *m_fmeMark = nullptr;
    std::array<QLabel *, 15> m_bars{};
    QWidget *m_hideStrip = nullptr;
    QLabel *m_handle = nullptr;
    AnswerSheet *m_sheet = nullptr;
    QLabel *m_sizer = nullptr;
    // The grip and the side and bottom frame pieces, whose presses start a corner drag.
    QList<QWidget *> m_edgePieces;
};
