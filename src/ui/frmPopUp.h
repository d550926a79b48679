#pragma once

#include <QDialog>
#include <QPoint>

class PictureButton;
class QLabel;
class SkinFrame;

// Which button has the focus when a pop-up opens.
enum class PopUpFocus
{
    First, // "OK" or "Yes"
    Second // "No": a stray Enter or Space then answers No
};

// The skinned message box: a title, the information mark, a message and one
// ("OK") or two ("Yes", "No") picture buttons. It is answered by a button, or
// by Escape, which answers a notice with OK and a question with No. Its answer
// is true for the first button.
class frmPopUp : public QDialog
{
    Q_OBJECT

public:
    explicit frmPopUp(const QString &programFolder, QWidget *parent = nullptr);

    // Fills and places the box: buttons 1 gives "OK", 2 gives "Yes" and "No";
    // the box is centred over owner. It is not shown here.
    void CallPop(const QString &title, const QString &message, int buttons, QWidget *owner);

    void But1_Click();
    void But2_Click();
    // The answer given: true after the first button ("OK", "Yes").
    bool response() const { return m_response; }
    void setStartFocus(PopUpFocus focus) { m_startFocus = focus; }
    // The text shortened in its middle, if need be, to fit one line of the message.
    QString FitLine(const QString &text) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void fitMessage();
    void answer(bool yes);

    QString m_folder;
    bool m_response = false;
    bool m_answered = false;
    PopUpFocus m_startFocus = PopUpFocus::First;
    SkinFrame *m_frame;
    QLabel *m_title;
    QLabel *m_info;
    QLabel *m_message;
    PictureButton *m_but1;
    PictureButton *m_but2;
};

// Creates a pop-up, fills it with CallPop over owner, shows it modally with
// the focus on the given button and returns its answer.
bool AskPopUp(const QString &programFolder, const QString &title, const QString &message,
              int buttons, QWidget *owner, PopUpFocus focus = PopUpFocus::First);

// Says where a file was written: `what` "was saved as" the file's name, "in"
// its folder.
void TellFileSaved(const QString &programFolder, const QString &title, const QString &what,
                   const QString &path, QWidget *owner);

// Asks whether the file at `path` may be replaced by `what`; true for Yes. The
// question opens on No.
bool AskReplaceFile(const QString &programFolder, const QString &title, const QString &what,
                    const QString &path, QWidget *owner);
