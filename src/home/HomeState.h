#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The home window's shared state. The practice windows, the report page and the
// pop-up read and write it through the home window, which implements this.
class HomeState
{
public:
    virtual ~HomeState() = default;

    // Re-reads the chosen level's marks and refills the paper rows, keeping the
    // chosen topic. Called by a practice window when it closes.
    virtual void RefreshContents() = 0;
    // The home window, over which dialogs are centred when no other owner fits.
    virtual QWidget *homeWindow() = 0;

    QString ProgramFolder;    // where the working and results files live
    int LChose = 0;           // chosen level 1 .. 3
    QString lblCOD;           // product code
    int TopicCount = 1;       // first paper number of the chosen topic: 1, 6, ... 46
    int PaperNum = 0;         // paper key to open, 101 .. 150
    int TakeNum = 1;          // attempt to open: 1 first, 2 second
    int TtPapersCon = 0;      // paper count of the chosen level
    bool PopUpResponse = false; // the last pop-up answer: true for Yes / OK
    bool RefreshLog = false;  // true while RefreshContents runs
    int txtTabPos = 1;        // chosen tab 1 .. 4
    int txtToolBarPos = 1;    // last toolbar button 1 .. 4
    int txtReportPos = 1;     // chosen report pane 1 .. 3
    bool txtPressTrack = false; // a toolbar button is held down
    bool ContentsFocus = false; // the home window is active
    QString SubH1;            // heading of the chosen topic
    QPrinter *Printer = nullptr; // the one printer of the run; Setup edits it
};
