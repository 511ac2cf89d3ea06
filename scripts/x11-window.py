#!/usr/bin/env python3
"""Looks at and presses keys in the keyboard simulator's window on an X display,
with Xlib alone (no window manager, no test extension). For scripts/window-check.

  x11-window.py geometry   prints "WIDTHxHEIGHT+X+Y SCREENWIDTHxSCREENHEIGHT"
  x11-window.py key NAME   sends the key (an X keysym name: F1, F2) to the window

The display is $DISPLAY. Exits 1 when there is no such window."""
import ctypes
import ctypes.util
import sys
import time

TITLE = b"Keyloom keyboard simulator"
KEY_PRESS, KEY_RELEASE = 2, 3
KEY_PRESS_MASK, KEY_RELEASE_MASK = 1 << 0, 1 << 1

xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
Window = ctypes.c_ulong
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = Window
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(Window),
                            ctypes.POINTER(ctypes.POINTER(Window)), ctypes.POINTER(ctypes.c_uint)]
xlib.XFetchName.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(ctypes.c_char_p)]
xlib.XFree.argtypes = [ctypes.c_void_p]
xlib.XStringToKeysym.restype = ctypes.c_ulong
xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
xlib.XKeysymToKeycode.restype = ctypes.c_ubyte
xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XSendEvent.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
xlib.XFlush.argtypes = [ctypes.c_void_p]
xlib.XTranslateCoordinates.argtypes = [ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int,
                                       ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                       ctypes.POINTER(Window)]
xlib.XGetGeometry.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window)] + \
    [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4


class XKeyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", Window), ("root", Window), ("subwindow", Window),
                ("time", ctypes.c_ulong), ("x", ctypes.c_int), ("y", ctypes.c_int), ("x_root", ctypes.c_int),
                ("y_root", ctypes.c_int), ("state", ctypes.c_uint), ("keycode", ctypes.c_uint),
                ("same_screen", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def children(display, window):
    root, parent = Window(), Window()
    found, count = ctypes.POINTER(Window)(), ctypes.c_uint()
    if not xlib.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent), ctypes.byref(found),
                           ctypes.byref(count)):
        return []
    result = [found[i] for i in range(count.value)]
    if found:
        xlib.XFree(found)
    return result


def find_window(display, window):
    name = ctypes.c_char_p()
    if xlib.XFetchName(display, window, ctypes.byref(name)) and name.value:
        matches = name.value.startswith(TITLE)
        xlib.XFree(name)
        if matches:
            return window
    for child in children(display, window):
        if (found := find_window(display, child)):
            return found
    return None


def size(display, window):
    root = Window()
    x, y = ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = (ctypes.c_uint() for _ in range(4))
    xlib.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y), ctypes.byref(width),
                      ctypes.byref(height), ctypes.byref(border), ctypes.byref(depth))
    return width.value, height.value


def main():
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("x11-window: cannot open the display")
    root = xlib.XDefaultRootWindow(display)
    window = None
    for _ in range(50):
        if (window := find_window(display, root)):
            break
        time.sleep(0.1)
    if not window:
        sys.exit("x11-window: the simulator's window is not on the display")
    if sys.argv[1] == "geometry":
        x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
        xlib.XTranslateCoordinates(display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y), ctypes.byref(child))
        width, height = size(display, window)
        screen_width, screen_height = size(display, root)
        print(f"{width}x{height}+{x.value}+{y.value} {screen_width}x{screen_height}")
    elif sys.argv[1] == "key":
        keycode = xlib.XKeysymToKeycode(display, xlib.XStringToKeysym(sys.argv[2].encode()))
        for kind, mask in ((KEY_PRESS, KEY_PRESS_MASK), (KEY_RELEASE, KEY_RELEASE_MASK)):
            event = XKeyEvent(type=kind, send_event=1, display=display, window=window, root=root,
                              keycode=keycode, same_screen=1)
            xlib.XSendEvent(display, window, 1, mask, ctypes.byref(event))
        xlib.XFlush(display)
    else:
        sys.exit(f"x11-window: unknown command {sys.argv[1]}")


main()
