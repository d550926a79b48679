#pragma once

#include "CourseModel.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Reads course/course.yaml and the paper files of every complete topic,
// refusing anything that does not fit with a SourceError. Topics count from
// topic 1 without gaps; a topic is complete when all five paper files exist.
class CourseReader
{
public:
    explicit CourseReader(const QString &courseDir);

    Course read();

    // Reads the given paper files, each against the topic its key (the file's
    // name) belongs to, with every check of read() but the order of topics;
    // packs nothing.
    QList<Paper> check(const QStringList &files);

    // Notes about topics left out because their papers are not all written yet.
    const QStringList &notes() const { return m_notes; }

private:
    template <typename Read> auto reportingYamlErrors(Read read) -> decltype(read());
    Course readCourse();
    QList<Paper> checkPapers(const QStringList &files);
    QString paperFile(int key) const;
    QString shown(const QString &relative) const;
    void checkPaperFileNames(int topicCount, int declaredCount) const;
    Course readConfiguration();
    static void requireExplanations(const QList<Paper> &papers);
    Paper readPaper(const Topic &topic, int topicNumber, int key, const QString &path,
                    QHash<QString, QString> &seen, int &nextPageId);

    QString m_courseDir;
    QString m_reading; // the file being read, for messages
    QStringList m_notes;
};
