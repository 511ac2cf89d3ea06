#pragma once

union SDL_Event;

namespace keyboard_simulator {

// Tells the window, in SDL's event queue, when the computer's keys stop
// coming to it, as the X server says: when the input focus goes to another
// window or to one inside the window's own, when another client takes the
// keyboard for a while (a window manager's switcher on alt+Tab, a global
// shortcut), and when the keys that followed the pointer into the window
// go elsewhere. A key then down is not let go in the window: SDL makes up
// its release, now or once the keys are back, and that release is none of
// the person's. SDL itself tells of the loss of the focus alone, late after
// a change of display mode, and not of another client's hold on the
// keyboard, through which it keeps the focus.
//
// It reads the server's events as SDL takes them in (the X11 driver tells of
// each before the events it makes of it), so a key let go just before the
// keys go elsewhere is let go in the window. Other video drivers tell no
// such thing: there the window has SDL's loss of focus alone.
//
// Sets SDL's event filter, once SDL's video is started (setting one
// discards the events queued so far).
void watchKeyboardLoss();

// Whether `event` is the point, in SDL's queue, from which the keys go
// elsewhere: a key down then does not come up in the window.
bool isKeyboardLoss(const SDL_Event& event);

}  // namespace keyboard_simulator
