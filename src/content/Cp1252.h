#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of every stored text file. Qt has no
// codec for it, so the 32 positions 0x80-0x9F that differ from Latin-1 are
// mapped by table.
class Cp1252
{
public:
    static QString decode(const QByteArray &bytes);
    // Characters without a Windows-1252 byte become '?' and clear *ok.
    static QByteArray encode(const QString &text, bool *ok = nullptr);
    static bool canEncode(QChar c);
    static bool canEncode(const QString &text);
};
