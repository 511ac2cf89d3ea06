#pragma once

namespace keyboard_simulator {

// Keeps out of SDL's event queue, from now on, the releases of the
// computer's keys that SDL makes up when the window loses the input focus:
// SDL lets go of every key still down then, just before it tells of the
// loss. Such a key was not let go by the person, and the loss of the focus
// that follows cuts its press short. A release the display server reports,
// however soon the focus goes after it, and one pushed by the program
// itself, are queued as before.
//
// SDL tells of each event of the X server it takes in, before the events it
// makes of it; a release made while it takes in the server's loss of focus
// is a made-up one. Other video drivers tell no such thing, and there every
// release is queued: a key let go always types.
//
// It is SDL's event filter, set once SDL's video is started (setting one
// discards the events queued so far).
void filterFocusLossReleases();

}  // namespace keyboard_simulator
