#include "home/AboutPage.h"

#include "ui/PictureCache.h"
#include "home/HomePage.h"
#include "ui/Twips.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString desktopHtmlHandler()
{
    const QString browser = qEnvironmentVariable("BROWSER");
    if (!browser.isEmpty())
        return browser;
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("text/html")});
    if (!query.waitForFinished(3000))
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, int leftTw,
                  int topTw)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(Px(leftTw), Px(topTw));
    label->adjustSize();
    return label;
}

} // namespace

AboutPage::AboutPage(const QString &programFolder, QWidget *parent) : QWidget(parent)
{
    PrepareHomePage(this, QStringLiteral("Body_About"), Qt::white);

    auto *band = new QLabel(this);
    band->setObjectName(QStringLiteral("Label42"));
    band->setAutoFillBackground(true);
    QPalette bandPal = band->palette();
    bandPal.setColor(QPalette::Window, QColor(244, 245, 235));
    band->setPalette(bandPal);
    band->setGeometry(0, 0, width(), Px(300));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Logo"));
    const QPixmap picture = SkinPicture(programFolder, QStringLiteral("Logo.gif"));
    logo->setPixmap(picture);
    logo->resize(picture.isNull() ? QSize(180, 60) : picture.deviceIndependentSize().toSize());
    logo->move(width() - logo->width() - Px(120), Px(420));

    m_programName = textLabel(this, QStringLiteral("ProgramName"), QString(), 120, 960);
    QFont nameFont = m_programName->font();
    nameFont.setPointSizeF(10);
    nameFont.setBold(true);
    m_programName->setFont(nameFont);

    textLabel(this, QStringLiteral("Label36"), QStringLiteral("For Windows"), 120, 1320);

    auto *link = textLabel(this, QStringLiteral("lbl_QVURL"),
                           QStringLiteral("<a href=\"site\" style=\"color: palette(highlight)\">%1</a>")
                               .arg(webAddress()),
                           120, 1800);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(false);
    link->setToolTip(QStringLiteral("Go to Quorvane home page"));
    link->setAccessibleName(QStringLiteral("Go to Quorvane home page"));
    QPalette linkPal = link->palette();
    linkPal.setColor(QPalette::Link, linkPal.color(QPalette::Highlight));
    link->setPalette(linkPal);
    link->setCursor(Qt::PointingHandCursor);
    link->adjustSize();
    connect(link, &QLabel::linkActivated, this, &AboutPage::lbl_QVURL_Click);

    // A parent backing up or moving the results needs to know where they are.
    auto *results = textLabel(this, QStringLiteral("ResultsFolder"),
                              QStringLiteral("Your results are kept in:\n%1")
                                  .arg(QDir::toNativeSeparators(programFolder)),
                              120, 2520);
    results->setWordWrap(true);
    results->setTextInteractionFlags(Qt::TextSelectableByMouse);
    results->setFixedWidth(width() - results->x() - Px(120));
    results->adjustSize();

    auto *version = textLabel(this, QStringLiteral("Label39"), QStringLiteral("Version 2.0"), 4920,
                              5400);
    version->move(qMin(version->x(), width() - version->width() - 2), version->y());

    findBrowser = desktopHtmlHandler;
    openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

void AboutPage::setProgramName(const QString &title)
{
    m_programName->setText(title);
    m_programName->adjustSize();
}

QString AboutPage::webAddress() { return QStringLiteral("www.quorvane.example"); }

void AboutPage::lbl_QVURL_Click() { OpenWebPage(); }

void AboutPage::OpenWebPage()
{
    if (findBrowser().isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Browser Not Found"),
                        QStringLiteral("Could not find associated Browser"), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("BrowserNotFound"));
        box.exec();
        return;
    }
    const QUrl page = QUrl::fromUserInput(webAddress() + QStringLiteral("/eduprog.html"));
    if (!openUrl(page)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("URL Failed"),
                        QStringLiteral("Web Page not Opened"), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("UrlFailed"));
        box.exec();
    }
}
