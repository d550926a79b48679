#pragma once

#include <QDialog>
#include <QPoint>

class PictureButton;
class QLabel;
class SkinFrame;

// The skinned message box: a title, the information mark, a message and one
// ("OK") or two ("Yes", "No") picture buttons, which are its only ways out.
// Its answer is true for the first button.
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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void answer(bool yes);

    QString m_folder;
    bool m_response = false;
    bool m_answered = false;
    SkinFrame *m_frame;
    QLabel *m_title;
    QLabel *m_info;
    QLabel *m_message;
    PictureButton *m_but1;
    PictureButton *m_but2;
};

// Creates a pop-up, fills it with CallPop over owner, shows it modally and
// returns its answer.
bool AskPopUp(const QString &programFolder, const QString &title, const QString &message,
              int buttons, QWidget *owner);
