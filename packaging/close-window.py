#!/usr/bin/python3
"""Asks the top-level window of a process to close, as a window manager's close button does.

Usage: close-window.py PID [TIMEOUT_SECONDS]

Waits until the process has a mapped top-level window that takes part in the
WM_DELETE_WINDOW protocol, sends it that client message and exits 0. Exits 1 if no
such window shows up in time, or if the process ends before that. Needs DISPLAY and
python3-xlib; works without a window manager (e.g. on a bare Xvfb).
"""

import os
import sys
import time

from Xlib import X, display, error, protocol


def process_alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        pass
    return True


def find_window(dpy, pid):
    root = dpy.screen().root
    net_wm_pid = dpy.intern_atom("_NET_WM_PID")
    wm_protocols = dpy.intern_atom("WM_PROTOCOLS")
    wm_delete = dpy.intern_atom("WM_DELETE_WINDOW")
    # Without a window manager the program's windows are direct children of the root;
    # with one they are a level further down, inside the frames.
    candidates = []
    for child in root.query_tree().children:
        candidates.append(child)
        try:
            candidates.extend(child.query_tree().children)
        except error.XError:
            pass
    for window in candidates:
        try:
            prop = window.get_full_property(net_wm_pid, X.AnyPropertyType)
            if prop is None or not prop.value or prop.value[0] != pid:
                continue
            if window.get_attributes().map_state != X.IsViewable:
                continue
            protocols = window.get_full_property(wm_protocols, X.AnyPropertyType)
            if protocols is None or wm_delete not in protocols.value:
                continue
            return window, wm_protocols, wm_delete
        except error.XError:
            # The window went away while we looked at it.
            continue
    return None


def main():
    if len(sys.argv) not in (2, 3):
        sys.stderr.write(__doc__)
        return 2
    pid = int(sys.argv[1])
    timeout = float(sys.argv[2]) if len(sys.argv) == 3 else 20.0
    dpy = display.Display()
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if not process_alive(pid):
            sys.stderr.write(f"close-window: process {pid} ended before it showed a window\n")
            return 1
        found = find_window(dpy, pid)
        if found is not None:
            window, wm_protocols, wm_delete = found
            event = protocol.event.ClientMessage(
                window=window,
                client_type=wm_protocols,
                data=(32, [wm_delete, X.CurrentTime, 0, 0, 0]),
            )
            window.send_event(event, event_mask=X.NoEventMask)
            dpy.flush()
            print(f"close-window: sent WM_DELETE_WINDOW to window 0x{window.id:x} of process {pid}")
            return 0
        time.sleep(0.1)
    sys.stderr.write(f"close-window: no window of process {pid} within {timeout:g} s\n")
    return 1


if __name__ == "__main__":
    sys.exit(main())
