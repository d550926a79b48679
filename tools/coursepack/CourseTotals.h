#pragma once

#include "CourseModel.h"

#include <QString>

// What a course holds, counted over its packed topics.
class CourseTotals
{
public:
    explicit CourseTotals(const Course &course);

    int topics = 0;
    int papers = 0;
    int pages = 0;
    int boxes = 0;
    int choiceBoxes = 0;
    int textBoxes = 0;
    int alternativeBoxes = 0;
    int marks = 0;
    int largestPaper = 0;

    // With all ten topics present the course must have its delivered size;
    // returns a description of every difference, empty when it matches.
    QString deliveredMismatch() const;

    QString summary() const;
};
