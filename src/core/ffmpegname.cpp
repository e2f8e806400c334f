// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ffmpegname.h"

#include "filecheck.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

// ffmpeg takes the scheme characters before a ':' as a protocol name, also an unknown one or
// none at all (":x" fails as "Protocol not found").
bool hasProtocol(QStringView name)
{
    qsizetype n = 0;
    while (n < name.size() && name[n].unicode() < 128
           && (name[n].isLetterOrNumber() || name[n] == u'+' || name[n] == u'-' || name[n] == u'.'))
        ++n;
    return (n < name.size() && name[n] == u':')
        || (name.startsWith(u"subfile,") && name.indexOf(u':') > 0);
}

// A frame number pattern as the image muxer expands it: '%', digits, 'd'; "%%" is a '%'.
bool hasFramePattern(QStringView name)
{
    for (qsizetype i = 0; i + 1 < name.size(); ++i) {
        if (name[i] != u'%')
            continue;
        qsizetype j = i + 1;
        while (j < name.size() && name[j].isDigit())
            ++j;
        if (j < name.size() && name[j] == u'd')
            return true;
        if (name[i + 1] == u'%')
            ++i;
    }
    return false;
}

// The extensions of ffmpeg's image sequence muxer, and of the muxers that write segments.
const QStringList imageSuffixes{"bmp", "dpx", "exr",   "jls", "jpeg", "jpg",    "jxl",  "ljpg",
                                "pam", "pbm", "pcx",   "pfm", "pgm",  "pgmyuv", "phm",  "png",
                                "ppm", "sgi", "tga",   "tif", "tiff", "jp2",    "j2c",  "j2k",
                                "xwd", "sun", "ras",   "rs",  "im1",  "im8",    "im24", "sunras",
                                "vbn", "xbm", "xface", "pix", "y",    "avif",   "qoi"};
const QStringList segmentingSuffixes{"m3u8", "mpd"};

// The local files ffmpeg reads for an input name.
QStringList inputFiles(const QString &name)
{
    QStringView rest = name;
    while (rest.startsWith(u"cache:") || rest.startsWith(u"async:"))
        rest = rest.sliced(6);
    if (rest.startsWith(u"concat:")) {
        QStringList files;
        for (QStringView part : rest.sliced(7).split(u'|'))
            files += inputFiles(part.toString());
        return files;
    }
    if (rest.startsWith(u"file:"))
        return {rest.sliced(5).toString()};
    if (rest == u"-" || hasProtocol(rest))
        return {};
    return {rest.toString()};
}

} // namespace

namespace FfmpegName {

bool isPlainOutput(const QString &name)
{
    if (name.startsWith(u'-') || hasProtocol(name))
        return false;
    const QString suffix = QFileInfo(name).suffix().toLower();
    return !segmentingSuffixes.contains(suffix)
        && !(imageSuffixes.contains(suffix) && hasFramePattern(name));
}

bool overwritesInput(const QString &input, const QString &output)
{
    const QStringList files = inputFiles(input);
    return std::any_of(files.begin(), files.end(),
                       [&](const QString &file) { return FileCheck::sameFile(file, output); });
}

} // namespace FfmpegName
