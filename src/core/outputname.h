// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Output file names that follow the input file and the chosen video codec.
namespace OutputName {

// The mark put between base name and extension when a derived name would name the input.
inline constexpr QLatin1StringView copyMark{"-Kopie"};

// ".avi", ".mp4", ... for the video codec index; for "copy" the input's own suffix, which
// leaves a bare "." when the input has none.
QString extension(int videoCodecIndex, const QString &inputName);

// Directory and base name of `path` with the codec's extension. If that names the input file
// (FileCheck::sameFile), the copy mark goes before the extension.
QString derive(const QString &path, int videoCodecIndex, const QString &inputName);

// Removes the first copy mark from the file-name part; directories keep theirs.
QString withoutCopyMark(const QString &outputName);

// What the output field becomes when the input name or the video codec changes.
QString follow(const QString &outputName, int videoCodecIndex, const QString &inputName);

} // namespace OutputName
