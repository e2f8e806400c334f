// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timeformat.h"

#include <cmath>
#include <limits>

namespace TimeFormat {

std::optional<QString> remaining(double seconds)
{
    if (!std::isfinite(seconds) || std::abs(seconds) >= std::numeric_limits<int>::max())
        return std::nullopt;
    const int whole = static_cast<int>(seconds);
    const int minutes = whole / 60;
    const int rest = whole - 60 * minutes;
    QString secondsText = QString::number(rest);
    if (secondsText.size() == 1)
        secondsText.prepend(u'0');
    return QString::number(minutes) + u':' + secondsText;
}

static std::optional<double> number(QStringView text, bool allowFraction)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (!c.isDigit() && !(allowFraction && c == u'.'))
            return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parseTime(QStringView text)
{
    double sign = 1;
    if (text.startsWith(u'-')) {
        sign = -1;
        text = text.mid(1);
    }
    const qsizetype firstColon = text.indexOf(u':');
    if (firstColon < 0) {
        const auto seconds = number(text, true);
        return seconds ? std::optional(sign * *seconds) : std::nullopt;
    }
    const qsizetype secondColon = text.indexOf(u':', firstColon + 1);
    if (secondColon < 0)
        return std::nullopt;
    const auto hours = number(text.first(firstColon), false);
    const auto minutes = number(text.sliced(firstColon + 1, secondColon - firstColon - 1), false);
    const auto seconds = number(text.sliced(secondColon + 1), true);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    return sign * (*hours * 3600 + *minutes * 60 + *seconds);
}

} // namespace TimeFormat
