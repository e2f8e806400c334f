// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace DroppedFile {

// The one local file a drag carries, as a path: a single file URL, or else text that names an
// existing file (a path or a file URL). Empty for several URLs, a folder, a remote URL, a file
// that does not exist, and text that names no file.
std::optional<QString> localFile(const QList<QUrl> &urls, const QString &text);

} // namespace DroppedFile
