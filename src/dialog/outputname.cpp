#include "outputname.h"

#include <QDir>
#include <QFileInfo>

namespace OutputName {

QString extension(int videoCodecIndex, const QString &inputName)
{
    switch (videoCodecIndex) {
    case 0:
        return u'.' + QFileInfo(inputName).suffix();
    case 1:
    case 2:
        return QStringLiteral(".avi");
    case 3:
    case 4:
        return QStringLiteral(".mpg");
    case 5:
        return QStringLiteral(".mp4");
    case 6:
        return QStringLiteral(".flv");
    default:
        return QString();
    }
}

static QString joinPath(const QString &directory, const QString &fileName)
{
    // absolutePath() of a file in "/" is "/" itself: no second separator then.
    if (directory.endsWith(QDir::separator()))
        return directory + fileName;
    return directory + QDir::separator() + fileName;
}

bool sameAbsolutePath(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    if (a.isEmpty() || b.isEmpty())
        return false;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

QString derive(const QString &path, int videoCodecIndex, const QString &inputName)
{
    const QFileInfo info(path);
    const QString directory = info.absolutePath();
    const QString base = info.completeBaseName();
    const QString ext = extension(videoCodecIndex, inputName);
    const QString name = joinPath(directory, base + ext);
    if (!sameAbsolutePath(name, inputName))
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
