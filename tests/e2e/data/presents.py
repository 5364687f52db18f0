#!/usr/bin/env python3
"""Counts the frames a window presents, watched from outside the program.

  presents.py WINDOW SECONDS

Without a compositor, every buffer swap of a GL window draws into the window
itself, which the X DAMAGE extension reports. The window's damage is taken
at the "non-empty" level and emptied after each report, so each swap gives
one report however many rectangles it draws. Prints one line:

  presents=N seconds=S refresh=R

where R is the refresh rate the display reports, or 0 when it reports none
(Xvfb does not). Through libX11, libXdamage and libXrandr alone.
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


def count_presents(x11, damage, display, window, seconds):
    event_base, error_base = ctypes.c_int(), ctypes.c_int()
    if not damage.XDamageQueryExtension(display, ctypes.byref(event_base), ctypes.byref(error_base)):
        sys.exit("Error: the display has no DAMAGE extension")
    handle = damage.XDamageCreate(display, window, DAMAGE_REPORT_NON_EMPTY)
    x11.XSync(display, 0)
    connection = x11.XConnectionNumber(display)
    event = XEvent()
    presents = 0
    start = time.monotonic()
    deadline = start + seconds
    while time.monotonic() < deadline:
        if not x11.XPending(display):
            select.select([connection], [], [], max(0.0, deadline - time.monotonic()))
            continue
        x11.XNextEvent(display, ctypes.byref(event))
        if event.type == event_base.value + DAMAGE_NOTIFY:
            presents += 1
            damage.XDamageSubtract(display, handle, 0, 0)
    return presents, time.monotonic() - start


def main(window, seconds):
    x11, damage, randr = libraries()
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("Error: cannot open the display")
    presents, measured = count_presents(x11, damage, display, window, seconds)
    print(f"presents={presents} seconds={measured:.2f} refresh={refresh_rate(x11, randr, display)}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(int(sys.argv[1], 0), float(sys.argv[2]))
