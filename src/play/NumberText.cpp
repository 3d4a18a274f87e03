// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/NumberText.h"

#include <charconv>
#include <string>

QString NumberText::write(double value)
{
    // 'g' with 15 digits writes whole numbers without a point and keeps the
    // 0 before the point of a fraction below 1; QString::number ignores the
    // locale.
    const QString digits = QString::number(value, 'g', 15);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Skips a run of digits from i; false when there is none.
bool skipDigits(QStringView text, qsizetype &i)
{
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > start;
}
} // namespace

std::optional<double> NumberText::read(QStringView text)
{
    const QStringView number = text.trimmed();
    qsizetype i = 0;
    if (i < number.size() && number[i] == QLatin1Char('-'))
        ++i;
    if (!skipDigits(number, i))
        return std::nullopt;
    if (i < number.size() && number[i] == QLatin1Char('.') && !(++i, skipDigits(number, i)))
        return std::nullopt;
    // Very large or tiny values come out of 'g' with an exponent.
    if (i < number.size() && number[i] == QLatin1Char('e')) {
        ++i;
        if (i < number.size() && (number[i] == QLatin1Char('+') || number[i] == QLatin1Char('-')))
            ++i;
        if (!skipDigits(number, i))
            return std::nullopt;
    }
    if (i != number.size())
        return std::nullopt;

    const std::string latin = number.toLatin1().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
    if (error != std::errc() || end != latin.data() + latin.size())
        return std::nullopt;
    return value;
}
