#pragma once

#include "content/OneBasedList.h"

#include <QString>

// One paper's content, read from the level's tables when a practice window
// opens it: its pages and, box after box, the expected answers, kinds, marks
// and explanations.
struct PaperTables
{
    // A split paper record holds at most 80 fields, so a paper has at most 80 boxes.
    static constexpr int kMaxBoxes = 80;

    FieldList PageIds;
    qint16 PageCount = 0;
    FieldList AnswerKey;
    CountList BoxesPerPage;
    FieldList BoxKinds;
    FieldList BoxMarks;
    // Why each box's answer is right; empty where the course has none.
    FieldList Explanations;
    qint16 BoxCount = 0;
    int TotalMarks = 0;

    // Number of boxes on the pages before `page`.
    int BoxOffset(int page) const;
    // The page that holds box `box`, or 0.
    int PageOfBox(int box) const;
};

// Resource numbers of level L's tables.
int PaperMapResource(int level);
int AnswerKeyResource(int level);
int AnswerKindsResource(int level);
int BoxMarksResource(int level);
int ExplanationsResource(int level);

// Extracts the paper map, answer key, answer kinds, box marks and explanations
// of `level` one at a time to "temptext.txt" in the folder, reads paper
// `paperKey`'s part of each and deletes the file again. A table that cannot be
// written out leaves its lists empty; so do explanations whose pages do not hold
// one field per box, since they would sit beside the wrong boxes.
PaperTables LoadPaperTables(const QString &folder, int level, int paperKey);
