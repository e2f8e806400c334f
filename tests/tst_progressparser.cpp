#include "progressparser.h"
#include "timeformat.h"

#include <QTest>

// The progress parser fed chunk sequences as the encoder's pipe delivers them. Each row
// replays the chunks into a model of the three displays, the way the dialog applies updates.
class tst_ProgressParser : public QObject
{
    Q_OBJECT

private slots:
    void displays_data();
    void displays();
    void anySplitGivesTheSameResult();
    void remainingText_data();
    void remainingText();
    void diagnosticTail_data();
    void diagnosticTail();
    void durationPendingAcrossChunks();
};

namespace {

const QString header10s = QStringLiteral(
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'phone.mp4':\n"
    "  Metadata:\n"
    "    creation_time   : 2021-03-04T12:34:56.000000Z\n"
    "  Duration: 00:00:10.00, start: 0.000000, bitrate: 114 kb/s\n"
    "  Stream #0:0[0x1](und): Video: h264 (High), yuv420p, 160x120, 34 kb/s, 30 fps, 30 tbr\n"
    "    Metadata:\n"
    "      creation_time   : 2021-03-04T12:34:56.000000Z\n");

QString report(const QString &time, const QString &fps = QStringLiteral(" 50"),
               const QString &size = QStringLiteral("     256kB"))
{
    return QStringLiteral("frame=  100 fps=%1 q=2.0 size=%2 time=%3 bitrate= 426.2kbits/s "
                          "speed=2.0x    \r")
        .arg(fps, size, time);
}

struct Displays
{
    int bar = 0;
    QString lcd = QStringLiteral("0");
    int reports = 0;
    bool percentInRange = true;
};

Displays replay(ProgressParser &parser, const QStringList &chunks, double frameRate)
{
    Displays shown;
    for (const QString &chunk : chunks) {
        const ProgressParser::Update update = parser.feed(chunk, frameRate);
        if (update.report)
            ++shown.reports;
        if (update.percent) {
            shown.percentInRange &= *update.percent >= 0 && *update.percent <= 100;
            shown.bar = *update.percent;
        }
        if (update.remaining)
            shown.lcd = *update.remaining;
    }
    return shown;
}

} // namespace

void tst_ProgressParser::displays_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("lcd");
    QTest::addColumn<double>("duration"); // -1: unknown

    const QString dur120 =
        QStringLiteral("  Duration: 00:02:00.00, start: 0.000000, bitrate: 9 kb/s\n");
    QTest::newRow("header, then a report at a quarter")
        << QStringList{dur120, report("00:00:30.00")} << 25.0 << 25 << "0:45" << 120.0;
    QTest::newRow("old short form in plain seconds")
        << QStringList{dur120, report("00:00:30.00"), report("90.00", " 40")} << 25.0 << 75
        << "0:18" << 120.0;
    QTest::newRow("percent truncates toward zero")
        << QStringList{dur120, report("00:00:59.90")} << 25.0 << 49 << "0:30" << 120.0;
    QTest::newRow("marker ends one chunk, time starts the next")
        << QStringList{"  Duration:", " 00:02:00.00, start: 0.0\n", report("00:00:30.00")} << 25.0
        << 25 << "0:45" << 120.0;
    QTest::newRow("report split inside its time field")
        << QStringList{dur120, "frame=  750 fps= 50 q=2.0 size=  100kB time=00:0",
                       "0:30.00 bitrate= 1.0kbits/s speed=2x    \r"}
        << 25.0 << 25 << "0:45" << 120.0;
    QTest::newRow("creation_time metadata before Duration")
        << QStringList{header10s, report("00:00:05.00")} << 25.0 << 50 << "0:02" << 10.0;
    QTest::newRow("stream line '30 fps' is not the speed")
        << QStringList{header10s + report("00:00:05.00", "125")} << 25.0 << 50 << "0:01" << 10.0;
    QTest::newRow("file name containing time= and fps=")
        << QStringList{"Input #0, avi, from '/v/time=00:00:09.00 fps=1.avi':\n"
                       "  Duration: 00:00:10.00, start: 0.000000, bitrate: 1 kb/s\n",
                       report("00:00:01.00")}
        << 25.0 << 10 << "0:04" << 10.0;
    QTest::newRow("uppercase DURATION tag is not the header")
        << QStringList{header10s + "      DURATION        : 00:00:05.000000000\n",
                       report("00:00:05.00")}
        << 25.0 << 50 << "0:02" << 10.0;
    QTest::newRow("Duration N/A: bar and LCD keep what they show")
        << QStringList{"  Duration: N/A, bitrate: N/A\n", report("00:00:05.00")} << 25.0 << 0 << "0"
        << -1.0;
    QTest::newRow("time=N/A keeps the last value")
        << QStringList{header10s, report("00:00:05.00"), report("N/A")} << 25.0 << 50 << "0:02"
        << 10.0;
    QTest::newRow("negative time keeps the bar")
        << QStringList{header10s, report("-00:00:00.04")} << 25.0 << 0 << "0" << 10.0;
    QTest::newRow("ffmpeg 7: KiB and a trailing elapsed field")
        << QStringList{"  Duration: 00:00:20.00, start: 0.000000, bitrate: 1 kb/s\n",
                       "frame=  250 fps=125 q=2.0 size=    1024KiB time=00:00:10.00 "
                       "bitrate= 838.9kbits/s speed=5x elapsed=0:00:02.00    \r"}
        << 25.0 << 50 << "0:02" << 20.0;
    QTest::newRow("fast encode: speed 1234 read whole")
        << QStringList{"  Duration: 00:01:40.00, start: 0.0\n", report("00:00:50.00", "1234")}
        << 25.0 << 50 << "0:01" << 100.0;
    const QString copyReport = "frame=  100 fps=100 q=-1.0 size=  100kB time=00:00:04.00 "
                               "bitrate= 1.0kbits/s speed=%1    \r";
    QTest::newRow("copy job: time left over speed=, not frames")
        << QStringList{header10s, copyReport.arg("2.00x")} << 0.0 << 40 << "0:03" << 10.0;
    QTest::newRow("copy job: blanks before speed=")
        << QStringList{header10s, copyReport.arg(" 3x")} << 0.0 << 40 << "0:02" << 10.0;
    QTest::newRow("copy job: speed=N/A leaves the LCD")
        << QStringList{header10s, copyReport.arg("N/A")} << 0.0 << 40 << "0" << 10.0;
    QTest::newRow("speed 0 leaves the LCD")
        << QStringList{header10s, report("00:00:05.00", "0.0")} << 25.0 << 50 << "0" << 10.0;
    QTest::newRow("audio only: size= report without fps")
        << QStringList{header10s,
                       "size=     512kB time=00:00:02.50 bitrate= 139.8kbits/s speed= 120x    \r"}
        << 25.0 << 25 << "0" << 10.0;
    QTest::newRow("last report (Lsize) reaches 100")
        << QStringList{header10s,
                       "frame=  250 fps=100 q=2.0 Lsize=     228kB time=00:00:10.00 "
                       "bitrate= 616.8kbits/s speed=4x    \n"}
        << 25.0 << 100 << "0:00" << 10.0;
    QTest::newRow("several reports in one chunk: the latest counts")
        << QStringList{header10s, report("00:00:02.00") + report("00:00:07.00")} << 25.0 << 70
        << "0:01" << 10.0;
    QTest::newRow("position past the end leaves the bar")
        << QStringList{header10s, report("00:00:05.00"), report("00:00:11.00")} << 25.0 << 50
        << "0:00" << 10.0;
    QTest::newRow("a chunk of only a carriage return")
        << QStringList{header10s, "\r", "\r"} << 25.0 << 0 << "0" << 10.0;
    QTest::newRow("numbers past 32 bits")
        << QStringList{"  Duration: 99999999999:00:00.00, start: 0.0\n",
                       report("99999999999:00:00.00", "99999999999999")}
        << 25.0 << 100 << "0:00" << 99999999999.0 * 3600;
    QTest::newRow("remaining time past the display's integer range")
        << QStringList{"  Duration: 99999999999:00:00.00, start: 0.0\n", report("00:00:01.00", "1")}
        << 25.0 << 0 << "0" << 99999999999.0 * 3600;
}

void tst_ProgressParser::displays()
{
    QFETCH(QStringList, chunks);
    QFETCH(double, frameRate);
    QFETCH(int, bar);
    QFETCH(QString, lcd);
    QFETCH(double, duration);

    ProgressParser parser;
    const Displays shown = replay(parser, chunks, frameRate);
    QVERIFY(shown.percentInRange);
    QCOMPARE(shown.bar, bar);
    QCOMPARE(shown.lcd, lcd);
    QCOMPARE(parser.duration().value_or(-1), duration);
}

// Real encoder output cut at every position into two chunks reads the same as in one piece.
void tst_ProgressParser::anySplitGivesTheSameResult()
{
    const QString text = header10s + "Stream mapping:\n  Stream #0:0 -> #0:0 (h264 -> mpeg4)\n"
        + report("00:00:02.00") + report("00:00:04.50", " 75")
        + "frame=  300 fps= 80 q=2.0 Lsize=     228kB time=00:00:09.90 bitrate= 9kbits/s    \n"
          "video:141kB audio:84kB subtitle:0kB other streams:0kB global headers:0kB\n";
    ProgressParser whole;
    const Displays expected = replay(whole, {text}, 25);
    QCOMPARE(expected.bar, 99);
    for (qsizetype cut = 1; cut < text.size(); ++cut) {
        ProgressParser parser;
        const Displays shown = replay(parser, {text.left(cut), text.mid(cut)}, 25);
        QCOMPARE(shown.bar, expected.bar);
        QCOMPARE(shown.lcd, expected.lcd);
        QCOMPARE(parser.duration(), whole.duration());
        QCOMPARE(parser.diagnosticTail(), whole.diagnosticTail());
    }
}

void tst_ProgressParser::remainingText_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text"); // empty: nothing to show

    QTest::newRow("ten minutes") << 605.5 << "10:05";
    QTest::newRow("just under a minute") << 59.9 << "0:59";
    QTest::newRow("seconds padded") << 7.0 << "0:07";
    QTest::newRow("no hours field") << 3725.0 << "62:05";
    QTest::newRow("negative") << -10.0 << "0:-10";
    QTest::newRow("not a number") << qQNaN() << "";
    QTest::newRow("infinite") << qInf() << "";
    QTest::newRow("past the integer range") << 1e12 << "";
}

void tst_ProgressParser::remainingText()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(TimeFormat::remaining(seconds).value_or(QString()), text);
}

void tst_ProgressParser::diagnosticTail_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("mustContain");
    QTest::addColumn<int>("lines");

    const QString failed = header10s + report("00:00:01.00") + report("00:00:02.00")
        + "\n[mp4 @ 0x5581] Could not find tag for codec pcm_s16le in stream #1, codec not "
          "currently supported in container\n"
          "Could not write header for output file #0 (incorrect codec parameters ?): Invalid "
          "argument\nConversion failed!\n";
    QTest::newRow("the reason stays beside 'Conversion failed!'")
        << failed
        << QStringList{"Could not find tag for codec pcm_s16le in stream #1", "Conversion failed!"}
        << 11;
    QString many;
    for (int i = 0; i < 100; ++i)
        many += QStringLiteral("line %1\n").arg(i);
    QTest::newRow("bounded to the last lines")
        << many << QStringList{"line 60", "line 99"} << ProgressParser::tailLineCount;
    QTest::newRow("an overlong line is cut")
        << QString(100000, u'x') + "\nthe end" << QStringList{"the end"} << 2;
    QTest::newRow("CR LF line ends keep their text")
        << QStringLiteral("first\r\nsecond\r\n") << QStringList{"first", "second"} << 2;
}

void tst_ProgressParser::diagnosticTail()
{
    QFETCH(QString, output);
    QFETCH(QStringList, mustContain);
    QFETCH(int, lines);

    ProgressParser parser;
    parser.feed(output, 25);
    const QString tail = parser.diagnosticTail();
    for (const QString &text : mustContain)
        QVERIFY2(tail.contains(text), qPrintable(text));
    const QStringList tailLines = tail.split(u'\n');
    QCOMPARE(tailLines.size(), lines);
    QCOMPARE(tail.count(u"frame="), qsizetype(output.contains(u"frame=") ? 1 : 0));
    for (const QString &line : tailLines)
        QVERIFY(line.size() <= ProgressParser::maxLineLength);
}

void tst_ProgressParser::durationPendingAcrossChunks()
{
    ProgressParser parser;
    parser.feed(u"Input #0, avi, from 'a.avi':\n  Duration:", 25);
    QVERIFY(parser.durationPending());
    QVERIFY(!parser.duration());
    parser.feed(u" 00:00:08.00, start: 0.000000\n", 25);
    QVERIFY(!parser.durationPending());
    QCOMPARE(parser.duration().value_or(-1), 8.0);
    parser.reset();
    QVERIFY(!parser.duration());
}

QTEST_APPLESS_MAIN(tst_ProgressParser)
#include "tst_progressparser.moc"
