#include "practice/QuestionView.h"

#include "content/SafeWrite.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace {

// Raster print-outs at the printer's full resolution are very slow and no sharper.
constexpr int kPrintResolution = 300;

} // namespace

QuestionView::QuestionView(QWidget *parent) : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
    // The page's own menu would offer Copy.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        attachDocument();
        emit pageLoaded(ok);
    });
    connect(this, &QWebEngineView::printFinished, this, &QuestionView::questionPrinted);
}

void QuestionView::ShowFile(const QString &path)
{
    setUrl(QUrl::fromLocalFile(path));
}

// The widget that receives the page's input is replaced after a renderer
// restart, so the filter is put on whichever one is current after every load.
void QuestionView::attachDocument()
{
    QObject *proxy = focusProxy();
    if (proxy == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = proxy;
    if (m_watched) {
        m_watched->installEventFilter(this);
        connect(m_watched, &QObject::destroyed, this, [this](QObject *gone) {
            if (gone == m_watched)
                m_watched = nullptr;
        });
    }
}

bool QuestionView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched) {
        bool guard = false;
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            guard = (key->modifiers() & Qt::ControlModifier) &&
                    (key->key() == Qt::Key_C || key->key() == Qt::Key_X);
        } else if (event->type() == QEvent::MouseButtonPress) {
            guard = static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
        }
        if (guard) {
            emit copyAttempted();
            QMetaObject::invokeMethod(this, &QuestionView::showGuardMessage, Qt::QueuedConnection);
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

void QuestionView::showGuardMessage()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"),
                    QStringLiteral("Invalid operation"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("CopyGuardMessage"));
    box.exec();
}

bool QuestionView::PrintQuestion(QPrinter *printer, bool ask)
{
    if (ask) {
        QPrintDialog dialog(printer, this);
        dialog.setWindowTitle(QStringLiteral("Print question"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    m_printError.clear();
    m_printedFile.clear();
    // A PDF file gets the page itself, text and all; a printer gets it drawn
    // page by page.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString path = printer->outputFileName();
        m_printedFile = path;
        page()->printToPdf([this, path](const QByteArray &pdf) { pdfReady(path, pdf); },
                           printer->pageLayout(), printer->pageRanges());
        return true;
    }
    if (printer->resolution() > kPrintResolution)
        printer->setResolution(kPrintResolution);
    print(printer);
    return true;
}

void QuestionView::pdfReady(const QString &path, const QByteArray &pdf)
{
    bool ok = !pdf.isEmpty();
    if (!ok)
        m_printError = QStringLiteral("The page could not be made into a PDF file.");
    else {
        WriteError failed;
        ok = WriteFileAtomically(path, pdf, &failed);
        if (!ok)
            m_printError = failed.text();
    }
    emit questionPrinted(ok);
}
