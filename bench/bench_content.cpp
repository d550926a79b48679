// Figures of the file work a pupil waits for: opening a paper reads four
// tables, and every page change rewrites the whole answers file.
#include "content/PaperTables.h"
#include "content/RecordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Paper 102 of the test course has three pages of twenty boxes.
void LoadSixtyBoxPaper(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        const PaperTables tables = LoadPaperTables(dir.path(), 2, 102);
        benchmark::DoNotOptimize(tables.BoxCount);
    }
}
BENCHMARK(LoadSixtyBoxPaper)->Unit(benchmark::kMicrosecond);

void SaveOneAnswersRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("first2EN.txt"));
    FieldList held(50);
    FieldList answers(60);
    for (int i = 1; i <= 60; ++i)
        answers.set(i, QStringLiteral("answer %1").arg(i));
    for (int k = 1; k <= 50; ++k)
        held.set(k, BuildRecordLine(QString::number(100 + k), answers, 40));
    int paper = 0;
    for (auto _ : state) {
        paper = paper % 50 + 1;
        SaveRecordLine(held, answers, QString::number(paper), QString::number(100 + paper), 50,
                       60, path);
    }
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(SaveOneAnswersRecord)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
