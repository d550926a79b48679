#include "content/Cp1252.h"

namespace {

// Unicode of bytes 0x80-0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString Cp1252::decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            text.append(kHigh[b - 0x80] != 0 ? QChar(kHigh[b - 0x80]) : QChar(b));
        else
            text.append(QChar(b));
    }
    return text;
}

QByteArray Cp1252::encode(const QString &text, bool *ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool all = true;
    for (const QChar c : text) {
        const int b = byteFor(c);
        if (b < 0) {
            all = false;
            bytes.append('?');
        } else {
            bytes.append(static_cast<char>(b));
        }
    }
    if (ok)
        *ok = all;
    return bytes;
}

bool Cp1252::canEncode(QChar c)
{
    return byteFor(c) >= 0;
}

bool Cp1252::canEncode(const QString &text)
{
    for (const QChar c : text) {
        if (!canEncode(c))
            return false;
    }
    return true;
}
