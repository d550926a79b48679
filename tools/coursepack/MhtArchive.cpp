#include "MhtArchive.h"

namespace {

constexpr int kLineLength = 76;
const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QByteArray htmlPartHeaders(int pageId)
{
    return QByteArrayLiteral("Content-Type: text/html; charset=\"utf-8\"\r\n"
                             "Content-Transfer-Encoding: quoted-printable\r\n"
                             "Content-Location: page") +
           QByteArray::number(pageId) + QByteArrayLiteral(".htm\r\n");
}

} // namespace

QString MhtArchive::contentId(int pageId, int index)
{
    return QStringLiteral("picture%1.page%2@quorvane").arg(index + 1).arg(pageId);
}

QByteArray MhtArchive::build(int pageId, const QString &html, const QList<Picture> &pictures)
{
    const QByteArray body = quotedPrintable(html.toUtf8());
    QByteArray archive = QByteArrayLiteral("MIME-Version: 1.0\r\n");
    if (pictures.isEmpty()) {
        archive += htmlPartHeaders(pageId) + kCrLf + body;
        return archive;
    }
    const QByteArray boundary =
        QByteArrayLiteral("----=_QuorvanePage_") + QByteArray::number(pageId);
    archive +=
        QByteArrayLiteral("Content-Type: multipart/related; type=\"text/html\"; boundary=\"") +
        boundary +
        QByteArrayLiteral("\"\r\n\r\nThis is a multi-part message in MIME format.\r\n\r\n");
    archive += "--" + boundary + kCrLf + htmlPartHeaders(pageId) + kCrLf + body + kCrLf;
    for (int i = 0; i < pictures.size(); ++i) {
        const Picture &picture = pictures[i];
        archive += "--" + boundary + kCrLf;
        archive += "Content-Type: " + picture.mimeType.toLatin1() + kCrLf;
        archive += QByteArrayLiteral("Content-Transfer-Encoding: base64\r\n");
        archive += "Content-ID: <" + contentId(pageId, i).toLatin1() + ">" + kCrLf;
        archive += "Content-Location: " + picture.fileName.toLatin1() + kCrLf + kCrLf;
        archive += base64Lines(picture.bytes);
    }
    archive += "--" + boundary + "--" + kCrLf;
    return archive;
}

QByteArray MhtArchive::quotedPrintable(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 11 / 10);
    for (const QByteArray &line : bytes.split('\n')) {
        QByteArray encoded;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            const bool last = i + 1 == line.size();
            QByteArray piece;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last)) {
                piece.append(char(c));
            } else {
                piece.append('=');
                piece.append(hex[c >> 4]);
                piece.append(hex[c & 15]);
            }
            // Keep room for the "=" of a soft line break.
            if (encoded.size() + piece.size() > kLineLength - 1) {
                out += encoded + "=" + kCrLf;
                encoded.clear();
            }
            encoded += piece;
        }
        out += encoded + kCrLf;
    }
    return out;
}

QByteArray MhtArchive::base64Lines(const QByteArray &bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray out;
    for (qsizetype at = 0; at < encoded.size(); at += kLineLength)
        out += encoded.mid(at, kLineLength) + kCrLf;
    return out;
}
