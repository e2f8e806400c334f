// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progressparser.h"

#include "timeformat.h"

#include <algorithm>
#include <cmath>

namespace {

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// The value of "key=" in a report line, where the key starts a field (line start or after
// white space); blanks after '=' are skipped ("fps= 25", "size=     512kB").
std::optional<QStringView> field(QStringView line, QStringView key)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = line.indexOf(key, from);
        if (at < 0)
            return std::nullopt;
        from = at + 1;
        if (at > 0 && !line.at(at - 1).isSpace())
            continue;
        qsizetype begin = at + key.size();
        if (begin >= line.size() || line.at(begin) != u'=')
            continue;
        ++begin;
        while (begin < line.size() && line.at(begin) == u' ')
            ++begin;
        qsizetype end = begin;
        while (end < line.size() && !line.at(end).isSpace())
            ++end;
        return line.sliced(begin, end - begin);
    }
}

// "256kB" (ffmpeg before 7) or "1KiB" (from 7 on): both count 1024 bytes.
std::optional<qint64> bytes(std::optional<QStringView> size)
{
    for (QStringView unit : {u"KiB", u"kB"}) {
        bool ok = false;
        const double value =
            size && size->endsWith(unit) ? size->chopped(unit.size()).toDouble(&ok) : 0;
        if (ok && value >= 0 && value < 1e15)
            return static_cast<qint64>(value * 1024);
    }
    return std::nullopt;
}

bool isReport(QStringView line)
{
    return line.startsWith(u"frame=") || line.startsWith(u"size=") || line.startsWith(u"Lsize=");
}

} // namespace

void ProgressParser::reset(const QString &inputName, const QString &outputName)
{
    *this = ProgressParser();
    // The encoder's log shows control characters other than line breaks and tabs as '?'.
    for (auto [name, shown] : {std::pair{&inputName, &m_inputName}, {&outputName, &m_outputName}}) {
        *shown = *name;
        for (QChar &c : *shown) {
            if (c.unicode() < 0x08 || (c.unicode() > 0x0d && c.unicode() < 0x20))
                c = u'?';
        }
    }
}

bool ProgressParser::durationPending() const
{
    return m_partialLine.trimmed().startsWith(u"Duration:");
}

ProgressParser::Update ProgressParser::feed(QStringView chunk, double frameRate)
{
    Update update;
    appendToTail(chunk);

    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        if (m_skip > 0) {
            const qsizetype skipped = std::min(m_skip, chunk.size() - i);
            m_skip -= skipped;
            i += skipped - 1;
            lineStart = i + 1;
            continue;
        }
        if (!isBreak(chunk.at(i)))
            continue;
        const QStringView piece = chunk.sliced(lineStart, i - lineStart);
        if (m_partialLine.isEmpty()) {
            takeLine(piece, update, frameRate);
        } else {
            m_partialLine += piece.left(maxLineLength - m_partialLine.size());
            takeLine(m_partialLine, update, frameRate);
            m_partialLine.clear();
        }
        lineStart = i + 1;
    }
    // The unfinished last line waits for its end; an overlong one keeps only its beginning.
    const QStringView rest = chunk.sliced(lineStart);
    if (m_partialLine.size() < maxLineLength)
        m_partialLine += rest.left(maxLineLength - m_partialLine.size());
    return update;
}

// The header names each file as "Input #0, avi, from '<name>':" or "Output #0, avi, to
// '<name>':". When a line break inside the name has ended the line, the rest of the name is
// skipped, so that nothing in a name is ever read as the encoder's own text.
void ProgressParser::skipEchoedName(QStringView line)
{
    const bool input = line.startsWith(u"Input #");
    const qsizetype quote = line.indexOf(u'\'');
    if ((!input && !line.startsWith(u"Output #")) || quote < 0)
        return;
    const QString &name = input ? m_inputName : m_outputName;
    const QStringView echoed = line.sliced(quote + 1);
    if (echoed.size() < name.size() && name.startsWith(echoed) && isBreak(name.at(echoed.size())))
        m_skip = name.size() - echoed.size() - 1;
}

void ProgressParser::takeLine(QStringView line, Update &update, double frameRate)
{
    skipEchoedName(line);
    line = line.trimmed();
    if (line.startsWith(u"Duration:")) {
        QStringView value = line.sliced(9).trimmed();
        const qsizetype end = value.indexOf(u',');
        if (end >= 0)
            value = value.first(end).trimmed();
        const auto seconds = TimeFormat::parseTime(value);
        m_duration = (seconds && *seconds > 0) ? seconds : std::nullopt;
        return;
    }
    if (!isReport(line))
        return;
    const auto time = field(line, u"time");
    if (!time)
        return;
    update.report = true;
    m_written = bytes(line.startsWith(u"Lsize=") ? field(line, u"Lsize") : field(line, u"size"));
    const auto seconds = TimeFormat::parseTime(*time);
    if (!seconds || *seconds < 0) {
        m_position.reset();
        return;
    }
    m_position = seconds;
    if (!m_duration)
        return;

    const double share = *m_position * 100 / *m_duration;
    if (share >= 0 && share < 101) {
        m_percent = static_cast<int>(share);
        update.percent = m_percent;
    }

    // An encoding job counts frames at the job's frame rate against the encoder's frames per
    // second. A job that copies the video never uses that rate; it divides the time left by
    // the encoder's "speed=", how many times real time it runs.
    const bool countFrames = frameRate > 0;
    auto rate = field(line, countFrames ? u"fps" : u"speed");
    if (!rate)
        return;
    if (!countFrames && rate->endsWith(u'x'))
        rate->chop(1);
    const double speed = rate->toDouble();
    if (!(speed > 0) || !std::isfinite(speed))
        return;
    const double left = countFrames ? (*m_duration * frameRate - frameRate * *m_position) / speed
                                    : (*m_duration - *m_position) / speed;
    // Past an underestimated duration there is nothing left to wait for, not less than nothing.
    update.remaining = TimeFormat::remaining(std::max(left, 0.0));
}

std::optional<qint64> ProgressParser::spaceNeeded(qint64 available) const
{
    if (!m_duration || !m_position || !m_written || available < 0 || *m_position < 2
        || *m_position * 50 < *m_duration)
        return std::nullopt;
    const double needed = *m_written * (*m_duration / *m_position - 1);
    if (!(needed > available * 1.05) || needed >= 9e18)
        return std::nullopt;
    return static_cast<qint64>(needed);
}

ProgressParser::Output ProgressParser::output(qint64 outputSize) const
{
    if (outputSize <= 0)
        return Output::Missing;
    if (m_duration && m_position && *m_position < *m_duration * 0.9)
        return Output::Short;
    return Output::Whole;
}

void ProgressParser::appendToTail(QStringView chunk)
{
    qsizetype i = 0;
    while (i < chunk.size()) {
        const QChar c = chunk.at(i);
        if (c == u'\n') {
            m_tail.push_back(m_tailLine);
            if (m_tail.size() > static_cast<size_t>(tailLineCount))
                m_tail.pop_front();
            m_tailLine.clear();
            m_tailReturn = false;
            ++i;
            continue;
        }
        if (c == u'\r') {
            m_tailReturn = true;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < chunk.size() && !isBreak(chunk.at(end)))
            ++end;
        if (m_tailReturn) {
            m_tailLine.clear();
            m_tailReturn = false;
        }
        m_tailLine += chunk.sliced(i, end - i).left(maxLineLength - m_tailLine.size());
        i = end;
    }
}

QString ProgressParser::diagnosticTail() const
{
    QStringList lines(m_tail.begin(), m_tail.end());
    if (!m_tailLine.isEmpty())
        lines << m_tailLine;
    return lines.join(u'\n');
}
