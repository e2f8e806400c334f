// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outputname.h"

#include "choices.h"
#include "filecheck.h"

#include <QDir>
#include <QFileInfo>

namespace OutputName {

QString extension(int videoCodecIndex, const QString &inputName)
{
    const std::string_view own = Choices::videoCodec(videoCodecIndex).extension;
    return own.empty() ? u'.' + QFileInfo(inputName).suffix() : Choices::text(own);
}

static QString joinPath(const QString &directory, const QString &fileName)
{
    // absolutePath() of a file in "/" is "/" itself: no second separator then.
    if (directory.endsWith(QDir::separator()))
        return directory + fileName;
    return directory + QDir::separator() + fileName;
}

QString derive(const QString &path, int videoCodecIndex, const QString &inputName)
{
    const QFileInfo info(path);
    const QString directory = info.absolutePath();
    const QString base = info.completeBaseName();
    const QString ext = extension(videoCodecIndex, inputName);
    const QString name = joinPath(directory, base + ext);
    if (!FileCheck::sameFile(inputName, name))
        return name;
    return joinPath(directory, base + copyMark + ext);
}

QString withoutCopyMark(const QString &outputName)
{
    const qsizetype nameStart = outputName.lastIndexOf(QDir::separator()) + 1;
    const qsizetype mark = outputName.indexOf(copyMark, nameStart);
    if (mark < 0)
        return outputName;
    QString result = outputName;
    return result.remove(mark, copyMark.size());
}

QString follow(const QString &outputName, int videoCodecIndex, const QString &inputName)
{
    if (outputName.isEmpty())
        return outputName;
    return derive(withoutCopyMark(outputName), videoCodecIndex, inputName);
}

} // namespace OutputName
