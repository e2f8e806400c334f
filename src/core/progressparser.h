// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// Follows one encoder run through its diagnostic text (ffmpeg 4 to 7). It is fed the decoded
// chunks in the order they arrive, however they were split, and tells what the progress
// displays should show. Values are taken from their own fields only: the total duration from
// the "Duration:" header line, the position and the speed from the "time=" and "fps=" fields
// of progress report lines ("frame=...", "size=..."); lookalikes such as "creation_time" in
// metadata or "25 fps" in stream lines are ignored, and so is whatever the encoder echoes of
// the file names it was given.
class ProgressParser
{
public:
    struct Update
    {
        bool report = false;              // the chunk completed a progress report line
        std::optional<int> percent;       // for the bar: only ever 0 to 100
        std::optional<QString> remaining; // for the LCD, "minutes:seconds"
    };

    // Longest line kept, in characters; anything beyond that in one line is dropped.
    static constexpr qsizetype maxLineLength = 4096;
    // Diagnostic lines kept for an error report.
    static constexpr int tailLineCount = 40;

    // Forgets the previous run. The names are those the encoder was given, which it echoes
    // in its header exactly as they are, line breaks included.
    void reset(const QString &inputName = QString(), const QString &outputName = QString());

    // Takes the next chunk. `frameRate` is the job's frames per second for the estimate of an
    // encoding job; 0 for a job that copies the video stream.
    Update feed(QStringView chunk, double frameRate);

    // Total duration in seconds; empty while unknown ("Duration: N/A", or not seen yet).
    std::optional<double> duration() const { return m_duration; }
    // Last position in seconds; empty while unknown.
    std::optional<double> position() const { return m_position; }
    // Last percentage handed to the bar.
    int percent() const { return m_percent; }

    // The space the output still needs, projected from the last report (bytes written so far
    // times duration over position, less what is written), once the position has passed 2 %
    // of a known duration and is at least 2 s; empty unless it exceeds the `available` bytes
    // by more than 5 %.
    std::optional<qint64> spaceNeeded(qint64 available) const;

    // What an exit with 0 left behind, by the output's size (-1: no file) and the last
    // position: nothing, less than 90 % of a known duration, or the whole.
    enum class Output { Whole, Short, Missing };
    Output output(qint64 outputSize) const;
    // "Duration:" has arrived but its line is not complete yet.
    bool durationPending() const;

    // The last diagnostic lines as a terminal would show them: a carriage return lets the
    // next text overwrite the line, so progress reports collapse into their latest one.
    QString diagnosticTail() const;

private:
    void takeLine(QStringView line, Update &update, double frameRate);
    void skipEchoedName(QStringView line);
    void appendToTail(QStringView chunk);

    QString m_partialLine; // text after the last line break, awaiting the rest
    QString m_inputName;   // as the encoder prints them
    QString m_outputName;
    qsizetype m_skip = 0; // characters of an echoed name still to come
    std::optional<double> m_duration;
    std::optional<double> m_position;
    std::optional<qint64> m_written; // bytes, from the last report's "size="
    int m_percent = 0;

    std::deque<QString> m_tail;
    QString m_tailLine;
    bool m_tailReturn = false; // a '\r' was seen; the next text overwrites the line
};
