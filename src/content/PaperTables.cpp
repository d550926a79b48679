#include "content/PaperTables.h"

#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"

#include <QFile>

int PaperMapResource(int level) { return 30002 + 10 * level; }
int AnswerKeyResource(int level) { return 30003 + 10 * level; }
int AnswerKindsResource(int level) { return 30004 + 10 * level; }
int BoxMarksResource(int level) { return 30005 + 10 * level; }
int ExplanationsResource(int level) { return 30006 + 10 * level; }

int PaperTables::BoxOffset(int page) const
{
    int offset = 0;
    for (int p = 1; p < page && p <= BoxesPerPage.size(); ++p)
        offset += BoxesPerPage[p];
    return offset;
}

int PaperTables::PageOfBox(int box) const
{
    for (int p = 1; p <= PageCount; ++p) {
        if (BoxOffset(p) + BoxesPerPage[p] >= box)
            return p;
    }
    return 0;
}

namespace {

// Writes one table to the working file, lets `read` use it, and removes it.
template <typename Read>
void withTable(const QString &folder, int resource, Read read)
{
    const QString path = ProgramPath(folder, QStringLiteral("temptext.txt"));
    if (ExtractResource(resource, QStringLiteral("Custom"), path) != ExtractOk)
        return;
    read(path);
    QFile::remove(path);
}

} // namespace

PaperTables LoadPaperTables(const QString &folder, int level, int paperKey)
{
    PaperTables t;
    const QString key = QString::number(paperKey);

    withTable(folder, PaperMapResource(level), [&](const QString &path) {
        t.PageIds = ReadAllFields(path, key);
        t.PageCount = qint16(t.PageIds.size());
    });
    withTable(folder, AnswerKeyResource(level), [&](const QString &path) {
        t.AnswerKey = ReadFieldsOfKeys(path, t.PageCount, t.PageIds);
        t.BoxesPerPage = CountFieldsOfKeys(path, t.PageCount, t.PageIds);
    });
    withTable(folder, AnswerKindsResource(level), [&](const QString &path) {
        t.BoxKinds = ReadFieldsOfKeys(path, t.PageCount, t.PageIds);
    });
    withTable(folder, BoxMarksResource(level), [&](const QString &path) {
        t.BoxMarks = ReadFieldsOfKeys(path, t.PageCount, t.PageIds);
    });
    withTable(folder, ExplanationsResource(level), [&](const QString &path) {
        if (CountFieldsOfKeys(path, t.PageCount, t.PageIds) == t.BoxesPerPage)
            t.Explanations = ReadFieldsOfKeys(path, t.PageCount, t.PageIds);
    });

    t.BoxCount = qint16(qMin(int(t.AnswerKey.size()), int(PaperTables::kMaxBoxes)));
    t.AnswerKey.resize(t.BoxCount);
    t.BoxKinds.resize(t.BoxCount);
    t.BoxMarks.resize(t.BoxCount);
    t.Explanations.resize(t.BoxCount);
    for (int i = 1; i <= t.BoxCount; ++i)
        t.TotalMarks += t.BoxMarks[i].trimmed().toInt();
    return t;
}
