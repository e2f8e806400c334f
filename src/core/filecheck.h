// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace FileCheck {

// True when both names lead to one file: the same file on disk (symbolic and hard links,
// "..", doubled separators), or, while the output does not exist yet, the same cleaned
// absolute path. Empty names never match.
bool sameFile(const QString &inputName, const QString &outputName);

// The file's size in bytes; -1 when there is none.
qint64 size(const QString &fileName);

// True when `fixedPath` exists or `program` is found on PATH.
bool encoderPresent(const QString &fixedPath, const QString &program);

} // namespace FileCheck
