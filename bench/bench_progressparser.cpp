// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress parser's cost per chunk: one typical progress report as ffmpeg sends it
// (one write per report, ending in '\r'), and 64 KiB chunks of diagnostic text as a pipe
// delivers them when the encoder is chatty.
#include "progressparser.h"

#include <QStringDecoder>

#include <benchmark/benchmark.h>

namespace {

const QString header = QStringLiteral(
    "Input #0, avi, from 'clip.avi':\n"
    "  Metadata:\n"
    "    creation_time   : 2021-03-04T12:34:56.000000Z\n"
    "  Duration: 00:00:20.00, start: 0.000000, bitrate: 1204 kb/s\n"
    "  Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, 640x480 "
    "[SAR 1:1 DAR 4:3], 1062 kb/s, 25 fps, 25 tbr, 25 tbn\n");

QString report(int frame)
{
    return QStringLiteral("frame=%1 fps= 97 q=2.0 size=    %2kB time=00:00:%3.%4 "
                          "bitrate=1234.5kbits/s speed=3.88x    \r")
        .arg(frame, 5)
        .arg(frame * 4, 6)
        .arg(frame / 25 % 60, 2, 10, QLatin1Char('0'))
        .arg(frame % 25 * 4, 2, 10, QLatin1Char('0'));
}

// Decoder complaints interleaved with reports, as a damaged input makes ffmpeg write them.
QByteArray diagnosticText(qsizetype size)
{
    QByteArray text;
    int frame = 0;
    while (text.size() < size) {
        for (int i = 0; i < 20; ++i)
            text += "[mpeg4 @ 0x55d0c0ffee00] ac-tex damaged at 12 7, error while decoding MB 12 "
                    "7, bitstream 41234\n";
        text += report(++frame).toUtf8();
    }
    text.truncate(size);
    return text;
}

void typicalReport(benchmark::State &state)
{
    ProgressParser parser;
    parser.feed(header, 25);
    std::vector<QString> reports;
    for (int i = 1; i <= 500; ++i)
        reports.push_back(report(i));
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.feed(reports[next], 25));
        next = (next + 1) % reports.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(typicalReport);

// What the dialog does per readyReadStandardError: decode the bytes, then parse.
void typicalReportDecoded(benchmark::State &state)
{
    ProgressParser parser;
    parser.feed(header, 25);
    QStringDecoder decoder(QStringDecoder::System);
    std::vector<QByteArray> reports;
    for (int i = 1; i <= 500; ++i)
        reports.push_back(report(i).toUtf8());
    size_t next = 0;
    for (auto _ : state) {
        const QString chunk = decoder.decode(reports[next]);
        benchmark::DoNotOptimize(parser.feed(chunk, 25));
        next = (next + 1) % reports.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(typicalReportDecoded);

void diagnosticChunks64KiB(benchmark::State &state)
{
    const QString chunk = QString::fromUtf8(diagnosticText(64 * 1024));
    ProgressParser parser;
    parser.feed(header, 25);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.feed(chunk, 25));
    state.SetBytesProcessed(state.iterations() * 64 * 1024);
}
BENCHMARK(diagnosticChunks64KiB);

void diagnosticChunks64KiBDecoded(benchmark::State &state)
{
    const QByteArray bytes = diagnosticText(64 * 1024);
    ProgressParser parser;
    parser.feed(header, 25);
    QStringDecoder decoder(QStringDecoder::System);
    for (auto _ : state) {
        const QString chunk = decoder.decode(bytes);
        benchmark::DoNotOptimize(parser.feed(chunk, 25));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(diagnosticChunks64KiBDecoded);

// The worst shape for line splitting: 64 KiB without a line break.
void unbrokenLine64KiB(benchmark::State &state)
{
    const QString chunk(64 * 1024, u'x');
    ProgressParser parser;
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.feed(chunk, 25));
    state.SetBytesProcessed(state.iterations() * 64 * 1024);
}
BENCHMARK(unbrokenLine64KiB);

// The error report's details after a long run.
void diagnosticTail(benchmark::State &state)
{
    ProgressParser parser;
    parser.feed(QString::fromUtf8(diagnosticText(256 * 1024)), 25);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.diagnosticTail());
}
BENCHMARK(diagnosticTail);

} // namespace

BENCHMARK_MAIN();
