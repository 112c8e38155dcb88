#include "numbertext.h"

#include "stationtext.h"

#include <algorithm>
#include <cmath>

namespace numbertext {

namespace {

// Grades from here on are side slopes: 1:5 and steeper.
constexpr double kSideSlopeGrade = 0.2;

bool hasNonZeroDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
}

}  // namespace

QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && !hasNonZeroDigit(text))
        text.remove(0, 1);
    return text;
}

QString station(double L, int decimals)
{
    return QString::fromStdString(stationText(L, decimals));
}

QString percent(double grade, int decimals)
{
    const QString number = fixed(100.0 * grade, decimals);
    const bool signed_ = number.startsWith(QLatin1Char('-')) || !hasNonZeroDigit(number);
    return (signed_ ? number : QLatin1Char('+') + number) + QLatin1Char('%');
}

QString crossSlope(double grade)
{
    if (std::isnan(grade))
        return QString();
    if (std::fabs(grade) < kSideSlopeGrade)
        return percent(grade, 2);
    QString run = fixed(1.0 / std::fabs(grade), 2);
    while (run.endsWith(QLatin1Char('0')))
        run.chop(1);
    if (run.endsWith(QLatin1Char('.')))
        run.chop(1);
    return QStringLiteral("1:") + run;
}

QString dms(double radians)
{
    if (!std::isfinite(radians))
        return QString::number(radians);
    // Whole tenths of a second, rounded once, so that 59.96" carries into
    // the minute.
    const long long tenths = std::llround(std::fabs(radians) * 180.0 / M_PI * 36000.0);
    const long long degrees = tenths / 36000;
    const long long minutes = tenths / 600 % 60;
    const double seconds = (tenths % 600) / 10.0;
    return QStringLiteral("%1%2°%3'%4\"")
        .arg(radians < 0.0 && tenths > 0 ? QStringLiteral("-") : QString())
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 4, 'f', 1, QLatin1Char('0'));
}

}  // namespace numbertext
