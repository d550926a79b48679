#pragma once

#include "CourseModel.h"

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

    // Notes about topics left out because their papers are not all written yet.
    const QStringList &notes() const { return m_notes; }

private:
    Course readCourse();
    QString paperFile(int key) const;
    QString shown(const QString &relative) const;
    void checkPaperFileNames(int topicCount, int declaredCount) const;
    void readPaper(Topic &topic, int topicNumber, int key, int &nextPageId);

    QString m_courseDir;
    QString m_reading; // the file being read, for messages
    QStringList m_notes;
};
