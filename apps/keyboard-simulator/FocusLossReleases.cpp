#include "apps/keyboard-simulator/FocusLossReleases.h"

#include <SDL.h>
// Last: with the X11 driver it brings in Xlib, whose macros (None, True,
// Status) would clash with names in other headers.
#include <SDL_syswm.h>

namespace keyboard_simulator {

namespace {

bool isFocusLoss(const SDL_SysWMmsg& message) {
#if defined(SDL_VIDEO_DRIVER_X11)
  return message.subsystem == SDL_SYSWM_X11 && message.msg.x11.event.type == FocusOut;
#else
  (void)message;
  return false;
#endif
}

// Whether the server's event SDL takes in now is the loss of the focus. SDL
// pumps events on the program's one thread.
bool takingInFocusLoss = false;

// Returns whether `event` is queued.
int filter(void* /* unused */, SDL_Event* event) {
  switch (event->type) {
    case SDL_SYSWMEVENT:
      // Read as SDL takes the server's event in; nothing else wants it.
      takingInFocusLoss = event->syswm.msg && isFocusLoss(*event->syswm.msg);
      return 0;
    case SDL_KEYUP:
      return takingInFocusLoss ? 0 : 1;
    case SDL_WINDOWEVENT:
      // The last of what SDL makes of the loss.
      if (event->window.event == SDL_WINDOWEVENT_FOCUS_LOST) takingInFocusLoss = false;
      return 1;
    default:
      return 1;
  }
}

}  // namespace

void filterFocusLossReleases() {
  SDL_SetEventFilter(&filter, nullptr);
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

}  // namespace keyboard_simulator
