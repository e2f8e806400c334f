// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What the form says about one conversion, as plain values: texts as displayed,
// choices as indices, and the enabled states that decide the optional audio options.
struct EncoderJob
{
    QString inputName;
    QString outputName;
    int videoCodecIndex = 0; // in the lists of Choices
    bool palDvd = false;
    QString width; // spin box texts
    QString height;
    QString frameRate;    // "30", "25", "24"
    QString aspect;       // "4:3", "16:9"
    QString videoBitrate; // kilobit/s, without unit
    int audioCodecIndex = 0;
    QString audioBitrate; // "224k", ...
    bool audioBitrateEnabled = false;
    bool channelsEnabled = false;
    bool stereo = true;
};

namespace EncoderArgs {

inline constexpr QLatin1StringView program{"ffmpeg"};

// The argument list: "-y", "-i", input, video options, audio options, output.
QStringList build(const EncoderJob &job);

// The command line as shown to the user: program and arguments joined by blanks, unquoted.
QString commandText(const QStringList &arguments);

} // namespace EncoderArgs
