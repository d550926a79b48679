#pragma once

#include <QString>

#include <stdexcept>

// A refusal of the course sources, pointing at the file and line at fault.
class SourceError : public std::runtime_error
{
public:
    SourceError(const QString &file, int line, const QString &message);
    explicit SourceError(const QString &message);
};
