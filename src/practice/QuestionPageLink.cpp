#include "practice/QuestionPageLink.h"

#include "practice/AnswerFrame.h"
#include "practice/AnswerSheet.h"
#include "practice/PracticeSession.h"
#include "practice/QuestionView.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld;

// The program's script in the page. The course lays out the options of a
// choice question as a list "ol.opts" of cards, each a number and a text; on a
// page of one box the list belongs to box 1, otherwise to the box whose letter
// labels its question (".item > .lab", "(c)" for box 3). quorvane.update()
// takes {boxes: {<box>: {answer, open}}, panel: <html>}: the card whose number
// a box holds is shown chosen, the cards of an open box answer clicks, and the
// panel (when given) is put below the question, or taken away when empty.
const char *const kPageScript = R"js(
(function () {
  'use strict';
  if (window.quorvane) return;
  var css =
    'ol.opts.qv-open > li { cursor: pointer; }' +
    'ol.opts.qv-open > li:hover { border-color: #000080; background: #eef6fd; }' +
    'ol.opts > li.qv-chosen, ol.opts.qv-open > li.qv-chosen:hover {' +
    '  border-color: #000080; background: #dcecfb;' +
    '  box-shadow: inset 0 0 0 2px #000080; }' +
    '#quorvane-why { margin: 28px 0 0; padding: 14px 22px 16px; background: #f4f5eb;' +
    '  border: 1px solid #dfe1cc; border-left: 6px solid #b2d9f6; border-radius: 10px;' +
    '  font-size: 17px; line-height: 1.6; color: #1e2535; break-inside: avoid; }' +
    '#quorvane-why h2 { margin: 0 0 8px; font-size: 18px; color: #000080; }' +
    '#quorvane-why .qv-item { display: flex; gap: 12px; margin: 0 0 12px; }' +
    '#quorvane-why .qv-item:last-child { margin-bottom: 0; }' +
    '#quorvane-why .qv-lab { flex: none; width: 2.2em; color: #000080; font-weight: bold; }' +
    '#quorvane-why p { margin: 0; }' +
    '#quorvane-why .qv-answer { color: #0000ff; font-weight: bold; }';
  var link = null;

  function lists() {
    return Array.prototype.slice.call(document.querySelectorAll('ol.opts'));
  }
  function boxOf(list) {
    var item = list.closest('.item');
    if (!item) return 1;
    var label = item.querySelector(':scope > .lab');
    var letter = label && /\(([a-t])\)/.exec(label.textContent);
    return letter ? letter[1].charCodeAt(0) - 96 : 0;
  }
  function addStyle() {
    if (document.getElementById('quorvane-style')) return;
    var style = document.createElement('style');
    style.id = 'quorvane-style';
    style.textContent = css;
    document.head.appendChild(style);
  }
  function showBoxes(boxes) {
    lists().forEach(function (list) {
      var state = boxes[boxOf(list)];
      if (!state) return;
      list.classList.toggle('qv-open', state.open);
      Array.prototype.forEach.call(list.children, function (card, i) {
        card.classList.toggle('qv-chosen', state.answer === String(i + 1));
      });
    });
  }
  function showPanel(html) {
    var panel = document.getElementById('quorvane-why');
    if (!html) {
      if (panel) panel.remove();
      return;
    }
    if (!panel) {
      panel = document.createElement('section');
      panel.id = 'quorvane-why';
      (document.querySelector('.page') || document.body).appendChild(panel);
    }
    panel.innerHTML = html;
  }

  window.quorvane = {
    options: function () {
      return lists().map(function (list) {
        return [boxOf(list), Array.prototype.map.call(list.children, function (card) {
          var text = card.querySelector('span:not(.num)');
          return (text || card).textContent.trim();
        })];
      });
    },
    update: function (update) {
      addStyle();
      showBoxes(update.boxes || {});
      if ('panel' in update) showPanel(update.panel);
    }
  };
  document.addEventListener('click', function (event) {
    var card = event.target.closest ? event.target.closest('ol.opts > li') : null;
    if (!card || !link || !card.parentElement.classList.contains('qv-open')) return;
    var list = card.parentElement;
    link.optionPicked(boxOf(list), Array.prototype.indexOf.call(list.children, card) + 1);
  });
  new QWebChannel(qt.webChannelTransport, function (channel) {
    link = channel.objects.link;
  });
})();
)js";

} // namespace

QuestionPageLink::QuestionPageLink(QuestionView *view, AnswerSheet *sheet,
                                   const PracticeSession &session, QObject *parent)
    : QObject(parent), m_view(view), m_sheet(sheet), m_session(session),
      m_channel(new QWebChannel(this))
{
    setObjectName(QStringLiteral("QuestionPageLink"));
    m_channel->registerObject(QStringLiteral("link"), this);
    m_view->page()->setWebChannel(m_channel, kWorld);

    // The channel's own script comes with Qt WebChannel.
    QFile channelScript(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    channelScript.open(QIODevice::ReadOnly);
    QWebEngineScript script;
    script.setName(QStringLiteral("quorvane"));
    script.setSourceCode(QString::fromUtf8(channelScript.readAll()) +
                         QString::fromUtf8(kPageScript));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(kWorld);
    script.setRunsOnSubFrames(false);
    m_view->page()->scripts().insert(script);

    connect(m_view, &QWebEngineView::loadStarted, this, [this] {
        m_ready = false;
        ++m_load;
        m_options.clear();
    });
    connect(m_view, &QWebEngineView::loadFinished, this, &QuestionPageLink::pageLoaded);
    for (int k = 1; k <= AnswerSheet::kBoxes; ++k)
        connect(m_sheet->Frame(k)->FA, &QLineEdit::textEdited, this, [this, k] { showChosen(k); });
}

void QuestionPageLink::pageLoaded(bool ok)
{
    m_ready = false;
    // A page that failed, or one already left again, gets nothing.
    if (!ok || m_view->url() != QUrl::fromLocalFile(m_session.PageFile(m_session.QSCount())))
        return;
    const int load = m_load;
    m_view->page()->runJavaScript(
        QStringLiteral("window.quorvane ? quorvane.options() : []"), kWorld,
        [self = QPointer(this), load](const QVariant &result) {
            if (!self || load != self->m_load)
                return;
            for (const QVariant &entry : result.toList()) {
                const QVariantList pair = entry.toList();
                self->m_options.insert(pair.value(0).toInt(), pair.value(1).toStringList());
            }
            self->m_ready = true;
            // A script run from inside another's result handler leaves the
            // web view broken (Qt 6.4), so the page is updated from the event loop.
            QMetaObject::invokeMethod(self, &QuestionPageLink::showState, Qt::QueuedConnection);
        });
}

void QuestionPageLink::Refresh()
{
    showState();
}

void QuestionPageLink::showState()
{
    if (!m_ready)
        return;
    QJsonObject boxes;
    for (int k = 1; k <= m_sheet->ShownBoxes(); ++k) {
        if (!m_options.contains(k))
            continue;
        if (m_session.attempt() == Attempt::Second)
            m_sheet->Frame(k)->SetExpectedAnswer(ShownExpectedAnswer(m_session, k, m_options));
        boxes.insert(QString::number(k), boxState(k));
    }
    update({{QStringLiteral("boxes"), boxes},
            {QStringLiteral("panel"), ExplanationPanelHtml(m_session, m_options)}});
}

void QuestionPageLink::showChosen(int box)
{
    if (m_ready && m_options.contains(box))
        update({{QStringLiteral("boxes"), QJsonObject{{QString::number(box), boxState(box)}}}});
}

bool QuestionPageLink::isOpen(int box) const
{
    return !m_session.IsMarked() && !m_sheet->Frame(box)->FA->isReadOnly();
}

QJsonObject QuestionPageLink::boxState(int box) const
{
    return {{QStringLiteral("answer"), m_sheet->Frame(box)->FA->text().trimmed()},
            {QStringLiteral("open"), isOpen(box)}};
}

void QuestionPageLink::update(const QJsonObject &update)
{
    const QString script = QStringLiteral("window.quorvane && quorvane.update(") +
                           QString::fromUtf8(QJsonDocument(update).toJson(QJsonDocument::Compact)) +
                           QLatin1Char(')');
    const int load = m_load;
    m_view->page()->runJavaScript(script, kWorld, [self = QPointer(this), load](const QVariant &) {
        if (self && load == self->m_load)
            emit self->pageShown();
    });
}

void QuestionPageLink::optionPicked(int box, int option)
{
    if (!m_ready || box < 1 || box > m_sheet->ShownBoxes() || !isOpen(box) || option < 1 ||
        option > m_options.value(box).size())
        return;
    // As if typed: the number replaces what the box held, through its input rules.
    QLineEdit *fa = m_sheet->Frame(box)->FA;
    fa->setFocus(Qt::MouseFocusReason);
    fa->selectAll();
    fa->insert(QString::number(option));
    showChosen(box);
}
