// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the program tells the desktop on the session bus. Every call is fire-and-forget: without
// a session bus, or without anybody listening, nothing happens and nothing waits.
namespace DesktopBus {

// The desktop entry the program's windows belong to.
inline constexpr QLatin1StringView desktopEntry{"vantrel"};

// A notification through the freedesktop.org Notifications service.
void notify(const QString &summary, const QString &body);

// The LauncherEntry "Update" signal that docks and task managers read: the progress of the
// running job (0 to 1) on the program's icon, or no progress at all.
void showProgress(double progress);
void hideProgress();

} // namespace DesktopBus
