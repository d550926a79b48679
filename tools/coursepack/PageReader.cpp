#include "PageReader.h"

#include "TableField.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kChoice = QStringLiteral("choice");
const QString kClozeWithBank = QStringLiteral("cloze-with-bank");
const QString kEditing = QStringLiteral("editing");
const QString kCloze = QStringLiteral("cloze");
const QString kSynthesis = QStringLiteral("synthesis");
const QString kVisual = QStringLiteral("visual");
const QString kReading = QStringLiteral("reading");
const QString kMock = QStringLiteral("mock");

constexpr int kLongestWhy = 220;

QString normalised(const QString &text)
{
    return text.simplified().toCaseFolded();
}

QString mimeTypeOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return QStringLiteral("image/png");
    if (suffix == QLatin1String("gif"))
        return QStringLiteral("image/gif");
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QStringLiteral("image/jpeg");
    if (suffix == QLatin1String("bmp"))
        return QStringLiteral("image/bmp");
    return {};
}

} // namespace

PageReader::PageReader(const YamlSource &source, const Topic &topic, int topicNumber,
                       const QString &courseDir, QHash<QString, QString> &seen)
    : m_source(source), m_topic(topic), m_topicNumber(topicNumber), m_courseDir(courseDir),
      m_seen(seen)
{
}

const QStringList &PageReader::shapes()
{
    static const QStringList all = {kChoice,    kClozeWithBank, kEditing, kCloze,
                                    kSynthesis, kVisual,        kReading, kMock};
    return all;
}

QString PageReader::shapeWhat() const
{
    return QStringLiteral("a page of topic %1 \"%2\" (shape %3)")
        .arg(m_topicNumber)
        .arg(m_topic.name, m_topic.shape);
}

Page PageReader::read(const YAML::Node &node)
{
    Page page;
    const QString &shape = m_topic.shape;
    if (shape == kChoice)
        readChoicePage(node, page);
    else if (shape == kClozeWithBank)
        readClozePage(node, page, true, Segment::Blank);
    else if (shape == kEditing)
        readClozePage(node, page, false, Segment::Error);
    else if (shape == kCloze)
        readClozePage(node, page, false, Segment::Blank);
    else if (shape == kSynthesis)
        readSynthesisPage(node, page);
    else if (shape == kVisual)
        readVisualPage(node, page);
    else if (shape == kReading)
        readReadingPage(node, page);
    else
        readMockPage(node, page);

    if (page.boxes.size() != m_topic.boxesPerPage)
        m_source.fail(node, QStringLiteral("the page has %1 answer boxes; every page of topic %2 "
                                           "\"%3\" (shape %4) has %5")
                                .arg(page.boxes.size())
                                .arg(m_topicNumber)
                                .arg(m_topic.name, m_topic.shape)
                                .arg(m_topic.boxesPerPage));
    return page;
}

void PageReader::readChoicePage(const YAML::Node &node, Page &page)
{
    m_source.allowKeys(node, choiceKeys(), shapeWhat());
    Section section;
    section.questions.append(readChoiceQuestion(node, page));
    page.sections.append(section);
}

void PageReader::readClozePage(const YAML::Node &node, Page &page, bool withBank,
                               Segment::Type marker)
{
    QStringList keys = {QStringLiteral("title"), QStringLiteral("passage"),
                        QStringLiteral("answers")};
    if (withBank)
        keys.append(QStringLiteral("bank"));
    m_source.allowKeys(node, keys, shapeWhat());

    Section section;
    section.title = m_source.optionalText(node, "title");
    const QString passage = m_source.text(node, "passage");
    int blanks = 0;
    section.passage = readPassage(node["passage"], passage, page, {marker}, blanks);
    if (withBank)
        section.bank = m_source.textList(node, "bank");
    remember(node["passage"], passage, QStringLiteral("passage"));
    readBankAnswers(node, section.bank, page);
    checkAnswerCount(node, blanks, page.boxes.size());
    checkCorrections(node, section, page);
    page.sections.append(section);
}

void PageReader::readSynthesisPage(const YAML::Node &node, Page &page)
{
    m_source.allowKeys(node, {QStringLiteral("items")}, shapeWhat());
    Section section;
    for (const YAML::Node &item : m_source.requireSequence(node, "items"))
        section.questions.append(readItem(item, page, true));
    page.sections.append(section);
}

void PageReader::readVisualPage(const YAML::Node &node, Page &page)
{
    m_source.allowKeys(
        node, {QStringLiteral("picture"), QStringLiteral("alt"), QStringLiteral("questions")},
        shapeWhat());
    const QString relative = m_source.text(node, "picture");
    const QString path = QDir(m_courseDir).filePath(relative);
    Picture picture;
    picture.fileName = QFileInfo(relative).fileName();
    picture.mimeType = mimeTypeOf(relative);
    picture.alt = m_source.optionalText(node, "alt");
    if (picture.mimeType.isEmpty())
        m_source.fail(node["picture"], QStringLiteral("picture \"%1\" must be a PNG, GIF, JPEG or "
                                                      "BMP file")
                                           .arg(relative));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        m_source.fail(
            node["picture"],
            QStringLiteral("picture \"%1\" cannot be read (looked for %2)").arg(relative, path));
    picture.bytes = file.readAll();
    page.pictures.append(picture);

    Section section;
    section.questions = readChoiceQuestions(node, page);
    page.sections.append(section);
}

void PageReader::readReadingPage(const YAML::Node &node, Page &page)
{
    m_source.allowKeys(
        node, {QStringLiteral("title"), QStringLiteral("passage"), QStringLiteral("questions")},
        shapeWhat());
    Section section;
    section.title = m_source.optionalText(node, "title");
    const QString passage = m_source.text(node, "passage");
    int markers = 0;
    section.passage = readPassage(node["passage"], passage, page, {}, markers);
    remember(node["passage"], passage, QStringLiteral("passage"));
    section.questions = readChoiceQuestions(node, page);
    page.sections.append(section);
}

void PageReader::readMockPage(const YAML::Node &node, Page &page)
{
    m_source.allowKeys(node, {QStringLiteral("sections")}, shapeWhat());
    for (const YAML::Node &section : m_source.requireSequence(node, "sections"))
        readMockSection(section, page);
}

void PageReader::readMockSection(const YAML::Node &node, Page &page)
{
    m_source.allowKeys(node,
                       {QStringLiteral("title"), QStringLiteral("instructions"),
                        QStringLiteral("passage"), QStringLiteral("bank"),
                        QStringLiteral("answers"), QStringLiteral("items")},
                       QStringLiteral("a section of %1").arg(shapeWhat()));
    Section section;
    section.title = m_source.optionalText(node, "title");
    section.instructions = m_source.text(node, "instructions");
    const QString passage = m_source.optionalText(node, "passage");
    const int first = page.boxes.size();
    int blanks = 0;
    if (!passage.isEmpty()) {
        section.passage =
            readPassage(node["passage"], passage, page, {Segment::Blank, Segment::Error}, blanks);
        remember(node["passage"], passage, QStringLiteral("passage"));
    }
    if (node["bank"]) {
        if (blanks == 0)
            m_source.fail(node["bank"], QStringLiteral("a word bank needs a passage with blanks"));
        section.bank = m_source.textList(node, "bank");
    }
    if (blanks > 0 || node["answers"]) {
        readBankAnswers(node, section.bank, page);
        checkAnswerCount(node, blanks, page.boxes.size() - first);
        checkCorrections(node, section, page);
    }
    if (node["items"]) {
        for (const YAML::Node &item : m_source.requireSequence(node, "items"))
            section.questions.append(readItem(item, page, false));
    }
    if (page.boxes.size() == first)
        m_source.fail(node, QStringLiteral("a section needs answer boxes: blanks in its passage "
                                           "or items"));
    page.sections.append(section);
}

const QStringList &PageReader::choiceKeys()
{
    static const QStringList keys = {QStringLiteral("question"), QStringLiteral("options"),
                                     QStringLiteral("answer"),   QStringLiteral("marks"),
                                     QStringLiteral("why"),      QStringLiteral("area")};
    return keys;
}

Box PageReader::box(const YAML::Node &node, QChar kind, const QString &answer, int marks)
{
    Box box{kind, answer, marks};
    box.file = m_source.shownPath();
    box.line = m_source.line(node);
    if (!node.IsMap())
        return box;
    box.why = m_source.optionalText(node, "why").trimmed();
    if (!box.why.isEmpty()) {
        TableField::check(m_source, node["why"], box.why, QStringLiteral("why"));
        if (box.why.size() > kLongestWhy)
            m_source.fail(node["why"], QStringLiteral("\"why\" has %1 characters; at most %2 "
                                                      "are allowed")
                                           .arg(box.why.size())
                                           .arg(kLongestWhy));
    }
    box.area = m_source.optionalText(node, "area").trimmed();
    if (!box.area.isEmpty() && !m_topic.areas.contains(box.area))
        m_source.fail(node["area"],
                      QStringLiteral("area \"%1\" is not one of the areas of topic "
                                     "%2 \"%3\" (%4)")
                          .arg(box.area)
                          .arg(m_topicNumber)
                          .arg(m_topic.name, m_topic.areas.join(QStringLiteral(", "))));
    return box;
}

int PageReader::readMarks(const YAML::Node &map)
{
    const YAML::Node node = map["marks"];
    if (!node)
        return 1;
    const int marks = m_source.integer(node, QStringLiteral("\"marks\""));
    if (marks != 1 && marks != 2)
        m_source.fail(node, QStringLiteral("marks must be 1 or 2, not %1").arg(marks));
    return marks;
}

Question PageReader::readChoiceQuestion(const YAML::Node &node, Page &page)
{
    Question question;
    const QString text = m_source.text(node, "question");
    question.text = readLine(node["question"], text, page, false);
    remember(node["question"], text, QStringLiteral("question"));

    const YAML::Node options = m_source.requireSequence(node, "options");
    question.options = m_source.textList(node, "options");
    if (question.options.size() != 4)
        m_source.fail(options, QStringLiteral("a question needs exactly 4 options, this one has %1")
                                   .arg(question.options.size()));
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < i; ++j) {
            if (normalised(question.options[i]) == normalised(question.options[j]))
                m_source.fail(options[i], QStringLiteral("options %1 and %2 are the same: \"%3\"")
                                              .arg(j + 1)
                                              .arg(i + 1)
                                              .arg(question.options[i]));
        }
    }

    const YAML::Node answerNode = node["answer"];
    if (!answerNode)
        m_source.fail(node, QStringLiteral("missing \"answer\""));
    bool ok = false;
    const int answer =
        m_source.scalar(answerNode, QStringLiteral("\"answer\"")).trimmed().toInt(&ok);
    if (!ok || answer < 1 || answer > 4)
        m_source.fail(answerNode, QStringLiteral("answer must be the number of an option, 1 to 4, "
                                                 "not \"%1\"")
                                      .arg(QString::fromStdString(answerNode.Scalar())));
    question.box = page.boxes.size();
    page.boxes.append(box(node, QLatin1Char('Q'), QString::number(answer), readMarks(node)));
    return question;
}

QList<Question> PageReader::readChoiceQuestions(const YAML::Node &map, Page &page)
{
    QList<Question> questions;
    for (const YAML::Node &node : m_source.requireSequence(map, "questions")) {
        m_source.allowKeys(node, choiceKeys(), QStringLiteral("a question of %1").arg(shapeWhat()));
        questions.append(readChoiceQuestion(node, page));
    }
    return questions;
}

Question PageReader::readItem(const YAML::Node &node, Page &page, bool combineOnly)
{
    QStringList keys = {QStringLiteral("sentences"), QStringLiteral("combined"),
                        QStringLiteral("answer")};
    if (!combineOnly)
        keys.append(QStringLiteral("question"));
    m_source.allowKeys(node, keys, QStringLiteral("an item of %1").arg(shapeWhat()));

    Question question;
    if (node["question"] && !node["sentences"] && !node["combined"]) {
        const QString text = m_source.text(node, "question");
        question.text = readLine(node["question"], text, page, text.contains(QLatin1String("___")));
        remember(node["question"], text, QStringLiteral("question"));
    } else {
        if (node["question"])
            m_source.fail(node, QStringLiteral("an item has either \"question\" or \"sentences\" "
                                               "and \"combined\", not both"));
        question.sentences = m_source.textList(node, "sentences");
        if (question.sentences.size() < 2)
            m_source.fail(node["sentences"], QStringLiteral("\"sentences\" needs at least two "
                                                            "sentences to combine"));
        const QString combined = m_source.text(node, "combined");
        question.text = readLine(node["combined"], combined, page, true);
        remember(node["combined"], combined, QStringLiteral("question"));
    }
    question.box = page.boxes.size();
    const YAML::Node answer = node["answer"];
    if (!answer)
        m_source.fail(node, QStringLiteral("missing \"answer\""));
    readTextAnswer(answer, page);
    return question;
}

QString PageReader::readAlternative(const YAML::Node &node)
{
    const QString value = m_source.scalar(node, QStringLiteral("an answer")).trimmed();
    TableField::check(m_source, node, value, QStringLiteral("answer"));
    return value;
}

void PageReader::readTextAnswer(const YAML::Node &node, Page &page)
{
    int marks = 1;
    if (node.IsMap()) {
        m_source.allowKeys(node,
                           {QStringLiteral("answer"), QStringLiteral("marks"),
                            QStringLiteral("why"), QStringLiteral("area")},
                           QStringLiteral("an answer"));
        if (!node["answer"])
            m_source.fail(node, QStringLiteral("missing \"answer\""));
        marks = readMarks(node);
    }
    const YAML::Node value = node.IsMap() ? node["answer"] : node;
    if (value.IsSequence()) {
        if (m_topic.shape != kMock)
            m_source.fail(value, QStringLiteral("answers with alternatives (kind M) belong to the "
                                                "mock examination only, not to %1")
                                     .arg(shapeWhat()));
        QStringList alternatives;
        for (const YAML::Node &item : value) {
            const QString alternative = readAlternative(item);
            if (alternative.contains(QLatin1Char(';')))
                m_source.fail(item, QStringLiteral("an alternative cannot contain \";\""));
            for (const QString &earlier : alternatives) {
                if (normalised(earlier) == normalised(alternative))
                    m_source.fail(
                        item, QStringLiteral("alternative \"%1\" is given twice").arg(alternative));
            }
            alternatives.append(alternative);
        }
        if (alternatives.size() < 2)
            m_source.fail(value, QStringLiteral("a list of accepted answers needs at least two"));
        page.boxes.append(box(node, QLatin1Char('M'),
                              QLatin1Char(';') + alternatives.join(QLatin1Char(';')), marks));
        return;
    }
    page.boxes.append(box(node, QLatin1Char('T'), readAlternative(value), marks));
}

void PageReader::readBankAnswers(const YAML::Node &map, const QStringList &bank, Page &page)
{
    const YAML::Node answers = m_source.requireSequence(map, "answers");
    for (int i = 0; i < bank.size(); ++i) {
        for (int j = 0; j < i; ++j) {
            if (normalised(bank[i]) == normalised(bank[j]))
                m_source.fail(map["bank"][i],
                              QStringLiteral("word bank entry \"%1\" is given twice").arg(bank[i]));
        }
    }
    for (const YAML::Node &answer : answers) {
        const int box = page.boxes.size();
        readTextAnswer(answer, page);
        if (bank.isEmpty())
            continue;
        // Each accepted alternative of a kind M box must be a bank word too.
        const Box &read = page.boxes[box];
        const QStringList expected = read.kind == QLatin1Char('M')
                                         ? read.answer.split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                         : QStringList{read.answer};
        for (const QString &alternative : expected) {
            bool found = false;
            for (const QString &word : bank)
                found = found || normalised(word) == normalised(alternative);
            if (!found)
                m_source.fail(
                    answer,
                    QStringLiteral("answer \"%1\" is not in the word bank").arg(alternative));
        }
    }
}

void PageReader::checkAnswerCount(const YAML::Node &map, int blanks, int answers)
{
    if (blanks != answers)
        m_source.fail(map["answers"] ? map["answers"] : map,
                      QStringLiteral("the passage has %1 blanks but \"answers\" lists %2 answers")
                          .arg(blanks)
                          .arg(answers));
}

void PageReader::checkCorrections(const YAML::Node &map, const Section &section, const Page &page)
{
    for (const Paragraph &paragraph : section.passage) {
        for (const Segment &segment : paragraph) {
            if (segment.type != Segment::Error)
                continue;
            const Box &box = page.boxes[segment.box];
            if (box.kind == QLatin1Char('T') && normalised(box.answer) == normalised(segment.text))
                m_source.fail(map["answers"],
                              QStringLiteral("the correction of [%1:%2] is the same "
                                             "as the marked words")
                                  .arg(segment.box + 1)
                                  .arg(segment.text));
        }
    }
}

QList<Paragraph> PageReader::readPassage(const YAML::Node &node, const QString &text, Page &page,
                                         QList<Segment::Type> markers, int &count)
{
    static const QRegularExpression paragraphBreak(QStringLiteral("\\n[ \\t]*\\n"));
    static const QRegularExpression marker(QStringLiteral("\\[(\\d+)(?::([^\\]\\n]*))?\\]"));
    QList<Paragraph> paragraphs;
    count = 0;
    for (const QString &block : text.trimmed().split(paragraphBreak, Qt::SkipEmptyParts)) {
        const QString flat = block.simplified();
        Paragraph paragraph;
        qsizetype at = 0;
        auto it = marker.globalMatch(flat);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            if (m.capturedStart() > at)
                paragraph.append({Segment::Text, flat.mid(at, m.capturedStart() - at)});
            const bool isError = m.captured(0).contains(QLatin1Char(':'));
            const Segment::Type type = isError ? Segment::Error : Segment::Blank;
            if (!markers.contains(type)) {
                const QString kind =
                    markers.isEmpty() ? QStringLiteral("has no blanks or marked errors")
                    : markers.contains(Segment::Blank)
                        ? QStringLiteral("marks blanks as [n], not [n:words]")
                        : QStringLiteral("marks errors as [n:wrong words], not [n]");
                m_source.fail(node, QStringLiteral("\"%1\": a passage of %2 %3")
                                        .arg(m.captured(0), shapeWhat(), kind));
            }
            const int expected = page.boxes.size() + count + 1;
            if (m.captured(1).toInt() != expected)
                m_source.fail(node, QStringLiteral("\"%1\" should be numbered %2: markers are "
                                                   "numbered 1, 2, 3 ... in order across the page")
                                        .arg(m.captured(0))
                                        .arg(expected));
            const QString wrong = m.captured(2).trimmed();
            if (isError && wrong.isEmpty())
                m_source.fail(node, QStringLiteral("\"%1\" marks no words").arg(m.captured(0)));
            paragraph.append({type, wrong, int(page.boxes.size()) + count});
            ++count;
            at = m.capturedEnd();
        }
        if (at < flat.size())
            paragraph.append({Segment::Text, flat.mid(at)});
        paragraphs.append(paragraph);
    }
    return paragraphs;
}

Paragraph PageReader::readLine(const YAML::Node &node, const QString &text, Page &page, bool boxGap)
{
    static const QRegularExpression gap(QStringLiteral("_{3,}"));
    const QString flat = text.simplified();
    Paragraph line;
    qsizetype at = 0;
    int gaps = 0;
    auto it = gap.globalMatch(flat);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedStart() > at)
            line.append({Segment::Text, flat.mid(at, m.capturedStart() - at)});
        line.append({boxGap ? Segment::Blank : Segment::Gap, QString(),
                     boxGap ? int(page.boxes.size()) : -1});
        ++gaps;
        at = m.capturedEnd();
    }
    if (at < flat.size())
        line.append({Segment::Text, flat.mid(at)});
    if (boxGap && gaps != 1)
        m_source.fail(node, QStringLiteral("\"%1\" has %2 blanks \"___\"; it needs exactly one, "
                                           "the place of its answer box")
                                .arg(flat)
                                .arg(gaps));
    return line;
}

void PageReader::remember(const YAML::Node &node, const QString &text, const QString &what)
{
    const QString key = normalised(text);
    const QString here = QStringLiteral("%1:%2").arg(m_source.shownPath()).arg(m_source.line(node));
    const auto found = m_seen.constFind(key);
    if (found != m_seen.constEnd())
        m_source.fail(
            node,
            QStringLiteral("this %1 is repeated; it first appears at %2").arg(what, found.value()));
    m_seen.insert(key, here);
}
