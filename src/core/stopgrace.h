// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The time an encoder gets to end after one stop request. It may be writing its trailer or
// index for a while on slow storage; as long as its output grows from one quiet period to the
// next it gets another, up to a deadline. A missing output counts as not growing.
class StopGrace
{
public:
    static constexpr int deadlinePeriods = 10;

    void start(const QString &outputName);
    // The check at the end of a quiet period: true while the encoder is to be given another.
    bool extend();

private:
    QString m_outputName;
    qint64 m_size = -1; // -1: no file
    int m_periods = 0;
};
