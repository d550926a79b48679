// The course compiler's reading of its YAML sources: input parts are
// course.yaml and one paper file, which stands for every paper of topic 1.
// Bad sources must be refused with a SourceError, never crash.

#include "CourseReader.h"
#include "FuzzSupport.h"
#include "SourceError.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = FuzzParts(data, size);
    const QString course =
        QFileInfo(FuzzFile(QStringLiteral("course.yaml"), parts.value(0))).absolutePath();
    QDir(course).mkpath(QStringLiteral("papers"));
    for (int key = 101; key <= 105; ++key)
        FuzzFile(QStringLiteral("papers/%1.yaml").arg(key), parts.value(1));
    try {
        CourseReader(course).read();
    } catch (const SourceError &) {
    }
    return 0;
}
