// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// File names as ffmpeg reads them: not as plain paths, but as URLs with protocols ("file:",
// "pipe:", "tee:", ...), "-" for the standard streams, and image-sequence patterns.
namespace FfmpegName {

// True when ffmpeg writes `name` as exactly that one local file: no protocol, no "-" that it
// would take for standard output or for an option, no "%03d" pattern in an image file's name,
// and no playlist whose muxer writes segment files beside it.
bool isPlainOutput(const QString &name);

// True when writing `output` would overwrite a file that `input` reads (FileCheck::sameFile):
// the input itself, the path behind "file:" (also inside "cache:" and "async:"), or a part of a
// "concat:" list; standard input and other protocols read no local file.
bool overwritesInput(const QString &input, const QString &output);

} // namespace FfmpegName
