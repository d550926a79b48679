#include "content/ProductConfig.h"

#include "content/RecordFile.h"
#include "content/ResourceExtractor.h"
#include "content/SafeWrite.h"

#include <QFile>

namespace {

constexpr int kConfigResource = 30000;

bool inRange(int level)
{
    return level >= 1 && level <= ProductConfig::kLevels;
}

qint16 readCount(const QString &path, const QString &key, int most)
{
    return qint16(qBound(0, ReadValue(path, key).trimmed().toInt(), most));
}

} // namespace

QString ProductConfig::heading(int level) const
{
    return inRange(level) ? headings[level - 1] : QString();
}

bool ProductConfig::levelExists(int level) const
{
    return !heading(level).isEmpty();
}

qint16 ProductConfig::topicCount(int level) const
{
    return inRange(level) ? topicCounts[level - 1] : 0;
}

qint16 ProductConfig::paperCount(int level) const
{
    return inRange(level) ? paperCounts[level - 1] : 0;
}

FieldList ProductConfig::topicNamesOf(int level) const
{
    return inRange(level) ? topicNames[level - 1] : FieldList(10);
}

int ProductConfig::firstLevel() const
{
    for (int level = 1; level <= kLevels; ++level) {
        if (levelExists(level))
            return level;
    }
    return 0;
}

bool ReadProductConfig(const QString &folder, ProductConfig &config)
{
    config = ProductConfig();
    const QString path = ProgramPath(folder, QStringLiteral("temptext30000.txt"));
    if (ExtractResource(kConfigResource, QStringLiteral("Custom"), path) != ExtractOk)
        return false;

    config.title = ReadValue(path, QStringLiteral("NME"));
    config.code = ReadValue(path, QStringLiteral("COD"));
    const QString headingKeys[] = {QStringLiteral("LAH"), QStringLiteral("LBH"),
                                   QStringLiteral("LCH")};
    for (int i = 0; i < ProductConfig::kLevels; ++i)
        config.headings[i] = ReadValue(path, headingKeys[i]);

    for (int level = 1; level <= ProductConfig::kLevels; ++level) {
        if (!config.levelExists(level))
            continue;
        const QString n = QString::number(level);
        const int i = level - 1;
        config.topicCounts[i] =
            readCount(path, QStringLiteral("TT") + n, ProductConfig::kMaxTopics);
        config.paperCounts[i] =
            readCount(path, QStringLiteral("TP") + n, ProductConfig::kMaxPapers);
        config.topicNames[i] = ReadFields10(path, QStringLiteral("TN") + n, config.topicCounts[i]);
    }
    QFile::remove(path);
    return true;
}
