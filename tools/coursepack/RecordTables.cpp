#include "RecordTables.h"

#include "content/Cp1252.h"

#include <QStringList>

namespace {

const QString kFrame = QStringLiteral("...");

QByteArray framed(const QStringList &records)
{
    QStringList lines;
    lines.append(kFrame);
    lines.append(records);
    lines.append(kFrame);
    return Cp1252::encode(lines.join(QStringLiteral("\r\n")));
}

QString record(const QString &key, const QStringList &fields)
{
    QString line = QLatin1Char('#') + key + QLatin1Char('#');
    for (const QString &field : fields)
        line += QLatin1Char('>') + field;
    return line;
}

QString answerField(const Box &box)
{
    return box.answer;
}
QString kindField(const Box &box)
{
    return QString(box.kind);
}
QString marksField(const Box &box)
{
    return QString::number(box.marks);
}
QString whyField(const Box &box)
{
    return box.why;
}
QString areaField(const Box &box)
{
    return box.area;
}

int paperCount(const Course &course)
{
    int count = 0;
    for (const Topic &topic : course.topics)
        count += topic.papers.size();
    return count;
}

} // namespace

QMap<int, QByteArray> RecordTables::build(const Course &course)
{
    const int level = 10 * course.level;
    QMap<int, QByteArray> tables;
    tables.insert(30000, configuration(course));
    tables.insert(30002 + level, paperMap(course));
    tables.insert(30003 + level, pageTable(course, answerField));
    tables.insert(30004 + level, pageTable(course, kindField));
    tables.insert(30005 + level, pageTable(course, marksField));
    tables.insert(30006 + level, pageTable(course, whyField));
    tables.insert(30007 + level, pageTable(course, areaField));
    tables.insert(30101 + level, marksTemplate(paperCount(course)));
    const QByteArray answers = answersTemplate(course);
    for (int n = 30102; n <= 30105; ++n)
        tables.insert(n + level, answers);
    tables.insert(30106 + level, QByteArrayLiteral("#TRD#"));
    return tables;
}

QByteArray RecordTables::configuration(const Course &course)
{
    static const char levelLetter[] = {'A', 'B', 'C'};
    const QString n = QString::number(course.level);
    QStringList names;
    for (const Topic &topic : course.topics)
        names.append(topic.name);
    return framed({record(QStringLiteral("NME"), {course.title}),
                   record(QStringLiteral("COD"), {course.code}),
                   record(QStringLiteral("L%1H").arg(QLatin1Char(levelLetter[course.level - 1])),
                          {course.heading}),
                   QString(23, QLatin1Char('-')),
                   record(QStringLiteral("TT") + n, {QString::number(course.topics.size())}),
                   record(QStringLiteral("TP") + n, {QString::number(paperCount(course))}),
                   record(QStringLiteral("TN") + n, names)});
}

QByteArray RecordTables::paperMap(const Course &course)
{
    QStringList records;
    for (const Topic &topic : course.topics) {
        for (const Paper &paper : topic.papers) {
            QStringList ids;
            for (const Page &page : paper.pages)
                ids.append(QString::number(page.id));
            records.append(record(QString::number(paper.key), ids));
        }
    }
    return framed(records);
}

QByteArray RecordTables::pageTable(const Course &course, QString (*field)(const Box &))
{
    QStringList records;
    for (const Topic &topic : course.topics) {
        for (const Paper &paper : topic.papers) {
            for (const Page &page : paper.pages) {
                QStringList fields;
                for (const Box &box : page.boxes)
                    fields.append(field(box));
                records.append(record(QString::number(page.id), fields));
            }
        }
    }
    return framed(records);
}

QByteArray RecordTables::marksTemplate(int paperCount)
{
    const QStringList empty(paperCount, QString());
    const QStringList zeros(paperCount, QStringLiteral("0"));
    return framed({record(QStringLiteral("FSE"), empty), record(QStringLiteral("SSE"), empty),
                   record(QStringLiteral("LTM"), empty), record(QStringLiteral("CDD"), empty),
                   record(QStringLiteral("FST"), zeros), record(QStringLiteral("SST"), zeros)});
}

QByteArray RecordTables::answersTemplate(const Course &course)
{
    QStringList records;
    for (const Topic &topic : course.topics) {
        for (const Paper &paper : topic.papers) {
            int boxes = 0;
            for (const Page &page : paper.pages)
                boxes += page.boxes.size();
            records.append(record(QString::number(paper.key), QStringList(boxes, QString())));
        }
    }
    return framed(records);
}
