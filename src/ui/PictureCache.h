#pragma once

#include <QPixmap>
#include <QString>

// The skin picture "<programFolder>/Graphics/<name>", loaded from disk once and
// kept. Names match the files without regard to letter case. A missing picture
// gives a null pixmap and is looked for again on the next call.
QPixmap SkinPicture(const QString &programFolder, const QString &name);
