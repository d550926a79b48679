#pragma once

#include "../support/TestFiles.h"
#include "practice/PracticeWindow.h"
#include "practice/QuestionPageLink.h"
#include "practice/QuestionView.h"
#include "ui/SharedState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWidget>

// A home window stand-in for driving practice windows directly.
class FakeHome : public SharedState
{
public:
    void RefreshContents() override { ++refreshCount; }
    int refreshCount = 0;
};

// The named child of a window; a missing one is named in the test's output.
template <typename T> T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qWarning("no child %s", qPrintable(name));
    return c;
}

// Copies the skin pictures into "<folder>/Graphics", as start-up writes them.
inline bool CopySkinPictures(const QString &folder)
{
    const QDir source(QStringLiteral(QUORVANE_SKIN_DIR));
    QDir target(folder);
    if (!target.mkpath(QStringLiteral("Graphics")))
        return false;
    const QStringList pictures = source.entryList(
        {QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.ico")}, QDir::Files);
    for (const QString &name : pictures) {
        const QString copy = target.filePath(QStringLiteral("Graphics/") + name.toLower());
        QFile::remove(copy);
        if (!QFile::copy(source.filePath(name), copy))
            return false;
    }
    return !pictures.isEmpty();
}

// The value of a script run on the page a practice window shows, beside the
// program's own script.
inline QVariant EvaluateInPage(PracticeWindow *w, const QString &script)
{
    QVariant result;
    bool done = false;
    w->questionView()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                             [&](const QVariant &value) {
                                                 result = value;
                                                 done = true;
                                             });
    QTest::qWaitFor([&] { return done; }, 5000);
    return result;
}

// Waits until the page shown holds what the program adds to it: the option
// cards' states and, in a marked second attempt, the explanation panel.
inline bool WaitForPageState(PracticeWindow *w)
{
    QSignalSpy shown(w->pageLink(), &QuestionPageLink::pageShown);
    return shown.wait(10000);
}

// Scrolls an element of the page into view and clicks its middle, as the
// pupil would; `element` is a script expression naming it.
inline void ClickInPage(PracticeWindow *w, const QString &element)
{
    const QVariantList centre =
        EvaluateInPage(w, QStringLiteral("var e = %1; e.scrollIntoView({block: 'center'});"
                                         "var r = e.getBoundingClientRect();"
                                         "[r.left + r.width / 2, r.top + r.height / 2]")
                              .arg(element))
            .toList();
    QTest::mouseClick(w->questionView()->focusProxy(), Qt::LeftButton, {},
                      QPoint(centre.value(0).toInt(), centre.value(1).toInt()));
}

// Opens paper `paper` of the test course as the home window would, with the
// marking animation cut short, and waits for its first page.
inline PracticeWindow *OpenPracticeWindow(FakeHome &home, int paper,
                                          Attempt attempt = Attempt::First)
{
    home.PaperNum = paper;
    home.TakeNum = int(attempt);
    home.TopicCount = paper <= 105 ? 1 : 6;
    home.SubH1 = paper <= 105 ? QStringLiteral("Grammar") : QStringLiteral("Mock Examination");
    auto *w = new PracticeWindow(attempt, home);
    w->setMarkingStepDelay(1);
    QSignalSpy loaded(w, &PracticeWindow::questionPageLoaded);
    w->show();
    if (loaded.isEmpty())
        loaded.wait(10000);
    return w;
}

// main() of a window test: the web engine needs its contexts shared first.
#define PRACTICE_WINDOW_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// What a pop-up asked, recorded by AnswerPopUps.
struct PopUpSeen
{
    QString title;
    QString message;
};

// Answers the next skinned pop-ups as they appear: true clicks the first
// button (Yes / OK), false the second.
class AnswerPopUps : public QObject
{
public:
    explicit AnswerPopUps(QList<bool> answers) : m_answers(std::move(answers))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    QList<PopUpSeen> seen;
    bool done() const { return m_answers.isEmpty(); }

private:
    void poll()
    {
        if (m_answers.isEmpty())
            return;
        QWidget *box = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() &&
                (w->inherits("frmPopUp") || w->objectName() == QLatin1String("frmPopUp")))
                box = w;
        }
        if (!box)
            return;
        const bool first = m_answers.takeFirst();
        PopUpSeen s;
        if (auto *t = box->findChild<QLabel *>(QStringLiteral("lblTitle")))
            s.title = t->text();
        if (auto *m = box->findChild<QLabel *>(QStringLiteral("lblMessage")))
            s.message = m->text();
        seen.append(s);
        auto *button =
            box->findChild<QWidget *>(first ? QStringLiteral("But1") : QStringLiteral("But2"));
        if (button)
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QList<bool> m_answers;
    QTimer m_timer;
};
