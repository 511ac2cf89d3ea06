#include "apps/keyboard-simulator/KeyboardLoss.h"

#include <SDL.h>
// Last: with the X11 driver it brings in Xlib, whose macros (None, True,
// Status) would clash with names in other headers.
#include <SDL_syswm.h>

namespace keyboard_simulator {

namespace {

constexpr Uint32 kUnregistered = static_cast<Uint32>(-1);
// The event of our own, queued where the keys stopped coming.
Uint32 lossType = kUnregistered;

// Whether the server's event means the keys no longer come to the window.
// A focus-out in every mode and of every kind does: a grab (another client
// holds the keyboard), an ungrab, the focus moved while grabbed, and the
// normal one; the focus gone to a window inside the window's own (whose
// keys go no further than it), and the keys gone from the window under the
// pointer.
bool losesKeys(const SDL_SysWMmsg& message) {
#if defined(SDL_VIDEO_DRIVER_X11)
  return message.subsystem == SDL_SYSWM_X11 && message.msg.x11.event.type == FocusOut;
#else
  (void)message;
  return false;
#endif
}

// Returns whether `event` is queued.
int filter(void* /* unused */, SDL_Event* event) {
  if (event->type != SDL_SYSWMEVENT) return 1;
  // Read as SDL takes the server's event in, before the events it makes of
  // it; nothing else wants it.
  if (lossType != kUnregistered && event->syswm.msg && losesKeys(*event->syswm.msg)) {
    SDL_Event loss{};
    loss.type = lossType;
    SDL_PushEvent(&loss);
  }
  return 0;
}

}  // namespace

void watchKeyboardLoss() {
  // Once a process: SDL hands out each number once.
  if (lossType == kUnregistered) lossType = SDL_RegisterEvents(1);
  SDL_SetEventFilter(&filter, nullptr);
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool isKeyboardLoss(const SDL_Event& event) { return lossType != kUnregistered && event.type == lossType; }

}  // namespace keyboard_simulator
