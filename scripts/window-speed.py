"""Drives the window on an X display and times a print of many labels as a user sees it.

Run by scripts/window-speed inside a virtual X server: usage window-speed.py QUILLON DATA_DIR DESIGN.
Input goes through the XTEST extension (xdotool), as from a real keyboard and mouse. The window's
answering is measured by asking it, again and again, what its clipboard holds (it owns the clipboard
once the code is copied): it answers from its own event loop, so a reply that comes late is time the
window could not paint or take input either.
"""
import ctypes
import os
import select
import subprocess
import sys
import time

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19
SELECTION_NOTIFY = 31
ASK_EVERY_S = 0.02
# Places in the window, which has a fixed layout: an empty spot of the preview, and the list's rows.
EMPTY_SPOT = ("400", "250")
LIST_ROWS = ("420", "150")
PROGRESS_TARGET_S = 0.5
PREVIEW_TARGET_S = 2.0
ANSWER_TARGET_S = 0.1


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("pad", ctypes.c_long * 24)]


class Display:
    def __init__(self):
        x = ctypes.cdll.LoadLibrary("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XCreateSimpleWindow.restype = ctypes.c_ulong
        x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
        x.XConvertSelection.argtypes = [ctypes.c_void_p] + [ctypes.c_ulong] * 5
        x.XGetSelectionOwner.restype = ctypes.c_ulong
        x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                         ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_void_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.x = x
        self.d = x.XOpenDisplay(None)
        if not self.d:
            sys.exit("window-speed: no X display")
        self.root = x.XDefaultRootWindow(self.d)
        self.net_wm_name = x.XInternAtom(self.d, b"_NET_WM_NAME", 0)
        self.utf8 = x.XInternAtom(self.d, b"UTF8_STRING", 0)
        self.clipboard = x.XInternAtom(self.d, b"CLIPBOARD", 0)
        self.targets = x.XInternAtom(self.d, b"TARGETS", 0)
        self.property = x.XInternAtom(self.d, b"QUILLON_WINDOW_SPEED", 0)
        self.requestor = x.XCreateSimpleWindow(self.d, self.root, 0, 0, 1, 1, 0, 0, 0)
        x.XSelectInput(self.d, self.root, SUBSTRUCTURE_NOTIFY_MASK)  # the windows mapped
        x.XFlush(self.d)

    def clipboard_owned(self):
        return self.x.XGetSelectionOwner(self.d, self.clipboard) != 0

    def ask(self):
        """Asks the clipboard's owner what it offers; a SelectionNotify event brings the answer."""
        self.x.XConvertSelection(self.d, self.clipboard, self.targets, self.property, self.requestor, 0)
        self.x.XFlush(self.d)

    def name(self, window):
        """The window's title as the toolkit sets it (_NET_WM_NAME, UTF-8)."""
        kind, unit, count, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.c_void_p()
        if self.x.XGetWindowProperty(self.d, window, self.net_wm_name, 0, 4096, 0, self.utf8, ctypes.byref(kind),
                                     ctypes.byref(unit), ctypes.byref(count), ctypes.byref(left),
                                     ctypes.byref(data)) != 0 or not data.value:
            return ""
        text = ctypes.string_at(data.value, count.value).decode("utf-8", "replace")
        self.x.XFree(data)
        return text

    def events(self, timeout):
        """Yields the events that come within timeout seconds."""
        fd = self.x.XConnectionNumber(self.d)
        if not self.x.XPending(self.d):
            select.select([fd], [], [], timeout)
        while self.x.XPending(self.d):
            event = Event()
            self.x.XNextEvent(self.d, ctypes.byref(event))
            yield event


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.split()


def main():
    program, data_dir, design = sys.argv[1:4]
    display = Display()
    app = subprocess.Popen([program, "--data-dir", data_dir])
    try:
        window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Quillon barcode labels")[0]
        time.sleep(2)
        xdotool("key", "Return")  # the About panel's OK
        time.sleep(1)
        xdotool("mousemove", "--window", window, *EMPTY_SPOT, "click", "1")  # makes it the active window
        xdotool("key", "ctrl+o")  # the design, as a user opens it
        time.sleep(1.5)
        xdotool("type", "--delay", "2", design)
        xdotool("key", "Return")
        time.sleep(4)  # the list is read and checked meanwhile
        xdotool("mousemove", "--window", window, *LIST_ROWS, "click", "1")
        xdotool("key", "ctrl+Home", "shift+End", "ctrl+c")  # the header line, copied
        time.sleep(0.5)
        if not display.clipboard_owned():
            sys.exit("window-speed: the window did not take the clipboard; cannot tell when it answers")
        for _ in display.events(0):
            pass
        report = measure(display)
    finally:
        app.terminate()
        app.wait(timeout=10)
    print(report["text"])
    return 0 if report["good"] else 1


def measure(display):
    shown = {}
    late = []
    longest = 0.0
    start = time.monotonic()
    xdotool("key", "ctrl+p")
    asked = None
    preview_at = None
    while preview_at is None or time.monotonic() - preview_at < 1.0:
        now = time.monotonic()
        if now - start > 60:
            break
        if asked is None:
            asked = now
            display.ask()
        for event in display.events(ASK_EVERY_S):
            if event.type == SELECTION_NOTIFY and asked is not None:
                waited = time.monotonic() - asked
                if waited > ANSWER_TARGET_S:
                    late.append(f"the window answered after {waited * 1000:.0f} ms at {asked - start:.3f} s")
                longest = max(longest, waited)
                asked = None
            elif event.type == MAP_NOTIFY:
                name = display.name(event.map.window) or f"(untitled {event.map.window:#x})"
                shown.setdefault(name, time.monotonic() - start)
                if name.startswith("Print Preview") and preview_at is None:
                    preview_at = time.monotonic()
        if asked is None:
            time.sleep(max(0.0, ASK_EVERY_S - (time.monotonic() - now)))
    if asked is not None:
        longest = max(longest, time.monotonic() - asked)
    preview = (preview_at - start) if preview_at else None
    progress = min((t for name, t in shown.items() if not name.startswith("Print Preview")), default=None)
    lines = late + [f"window {name!r} shown after {t:.3f} s" for name, t in sorted(shown.items(), key=lambda i: i[1])]
    lines.append("print preview open after " + (f"{preview:.3f} s" if preview else "(never)") +
                 f" (target under {PREVIEW_TARGET_S} s)")
    lines.append("progress dialog " + (f"after {progress:.3f} s" if progress else "not shown") +
                 f" (target: within {PROGRESS_TARGET_S} s when the run is longer)")
    lines.append(f"longest wait for the window to answer: {longest * 1000:.0f} ms "
                 f"(target under {ANSWER_TARGET_S * 1000:.0f} ms)")
    good = preview is not None and preview < PREVIEW_TARGET_S and longest < ANSWER_TARGET_S and (
        progress is None or progress <= PROGRESS_TARGET_S or preview < PROGRESS_TARGET_S)
    return {"text": "\n".join(lines), "good": good}


if __name__ == "__main__":
    sys.exit(main())
