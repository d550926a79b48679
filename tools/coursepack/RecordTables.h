#pragma once

#include "CourseModel.h"

#include <QByteArray>
#include <QMap>

// The record-file resources of a course: the configuration, the level's
// paper map, answer key, answer kinds and box marks, and the six results
// templates, keyed by resource number. All are Windows-1252 text with CR LF
// between lines, framed by "..." lines and without a line end after the last.
class RecordTables
{
public:
    static QMap<int, QByteArray> build(const Course &course);

private:
    static QByteArray configuration(const Course &course);
    static QByteArray paperMap(const Course &course);
    static QByteArray pageTable(const Course &course, QString (*field)(const Box &));
    static QByteArray marksTemplate(int paperCount);
    static QByteArray answersTemplate(const Course &course);
};
