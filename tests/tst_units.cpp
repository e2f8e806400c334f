// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pure units, without any widget: progress parsing, output names, argument lists, and
// which files a drop or a job may take.
#include "droppedfile.h"
#include "encoderargs.h"
#include "ffmpegname.h"
#include "outputname.h"
#include "progressparser.h"
#include "timeformat.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

Q_DECLARE_METATYPE(EncoderJob)

class tst_Units : public QObject
{
    Q_OBJECT

private slots:
    void progress_data();
    void progress();
    void outputName_data();
    void outputName();
    void arguments_data();
    void arguments();
    void files_data();
    void files();
};

namespace {

const QString dur10 = "Input #0, mov, from 'phone.mp4':\n  Metadata:\n    creation_time   : "
                      "2021-03-04T12:34:56Z\n  Duration: 00:00:10.00, start: 0.000000\n"
                      "  Stream #0:0: Video: h264, 160x120, 30 fps, 30 tbr\n";
const QString dur120 = "  Duration: 00:02:00.00, start: 0.000000, bitrate: 9 kb/s\n";
// Names as a hostile user could choose them; ffmpeg echoes them in its header, breaks and all.
const QString input = "/d/a\n  Duration: 00:00:20.00, s\nframe=1 fps=1 time=00:00:05.00 \r.avi";
const QString output =
    "/d/\x01-b\r\n  Duration: 00:00:40.00, s\nframe=2 fps=1 time=00:00:08.00 \r\n.avi";
const QString header = "Input #0, avi, from '" + input + "':\n" + dur10 + "Output #0, avi, to '"
    + QString(output).replace(u'\x01', u'?') + "':\n"; // as the log shows control characters

QString report(const QString &time, const QString &fps = "50", const QString &speed = "2.0x",
               const QString &size = "size=  256kB")
{
    return QString("frame=  100 fps=%1 q=2.0 %2 time=%3 bitrate= 42kbits/s speed=%4    \r")
        .arg(fps, size, time, speed);
}

// The chunks into a parser, the updates onto the bar and the LCD as the dialog applies them, and
// the space (KiB) the parser then warns that the output still needs.
QString replay(ProgressParser &parser, const QStringList &chunks, double frameRate, qint64 free)
{
    int bar = 0;
    QString lcd = "0";
    for (const QString &chunk : chunks) {
        const ProgressParser::Update update = parser.feed(chunk, frameRate);
        bar = update.percent.value_or(bar) <= 100 ? update.percent.value_or(bar) : -1;
        lcd = update.remaining.value_or(lcd);
    }
    const auto needed = parser.spaceNeeded(free);
    return QString::number(bar) + ' ' + lcd
        + (needed ? " needs " + QString::number(*needed / 1024) : "");
}

void row(const char *name, const QStringList &chunks, double frameRate, const char *shown,
         const QStringList &tail = {}, qint64 freeKiB = -1)
{
    QTest::newRow(name) << chunks << frameRate << QString(shown) << tail << freeKiB * 1024;
}

} // namespace

void tst_Units::progress_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<double>("frameRate"); // 0: a job that copies the video
    QTest::addColumn<QString>("shown");    // the bar and the remaining time
    QTest::addColumn<QStringList>("tail"); // the error report's lines, when given
    QTest::addColumn<qint64>("free");      // bytes free on the output's file system
    QString many;
    QStringList last40;
    for (int i = 0; i < 100; ++i) {
        many += QString("line %1\n").arg(i);
        if (i >= 60)
            last40 << QString("line %1").arg(i);
    }
    // clang-format off
    row("a report at a quarter", {dur120, report("00:00:30.00")}, 25, "25 0:45",
        {dur120.chopped(1), report("00:00:30.00").chopped(1)});
    row("plain seconds, percent truncated", {dur120, report("59.90")}, 25, "49 0:30");
    row("Duration split from its time", {"  Duration:", " 00:02:00.00, s\n", report("00:00:30.00")}, 25, "25 0:45");
    row("report split inside its time", {dur120, "frame= 1 fps= 50 size= 1kB time=00:0", "0:30.00 x \r"}, 25, "25 0:45");
    row("creation_time and '30 fps' are no fields", {dur10 + report("00:00:05.00", "125")}, 25, "50 0:01");
    row("a field ending in time= is not time=", {dur10 + report("00:00:05.00", "50", "2.0x", "size= 1kB out_time=00:00:09.00")}, 25, "50 0:02");
    row("uppercase DURATION tag", {dur10 + "  DURATION : 00:00:05.00\n", report("00:00:05.00")}, 25, "50 0:02");
    row("Duration N/A leaves bar and LCD", {"  Duration: N/A, bitrate: N/A\n", report("00:00:05.00")}, 25, "0 0");
    row("time=N/A keeps the last value", {dur10, report("00:00:05.00"), report("N/A")}, 25, "50 0:02");
    row("negative time", {dur10, report("-00:00:00.04")}, 25, "0 0");
    row("past an underestimated duration: 0:00", {dur10, report("00:00:12.00")}, 25, "0 0:00");
    row("names echoed in the header are no fields", {header.left(30), header.sliced(30, 99), header.sliced(129)}, 25, "0 0");
    row("ffmpeg 7: KiB and elapsed=", {dur10, report("00:00:05.00", "125", "5x elapsed=0:00:02", "size= 1KiB")}, 25, "50 0:01");
    row("fps 0 leaves the LCD", {dur10, report("00:00:05.00", "0.0")}, 25, "50 0");
    row("audio only: size= report, no fps", {dur10, "size=  512kB time=00:00:02.50 speed= 120x \r"}, 25, "25 0");
    row("audio only: Lsize= reaches 100", {dur10, "Lsize=  228kB time=00:00:10.00 speed=4x\n"}, 25, "100 0");
    row("latest report in a chunk counts", {dur10, report("00:00:02.00") + report("00:00:07.00")}, 25, "70 0:01");
    row("copy job: time left over speed=", {dur10, report("00:00:04.00", "100")}, 0, "40 0:03");
    row("minutes without hours, seconds padded", {"  Duration: 02:00:00.00, s\n", report("00:00:00.00", "25")}, 25, "0 120:00");
    row("remaining time past the display's range", {"  Duration: 99999999999:00:00.00, s\n", report("4294967296:00:00.00", "1")}, 25, "4 0");
    row("error reason beside 'Conversion failed!'", {dur120 + report("00:00:01.00") + report("00:00:02.00")
        + "\n[mp4 @ 0x55] Could not find tag for pcm_s16le\r\nConversion failed!\n"}, 25, "1 0:59",
        {dur120.chopped(1), report("00:00:02.00").chopped(1), "[mp4 @ 0x55] Could not find tag for pcm_s16le", "Conversion failed!"});
    row("tail bounded to 40 lines", {many}, 25, "0 0", last40);
    row("space: 39 MiB more needed, 30 MiB free", {dur120, report("00:00:03.00", "50", "2x", "size=1024kB")}, 25, "2 0:58 needs 39936", {}, 30720);
    row("space: short by less than 5 %", {dur120, report("00:00:03.00", "50", "2x", "size=1024kB")}, 25, "2 0:58", {}, 38400);
    row("space: no projection before 2 s", {dur10, report("00:00:01.50", "50", "2x", "size=9999kB")}, 25, "15 0:04", {}, 0);
    row("space: nor before 2 % of the duration", {dur120, report("00:00:02.00", "50", "2x", "size=9999kB")}, 25, "1 0:59", {}, 0);
    row("space: ffmpeg 7's KiB in its last report", {dur10, "Lsize=  3000KiB time=00:00:05.00 speed=4x\n"}, 25, "50 0 needs 3000", {}, 1024);
    row("overlong line cut", {QString(100000, u'x') + "\nthe end"}, 25, "0 0", {QString(4096, u'x'), "the end"});
    // clang-format on
}

void tst_Units::progress()
{
    QFETCH(QStringList, chunks);
    QFETCH(double, frameRate);
    QFETCH(QString, shown);
    QFETCH(QStringList, tail);
    QFETCH(qint64, free);
    ProgressParser parser;
    parser.reset(input, output);
    QCOMPARE(replay(parser, chunks, frameRate, free), shown);
    if (!tail.isEmpty())
        QCOMPARE(parser.diagnosticTail().split(u'\n'), tail);
}

void tst_Units::outputName_data()
{
    QTest::addColumn<QString>("output"); // empty: derived from the input, as Open does
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("open, copy: input's suffix, marked") << "" << 0 << "/d/a.mov" << "/d/a-Kopie.mov";
    QTest::newRow("open, copy: only the last suffix") << "" << 0 << "/d/a.tar.avi" << "/d/a.tar-Kopie.avi";
    QTest::newRow("open, copy: no suffix") << "" << 0 << "/d.x/clip" << "/d.x/clip.";
    QTest::newRow("open, huffyuv") << "" << 1 << "/d/a.mov" << "/d/a.avi";
    QTest::newRow("open, mjpeg names the input: marked") << "" << 2 << "/d/a.avi" << "/d/a-Kopie.avi";
    QTest::newRow("open, mpeg1video") << "" << 3 << "/d/a.avi" << "/d/a.mpg";
    QTest::newRow("open, mpeg4") << "" << 5 << "/d/a.avi" << "/d/a.mp4";
    QTest::newRow("open, flv") << "" << 6 << "/d/a.avi" << "/d/a.flv";
    QTest::newRow("root directory") << "" << 0 << "/a.avi" << "/a-Kopie.avi";
    QTest::newRow("input with '//' and '..'") << "" << 0 << "/d//x/../a.avi" << "/d/a-Kopie.avi";
    QTest::newRow("case differs: another file") << "/d/A.avi" << 1 << "/d/a.avi" << "/d/A.avi";
    QTest::newRow("mpeg4 to flv") << "/d/a.mp4" << 6 << "/d/a.avi" << "/d/a.flv";
    QTest::newRow("mark dropped when the name is free") << "/d/a-Kopie.avi" << 4 << "/d/a.avi" << "/d/a.mpg";
    QTest::newRow("only the first mark is removed") << "/x/a-Kopie-Kopie.avi" << 1 << "/d/a.avi" << "/x/a-Kopie.avi";
    QTest::newRow("mark in a directory stays") << "/d/old-Kopie/b.avi" << 5 << "/d/a.avi" << "/d/old-Kopie/b.mp4";
    QTest::newRow("relative output and input") << "a.mp4" << 0 << "a.avi" << QDir::currentPath() + "/a-Kopie.avi";
    QTest::newRow("empty output stays empty") << "-" << 5 << "/d/a.avi" << "";
    // clang-format on
}

void tst_Units::outputName()
{
    QFETCH(QString, output);
    QFETCH(int, codec);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    if (output.isEmpty())
        QCOMPARE(OutputName::derive(input, codec, input), expected);
    else
        QCOMPARE(OutputName::follow(output == "-" ? QString() : output, codec, input), expected);
}

void tst_Units::arguments_data()
{
    QTest::addColumn<EncoderJob>("job");
    QTest::addColumn<QString>("command");
    // The form's defaults, with the audio options enabled as the interlocks leave them.
    // clang-format off
    const auto job = [](int video, int audio, bool dvd = false, bool stereo = true) { return EncoderJob{"/d/a.avi", "/d/b.avi", video, dvd, "320", "240", "25", "4:3", "8000", audio, "224k", audio > 1, audio > 0, stereo}; };
    const EncoderJob blanks{"/d/my film.avi", "", 1, false, "320", "240", "25", "4:3", "8000", 0, "224k", false, false, true};
    const QString copy = "ffmpeg -y -i /d/a.avi -vcodec copy -acodec ";
    const QString encode = "ffmpeg -y -i /d/a.avi -s 320x240 -vcodec %1 -r 25 -aspect 4:3 -b 8000k ";
    QTest::newRow("start-up: copy and copy") << job(0, 0) << copy + "copy /d/b.avi";
    QTest::newRow("mpeg4, mp3 stereo") << job(5, 2) << encode.arg("mpeg4") + "-acodec libmp3lame -ab 224k -ac 2 /d/b.avi";
    QTest::newRow("PAL-DVD, ac3") << job(4, 4, true) << "ffmpeg -y -i /d/a.avi -target pal-dvd -aspect 4:3 -b 8000k -acodec ac3 -ab 224k -ac 2 /d/b.avi";
    QTest::newRow("PAL-DVD ignored for copy") << job(0, 0, true) << copy + "copy /d/b.avi";
    QTest::newRow("wav mono") << job(0, 1, false, false) << copy + "pcm_s16le -ac 1 /d/b.avi";
    QTest::newRow("flv, mp2") << job(6, 3) << encode.arg("flv") + "-acodec mp2 -ab 224k -ac 2 /d/b.avi";
    QTest::newRow("h264, aac") << job(7, 5) << encode.arg("libx264") + "-acodec aac -ab 224k -ac 2 /d/b.avi";
    QTest::newRow("hevc, aac mono") << job(8, 5, false, false) << encode.arg("libx265") + "-acodec aac -ab 224k -ac 1 /d/b.avi";
    QTest::newRow("vp9, opus") << job(9, 6) << encode.arg("libvpx-vp9") + "-acodec libopus -ab 224k -ac 2 /d/b.avi";
    QTest::newRow("av1, opus") << job(10, 6) << encode.arg("libsvtav1") + "-acodec libopus -ab 224k -ac 2 /d/b.avi";
    QTest::newRow("blanks unquoted, empty name kept") << blanks << encode.arg("huffyuv").replace("a.avi", "my film.avi") + "-acodec copy ";
    // clang-format on
}

void tst_Units::arguments()
{
    QFETCH(EncoderJob, job);
    QFETCH(QString, command);
    QCOMPARE(EncoderArgs::commandText(EncoderArgs::build(job)), command);
}

void tst_Units::files_data()
{
    QTest::addColumn<QString>(
        "row"); // kind, names, "->", the file taken, "same", "plain" or nothing;
    // "@" stands for a folder with a.avi, b.avi, and a symbolic and a hard link to a.avi
    // clang-format off
    QTest::newRow("drop: one file URL") << "drop file://@/a.avi -> @/a.avi";
    QTest::newRow("drop: two files") << "drop file://@/a.avi file://@/b.avi ->";
    QTest::newRow("drop: a folder") << "drop file://@ ->";
    QTest::newRow("drop: remote URL") << "drop https://example.org/a.avi ->";
    QTest::newRow("text: a path, with a line break") << "text @/a.avi\n -> @/a.avi";
    QTest::newRow("text: a file URL") << "text file://@/b.avi -> @/b.avi";
    QTest::newRow("text: not a file") << "text words ->";
    QTest::newRow("same: identical") << "same @/a.avi @/a.avi -> same";
    QTest::newRow("same: '//', '.' and '..'") << "same @/a.avi @//./x/../a.avi -> same";
    QTest::newRow("same: symbolic link") << "same @/a.avi @/link.avi -> same";
    QTest::newRow("same: hard link") << "same @/a.avi @/hard.avi -> same";
    QTest::newRow("same: new output, same path") << "same @/c.avi @/./c.avi -> same";
    QTest::newRow("other: two files") << "same @/a.avi @/b.avi ->";
    QTest::newRow("other: new output") << "same @/a.avi @/c.avi ->";
    QTest::newRow("same: input as file:") << "same file:@/a.avi @/a.avi -> same";
    QTest::newRow("same: input in cache: and concat:") << "same cache:concat:@/b.avi|file:@/link.avi @/a.avi -> same";
    QTest::newRow("other: standard input") << "same - @/a.avi ->";
    QTest::newRow("output: a local file") << "output @/50%.mp4 -> plain";
    QTest::newRow("output: a colon in a path") << "output @/a:b.png -> plain";
    QTest::newRow("output: '%%' in an image name") << "output @/a%%d.png -> plain";
    QTest::newRow("output: file:") << "output file:@/a.avi ->";
    QTest::newRow("output: a relative name with a colon") << "output a:b.avi ->";
    QTest::newRow("output: tee:") << "output tee:@/a.avi|@/b.avi ->";
    QTest::newRow("output: -, standard output") << "output - ->";
    QTest::newRow("output: a leading -, an option") << "output -b.avi ->";
    QTest::newRow("output: an image sequence") << "output @/a%03d.PNG ->";
    QTest::newRow("output: a playlist with segments") << "output @/a.m3u8 ->";
    // clang-format on
}

// Which file a drop carries, whether an output names a file the input reads, and whether
// ffmpeg writes an output name as just that local file.
void tst_Units::files()
{
    QFETCH(QString, row);
    QTemporaryDir dir;
    QFile(dir.filePath("a.avi")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("b.avi")).open(QIODevice::WriteOnly);
    QFile::link(dir.filePath("a.avi"), dir.filePath("link.avi"));
    QCOMPARE(::link(qPrintable(dir.filePath("a.avi")), qPrintable(dir.filePath("hard.avi"))), 0);
    const QStringList names = row.replace("@", dir.path()).section(" ->", 0, 0).split(' ').mid(1);
    QList<QUrl> urls;
    for (const QString &name : names)
        urls << QUrl(name);
    QString result = FfmpegName::overwritesInput(names.value(0), names.value(1)) ? "same" : "";
    if (row.startsWith("output"))
        result = FfmpegName::isPlainOutput(names.first()) ? "plain" : "";
    else if (!row.startsWith("same"))
        result = DroppedFile::localFile(row.startsWith("drop") ? urls : QList<QUrl>(),
                                        row.startsWith("text") ? names.first() : QString())
                     .value_or(QString());
    QCOMPARE(result, row.section("->", 1).trimmed());
}

QTEST_GUILESS_MAIN(tst_Units)
#include "tst_units.moc"
