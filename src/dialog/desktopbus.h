// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the program tells the desktop over D-Bus. Every call is asynchronous: without a bus, or
// without anybody listening, nothing happens and nothing waits.
namespace DesktopBus {

// The desktop entry the program's windows belong to.
inline constexpr QLatin1StringView desktopEntry{"vantrel"};

// How a job ended, as far as the desktop cares: a success, any other end, or an error the user
// has to look at (the error box is open).
enum class Ending { Success, Failure, Error };

// A notice through the freedesktop.org Notifications service, hinted by how the job ended.
// Its default action shows the output file in the file manager (or its folder).
void notify(const QString &summary, const QString &outputPath, Ending ending);

// The LauncherEntry "Update" signal that docks and task managers read: the progress of the
// running job (0 to 1) on the program's icon, or no progress at all.
void showProgress(double progress);
void hideProgress();

// While a job runs, the system is asked not to suspend: through the desktop portal where there
// is one, otherwise through logind on the system bus.
void keepAwake(bool awake);

} // namespace DesktopBus
