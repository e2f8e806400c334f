// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

namespace FileCheck {

bool sameFile(const QString &inputName, const QString &outputName)
{
    if (inputName.isEmpty() || outputName.isEmpty())
        return false;
    struct stat in = {};
    struct stat out = {};
    const bool inputExists = ::stat(QFile::encodeName(inputName).constData(), &in) == 0;
    const bool outputExists = ::stat(QFile::encodeName(outputName).constData(), &out) == 0;
    if (inputExists && outputExists)
        return in.st_dev == out.st_dev && in.st_ino == out.st_ino;
    return QDir::cleanPath(QFileInfo(inputName).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(outputName).absoluteFilePath());
}

qint64 size(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.exists() ? info.size() : -1;
}

bool encoderPresent(const QString &fixedPath, const QString &program)
{
    return QFileInfo::exists(fixedPath) || !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace FileCheck
