#include "PageRenderer.h"

#include "MhtArchive.h"

namespace {

const char *const kStyle = R"css(
html { background: #ffffff; }
body { margin: 0; color: #1e2535; font-family: "DejaVu Sans", "Liberation Sans", Verdana, sans-serif;
       font-size: 16px; line-height: 1.55; }
.page { max-width: 44em; margin: 0 auto; padding: 44px 26px 40px; }
.head { border-bottom: 3px solid #b2d9f6; padding-bottom: 10px; margin-bottom: 20px; }
.where { float: right; margin-top: 6px; padding: 2px 10px; border-radius: 12px; background: #f4f5eb;
         color: #4a5468; font-size: 13px; }
h1 { margin: 0; font-size: 22px; color: #000080; }
.instr { margin: 4px 0 0; color: #3a4358; }
.hint { color: #6a7385; font-size: 14px; }
h2 { margin: 26px 0 4px; font-size: 18px; color: #000080; }
h2:first-child { margin-top: 0; }
.sinstr { margin: 0 0 12px; color: #3a4358; font-style: italic; }
.card { background: #f4f5eb; border: 1px solid #dfe1cc; border-radius: 10px; padding: 14px 22px;
        margin: 0 0 20px; }
.card h3 { margin: 0 0 8px; text-align: center; font-size: 18px; color: #000080; }
.card p { margin: 0 0 10px; line-height: 1.75; }
.card p:last-child { margin-bottom: 0; }
.q { margin: 0 0 12px; font-size: 18px; line-height: 1.6; }
.single .q { font-size: 20px; margin: 8px 0 20px; }
.opts { list-style: none; margin: 0 0 6px; padding: 0; display: grid;
        grid-template-columns: 1fr 1fr; gap: 10px 18px; }
.opts.long { grid-template-columns: 1fr; }
.opts li { display: flex; align-items: center; gap: 12px; padding: 8px 12px; background: #ffffff;
           border: 1px solid #c8d6e8; border-radius: 8px; }
.num { flex: none; width: 28px; height: 28px; border-radius: 50%; background: #000080; color: #ffffff;
       font-weight: bold; font-size: 15px; line-height: 28px; text-align: center; }
.gap { display: inline-block; width: 4.5em; border-bottom: 2px solid #1e2535; margin: 0 3px; }
.blank { display: inline-block; min-width: 6em; border-bottom: 2px solid #000080; margin: 0 3px;
         line-height: 1.2; }
.lab { color: #000080; font-weight: bold; }
.blank .lab { font-size: 14px; padding-left: 2px; }
.err { background: #fde8fd; border-bottom: 2px solid #b0309a; padding: 0 2px; }
.err .lab { font-size: 12px; vertical-align: super; margin-right: 2px; }
.bank { display: flex; flex-wrap: wrap; align-items: center; gap: 8px; margin: 0 0 16px; padding: 10px 14px;
        border: 2px dashed #b2d9f6; border-radius: 10px; }
.bank b { color: #000080; margin-right: 4px; }
.bank span { padding: 2px 12px; background: #eef6fd; border: 1px solid #b2d9f6; border-radius: 14px; }
.item { display: flex; gap: 12px; margin: 0 0 16px; }
.item > .lab { flex: none; width: 2.2em; font-size: 17px; line-height: 1.6; }
.item > div { flex: 1; }
.item .q { margin-bottom: 8px; }
.item .opts { gap: 6px 14px; }
.item .opts li { padding: 5px 10px; }
.marks { font-size: 14px; font-weight: normal; color: #6a7385; margin-left: 8px; }
.pair { margin: 0 0 4px; font-size: 17px; }
.comb { margin: 0; font-size: 17px; color: #1e2535; }
.arrow { color: #6a7385; margin-right: 6px; }
.pic { margin: 0 0 22px; text-align: center; }
.pic img { max-width: 100%; border: 1px solid #c8d6e8; border-radius: 6px; }
@media (max-width: 520px) { .opts { grid-template-columns: 1fr; } }
)css";

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

int sectionMarks(const Page &page, const Section &section)
{
    int marks = 0;
    for (const Paragraph &paragraph : section.passage) {
        for (const Segment &segment : paragraph) {
            if (segment.type == Segment::Blank || segment.type == Segment::Error)
                marks += page.boxes[segment.box].marks;
        }
    }
    for (const Question &question : section.questions)
        marks += page.boxes[question.box].marks;
    return marks;
}

bool anyChoice(const Page &page)
{
    for (const Box &box : page.boxes) {
        if (box.kind == QLatin1Char('Q'))
            return true;
    }
    return false;
}

} // namespace

QString PageRenderer::label(const Page &page, int box)
{
    if (page.boxes.size() < 2)
        return {};
    return QStringLiteral("(%1)").arg(QChar(QLatin1Char('a').unicode() + box));
}

QString PageRenderer::line(const Page &page, const Paragraph &paragraph, bool labelBlanks)
{
    QString out;
    for (const Segment &segment : paragraph) {
        switch (segment.type) {
        case Segment::Text:
            out += escaped(segment.text);
            break;
        case Segment::Gap:
            out += QStringLiteral("<span class=\"gap\"></span>");
            break;
        case Segment::Blank:
            out +=
                labelBlanks && page.boxes.size() > 1
                    ? QStringLiteral("<span class=\"blank\"><span class=\"lab\">%1</span></span>")
                          .arg(label(page, segment.box))
                    : QStringLiteral("<span class=\"blank\"></span>");
            break;
        case Segment::Error:
            out += QStringLiteral("<span class=\"err\"><span class=\"lab\">%1</span>%2</span>")
                       .arg(label(page, segment.box), escaped(segment.text));
            break;
        }
    }
    return out;
}

QString PageRenderer::passage(const Page &page, const Section &section)
{
    if (section.passage.isEmpty())
        return {};
    QString out = QStringLiteral("<div class=\"card\">\n");
    if (!section.title.isEmpty() && section.instructions.isEmpty())
        out += QStringLiteral("<h3>%1</h3>\n").arg(escaped(section.title));
    for (const Paragraph &paragraph : section.passage)
        out += QStringLiteral("<p>%1</p>\n").arg(line(page, paragraph, true));
    return out + QStringLiteral("</div>\n");
}

QString PageRenderer::bank(const Section &section)
{
    if (section.bank.isEmpty())
        return {};
    QString out = QStringLiteral("<div class=\"bank\"><b>Word bank</b>");
    for (const QString &word : section.bank)
        out += QStringLiteral("<span>%1</span>").arg(escaped(word));
    return out + QStringLiteral("</div>\n");
}

QString PageRenderer::options(const Question &question)
{
    bool long_ = false;
    for (const QString &option : question.options)
        long_ = long_ || option.size() > 26;
    QString out =
        long_ ? QStringLiteral("<ol class=\"opts long\">") : QStringLiteral("<ol class=\"opts\">");
    for (int i = 0; i < question.options.size(); ++i)
        out += QStringLiteral("<li><span class=\"num\">%1</span><span>%2</span></li>")
                   .arg(i + 1)
                   .arg(escaped(question.options[i]));
    return out + QStringLiteral("</ol>\n");
}

QString PageRenderer::question(const Page &page, const Question &question)
{
    QString body;
    if (!question.sentences.isEmpty()) {
        QStringList sentences;
        for (const QString &sentence : question.sentences)
            sentences.append(escaped(sentence));
        body = QStringLiteral("<p class=\"pair\">%1</p><p class=\"comb\"><span class=\"arrow\">"
                              "&#8594;</span>%2</p>")
                   .arg(sentences.join(QLatin1Char(' ')), line(page, question.text, false));
    } else {
        body = QStringLiteral("<p class=\"q\">%1</p>").arg(line(page, question.text, false));
        if (!question.options.isEmpty())
            body += options(question);
    }
    if (page.boxes.size() < 2)
        return QStringLiteral("<div class=\"single\">%1</div>\n").arg(body);
    return QStringLiteral("<div class=\"item\"><span class=\"lab\">%1</span><div>%2</div></div>\n")
        .arg(label(page, question.box), body);
}

QString PageRenderer::html(const Topic &topic, const Page &page)
{
    const QString where = page.boxes.size() == 1
                              ? QStringLiteral("Paper %1 &middot; Question %2 of %3")
                              : QStringLiteral("Paper %1 &middot; Page %2 of %3");
    QString hint;
    if (anyChoice(page))
        hint =
            page.boxes.size() == 1
                ? QStringLiteral(
                      " <span class=\"hint\">Type the number of your answer, 1 to 4.</span>")
                : QStringLiteral(" <span class=\"hint\">For each question, type the number of your "
                                 "answer, 1 to 4.</span>");

    QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en-GB\">\n<head>\n"
                                 "<meta charset=\"utf-8\">\n<title>%1</title>\n<style>%2</style>\n"
                                 "</head>\n<body>\n<div class=\"page\">\n")
                      .arg(escaped(topic.name), QString::fromLatin1(kStyle));
    out += QStringLiteral("<div class=\"head\"><div class=\"where\">%1</div><h1>%2</h1>"
                          "<p class=\"instr\">%3%4</p></div>\n")
               .arg(where.arg(page.paperNumber).arg(page.number).arg(page.count),
                    escaped(topic.name), escaped(topic.instructions), hint);
    for (int i = 0; i < page.pictures.size(); ++i) {
        out += QStringLiteral("<div class=\"pic\"><img src=\"cid:%1\" alt=\"%2\"></div>\n")
                   .arg(MhtArchive::contentId(page.id, i), escaped(page.pictures[i].alt));
    }
    for (const Section &section : page.sections) {
        if (!section.instructions.isEmpty()) {
            const int marks = sectionMarks(page, section);
            const QString tag = QStringLiteral("<span class=\"marks\">[%1 mark%2]</span>")
                                    .arg(marks)
                                    .arg(marks == 1 ? QString() : QStringLiteral("s"));
            if (!section.title.isEmpty())
                out += QStringLiteral("<h2>%1%2</h2>\n").arg(escaped(section.title), tag);
            out +=
                QStringLiteral("<p class=\"sinstr\">%1%2</p>\n")
                    .arg(escaped(section.instructions), section.title.isEmpty() ? tag : QString());
        }
        out += bank(section);
        out += passage(page, section);
        for (const Question &q : section.questions)
            out += question(page, q);
    }
    return out + QStringLiteral("</div>\n</body>\n</html>\n");
}
