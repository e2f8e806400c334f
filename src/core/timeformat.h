// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace TimeFormat {

// Seconds as "minutes:seconds" for the LCD: no hours field, seconds padded to two digits,
// both parts truncated toward zero (-10 s gives "0:-10"). Empty when the value is not a
// finite number or does not fit the display's integer range.
std::optional<QString> remaining(double seconds);

// "HH:MM:SS.ss" (any number of hour digits, optional fraction, a leading minus allowed) or
// plain seconds, as seconds. Empty for "N/A" and anything that is neither.
std::optional<double> parseTime(QStringView text);

} // namespace TimeFormat
