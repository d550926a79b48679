#pragma once

#include <QByteArray>
#include <QString>

// The program's numbered resources, compiled in as ":/custom/<number>", are
// never used in place: each is first written out to an ordinary file.

enum ExtractError : qint16 {
    ExtractOk = 0,
    ExtractResourceNotFound = 1,
    ExtractFolderMissing = 2,
    ExtractWriteFailed = 3,
};

// Writes the exact bytes of resource `number` to `path`, replacing the file
// whole. Returns 0, or a non-zero ExtractError; a missing resource creates or
// changes no file. The type name is kept for the callers' sake: every resource
// is of the one type "Custom".
qint16 ExtractResource(int number, const QString &type, const QString &path);

// The bytes of resource `number`, or an empty array with *found cleared.
QByteArray ResourceBytes(int number, bool *found = nullptr);

// File name of skin picture `number` (1 .. 37, 41 .. 92); empty for other numbers.
QString SkinPictureName(int number);

// The numbers of all skin pictures, ascending.
QList<int> SkinPictureNumbers();

// Creates "<folder>/Graphics" if needed and writes every skin picture into it.
// Returns the number of pictures that could not be written.
int ExtractGraphics(const QString &folder);

// The folder the skin pictures are written to.
QString GraphicsFolder(const QString &folder);
