#pragma once

#include <QDialog>
#include <QPoint>

class HomeState;
class PictureButton;
class QLabel;
class SkinFrame;

// The skinned message box: a title, the information mark, a message and one
// ("OK") or two ("Yes", "No") picture buttons, which are its only ways out.
// The answer goes to the bool given at construction: true for the first button.
class frmPopUp : public QDialog
{
    Q_OBJECT

public:
    frmPopUp(const QString &programFolder, bool &response, QWidget *parent = nullptr);

    // Fills and places the box: buttons 1 gives "OK", 2 gives "Yes" and "No";
    // the box is centred over owner. It is not shown here.
    void CallPop(const QString &title, const QString &message, int buttons, QWidget *owner);

    void But1_Click();
    void But2_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void fitMessage();
    void answer(bool yes);

    QString m_folder;
    bool &m_response;
    bool m_answered = false;
    SkinFrame *m_frame;
    QLabel *m_title;
    QLabel *m_info;
    QLabel *m_message;
    PictureButton *m_but1;
    PictureButton *m_but2;
};

// Creates a pop-up, fills it with CallPop over owner (the home window when owner
// is null), shows it modally and returns the answer, also left in home.PopUpResponse.
bool AskPopUp(HomeState &home, const QString &title, const QString &message, int buttons,
              QWidget *owner);
