// The record readers, the results files' soundness check and repair, and the
// journal reader, on any bytes.

#include "FuzzSupport.h"
#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/ResultsRepair.h"
#include "content/ResultsStore.h"
#include "content/WriteJournal.h"

namespace {

// True when the program reads the same values from both files.
bool readsAs(ResultsFile file, const QString &one, const QString &other, const QByteArray &templ)
{
    if (file == ResultsFile::Trend)
        return ReadTrendValues(one) == ReadTrendValues(other);
    if (file == ResultsFile::Marks) {
        const MarksRecords a = ReadMarks(one, 10), b = ReadMarks(other, 10);
        return a.FirstScores == b.FirstScores && a.SecondScores == b.SecondScores &&
               a.TimesTaken == b.TimesTaken && a.CompletionDates == b.CompletionDates &&
               a.FirstStates == b.FirstStates && a.SecondStates == b.SecondStates;
    }
    const QString text = QString::fromLatin1(templ);
    const FieldList a = ReadPaperLines(one, 10), b = ReadPaperLines(other, 10);
    for (int k = 1; k <= 10; ++k) {
        const QString tag = QStringLiteral("#%1#").arg(100 + k);
        const qsizetype at = text.indexOf(tag);
        const int boxes = int(text.mid(at, text.indexOf(QLatin1Char('\r'), at) - at).count('>'));
        if (PaperFields(a, k, boxes) != PaperFields(b, k, boxes))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzInput(data, size);
    const QString path = FuzzFile(QStringLiteral("records.txt"), bytes);

    const QString keys[] = {QStringLiteral("FSE"), QStringLiteral("TRD"), QStringLiteral("101"),
                            QStringLiteral("NME"), QStringLiteral("TN2")};
    for (const QString &key : keys) {
        ReadFields10(path, key, 10);
        ReadFields50(path, key, 50);
        ReadValue(path, key);
        ReadAllFields(path, key);
        const QString line = ReadRecordLine(path, key);
        SplitFields50(line, 50);
        SplitFields80(line, 80);
    }
    const FieldList lines = ReadPaperLines(path, 50);
    for (int k = 1; k <= 50; ++k)
        PaperFields(lines, k, 60);
    const FieldList pageIds{QStringLiteral("10001"), QStringLiteral("10002"),
                            QStringLiteral("10003")};
    CountFieldsOfKeys(path, 3, pageIds);
    ReadFieldsOfKeys(path, 3, pageIds);
    ReadMarks(path, 50);
    ReadTrendValues(path);

    // A repaired file is sound and repairing it again changes nothing; a sound
    // file reads the same after a repair.
    for (const ResultsFile file : kAllResultsFiles) {
        const QByteArray templ = ResourceBytes(ResultsTemplateResource(file, 2));
        const QByteArray repaired = RepairedResultsFile(file, bytes, templ);
        FUZZ_REQUIRE(IsSoundResultsFile(file, repaired, templ));
        FUZZ_REQUIRE(RepairedResultsFile(file, repaired, templ) == repaired);
        if (IsSoundResultsFile(file, bytes, templ))
            FUZZ_REQUIRE(
                readsAs(file, path, FuzzFile(QStringLiteral("repaired.txt"), repaired), templ));
    }

    // A journal that reads back writes the same journal again.
    QList<FileContent> group;
    if (ParseJournal(bytes, group))
        FUZZ_REQUIRE(JournalBytes(group) == bytes);
    return 0;
}
