// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "droppedfile.h"

#include <QFileInfo>

namespace DroppedFile {

std::optional<QString> localFile(const QList<QUrl> &urls, const QString &text)
{
    QString path;
    if (!urls.isEmpty()) {
        if (urls.size() != 1 || !urls.first().isLocalFile())
            return std::nullopt;
        path = urls.first().toLocalFile();
    } else {
        const QString name = text.trimmed();
        path = name.startsWith(u"file:") ? QUrl(name).toLocalFile() : name;
    }
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return std::nullopt;
    return info.absoluteFilePath();
}

} // namespace DroppedFile
