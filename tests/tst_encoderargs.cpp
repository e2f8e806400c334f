#include "encoderargs.h"

#include <QTest>

Q_DECLARE_METATYPE(EncoderJob)

// Argument lists and the command text shown to the user, for every codec choice.
class tst_EncoderArgs : public QObject
{
    Q_OBJECT

private slots:
    void commandText_data();
    void commandText();
};

// The form's defaults, with the audio options enabled the way the interlocks leave them.
static EncoderJob job(int video, bool dvd, int audio, bool stereo = true)
{
    EncoderJob j;
    j.inputName = "/data/a.avi";
    j.outputName = "/data/b.avi";
    j.videoCodecIndex = video;
    j.palDvd = dvd;
    j.width = "320";
    j.height = "240";
    j.frameRate = "25";
    j.aspect = "4:3";
    j.videoBitrate = "8000";
    j.audioCodecIndex = audio;
    j.audioBitrate = "224k";
    j.audioBitrateEnabled = audio > 1;
    j.channelsEnabled = audio > 0;
    j.stereo = stereo;
    return j;
}

void tst_EncoderArgs::commandText_data()
{
    QTest::addColumn<EncoderJob>("job");
    QTest::addColumn<QString>("expected");

    QTest::newRow("start-up settings: copy and copy")
        << job(0, false, 0) << "ffmpeg -y -i /data/a.avi -vcodec copy -acodec copy /data/b.avi";
    QTest::newRow("mpeg4 with mp3 stereo")
        << job(5, false, 2)
        << "ffmpeg -y -i /data/a.avi -s 320x240 -vcodec mpeg4 -r 25 -aspect 4:3 -b 8000k "
           "-acodec libmp3lame -ab 224k -ac 2 /data/b.avi";
    EncoderJob dvd = job(4, true, 4);
    dvd.aspect = "16:9";
    QTest::newRow("PAL-DVD, 16:9, ac3")
        << dvd
        << "ffmpeg -y -i /data/a.avi -target pal-dvd -aspect 16:9 -b 8000k -acodec ac3 "
           "-ab 224k -ac 2 /data/b.avi";
    QTest::newRow("PAL-DVD ignored while the video codec is copy")
        << job(0, true, 0) << "ffmpeg -y -i /data/a.avi -vcodec copy -acodec copy /data/b.avi";
    QTest::newRow("wav mono: channels but no bitrate")
        << job(0, false, 1, false)
        << "ffmpeg -y -i /data/a.avi -vcodec copy -acodec pcm_s16le -ac 1 /data/b.avi";
    QTest::newRow("mp2 passes the item text")
        << job(0, false, 3)
        << "ffmpeg -y -i /data/a.avi -vcodec copy -acodec mp2 -ab 224k -ac 2 /data/b.avi";
    QTest::newRow("ac3 mono") << job(
        0, false, 4,
        false) << "ffmpeg -y -i /data/a.avi -vcodec copy -acodec ac3 -ab 224k -ac 1 /data/b.avi";
    const QStringList videoCodecs{"copy",       "huffyuv", "mjpeg", "mpeg1video",
                                  "mpeg2video", "mpeg4",   "flv"};
    for (int video = 1; video < videoCodecs.size(); ++video) {
        const QString name = videoCodecs.at(video);
        QTest::addRow("video %s", qPrintable(name))
            << job(video, false, 0)
            << "ffmpeg -y -i /data/a.avi -s 320x240 -vcodec " + name
                + " -r 25 -aspect 4:3 -b 8000k -acodec copy /data/b.avi";
    }
    EncoderJob other = job(6, false, 2);
    other.width = "640";
    other.height = "480";
    other.frameRate = "30";
    other.videoBitrate = "1200";
    other.audioBitrate = "64k";
    QTest::newRow("flv with other sizes and rates")
        << other
        << "ffmpeg -y -i /data/a.avi -s 640x480 -vcodec flv -r 30 -aspect 4:3 -b 1200k "
           "-acodec libmp3lame -ab 64k -ac 2 /data/b.avi";
    EncoderJob empty = job(0, false, 0);
    empty.inputName.clear();
    QTest::newRow("empty input name stays an argument")
        << empty << "ffmpeg -y -i  -vcodec copy -acodec copy /data/b.avi";
    EncoderJob blanks = job(0, false, 0);
    blanks.inputName = "/data/my film.avi";
    blanks.outputName = "/data/my copy.avi";
    QTest::newRow("names with blanks are shown unquoted")
        << blanks << "ffmpeg -y -i /data/my film.avi -vcodec copy -acodec copy /data/my copy.avi";
}

void tst_EncoderArgs::commandText()
{
    QFETCH(EncoderJob, job);
    QFETCH(QString, expected);
    QCOMPARE(EncoderArgs::commandText(EncoderArgs::build(job)), expected);
}

QTEST_APPLESS_MAIN(tst_EncoderArgs)
#include "tst_encoderargs.moc"
