#pragma once

#include "content/OneBasedList.h"
#include "content/WriteError.h"

#include <QString>

// The keyed record files: "#" + key + "#" then ">" + field for every field, one
// record a line, Windows-1252 text, CR LF after every written line. Every call
// opens the file, does its work and closes it again; nothing is cached.
//
// A record is the first line that contains "#key#" (letters compared without
// case). Three-character keys have their first ">" at character 6, the
// five-character page ids at character 8. Readers never fail: a missing file,
// a missing key or a short line gives empty fields and zero counts.

// Fields 1 .. n of the key's record in a list of 10 (n at most 10).
FieldList ReadFields10(const QString &path, const QString &key, int n);
// Fields 1 .. n of the key's record in a list of 50 (n at most 50).
FieldList ReadFields50(const QString &path, const QString &key, int n);
// The key's line after its first 6 characters; empty if missing or shorter than 7.
QString ReadValue(const QString &path, const QString &key);
// The key's whole line, key included; empty if there is none.
QString ReadRecordLine(const QString &path, const QString &key);
// Every field of a three-character key's record, as many as its line has ">".
FieldList ReadAllFields(const QString &path, const QString &key);
// One forward pass: element k is the whole line of paper key 100 + k (k = 1 .. n).
FieldList ReadPaperLines(const QString &path, int n);
// One forward pass over page ids: the number of ">" in each one's line.
CountList CountFieldsOfKeys(const QString &path, int n, const FieldList &keys);
// One forward pass over page ids: all fields of every page's line, flattened.
FieldList ReadFieldsOfKeys(const QString &path, int n, const FieldList &keys);

// Fields 1 .. n of a whole record line with a three-character key.
FieldList SplitFields50(const QString &line, int n);
FieldList SplitFields80(const QString &line, int n);

// Builds "#key#>f1>...>fn", stores it as held line `index` (changed in place, so a
// later call on the same list keeps it) and rewrites the file with held lines
// 1 .. lineCount. Refuses, and writes nothing, when a field holds ">" or a line
// break, since that would shift the stored fields.
bool SaveRecordLine(FieldList &heldLines, const FieldList &fields, const QString &index,
                    const QString &key, int lineCount, int fieldCount, const QString &path,
                    WriteError *error = nullptr);

// The bytes SaveRecordLine writes, the held list changed as it does; false, with
// nothing changed, when a field cannot be stored. `path` names the file in *error.
bool RecordFileBytes(FieldList &heldLines, const FieldList &fields, const QString &index,
                     const QString &key, int lineCount, int fieldCount, const QString &path,
                     QByteArray &bytes, WriteError *error = nullptr);

// Rewrites the file with exactly six records, keys[j] followed by lists[j](1 .. n).
bool WriteMarksFile(const FieldList lists[6], const QString keys[6], int n, const QString &path,
                    WriteError *error = nullptr);
// The bytes WriteMarksFile writes; false when a field cannot be stored.
bool MarksFileBytes(const FieldList lists[6], const QString keys[6], int n, const QString &path,
                    QByteArray &bytes, WriteError *error = nullptr);

// Splits a record line into n fields, the first ">" taken at `firstSeparator`
// (1-based: 6 for three-character keys, 8 for page ids). Field n keeps the rest
// of the line, later ">" included.
FieldList SplitRecordFields(const QString &line, int n, int firstSeparator);
// Builds the line "#key#>f1>...>fn".
QString BuildRecordLine(const QString &key, const FieldList &fields, int n);
// Why a text cannot be stored as one field, in words for the pupil ("The
// character > cannot be used in an answer."); empty when it can. Refused are
// ">" and "#" (they mark the fields and keys), line breaks and every other
// control character, and characters outside Windows-1252.
QString FieldRefusal(const QString &text);
// True when FieldRefusal has nothing to say.
bool IsStorableField(const QString &text);
