// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for ProgressParser: the input is encoder output as raw bytes. The fuzzer
// also chooses how it is cut into chunks (the cut lengths are taken from the end of the input,
// so a seed of real encoder text stays readable at the front), which decoder reads it and the
// job's frame rate. Every chunk goes through one stateful decoder, as in the dialog.
//
// Checked after every chunk: the bar only ever gets 0 to 100, and only from a progress report;
// the remaining time is "minutes:seconds" as the LCD shows it; the error tail stays bounded.
// At the end: the same text fed in one piece gives the same duration, position, percentage
// and tail, because the parser must not depend on where the pipe happened to split it.
#include "progressparser.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, qPrintable(detail));
    std::abort();
}

void check(bool ok, const char *what, const QString &detail = QString())
{
    if (!ok)
        fail(what, detail);
}

constexpr qsizetype maxTailSize =
    (ProgressParser::tailLineCount + 1) * (ProgressParser::maxLineLength + 1);

void checkRemaining(const QString &text)
{
    // Minutes without hours, seconds as two digits, or negative ("0:-10", "-1:-05" never).
    static const QRegularExpression shape(QStringLiteral("^(-?\\d+):(\\d\\d|-\\d{1,2})$"));
    const QRegularExpressionMatch match = shape.match(text);
    check(match.hasMatch(), "remaining time shape", text);
    const int minutes = match.captured(1).toInt();
    const int seconds = match.captured(2).toInt();
    check(seconds > -60 && seconds < 60, "remaining seconds range", text);
    check(!(minutes > 0 && seconds < 0) && !(minutes < 0 && seconds > 0), "remaining time sign",
          text);
}

void checkState(const ProgressParser &parser)
{
    check(parser.percent() >= 0 && parser.percent() <= 100, "stored percent range",
          QString::number(parser.percent()));
    if (const auto duration = parser.duration())
        check(std::isfinite(*duration) && *duration > 0, "duration is positive",
              QString::number(*duration));
    if (const auto position = parser.position())
        check(std::isfinite(*position) && *position >= 0, "position is not negative",
              QString::number(*position));
    check(parser.diagnosticTail().size() <= maxTailSize, "tail size",
          QString::number(parser.diagnosticTail().size()));
}

bool hasOverlongLine(const QString &text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = (c == u'\n' || c == u'\r') ? 0 : run + 1;
        if (run > ProgressParser::maxLineLength)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool utf8 = input.ConsumeBool();
    static constexpr double frameRates[] = {30, 25, 24, 0, 1e-300, 1e300};
    const double frameRate = input.PickValueInArray(frameRates);

    QStringDecoder decoder(utf8 ? QStringDecoder::Utf8 : QStringDecoder::System);
    ProgressParser parser;
    QString whole;
    while (input.remaining_bytes() > 0) {
        const size_t length = input.ConsumeIntegralInRange<size_t>(1, 8192);
        const std::string bytes = input.ConsumeBytesAsString(length);
        const QString chunk = decoder.decode(QByteArrayView(bytes.data(), bytes.size()));
        whole += chunk;

        const ProgressParser::Update update = parser.feed(chunk, frameRate);
        if (update.percent) {
            check(*update.percent >= 0 && *update.percent <= 100, "bar percent range",
                  QString::number(*update.percent));
            check(update.report, "percent outside a progress report");
        }
        if (update.remaining) {
            check(update.report, "remaining time outside a progress report");
            checkRemaining(*update.remaining);
        }
        checkState(parser);
    }

    // Lines longer than the parser keeps are cut differently depending on the split.
    if (hasOverlongLine(whole))
        return 0;
    ProgressParser inOnePiece;
    inOnePiece.feed(whole, frameRate);
    checkState(inOnePiece);
    check(inOnePiece.duration() == parser.duration(), "duration depends on the split");
    check(inOnePiece.position() == parser.position(), "position depends on the split");
    check(inOnePiece.percent() == parser.percent(), "percent depends on the split");
    check(inOnePiece.diagnosticTail() == parser.diagnosticTail(), "tail depends on the split");
    return 0;
}
