#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

// The about page: product title, logo, version and the link to the maker's
// web page, opened in the desktop's browser for HTML.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    AboutPage(const QString &programFolder, QWidget *parent);

    void setProgramName(const QString &title);
    void lbl_QVURL_Click();
    // Opens the maker's page; tells the user in a message box when no browser
    // is found or the page cannot be opened.
    void OpenWebPage();

    // The maker's address, shown on the link and given to the browser.
    static QString webAddress();
    // The desktop's program for HTML, empty when there is none.
    std::function<QString()> findBrowser;
    // Hands the address to the browser; false when the launch failed.
    std::function<bool(const QUrl &)> openUrl;

private:
    QLabel *m_programName;
};
