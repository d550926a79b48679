#include "SourceError.h"

SourceError::SourceError(const QString &file, int line, const QString &message)
    : std::runtime_error(
          QStringLiteral("%1:%2: error: %3").arg(file).arg(line).arg(message).toStdString())
{
}

SourceError::SourceError(const QString &message) : std::runtime_error(message.toStdString()) {}
