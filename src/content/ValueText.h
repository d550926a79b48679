#pragma once

#include <QDate>
#include <QString>

// The texts of values stored in the results files and shown on screen. Numbers
// and dates follow the default locale (the system's unless changed) as far as
// the files can hold them: always with Latin digits, and a locale's decimal sign
// only where it is a character the files can hold. Stored numbers are read
// back in the locale's form or the C form, whichever locale wrote them.

// v rounded to one decimal place, a tie going to the even digit (87.25 -> 87.2).
double RoundOneDecimal(double v);
// Score ÷ total × 100 rounded as above, exactly for whole marks (43.75 -> 43.8).
double PercentValue(int score, int total);
// The shortest text of a number, Latin digits, no group separators, the
// locale's decimal sign where the files can hold it: 87.5 (87,5 in German), 100.
QString NumberText(double v);
// PercentValue as its shortest text; "0" for a paper without marks.
QString PercentText(int score, int total);
// Hours, minutes and seconds of an elapsed time, without leading zeros: 0:7:5.
// The hours are those of a time of day and start again at 0 after 24 hours.
QString ElapsedText(qint64 seconds);
// The locale's short date with a four-digit year and Latin digits: 30/12/2005,
// 12/30/2005, 30.12.2005. The C locale, which has no numeric form of its own,
// gets 30/12/2005.
QString ShortDateText(const QDate &date);
// True when the text, outer spaces aside, is a number in the locale's form, in
// the C form, or with a decimal comma (87,5) as another locale wrote it.
bool IsNumericText(const QString &text);
// The number in such a text; 0 when it holds none.
double NumberValue(const QString &text);
