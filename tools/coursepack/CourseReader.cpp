#include "CourseReader.h"

#include "PageReader.h"
#include "SourceError.h"
#include "TableField.h"
#include "YamlSource.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace {

constexpr int kPapersPerTopic = 5;
constexpr int kMaxTopics = 10;
constexpr int kFirstPageId = 10001;
constexpr int kLastPageId = 12345;

} // namespace

CourseReader::CourseReader(const QString &courseDir) : m_courseDir(QDir::cleanPath(courseDir)) {}

QString CourseReader::shown(const QString &relative) const
{
    return m_courseDir + QLatin1Char('/') + relative;
}

QString CourseReader::paperFile(int key) const
{
    return QStringLiteral("papers/%1.yaml").arg(key);
}

Course CourseReader::read()
{
    return reportingYamlErrors([this] { return readCourse(); });
}

QList<Paper> CourseReader::check(const QStringList &files)
{
    return reportingYamlErrors([&] { return checkPapers(files); });
}

// What the checks miss, yaml-cpp reports by an exception of its own: it still
// ends in a message that names the file being read.
template <typename Read> auto CourseReader::reportingYamlErrors(Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const YAML::Exception &e) {
        throw SourceError(m_reading, e.mark.is_null() ? 1 : e.mark.line + 1,
                          QStringLiteral("not understood: %1").arg(QString::fromStdString(e.msg)));
    }
}

Course CourseReader::readCourse()
{
    Course course = readConfiguration();
    const QList<Topic> declared = course.topics;
    course.topics.clear();

    // Topics present: complete topics from topic 1 until the first incomplete one.
    int present = 0;
    while (present < declared.size()) {
        QStringList missing;
        for (int i = 1; i <= kPapersPerTopic; ++i) {
            const int key = 100 + kPapersPerTopic * present + i;
            if (!QFileInfo::exists(shown(paperFile(key))))
                missing.append(paperFile(key));
        }
        if (!missing.isEmpty()) {
            if (missing.size() < kPapersPerTopic)
                m_notes.append(
                    QStringLiteral("topic %1 \"%2\" is not packed yet: %3 missing")
                        .arg(present + 1)
                        .arg(declared[present].name, missing.join(QStringLiteral(", "))));
            break;
        }
        ++present;
    }
    checkPaperFileNames(present, declared.size());
    if (present == 0)
        m_notes.append(QStringLiteral("no topic is complete yet: the level is packed without "
                                      "topics"));

    QHash<QString, QString> seen;
    int nextPageId = kFirstPageId;
    for (int t = 0; t < present; ++t) {
        Topic topic = declared[t];
        for (int i = 1; i <= kPapersPerTopic; ++i) {
            const int key = 100 + kPapersPerTopic * t + i;
            topic.papers.append(
                readPaper(topic, t + 1, key, shown(paperFile(key)), seen, nextPageId));
        }
        course.topics.append(topic);
    }
    for (const Topic &topic : course.topics)
        requireExplanations(topic.papers);
    return course;
}

QList<Paper> CourseReader::checkPapers(const QStringList &files)
{
    const Course course = readConfiguration();
    static const QRegularExpression paperName(QStringLiteral("^(\\d{3})\\.yaml$"));
    QHash<QString, QString> seen;
    int nextPageId = kFirstPageId;
    QList<Paper> papers;
    for (const QString &file : files) {
        const QRegularExpressionMatch m = paperName.match(QFileInfo(file).fileName());
        const int key = m.hasMatch() ? m.captured(1).toInt() : 0;
        const int topic = (key - 101) / kPapersPerTopic;
        if (key < 101 || topic >= course.topics.size())
            throw SourceError(file, 1,
                              QStringLiteral("not a paper of a declared topic: papers are named "
                                             "by their key, 101.yaml to %1.yaml")
                                  .arg(100 + kPapersPerTopic * course.topics.size()));
        papers.append(readPaper(course.topics[topic], topic + 1, key, file, seen, nextPageId));
    }
    requireExplanations(papers);
    return papers;
}

// Checked once every paper has been read, so that a fault in the shape of a
// page is reported before a missing explanation.
void CourseReader::requireExplanations(const QList<Paper> &papers)
{
    for (const Paper &paper : papers) {
        for (const Page &page : paper.pages) {
            for (const Box &box : page.boxes) {
                if (box.why.isEmpty() || box.area.isEmpty())
                    throw SourceError(
                        box.file, box.line,
                        QStringLiteral("every answer box needs \"why\" (why its answer is "
                                       "right) and \"area\" (the skill it tests); this one has "
                                       "no \"%1\"")
                            .arg(QLatin1String(box.why.isEmpty() ? "why" : "area")));
            }
        }
    }
}

Paper CourseReader::readPaper(const Topic &topic, int topicNumber, int key, const QString &path,
                              QHash<QString, QString> &seen, int &nextPageId)
{
    m_reading = path;
    const YamlSource source(path, path);
    source.allowKeys(source.root(), {QStringLiteral("pages")}, QStringLiteral("a paper file"));
    const YAML::Node pages = source.requireSequence(source.root(), "pages");
    if (int(pages.size()) != topic.pagesPerPaper)
        source.fail(pages, QStringLiteral("paper %1 has %2 page%3; every paper of topic %4 "
                                          "\"%5\" (shape %6) has %7")
                               .arg(key)
                               .arg(pages.size())
                               .arg(QLatin1String(pages.size() == 1 ? "" : "s"))
                               .arg(topicNumber)
                               .arg(topic.name, topic.shape)
                               .arg(topic.pagesPerPaper));
    PageReader reader(source, topic, topicNumber, m_courseDir, seen);
    Paper paper;
    paper.key = key;
    for (const YAML::Node &node : pages) {
        Page page = reader.read(node);
        if (nextPageId > kLastPageId)
            source.fail(node,
                        QStringLiteral("too many pages: page ids end at %1").arg(kLastPageId));
        page.id = nextPageId++;
        page.paperNumber = (key - 101) % kPapersPerTopic + 1;
        page.number = paper.pages.size() + 1;
        page.count = topic.pagesPerPaper;
        paper.pages.append(page);
    }
    return paper;
}

Course CourseReader::readConfiguration()
{
    const QString configName = QStringLiteral("course.yaml");
    m_reading = shown(configName);
    const YamlSource config(shown(configName), shown(configName));
    const YAML::Node &root = config.root();
    config.allowKeys(root,
                     {QStringLiteral("title"), QStringLiteral("code"), QStringLiteral("level"),
                      QStringLiteral("heading"), QStringLiteral("topics")},
                     QStringLiteral("the course configuration"));

    Course course;
    course.title = config.text(root, "title");
    course.code = config.text(root, "code");
    course.heading = config.text(root, "heading");
    TableField::check(config, root["title"], course.title, QStringLiteral("title"));
    TableField::check(config, root["code"], course.code, QStringLiteral("code"));
    TableField::check(config, root["heading"], course.heading, QStringLiteral("heading"));
    static const QRegularExpression codeForm(QStringLiteral("^[A-Za-z0-9]+$"));
    if (!codeForm.match(course.code).hasMatch())
        config.fail(root["code"], QStringLiteral("code \"%1\" must be letters or digits only: it "
                                                 "becomes part of file names")
                                      .arg(course.code));
    course.level = root["level"] ? config.integer(root["level"], QStringLiteral("\"level\"")) : 2;
    if (course.level < 1 || course.level > 3)
        config.fail(root["level"], QStringLiteral("level must be 1, 2 or 3"));

    const YAML::Node topics = config.requireSequence(root, "topics");
    if (topics.size() < 1 || topics.size() > kMaxTopics)
        config.fail(topics, QStringLiteral("a level has 1 to %1 topics, not %2")
                                .arg(kMaxTopics)
                                .arg(topics.size()));
    QList<Topic> declared;
    for (const YAML::Node &node : topics) {
        config.allowKeys(node,
                         {QStringLiteral("name"), QStringLiteral("shape"),
                          QStringLiteral("instructions"), QStringLiteral("pages"),
                          QStringLiteral("boxes"), QStringLiteral("areas")},
                         QStringLiteral("a topic"));
        Topic topic;
        topic.name = config.text(node, "name");
        TableField::check(config, node["name"], topic.name, QStringLiteral("topic name"));
        topic.shape = config.text(node, "shape");
        if (!PageReader::shapes().contains(topic.shape))
            config.fail(node["shape"],
                        QStringLiteral("unknown shape \"%1\" (shapes: %2)")
                            .arg(topic.shape, PageReader::shapes().join(QStringLiteral(", "))));
        topic.instructions = config.text(node, "instructions");
        topic.pagesPerPaper = config.integer(node, "pages");
        topic.boxesPerPage = config.integer(node, "boxes");
        if (topic.pagesPerPaper < 1)
            config.fail(node["pages"], QStringLiteral("a paper needs at least one page"));
        if (topic.boxesPerPage < 1 || topic.boxesPerPage > 20)
            config.fail(node["boxes"], QStringLiteral("a page has 1 to 20 answer boxes"));
        if (topic.shape == QLatin1String("choice") && topic.boxesPerPage != 1)
            config.fail(node["boxes"], QStringLiteral("a page of shape choice has one answer box"));
        topic.areas = config.textList(node, "areas");
        for (int i = 0; i < topic.areas.size(); ++i)
            TableField::check(config, node["areas"][i], topic.areas[i], QStringLiteral("area"));
        declared.append(topic);
    }

    course.topics = declared;
    return course;
}

void CourseReader::checkPaperFileNames(int topicCount, int declaredCount) const
{
    static const QRegularExpression paperName(QStringLiteral("^(\\d{3})\\.yaml$"));
    const QDir papers(shown(QStringLiteral("papers")));
    const QStringList files = papers.entryList({QStringLiteral("*.yaml")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QRegularExpressionMatch m = paperName.match(file);
        const int key = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (key < 101 || key > 100 + kPapersPerTopic * kMaxTopics)
            throw SourceError(shown(QStringLiteral("papers/") + file), 1,
                              QStringLiteral("not a paper file: papers are named 101.yaml to "
                                             "150.yaml"));
        const int topic = (key - 101) / kPapersPerTopic + 1;
        if (topic > declaredCount)
            throw SourceError(shown(QStringLiteral("papers/") + file), 1,
                              QStringLiteral("paper %1 belongs to topic %2, which course.yaml does "
                                             "not declare")
                                  .arg(key)
                                  .arg(topic));
        if (topic > topicCount + 1)
            throw SourceError(
                shown(QStringLiteral("papers/") + file), 1,
                QStringLiteral("paper %1 belongs to topic %2, but topic %3 is not "
                               "complete: topics are packed from topic 1 without gaps")
                    .arg(key)
                    .arg(topic)
                    .arg(topicCount + 1));
    }
}
