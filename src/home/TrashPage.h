#pragma once

#include <QWidget>

class PictureButton;
class QLabel;

// The erase page: ask, confirm, done. A confirmed erase is carried out by
// whoever listens to eraseConfirmed(), before the page shows its last step.
class TrashPage : public QWidget
{
    Q_OBJECT

public:
    TrashPage(const QString &programFolder, QWidget *parent);

    // Back to the first step, as every showing of the page starts.
    void Reset();

    void ButTrash_Click();
    void ButTrash_Yes_Click();
    void ButTrash_No_Click();
    // Called by the listener of eraseConfirmed() when nothing could be erased:
    // the page goes back to its first step instead of saying it was done.
    void EraseFailed() { m_erased = false; }

signals:
    void eraseConfirmed();

private:
    PictureButton *button(const QString &name, const QString &caption, int left);
    QLabel *label(const QString &name, const QString &text, const QRect &twips);

    QString m_folder;
    bool m_erased = false;
    QLabel *m_lbl1, *m_lbl2, *m_lbl3;
    PictureButton *m_trash, *m_yes, *m_no;
};
