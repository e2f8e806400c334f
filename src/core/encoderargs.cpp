// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "encoderargs.h"

#include "choices.h"

namespace EncoderArgs {

QStringList build(const EncoderJob &job)
{
    QStringList args{QStringLiteral("-y"), QStringLiteral("-i"), job.inputName};
    const QString videoBitrate = job.videoBitrate + u'k';
    if (Choices::copiesVideo(job.videoCodecIndex)) {
        args << QStringLiteral("-vcodec") << QStringLiteral("copy");
    } else if (job.palDvd) {
        args << QStringLiteral("-target") << QStringLiteral("pal-dvd") << QStringLiteral("-aspect")
             << job.aspect << QStringLiteral("-b") << videoBitrate;
    } else {
        args << QStringLiteral("-s") << job.width + u'x' + job.height << QStringLiteral("-vcodec")
             << Choices::text(Choices::videoCodec(job.videoCodecIndex).encoder)
             << QStringLiteral("-r") << job.frameRate << QStringLiteral("-aspect") << job.aspect
             << QStringLiteral("-b") << videoBitrate;
    }
    args << QStringLiteral("-acodec")
         << Choices::text(Choices::audioCodec(job.audioCodecIndex).encoder);
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
