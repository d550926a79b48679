#include "content/ValueText.h"

#include "content/RecordFile.h"

#include <QLocale>
#include <QRegularExpression>
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
    if (v == 0.0)
        v = 0.0; // no "-0"
    QString text = QLocale::c().toString(v, 'f', QLocale::FloatingPointShortest);
    const QString sign = QLocale().decimalPoint();
    if (sign.size() == 1 && sign != QLatin1String(".") && !sign[0].isDigit() &&
        IsStorableField(sign))
        text.replace(QLatin1Char('.'), sign[0]);
    return text;
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
    static const QString fallback = QStringLiteral("dd/MM/yyyy");
    const QLocale locale;
    QString format =
        locale.language() == QLocale::C ? fallback : locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    // Marks of writing direction and other characters the files cannot hold go.
    QString text;
    for (const QChar c : QLocale::c().toString(date, format)) {
        if (IsStorableField(QString(c)))
            text.append(c);
    }
    if (!text.contains(QString::number(date.year())))
        return QLocale::c().toString(date, fallback);
    return text.trimmed();
}

namespace {

// Reads a number in the locale's form, the C form or with a decimal comma.
bool readNumber(const QString &text, double &value)
{
    const QString t = text.trimmed();
    bool ok = false;
    value = QLocale().toDouble(t, &ok);
    if (!ok)
        value = QLocale::c().toDouble(t, &ok);
    static const QRegularExpression comma(QStringLiteral("^-?[0-9]+,[0-9]+$"));
    if (!ok && comma.match(t).hasMatch())
        value = QLocale::c().toDouble(QString(t).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    // "inf" and "nan" read as numbers, but no score or answer is one.
    return ok && std::isfinite(value);
}

} // namespace

bool IsNumericText(const QString &text)
{
    double value = 0;
    return readNumber(text, value);
}

double NumberValue(const QString &text)
{
    double value = 0;
    return readNumber(text, value) ? value : 0.0;
}
