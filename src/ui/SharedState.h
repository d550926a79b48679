#pragma once

#include <QString>

class QPrinter;

// What the home window shares with the practice windows and the report page:
// the chosen level, topic and paper, the printer of the run and the last
// pop-up answer. The home window implements it; the windows below it read and
// write it without knowing the home window.
class SharedState
{
public:
    virtual ~SharedState() = default;

    // Re-reads the chosen level's marks and refills the paper rows, keeping the
    // chosen topic. Called by a practice window when it closes.
    virtual void RefreshContents() = 0;

    QString ProgramFolder;       // where the working and results files live
    QString ProgramTitle;        // the product title, the home window's caption
    int LChose = 0;              // chosen level 1 .. 3
    QString lblCOD;              // product code
    int TopicCount = 1;          // first paper number of the chosen topic: 1, 6, ... 46
    int PaperNum = 0;            // paper key to open, 101 .. 150
    int TakeNum = 1;             // attempt to open: 1 first, 2 second
    int TtPapersCon = 0;         // paper count of the chosen level
    QString SubH1;               // heading of the chosen topic
    bool PopUpResponse = false;  // the last pop-up answer: true for Yes / OK
    int txtReportPos = 1;        // chosen report pane 1 .. 3
    QPrinter *Printer = nullptr; // the one printer of the run; Setup edits it
};
