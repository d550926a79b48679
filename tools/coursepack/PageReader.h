#pragma once

#include "CourseModel.h"
#include "YamlSource.h"

#include <QHash>
#include <QString>

// Reads the pages of one paper file by the shape of the paper's topic,
// checking every page against that shape and numbering its answer boxes.
class PageReader
{
public:
    // `seen` maps every question and passage read so far in the course to
    // where it was first met; it is shared by the readers of all papers.
    PageReader(const YamlSource &source, const Topic &topic, int topicNumber,
               const QString &courseDir, QHash<QString, QString> &seen);

    Page read(const YAML::Node &node);

    static const QStringList &shapes();

private:
    void readChoicePage(const YAML::Node &node, Page &page);
    void readClozePage(const YAML::Node &node, Page &page, bool withBank, Segment::Type marker);
    void readSynthesisPage(const YAML::Node &node, Page &page);
    void readVisualPage(const YAML::Node &node, Page &page);
    void readReadingPage(const YAML::Node &node, Page &page);
    void readMockPage(const YAML::Node &node, Page &page);
    void readMockSection(const YAML::Node &node, Page &page);

    Question readChoiceQuestion(const YAML::Node &node, Page &page);
    QList<Question> readChoiceQuestions(const YAML::Node &map, Page &page);
    Question readItem(const YAML::Node &node, Page &page, bool combineOnly);
    void readTextAnswer(const YAML::Node &node, Page &page);
    QString readAlternative(const YAML::Node &node);
    int readMarks(const YAML::Node &map);
    // A box of `kind` read at `node`, with the explanation and area given
    // there when `node` is a mapping.
    Box box(const YAML::Node &node, QChar kind, const QString &answer, int marks);
    static const QStringList &choiceKeys();

    // Splits text into paragraphs at blank lines and finds its markers: "[n]"
    // (a blank) and "[n:wrong words]" (an error) where `markers` allows them;
    // each marker's n must continue the page's box numbering. Returns the
    // number of markers in `count`.
    QList<Paragraph> readPassage(const YAML::Node &node, const QString &text, Page &page,
                                 QList<Segment::Type> markers, int &count);
    // A one-line text where "___" is a gap; with `boxGap` the single "___" is
    // the blank of the next answer box.
    Paragraph readLine(const YAML::Node &node, const QString &text, Page &page, bool boxGap);
    void readBankAnswers(const YAML::Node &map, const QStringList &bank, Page &page);
    // Refuses a correction that repeats the words it should correct.
    void checkCorrections(const YAML::Node &map, const Section &section, const Page &page);
    void checkAnswerCount(const YAML::Node &map, int blanks, int answers);
    void remember(const YAML::Node &node, const QString &text, const QString &what);

    QString shapeWhat() const;

    const YamlSource &m_source;
    const Topic &m_topic;
    int m_topicNumber;
    QString m_courseDir;
    QHash<QString, QString> &m_seen;
};
