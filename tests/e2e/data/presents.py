#!/usr/bin/env python3
"""Counts the frames a window presents, watched from outside the program.

  presents.py count WINDOW SECONDS
      prints "presents=N seconds=S refresh=R": the presents over SECONDS, and
      the refresh rate the display reports (0 when it reports none, as Xvfb)
  presents.py period WINDOW N TIMEOUT
      waits for N frames after the next present and prints "period=P", their
      mean length in seconds; fails when they are not all presented within
      TIMEOUT seconds (the program stopped drawing, or ended)

Without a compositor, every buffer swap of a GL window draws into the window
itself, which the X DAMAGE extension reports. The window's damage is taken
at the "non-empty" level and emptied after each report, so each swap gives
one report however many rectangles it draws. Through libX11, libXdamage and
libXrandr alone.
"""
import ctypes
import select
import sys
import time

DAMAGE_REPORT_NON_EMPTY = 3
DAMAGE_NOTIFY = 0  # the first of the extension's events


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def load(name, functions):
    library = ctypes.CDLL(name)
    for function, (result, arguments) in functions.items():
        getattr(library, function).restype = result
        getattr(library, function).argtypes = arguments
    return library


def libraries():
    display = ctypes.c_void_p
    xid = ctypes.c_ulong
    x11 = load("libX11.so.6", {
        "XOpenDisplay": (display, [ctypes.c_char_p]),
        "XConnectionNumber": (ctypes.c_int, [display]),
        "XPending": (ctypes.c_int, [display]),
        "XNextEvent": (ctypes.c_int, [display, ctypes.POINTER(XEvent)]),
        "XSync": (ctypes.c_int, [display, ctypes.c_int]),
        "XDefaultRootWindow": (xid, [display]),
        "XSetErrorHandler": (ctypes.c_void_p, [ctypes.c_void_p]),
    })
    damage = load("libXdamage.so.1", {
        "XDamageQueryExtension": (ctypes.c_int, [display, ctypes.POINTER(ctypes.c_int),
                                                 ctypes.POINTER(ctypes.c_int)]),
        "XDamageCreate": (xid, [display, xid, ctypes.c_int]),
        "XDamageSubtract": (None, [display, xid, xid, xid]),
    })
    randr = load("libXrandr.so.2", {
        "XRRGetScreenInfo": (ctypes.c_void_p, [display, xid]),
        "XRRConfigCurrentRate": (ctypes.c_short, [ctypes.c_void_p]),
        "XRRFreeScreenConfigInfo": (None, [ctypes.c_void_p]),
    })
    return x11, damage, randr


def refresh_rate(x11, randr, display):
    config = randr.XRRGetScreenInfo(display, x11.XDefaultRootWindow(display))
    if not config:
        return 0
    rate = randr.XRRConfigCurrentRate(config)
    randr.XRRFreeScreenConfigInfo(config)
    return rate


class PresentWatch:
    """The window's presents, one report each, as they come."""

    def __init__(self, x11, damage, display, window):
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not damage.XDamageQueryExtension(display, ctypes.byref(event_base), ctypes.byref(error_base)):
            sys.exit("Error: the display has no DAMAGE extension")
        self.x11, self.damage, self.display = x11, damage, display
        self.notify = event_base.value + DAMAGE_NOTIFY
        self.handle = damage.XDamageCreate(display, window, DAMAGE_REPORT_NON_EMPTY)
        x11.XSync(display, 0)
        self.connection = x11.XConnectionNumber(display)

    def next_present(self, deadline):
        """The time of the next present, or None when the deadline came first."""
        event = XEvent()
        while time.monotonic() < deadline:
            if not self.x11.XPending(self.display):
                select.select([self.connection], [], [], max(0.0, deadline - time.monotonic()))
                continue
            self.x11.XNextEvent(self.display, ctypes.byref(event))
            if event.type == self.notify:
                self.damage.XDamageSubtract(self.display, self.handle, 0, 0)
                return time.monotonic()
        return None


def count(watch, seconds):
    start = time.monotonic()
    presents = 0
    while watch.next_present(start + seconds) is not None:
        presents += 1
    return f"presents={presents} seconds={time.monotonic() - start:.2f}"


def period(watch, frames, timeout):
    deadline = time.monotonic() + timeout
    times = [watch.next_present(deadline) for _ in range(frames + 1)]
    if None in times:
        sys.exit(f"Error: fewer than {frames + 1} presents within {timeout:g} s")
    return f"period={(times[-1] - times[0]) / frames:.3f}"


# A window that goes while it is watched (the program ended) only stops the
# presents; the caller tells that apart, so X errors are not fatal here.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, error: 0)


def main(arguments):
    modes = {("count", 3): lambda watch: count(watch, float(arguments[2])),
             ("period", 4): lambda watch: period(watch, int(arguments[2]), float(arguments[3]))}
    mode = modes.get((arguments[0] if arguments else "", len(arguments)))
    if mode is None:
        sys.exit(__doc__)
    x11, damage, randr = libraries()
    x11.XSetErrorHandler(ERROR_HANDLER)
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("Error: cannot open the display")
    result = mode(PresentWatch(x11, damage, display, int(arguments[1], 0)))
    if arguments[0] == "count":
        result += f" refresh={refresh_rate(x11, randr, display)}"
    print(result)


if __name__ == "__main__":
    main(sys.argv[1:])
