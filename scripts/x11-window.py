#!/usr/bin/env python3
"""Looks at and presses keys in the keyboard simulator's window on an X display,
with Xlib, and the mouse through X's test extension (libXtst). It needs no
window manager. For scripts/window-check.

  x11-window.py wm         waits until a window manager runs on the display
  x11-window.py geometry   prints "WIDTHxHEIGHT+X+Y SCREENWIDTHxSCREENHEIGHT"
  x11-window.py title      prints the window's title
  x11-window.py key NAME   sends the key (an X keysym name: F1, F2) to the window
  x11-window.py keydown NAME
                           presses the computer's key (an X keysym name: q, e; shift+a presses
                           Shift_L, then a) through X's test extension, as a person does: it
                           goes to the window with the input focus, and stays down until keyup
  x11-window.py keyup NAME lets the key go (the keys of shift+a the other way round)
  x11-window.py press X Y  moves the mouse to the point of the window at the fractions
                           X and Y of its width and height, and presses its button
  x11-window.py move X Y   moves the mouse to the point of the window at those fractions
  x11-window.py release    lets the mouse's button go where the mouse is
  x11-window.py other SECONDS
                           opens another window, gives it the input focus, and closes
                           it after SECONDS, giving the focus back to where it was (as a
                           window manager does)
  x11-window.py release-near-focus-loss TRIES PID KEY:MILLISECONDS[:busy] ...
                           for each KEY, TRIES times: gives the window the input focus,
                           presses the computer's key KEY (an X keysym name), and after
                           30 ms lets it go and gives the focus to another window, the focus
                           MILLISECONDS after the release (before it when negative: the key
                           is let go in the other window). With busy, the process PID is
                           stopped from just before the first of the two until just after
                           the second, as a program busy then
  x11-window.py switch-while-held TRIES PID KEY:WHEN[:SECONDS[:busy]] ...
                           for each KEY, TRIES times: gives the window the input focus, presses
                           the computer's key KEY (shift+a as keydown has it, or mouse@X,Y the
                           mouse's button at those fractions of the window), holds it SECONDS
                           (0.1), and presses alt+Tab, the keybinding that switches windows: the
                           window manager's, or without one this script's own switcher, which
                           takes the keyboard as one does (it gives the focus before letting
                           the keyboard go; with WHEN ending in "-late" after). WHEN is when KEY
                           is let go: "before" alt is pressed, "between" alt and Tab, "during"
                           the switch (alt still down), "after" it, in the other window, or
                           "back" after switching back to the window with Tab pressed twice.
                           With busy, the process PID is stopped from then until KEY is let go
                           and the switch is done, as a program busy then. Fails when the focus
                           did not end where the switch should have put it
  x11-window.py focus-while-held TRIES KEY:WHERE ...
                           for each KEY, TRIES times: presses the computer's key KEY in the
                           window (as keydown has it) and lets it go where WHERE says: "child"
                           in a window of this script's inside the simulator's that has the
                           focus (its keys go no further); with the focus on the screen's root
                           and the keys going to the window under the pointer, "pointer-in"
                           with the pointer on the window, "pointer-elsewhere" once another
                           window has the focus, "pointer-out" once the pointer moved onto
                           another window. Then the focus (and the pointer) go back to the
                           window
  x11-window.py frame      prints "WIDTHxHEIGHT+X+Y" of the window with the frame a
                           window manager put around it (the window itself without one)
  x11-window.py capture FILE.png
                           writes what the screen shows of the window: only the
                           part of it that is on screen
  x11-window.py screen FILE.png
                           writes the whole screen

The display is $DISPLAY. Exits 1 when there is no such window."""
import ctypes
import ctypes.util
import os
import signal
import struct
import sys
import time
import zlib

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

xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XGetWindowProperty.argtypes = [ctypes.c_void_p, Window, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
                                    ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
                                    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XCreateSimpleWindow.restype = Window
xlib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
xlib.XMapRaised.argtypes = [ctypes.c_void_p, Window]
xlib.XDestroyWindow.argtypes = [ctypes.c_void_p, Window]
xlib.XSetInputFocus.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_ulong]
xlib.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(Window), ctypes.POINTER(ctypes.c_int)]
xlib.XStoreName.argtypes = [ctypes.c_void_p, Window, ctypes.c_char_p]
REVERT_TO_PARENT = 2
xlib.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, Window, ctypes.c_int, ctypes.c_int,
                          ctypes.c_int]
xlib.XUngrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, Window]
xlib.XGrabKeyboard.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xlib.XUngrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XPending.argtypes = [ctypes.c_void_p]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
xlib.XSelectInput.argtypes = [ctypes.c_void_p, Window, ctypes.c_long]
xlib.XWarpPointer.argtypes = [ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_int, ctypes.c_int]
xlib.XMapWindow.argtypes = [ctypes.c_void_p, Window]
GRAB_MODE_ASYNC, GRAB_SUCCESS, MOD1_MASK = 1, 0, 1 << 3

xlib.XGetImage.restype = ctypes.c_void_p
xlib.XGetImage.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                           ctypes.c_ulong, ctypes.c_int]
Z_PIXMAP, ALL_PLANES = 2, 0xFFFFFFFF


def test_extension():
    """X's test extension, which moves and presses the mouse as a person would."""
    try:
        xtest = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst") or "libXtst.so.6")
    except OSError:
        sys.exit("x11-window: libXtst is missing (scripts/install-deps installs libxtst6)")
    xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
    xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    return xtest


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


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


def parent(display, window):
    root, parent = Window(), Window()
    found, count = ctypes.POINTER(Window)(), ctypes.c_uint()
    if not xlib.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent), ctypes.byref(found),
                           ctypes.byref(count)):
        return None
    if found:
        xlib.XFree(found)
    return parent.value


def outermost(display, root, window):
    """The window's ancestor that is a child of the root: the frame a window manager reparents it into."""
    while (above := parent(display, window)) and above != root:
        window = above
    return window


def size(display, window, with_border=False):
    root = Window()
    x, y = ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = (ctypes.c_uint() for _ in range(4))
    xlib.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y), ctypes.byref(width),
                      ctypes.byref(height), ctypes.byref(border), ctypes.byref(depth))
    if with_border:
        return width.value + 2 * border.value, height.value + 2 * border.value, border.value
    return width.value, height.value


def capture(display, root, left, top, width, height, path):
    """Writes the rectangle of the root window (the screen) to a PNG."""
    address = xlib.XGetImage(display, root, left, top, width, height, ALL_PLANES, Z_PIXMAP)
    if not address:
        sys.exit("x11-window: cannot read the screen")
    image = XImage.from_address(address)
    if image.bits_per_pixel != 32 or image.byte_order != 0:
        sys.exit(f"x11-window: unsupported screen format ({image.bits_per_pixel} bits a pixel)")
    data = ctypes.string_at(image.data, image.bytes_per_line * image.height)
    rows = bytearray()
    for y in range(image.height):
        pixels = data[y * image.bytes_per_line:y * image.bytes_per_line + image.width * 4]  # B, G, R, unused
        row = bytearray(image.width * 3)
        row[0::3], row[1::3], row[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
        rows += b"\0" + row

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def has_window_manager(display, root):
    """Whether a window manager announces itself on the root window, as the desktop's standard asks."""
    atom = xlib.XInternAtom(display, b"_NET_SUPPORTING_WM_CHECK", 0)
    kind, bits, count, after, data = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong(), \
        ctypes.c_void_p()
    xlib.XGetWindowProperty(display, root, atom, 0, 1, 0, 0, ctypes.byref(kind), ctypes.byref(bits),
                            ctypes.byref(count), ctypes.byref(after), ctypes.byref(data))
    if data:
        xlib.XFree(data)
    return count.value > 0


def keycode_of(display, name):
    keycode = xlib.XKeysymToKeycode(display, xlib.XStringToKeysym(name.encode()))
    if not keycode:
        sys.exit(f"x11-window: no key for {name}")
    return keycode


def point_of(display, root, window, fractions):
    """The screen's point at the fractions X and Y of the window's width and height."""
    x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
    xlib.XTranslateCoordinates(display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y), ctypes.byref(child))
    width, height = size(display, window)
    return x.value + round(width * float(fractions[0])), y.value + round(height * float(fractions[1]))


class Held:
    """What the person holds down, through X's test extension: the computer's keys NAME or SHIFT+NAME
    (X keysym names, pressed in that order and let go the other way round), or with mouse@X,Y the
    mouse's button at those fractions of the window."""

    def __init__(self, display, root, window, name):
        self.display, self.xtest = display, test_extension()
        self.point, self.keycodes = None, []
        if name.startswith("mouse@"):
            self.point = point_of(display, root, window, name.removeprefix("mouse@").split(","))
        else:
            self.keycodes = [keycode_of(display, part) for part in name.split("+")]

    def press(self):
        if self.point:
            self.xtest.XTestFakeMotionEvent(self.display, -1, *self.point, 0)
            self.xtest.XTestFakeButtonEvent(self.display, 1, 1, 0)
        for keycode in self.keycodes:
            self.xtest.XTestFakeKeyEvent(self.display, keycode, 1, 0)
        xlib.XSync(self.display, 0)

    def release(self):
        if self.point:
            self.xtest.XTestFakeButtonEvent(self.display, 1, 0, 0)
        for keycode in reversed(self.keycodes):
            self.xtest.XTestFakeKeyEvent(self.display, keycode, 0, 0)
        xlib.XSync(self.display, 0)


def input_focus(display):
    """The window that has the input focus."""
    focus, revert = Window(), ctypes.c_int()
    xlib.XGetInputFocus(display, ctypes.byref(focus), ctypes.byref(revert))
    return focus.value


def give_focus(display, window):
    xlib.XSetInputFocus(display, window, REVERT_TO_PARENT, 0)
    xlib.XSync(display, 0)


def another_window(display, root):
    other = xlib.XCreateSimpleWindow(display, root, 0, 0, 200, 100, 0, 0, 0)
    xlib.XStoreName(display, other, b"another window")
    xlib.XMapRaised(display, other)
    xlib.XSync(display, 0)
    time.sleep(0.2)  # mapped, and managed by a window manager if there is one
    return other


def release_near_focus_loss(display, root, window, tries, program, cases):
    """A key let go just before the focus goes to another window is the person's release, and
    reaches the window; one still down when the focus goes is let go elsewhere."""
    xtest = test_extension()
    other = another_window(display, root)
    for case in cases:
        name, milliseconds, *busy = case.split(":")
        keycode, milliseconds, busy = keycode_of(display, name), float(milliseconds), busy == ["busy"]
        steps = [lambda: xtest.XTestFakeKeyEvent(display, keycode, 0, 0),
                 lambda: xlib.XSetInputFocus(display, other, REVERT_TO_PARENT, 0)]
        if milliseconds < 0:
            steps.reverse()
        for _ in range(tries):
            xlib.XSetInputFocus(display, window, REVERT_TO_PARENT, 0)
            xlib.XSync(display, 0)
            time.sleep(0.05)
            xtest.XTestFakeKeyEvent(display, keycode, 1, 0)
            xlib.XSync(display, 0)
            time.sleep(0.03)
            if busy:
                os.kill(program, signal.SIGSTOP)
            try:
                steps[0]()
                # Without a gap both go to the server in one request.
                if milliseconds:
                    xlib.XSync(display, 0)
                    time.sleep(abs(milliseconds) / 1000)
                steps[1]()
                xlib.XSync(display, 0)
            finally:
                if busy:
                    os.kill(program, signal.SIGCONT)
            time.sleep(0.05)
    xlib.XSetInputFocus(display, window, REVERT_TO_PARENT, 0)
    xlib.XDestroyWindow(display, other)
    xlib.XSync(display, 0)


class OwnSwitcher:
    """Switches windows on alt+Tab as a window manager does, where none runs: the passive grab of the
    keybinding takes the keyboard as Tab goes down, the switcher holds it until alt is let go, and then
    gives the focus to the window chosen and lets the keyboard go (or the other way round, late)."""

    def __init__(self, display, root):
        self.display, self.root = display, root
        self.tab = keycode_of(display, "Tab")
        xlib.XGrabKey(display, self.tab, MOD1_MASK, root, 0, GRAB_MODE_ASYNC, GRAB_MODE_ASYNC)
        xlib.XSync(display, 0)

    def wait_for(self, kind, keycode):
        event = XKeyEvent()
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            while xlib.XPending(self.display):
                xlib.XNextEvent(self.display, ctypes.byref(event))
                if event.type == kind and event.keycode == keycode:
                    return
            time.sleep(0.005)
        sys.exit("x11-window: the switcher did not get its key")

    def tab_pressed(self):
        self.wait_for(KEY_PRESS, self.tab)
        if xlib.XGrabKeyboard(self.display, self.root, 0, GRAB_MODE_ASYNC, GRAB_MODE_ASYNC, 0) != GRAB_SUCCESS:
            sys.exit("x11-window: the switcher cannot take the keyboard")

    def alt_released(self, alt, chosen, late):
        self.wait_for(KEY_RELEASE, alt)
        steps = [lambda: chosen and xlib.XSetInputFocus(self.display, chosen, REVERT_TO_PARENT, 0),
                 lambda: xlib.XUngrabKeyboard(self.display, 0)]
        for step in reversed(steps) if late else steps:
            step()
        xlib.XSync(self.display, 0)

    def close(self):
        xlib.XUngrabKey(self.display, self.tab, MOD1_MASK, self.root)
        xlib.XSync(self.display, 0)


def switch_while_held(display, root, window, tries, program, cases):
    """A key held as alt+Tab switches windows is let go elsewhere, or during the switch, by the
    keyboard's owner of the moment; one let go before the switch is the person's release in the window."""
    xtest = test_extension()
    other = another_window(display, root)
    switcher = None if has_window_manager(display, root) else OwnSwitcher(display, root)
    alt, tab = keycode_of(display, "Alt_L"), keycode_of(display, "Tab")

    def key(keycode, pressed, pause=0.03):
        xtest.XTestFakeKeyEvent(display, keycode, pressed, 0)
        xlib.XSync(display, 0)
        time.sleep(pause)

    for case in cases:
        name, when, *rest = case.split(":")
        pressed, held = Held(display, root, window, name), float(rest[0]) if rest else 0.1
        busy = rest[1:] == ["busy"]
        late = when.endswith("-late")
        when = when.removesuffix("-late")
        if when not in ("before", "between", "during", "after", "back"):
            sys.exit(f"x11-window: unknown time to let go: {when}")
        for _ in range(tries):
            give_focus(display, window)
            time.sleep(0.1)
            pressed.press()
            time.sleep(held)
            if busy:
                os.kill(program, signal.SIGSTOP)
            try:
                if when == "before":
                    pressed.release()
                key(alt, 1, 0.02)
                if when == "between":
                    pressed.release()
                    time.sleep(0.02)
                key(tab, 1, 0)
                if switcher:
                    switcher.tab_pressed()
                time.sleep(0.05)
                key(tab, 0, 0.05)
                if when == "back":
                    key(tab, 1, 0.05)
                    key(tab, 0, 0.05)
                time.sleep(0.1)
                if when == "during":
                    pressed.release()
                    time.sleep(0.05)
                key(alt, 0, 0)
                if switcher:
                    switcher.alt_released(alt, None if when == "back" else other, late)
                time.sleep(0.2)
                expected = window if when == "back" else other
                if (focused := input_focus(display)) != expected:
                    sys.exit(f"x11-window: alt+Tab ({case}) left the focus on {focused:#x}, not {expected:#x}")
                if when in ("after", "back"):
                    pressed.release()
            finally:
                if busy:
                    os.kill(program, signal.SIGCONT)
            time.sleep(0.1)
    if switcher:
        switcher.close()
    give_focus(display, window)
    xlib.XDestroyWindow(display, other)
    xlib.XSync(display, 0)


def focus_while_held(display, root, window, tries, cases):
    """A key let go in a window inside the simulator's, or where the keys no longer follow the pointer
    into the window, is let go elsewhere; one let go where the keys follow the pointer into the window
    is the person's."""
    other = another_window(display, root)
    child = xlib.XCreateSimpleWindow(display, window, 0, 0, 16, 16, 0, 0, 0)
    xlib.XSelectInput(display, child, KEY_PRESS_MASK | KEY_RELEASE_MASK)
    xlib.XMapWindow(display, child)
    xlib.XSync(display, 0)
    width, height = size(display, window)

    def pointer_to(target, x, y):
        xlib.XWarpPointer(display, 0, target, 0, 0, 0, 0, x, y)
        xlib.XSync(display, 0)
        time.sleep(0.05)

    def focus(target):
        give_focus(display, target)
        time.sleep(0.1)

    for case in cases:
        name, where = case.split(":")
        pressed = Held(display, root, window, name)
        if where not in ("child", "pointer-in", "pointer-elsewhere", "pointer-out"):
            sys.exit(f"x11-window: unknown place to let go: {where}")
        for _ in range(tries):
            pointer_to(window, width // 2, height // 3)
            focus(root if where.startswith("pointer") else window)
            pressed.press()
            time.sleep(0.05)
            if where == "child":
                focus(child)
            elif where == "pointer-elsewhere":
                focus(other)
            elif where == "pointer-out":
                pointer_to(other, 100, 50)
            pressed.release()
            time.sleep(0.1)
            pointer_to(window, width // 2, height // 3)
            focus(window)
    xlib.XDestroyWindow(display, child)
    xlib.XDestroyWindow(display, other)
    xlib.XSync(display, 0)


def main():
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("x11-window: cannot open the display")
    root = xlib.XDefaultRootWindow(display)
    if sys.argv[1] == "other":
        focused = input_focus(display)
        other = another_window(display, root)
        give_focus(display, other)
        time.sleep(float(sys.argv[2]))
        xlib.XDestroyWindow(display, other)
        xlib.XSync(display, 0)
        if focused != other:
            give_focus(display, focused)
        return
    if sys.argv[1] in ("keydown", "keyup"):
        keys = Held(display, root, None, sys.argv[2])
        keys.press() if sys.argv[1] == "keydown" else keys.release()
        return
    if sys.argv[1] == "wm":
        for _ in range(50):
            if has_window_manager(display, root):
                return
            time.sleep(0.1)
        sys.exit("x11-window: no window manager runs on the display")
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
    elif sys.argv[1] == "release-near-focus-loss":
        release_near_focus_loss(display, root, window, int(sys.argv[2]), int(sys.argv[3]), sys.argv[4:])
    elif sys.argv[1] == "switch-while-held":
        switch_while_held(display, root, window, int(sys.argv[2]), int(sys.argv[3]), sys.argv[4:])
    elif sys.argv[1] == "focus-while-held":
        focus_while_held(display, root, window, int(sys.argv[2]), sys.argv[3:])
    elif sys.argv[1] == "frame":
        frame = outermost(display, root, window)
        x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
        xlib.XTranslateCoordinates(display, frame, root, 0, 0, ctypes.byref(x), ctypes.byref(y), ctypes.byref(child))
        width, height, border = size(display, frame, with_border=True)
        print(f"{width}x{height}+{x.value - border}+{y.value - border}")
    elif sys.argv[1] == "screen":
        width, height = size(display, root)
        capture(display, root, 0, 0, width, height, sys.argv[2])
    elif sys.argv[1] == "title":
        name = ctypes.c_char_p()
        xlib.XFetchName(display, window, ctypes.byref(name))
        print(name.value.decode())
        xlib.XFree(name)
    elif sys.argv[1] in ("press", "move"):
        xtest = test_extension()
        xtest.XTestFakeMotionEvent(display, -1, *point_of(display, root, window, sys.argv[2:4]), 0)
        if sys.argv[1] == "press":
            xtest.XTestFakeButtonEvent(display, 1, 1, 0)
        xlib.XSync(display, 0)
    elif sys.argv[1] == "release":
        test_extension().XTestFakeButtonEvent(display, 1, 0, 0)
        xlib.XSync(display, 0)
    elif sys.argv[1] == "key":
        keycode = keycode_of(display, sys.argv[2])
        for kind, mask in ((KEY_PRESS, KEY_PRESS_MASK), (KEY_RELEASE, KEY_RELEASE_MASK)):
            event = XKeyEvent(type=kind, send_event=1, display=display, window=window, root=root,
                              keycode=keycode, same_screen=1)
            xlib.XSendEvent(display, window, 1, mask, ctypes.byref(event))
        xlib.XFlush(display)
    elif sys.argv[1] == "capture":
        x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
        xlib.XTranslateCoordinates(display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y), ctypes.byref(child))
        width, height = size(display, window)
        screen_width, screen_height = size(display, root)
        left, top = max(0, x.value), max(0, y.value)
        right, bottom = min(screen_width, x.value + width), min(screen_height, y.value + height)
        if right <= left or bottom <= top:
            sys.exit("x11-window: the window is not on the screen")
        capture(display, root, left, top, right - left, bottom - top, sys.argv[2])
    else:
        sys.exit(f"x11-window: unknown command {sys.argv[1]}")


main()
