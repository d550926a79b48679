#pragma once

#include <QWebEngineView>

class QPrinter;

// The HTML view of the question page (brwWebBrowser). It shows the working
// file of a page archive, reports each finished load, and guards the page
// against copying: Ctrl+C, Ctrl+X or the right button inside the page shows
// "Invalid operation". Keys typed elsewhere (the answer boxes) are not watched.
class QuestionView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit QuestionView(QWidget *parent = nullptr);

    // Points the view at a local archive file.
    void ShowFile(const QString &path);
    // Prints the page shown on `printer`, after the print dialog when `ask` is
    // set. Returns false when the dialog was cancelled; questionPrinted follows
    // once the printing has finished. A PDF file replaces the file only once
    // it is complete.
    bool PrintQuestion(QPrinter *printer, bool ask = true);
    // The PDF file the last print went to, empty when it went to a printer,
    // and why it failed, if it did.
    QString printedFile() const { return m_printedFile; }
    QString printError() const { return m_printError; }

signals:
    // The page finished loading and the guard watches its document.
    void pageLoaded(bool ok);
    // A copying key or the right button was pressed in the page; the message
    // box follows once the event has been handled.
    void copyAttempted();
    // A print started by PrintQuestion has finished.
    void questionPrinted(bool ok);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachDocument();
    void showGuardMessage();

    void pdfReady(const QString &path, const QByteArray &pdf);

    QObject *m_watched = nullptr;
    QString m_printedFile;
    QString m_printError;
};
