// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stopgrace.h"

#include "filecheck.h"

void StopGrace::start(const QString &outputName)
{
    m_outputName = outputName;
    m_size = FileCheck::size(outputName);
    m_periods = 0;
}

bool StopGrace::extend()
{
    const qint64 size = FileCheck::size(m_outputName);
    const bool grew = size > m_size;
    m_size = size;
    return grew && ++m_periods < deadlinePeriods;
}
