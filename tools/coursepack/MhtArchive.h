#pragma once

#include "CourseModel.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A MIME HTML archive (RFC 2557) of one page with CR LF line ends: a single
// quoted-printable HTML part, or multipart/related with the pictures as
// base64 parts that the HTML refers to by "cid:" address.
class MhtArchive
{
public:
    static QByteArray build(int pageId, const QString &html, const QList<Picture> &pictures);

    // The "cid:" address of picture `index` of page `pageId`, without the scheme.
    static QString contentId(int pageId, int index);

    static QByteArray quotedPrintable(const QByteArray &bytes);
    static QByteArray base64Lines(const QByteArray &bytes);
};
