// coursepack: compiles the course sources and the skin pictures into the
// numbered resources the program carries.
//
//   coursepack course <course folder> <output folder>
//   coursepack skin <skin folder> <output folder>
//   coursepack check <course folder> <paper file> ...
//
// The first two write <output folder>/custom/<number> and a .qrc listing
// them; check reads paper files that are still being written (their topic
// need not be complete) and prints what they hold, packing nothing.

#include "CourseReader.h"
#include "CourseTotals.h"
#include "MhtArchive.h"
#include "PackOutput.h"
#include "PageRenderer.h"
#include "RecordTables.h"
#include "SkinPacker.h"
#include "SourceError.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kFirstPageId = 10001;

int packCourse(const QString &courseDir, const QString &outDir)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    Course course;
    CourseReader reader(courseDir);
    try {
        course = reader.read();
    } catch (const SourceError &e) {
        err << e.what() << Qt::endl;
        return 1;
    }
    for (const QString &note : reader.notes())
        out << "coursepack: note: " << note << Qt::endl;

    const CourseTotals totals(course);
    const QString mismatch = totals.deliveredMismatch();
    if (!mismatch.isEmpty()) {
        err << courseDir << "/course.yaml:1: error: all ten topics are present but the course has "
            << mismatch << Qt::endl;
        return 1;
    }

    QMap<int, QByteArray> resources = RecordTables::build(course);
    for (const Topic &topic : course.topics) {
        for (const Paper &paper : topic.papers) {
            for (const Page &page : paper.pages)
                resources.insert(
                    page.id,
                    MhtArchive::build(page.id, PageRenderer::html(topic, page), page.pictures));
        }
    }
    const QString error = PackOutput::write(outDir, QStringLiteral("quorvane_course"), resources,
                                            [](int n) { return n >= kFirstPageId; });
    if (!error.isEmpty()) {
        err << "coursepack: error: " << error << Qt::endl;
        return 1;
    }
    out << "coursepack: " << course.title << ", level " << course.level << ": " << totals.summary()
        << Qt::endl;
    return 0;
}

// What a writer checks in a paper: its size, the spread of its answer
// positions (a pattern in them is a clue) and of the areas it covers.
QString describe(const Paper &paper)
{
    int pages = 0;
    int boxes = 0;
    int positions[5] = {};
    int longestRun = 0;
    int run = 0;
    int previous = 0;
    QMap<QString, int> areas;
    for (const Page &page : paper.pages) {
        ++pages;
        for (const Box &box : page.boxes) {
            ++boxes;
            ++areas[box.area];
            if (box.kind != QLatin1Char('Q'))
                continue;
            const int position = box.answer.toInt();
            ++positions[position];
            run = position == previous ? run + 1 : 1;
            previous = position;
            longestRun = qMax(longestRun, run);
        }
    }
    QString text =
        QStringLiteral("paper %1: %2 pages, %3 boxes").arg(paper.key).arg(pages).arg(boxes);
    if (positions[1] + positions[2] + positions[3] + positions[4] > 0)
        text += QStringLiteral("; answers at 1/2/3/4: %1/%2/%3/%4, longest run %5")
                    .arg(positions[1])
                    .arg(positions[2])
                    .arg(positions[3])
                    .arg(positions[4])
                    .arg(longestRun);
    QStringList spread;
    for (auto it = areas.cbegin(); it != areas.cend(); ++it)
        spread.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    return text + QStringLiteral("; areas: ") + spread.join(QStringLiteral(", "));
}

int checkPapers(const QString &courseDir, const QStringList &files)
{
    QTextStream out(stdout);
    try {
        CourseReader reader(courseDir);
        for (const Paper &paper : reader.check(files))
            out << "coursepack: " << describe(paper) << Qt::endl;
    } catch (const SourceError &e) {
        QTextStream(stderr) << e.what() << Qt::endl;
        return 1;
    }
    return 0;
}

int packSkin(const QString &skinDir, const QString &outDir)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    SkinPacker packer(skinDir);
    const QMap<int, QByteArray> pictures = packer.read();
    if (!packer.missing().isEmpty()) {
        err << skinDir << ": error: " << packer.missing().size()
            << " skin pictures are missing: " << packer.missing().join(QStringLiteral(", "))
            << Qt::endl;
        return 1;
    }
    const QString error = PackOutput::write(outDir, QStringLiteral("quorvane_skin"), pictures,
                                            [](int n) { return n < kFirstPageId; });
    if (!error.isEmpty()) {
        err << "coursepack: error: " << error << Qt::endl;
        return 1;
    }
    out << "coursepack: " << pictures.size() << " skin pictures" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("course"))
        return packCourse(args[2], args[3]);
    if (args.size() == 4 && args[1] == QLatin1String("skin"))
        return packSkin(args[2], args[3]);
    if (args.size() >= 4 && args[1] == QLatin1String("check"))
        return checkPapers(args[2], args.mid(3));
    QTextStream(stderr) << "usage: coursepack course <course folder> <output folder>\n"
                           "       coursepack skin <skin folder> <output folder>\n"
                           "       coursepack check <course folder> <paper file> ..."
                        << Qt::endl;
    return 2;
}
