#pragma once

#include <QDate>
#include <QString>

// The texts of values stored in the results files and shown on screen. Numbers
// use the default locale (the system's number format unless changed).

// v rounded to one decimal place, a tie going to the even digit (87.25 -> 87.2).
double RoundOneDecimal(double v);
// Score ÷ total × 100 rounded as above, exactly for whole marks (43.75 -> 43.8).
double PercentValue(int score, int total);
// The shortest text of a number: 87.5, 100, 0, 66.7.
QString NumberText(double v);
// PercentValue as its shortest text; "0" for a paper without marks.
QString PercentText(int score, int total);
// Hours, minutes and seconds of an elapsed time, without leading zeros: 0:7:5.
// The hours are those of a time of day and start again at 0 after 24 hours.
QString ElapsedText(qint64 seconds);
// The locale's short date.
QString ShortDateText(const QDate &date);
// True when the text, outer spaces aside, is a number in the locale's format.
bool IsNumericText(const QString &text);
// The number in a stored text (locale format, or plain digits with a point);
// 0 when it holds none.
double NumberValue(const QString &text);
