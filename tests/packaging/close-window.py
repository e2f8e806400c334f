#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# close-window.py PID: asks the top-level window of process PID to close, as a window
# manager's close button does (a WM_DELETE_WINDOW message). Waits up to 30 s for the window.
# Needs DISPLAY and python3-xlib, and no window manager.
import sys
import time

from Xlib import X, display, protocol

pid, dpy = int(sys.argv[1]), display.Display()
atom = dpy.intern_atom
for _ in range(300):
    for window in dpy.screen().root.query_tree().children:
        owner = window.get_full_property(atom("_NET_WM_PID"), X.AnyPropertyType)
        if owner and owner.value[0] == pid and window.get_attributes().map_state == X.IsViewable:
            window.send_event(protocol.event.ClientMessage(
                window=window, client_type=atom("WM_PROTOCOLS"),
                data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
            dpy.flush()
            sys.exit(0)
    time.sleep(0.1)
sys.exit(f"close-window: no window of process {pid} within 30 s")
