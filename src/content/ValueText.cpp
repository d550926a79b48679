#include "content/ValueText.h"

#include <QLocale>
#include <cmath>

double RoundOneDecimal(double v)
{
    // Scaled values such as 822.4999999 from 82.25 × 10 are first cleaned of
    // binary noise so that true ties reach the even-digit rule.
    const double scaled = std::round(v * 10.0 * 1e6) / 1e6;
    return std::nearbyint(scaled) / 10.0;
}

double PercentValue(int score, int total)
{
    if (total <= 0)
        return 0.0;
    const qint64 num = qint64(score) * 1000;
    qint64 tenths = num / total;
    const qint64 rest = num % total;
    if (2 * rest > total || (2 * rest == total && tenths % 2 != 0))
        ++tenths;
    return double(tenths) / 10.0;
}

QString NumberText(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (v == 0.0)
        v = 0.0; // no "-0"
    return locale.toString(v, 'f', QLocale::FloatingPointShortest);
}

QString PercentText(int score, int total)
{
    return NumberText(PercentValue(score, total));
}

QString ElapsedText(qint64 seconds)
{
    const qint64 s = qMax<qint64>(0, seconds);
    return QStringLiteral("%1:%2:%3").arg((s / 3600) % 24).arg((s / 60) % 60).arg(s % 60);
}

QString ShortDateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

bool IsNumericText(const QString &text)
{
    bool ok = false;
    QLocale().toDouble(text.trimmed(), &ok);
    return ok;
}

double NumberValue(const QString &text)
{
    bool ok = false;
    const double v = QLocale().toDouble(text.trimmed(), &ok);
    if (ok)
        return v;
    const double c = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? c : 0.0;
}
