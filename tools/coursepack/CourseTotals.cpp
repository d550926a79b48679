#include "CourseTotals.h"

#include <QStringList>

namespace {

constexpr int kDeliveredTopics = 10;

} // namespace

CourseTotals::CourseTotals(const Course &course)
{
    topics = course.topics.size();
    for (const Topic &topic : course.topics) {
        for (const Paper &paper : topic.papers) {
            ++papers;
            int paperBoxes = 0;
            for (const Page &page : paper.pages) {
                ++pages;
                for (const Box &box : page.boxes) {
                    ++boxes;
                    ++paperBoxes;
                    marks += box.marks;
                    if (box.kind == QLatin1Char('Q'))
                        ++choiceBoxes;
                    else if (box.kind == QLatin1Char('T'))
                        ++textBoxes;
                    else if (box.kind == QLatin1Char('M'))
                        ++alternativeBoxes;
                }
            }
            largestPaper = qMax(largestPaper, paperBoxes);
        }
    }
}

QString CourseTotals::deliveredMismatch() const
{
    if (topics != kDeliveredTopics)
        return {};
    struct Expected
    {
        const char *what;
        int have;
        int want;
    };
    const Expected expected[] = {
        {"papers", papers, 50},
        {"pages", pages, 740},
        {"answer boxes", boxes, 1950},
        {"boxes of kind Q", choiceBoxes, 800},
        {"boxes of kind T", textBoxes, 1120},
        {"boxes of kind M", alternativeBoxes, 30},
    };
    QStringList differences;
    for (const Expected &e : expected) {
        if (e.have != e.want)
            differences.append(QStringLiteral("%1 %2 instead of %3")
                                   .arg(QLatin1String(e.what))
                                   .arg(e.have)
                                   .arg(e.want));
    }
    return differences.join(QStringLiteral(", "));
}

QString CourseTotals::summary() const
{
    const auto counted = [](int n, const char *one, const char *many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return QStringLiteral("%1, %2, %3, %4 (Q %5, T %6, M %7), %8, at most %9 in a paper")
        .arg(counted(topics, "topic", "topics"), counted(papers, "paper", "papers"),
             counted(pages, "page", "pages"), counted(boxes, "answer box", "answer boxes"))
        .arg(choiceBoxes)
        .arg(textBoxes)
        .arg(alternativeBoxes)
        .arg(counted(marks, "mark", "marks"), counted(largestPaper, "box", "boxes"));
}
