#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The course as read from its sources, before it is turned into resources.

// One answer box: its kind letter, its answer-key field, the marks it earns,
// the explanation of its answer, the skill it tests, and where it was written
// ("file:line"), so that a box found lacking after reading can be pointed at.
struct Box
{
    QChar kind;
    QString answer;
    int marks = 1;
    QString why;
    QString area;
    QString file;
    int line = 1;
};

// A piece of running text: plain text, a gap that is not an answer box ("___"
// in a question), a numbered blank for an answer box, or a marked error whose
// correction goes into an answer box. `box` is the box's index on its page.
struct Segment
{
    enum Type
    {
        Text,
        Gap,
        Blank,
        Error
    };
    Type type = Text;
    QString text;
    int box = -1;
};
using Paragraph = QList<Segment>;

// A question with its own answer box: a choice question (options set), a
// sentence pair to combine (sentences set) or an open question.
struct Question
{
    Paragraph text;
    QStringList sentences;
    QStringList options;
    int box = -1;
};

// A block of a page: optional title and instructions, an optional passage,
// an optional word bank and the questions that follow.
struct Section
{
    QString title;
    QString instructions;
    QList<Paragraph> passage;
    QStringList bank;
    QList<Question> questions;
};

struct Picture
{
    QString fileName;
    QString mimeType;
    QByteArray bytes;
    QString alt;
};

struct Page
{
    int id = 0;
    int paperNumber = 0; // 1 .. 5 within its topic
    int number = 0;      // 1-based position in its paper
    int count = 0;       // pages in its paper
    QList<Picture> pictures;
    QList<Section> sections;
    QList<Box> boxes;
};

struct Paper
{
    int key = 0;
    QList<Page> pages;
};

struct Topic
{
    QString name;
    QString shape;
    QString instructions;
    int pagesPerPaper = 0;
    int boxesPerPage = 0;
    QStringList areas;
    QList<Paper> papers;
};

struct Course
{
    QString title;
    QString code;
    QString heading;
    int level = 2;
    QList<Topic> topics;
};
