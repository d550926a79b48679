#pragma once

#include "content/OneBasedList.h"
#include "content/ProductConfig.h"
#include "content/WriteError.h"

#include <QString>
#include <QStringList>

// The six results files of a level, kept in the program folder, and the
// updates a marking makes to them.

enum class ResultsFile { Marks, FirstAnswers, SecondAnswers, FirstResults, SecondResults, Trend };

inline constexpr ResultsFile kAllResultsFiles[] = {
    ResultsFile::Marks,         ResultsFile::FirstAnswers,  ResultsFile::SecondAnswers,
    ResultsFile::FirstResults,  ResultsFile::SecondResults, ResultsFile::Trend};

// True for the name of a results file of any level and product code.
bool IsResultsFileName(const QString &name);

// "marks2EN.txt" and so on: stem, level digit, product code, ".txt".
QString ResultsFileName(ResultsFile file, int level, const QString &code);
QString ResultsFilePath(const QString &folder, ResultsFile file, int level, const QString &code);
// Template resource of a results file: 30101 + 10 × level for the marks file ... 30106.
int ResultsTemplateResource(ResultsFile file, int level);

// Runs `visit(file, level)` for the six results files of every level that exists.
template <typename Visit>
void ForEachResultsFile(const ProductConfig &config, Visit visit)
{
    for (int level = 1; level <= ProductConfig::kLevels; ++level) {
        if (!config.levelExists(level))
            continue;
        for (const ResultsFile file : kAllResultsFiles)
            visit(file, level);
    }
}

// The paths of one level's six files.
struct ResultsPaths
{
    QString marks, first, second, fresults, sresults, trend;
    static ResultsPaths of(const QString &folder, int level, const QString &code);
};

// Writes the six templates of every level that exists over its results files,
// all of them or none. Returns the names of the files that could not be
// written, *error saying why.
QStringList CreateResultsFiles(const QString &folder, const ProductConfig &config,
                               WriteError *error = nullptr);

// The six marks records, 50 fields each.
struct MarksRecords
{
    FieldList FirstScores{FieldList(50)};
    FieldList SecondScores{FieldList(50)};
    FieldList TimesTaken{FieldList(50)};
    FieldList CompletionDates{FieldList(50)};
    FieldList FirstStates{FieldList(50)};
    FieldList SecondStates{FieldList(50)};
};

// Reads FSE, SSE, LTM, CDD, FST and SST with n fields each.
MarksRecords ReadMarks(const QString &path, int n);
// Rewrites the marks file with the six records, n fields each.
bool WriteMarks(const QString &path, const MarksRecords &marks, int n, WriteError *error = nullptr);

// The trend values in the order the papers were marked (at most 50).
QStringList ReadTrendValues(const QString &path);

// The stored answers or marks of one paper: its line of an answers or results
// file, split into its box count of fields.
FieldList PaperFields(const FieldList &paperLines, int paperIndex, int boxCount);

// Replaces one paper's line among the held lines and rewrites the answers or
// results file from them.
bool SavePaperRecord(FieldList &paperLines, int paperKey, const FieldList &fields, int boxCount,
                     int paperCount, const QString &path, WriteError *error = nullptr);

// What a marking stores beyond the box marks.
struct FirstMarking
{
    QString percent;   // "87.5"
    QString timeTaken; // "0:7:5"
    QString date;      // short date
};

// Stores a marked first attempt: the paper's marks in the first-results file,
// FSE, LTM, CDD and FST of the paper in the marks file (written from `marks`,
// the window's copy, which is updated), and the percentage appended to the
// trend; the three files change together or not at all.
bool StoreFirstAttemptMarking(const ResultsPaths &paths, int paperKey, int paperCount,
                              FieldList &resultLines, const FieldList &results, int boxCount,
                              MarksRecords &marks, const FirstMarking &marking,
                              WriteError *error = nullptr);

// Stores a marked second attempt: the second-results file, and SSE and SST of the
// paper in the marks file, together or not at all. The trend is not touched.
bool StoreSecondAttemptMarking(const ResultsPaths &paths, int paperKey, int paperCount,
                               FieldList &resultLines, const FieldList &results, int boxCount,
                               MarksRecords &marks, const QString &percent,
                               WriteError *error = nullptr);
