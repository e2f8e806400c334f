#include "encoderargs.h"

namespace EncoderArgs {

static QString audioEncoder(const EncoderJob &job)
{
    switch (job.audioCodecIndex) {
    case 0:
        return QStringLiteral("copy");
    case 1:
        return QStringLiteral("pcm_s16le");
    case 2:
        return QStringLiteral("libmp3lame");
    default:
        return job.audioCodec;
    }
}

QStringList build(const EncoderJob &job)
{
    QStringList args{QStringLiteral("-y"), QStringLiteral("-i"), job.inputName};
    const QString videoBitrate = job.videoBitrate + u'k';
    if (job.videoCodecIndex == 0) {
        args << QStringLiteral("-vcodec") << QStringLiteral("copy");
    } else if (job.palDvd) {
        args << QStringLiteral("-target") << QStringLiteral("pal-dvd") << QStringLiteral("-aspect")
             << job.aspect << QStringLiteral("-b") << videoBitrate;
    } else {
        args << QStringLiteral("-s") << job.width + u'x' + job.height << QStringLiteral("-vcodec")
             << job.videoCodec << QStringLiteral("-r") << job.frameRate << QStringLiteral("-aspect")
             << job.aspect << QStringLiteral("-b") << videoBitrate;
    }
    args << QStringLiteral("-acodec") << audioEncoder(job);
    if (job.audioBitrateEnabled)
        args << QStringLiteral("-ab") << job.audioBitrate;
    if (job.channelsEnabled)
        args << QStringLiteral("-ac") << (job.stereo ? QStringLiteral("2") : QStringLiteral("1"));
    args << job.outputName;
    return args;
}

QString commandText(const QStringList &arguments)
{
    return program + u' ' + arguments.join(u' ');
}

} // namespace EncoderArgs
