// Figures of the file work a pupil waits for, each beside the plain file
// operation it is built on: reading a paper's records from the largest table
// it reads (against reading the file's bytes), and rewriting the answers file
// on a page change (against writing the file's bytes with QSaveFile). Opening
// a paper reads four tables; its whole load is timed for the record.
#include "content/PaperTables.h"
#include "content/ProductConfig.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// The course's first level, its last paper (whose records lie furthest into
// every table) and the largest of the tables a paper is read from.
struct Course
{
    int level = 0;
    int lastPaper = 0;
    FieldList lastPaperPages;
    int largestTable = 0;
};

const Course &course()
{
    static const Course loaded = [] {
        Course c;
        QTemporaryDir dir;
        ProductConfig config;
        if (!ReadProductConfig(dir.path(), config) || config.firstLevel() == 0)
            return c;
        c.level = config.firstLevel();
        c.lastPaper = 100 + config.paperCount(c.level);
        c.lastPaperPages = LoadPaperTables(dir.path(), c.level, c.lastPaper).PageIds;
        qsizetype largest = -1;
        for (const int table : {PaperMapResource(c.level), AnswerKeyResource(c.level),
                                AnswerKindsResource(c.level), BoxMarksResource(c.level)}) {
            const qsizetype size = ResourceBytes(table).size();
            if (size > largest) {
                largest = size;
                c.largestTable = table;
            }
        }
        return c;
    }();
    return loaded;
}

QString extractLargestTable(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("temptext.txt"));
    ExtractResource(course().largestTable, QStringLiteral("Custom"), path);
    return path;
}

void ReadLargestTable(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = extractLargestTable(dir);
    const FieldList &pages = course().lastPaperPages;
    for (auto _ : state) {
        const FieldList fields = ReadFieldsOfKeys(path, int(pages.size()), pages);
        benchmark::DoNotOptimize(fields.size());
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(ReadLargestTable)->Unit(benchmark::kMicrosecond);

void ReadLargestTableBytes(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = extractLargestTable(dir);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("table not readable");
        benchmark::DoNotOptimize(file.readAll().size());
    }
}
BENCHMARK(ReadLargestTableBytes)->Unit(benchmark::kMicrosecond);

// Fifty papers of sixty answers each, as many as a level holds.
FieldList heldAnswerLines(const FieldList &answers)
{
    FieldList held(50);
    for (int k = 1; k <= 50; ++k)
        held.set(k, BuildRecordLine(QString::number(100 + k), answers, 60));
    return held;
}

FieldList sixtyAnswers()
{
    FieldList answers(60);
    for (int i = 1; i <= 60; ++i)
        answers.set(i, QStringLiteral("answer %1").arg(i));
    return answers;
}

void SaveOneAnswersRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("first2EN.txt"));
    const FieldList answers = sixtyAnswers();
    FieldList held = heldAnswerLines(answers);
    int paper = 0;
    for (auto _ : state) {
        paper = paper % 50 + 1;
        if (!SaveRecordLine(held, answers, QString::number(paper), QString::number(100 + paper), 50,
                            60, path))
            state.SkipWithError("answers not written");
    }
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(SaveOneAnswersRecord)->Unit(benchmark::kMicrosecond);

void WriteAnswersBytes(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("first2EN.txt"));
    const FieldList answers = sixtyAnswers();
    FieldList held = heldAnswerLines(answers);
    SaveRecordLine(held, answers, QStringLiteral("1"), QStringLiteral("101"), 50, 60, path);
    QFile written(path);
    const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            state.SkipWithError("answers not written");
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(WriteAnswersBytes)->Unit(benchmark::kMicrosecond);

void LoadLastPaper(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        const PaperTables tables = LoadPaperTables(dir.path(), course().level, course().lastPaper);
        benchmark::DoNotOptimize(tables.BoxCount);
    }
}
BENCHMARK(LoadLastPaper)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (course().level == 0) {
        std::fprintf(stderr, "the course configuration could not be read\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
