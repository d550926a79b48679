#pragma once

#include "CourseModel.h"

#include <QString>

// Writes the HTML of a question page: one template for every shape, with
// the topic heading and instructions, the page's passage, word bank, picture
// and questions, and every answer box labelled (a), (b) ... as on the
// answer sheet when the page has more than one box.
class PageRenderer
{
public:
    static QString html(const Topic &topic, const Page &page);

private:
    static QString label(const Page &page, int box);
    static QString line(const Page &page, const Paragraph &paragraph, bool labelBlanks);
    static QString passage(const Page &page, const Section &section);
    static QString bank(const Section &section);
    static QString options(const Question &question);
    static QString question(const Page &page, const Question &question);
};
