// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// SIGTERM, SIGINT and SIGHUP close every window, as the user's "Close" would: a running
// encoder is stopped before the event loop ends. The program then exits with 128 plus the
// signal's number, as a shell reports a process ended by that signal.
namespace QuitSignals {

// Call once, after the application object exists.
void install();

// The exit status for the event loop's result: 128 + the signal, once one has arrived.
int exitStatus(int eventLoopResult);

} // namespace QuitSignals
