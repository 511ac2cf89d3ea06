// The SDL functions the window uses, each loading the library on its first
// call. A run without a window then never maps SDL, nor the audio, display,
// compression and system libraries it depends on: several megabytes of a
// headless run's resident set. A function the library lacks is an error
// naming it; without the library, SDL_Init fails and SDL_GetError says why.
#include <SDL.h>
#include <dlfcn.h>

#include <string>

#include "platform/foundation/Error.h"

namespace {

constexpr const char* kLibrary = "libSDL2-2.0.so.0";

std::string& loadError() {
  static std::string error;
  return error;
}

void* library() {
  static void* const handle = [] {
    void* opened = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!opened) loadError() = std::string("cannot load ") + kLibrary + ": " + dlerror();
    return opened;
  }();
  return handle;
}

void* symbol(const char* name) { return library() ? dlsym(library(), name) : nullptr; }

// The function `name` of the library, of the type declared for `Declared`.
template <auto Declared>
auto loaded(const char* name) {
  using Function = decltype(Declared);
  static const Function function = reinterpret_cast<Function>(symbol(name));
  if (!function) {
    throw platform::Error(std::string("the simulator's window needs ") + name + " from " + kLibrary +
                          (loadError().empty() ? "" : " (" + loadError() + ")"));
  }
  return function;
}

}  // namespace

extern "C" {

SDL_bool SDL_SetHint(const char* name, const char* value) {
  if (!library()) return SDL_FALSE;
  return loaded<&SDL_SetHint>("SDL_SetHint")(name, value);
}
int SDL_Init(Uint32 flags) {
  if (!library()) return -1;
  return loaded<&SDL_Init>("SDL_Init")(flags);
}
void SDL_Quit(void) {
  if (library()) loaded<&SDL_Quit>("SDL_Quit")();
}
const char* SDL_GetError(void) {
  if (!library()) return loadError().c_str();
  return loaded<&SDL_GetError>("SDL_GetError")();
}
const char* SDL_GetCurrentVideoDriver(void) {
  return loaded<&SDL_GetCurrentVideoDriver>("SDL_GetCurrentVideoDriver")();
}
int SDL_GetDisplayUsableBounds(int displayIndex, SDL_Rect* rect) {
  return loaded<&SDL_GetDisplayUsableBounds>("SDL_GetDisplayUsableBounds")(displayIndex, rect);
}
SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 flags) {
  return loaded<&SDL_CreateWindow>("SDL_CreateWindow")(title, x, y, w, h, flags);
}
void SDL_DestroyWindow(SDL_Window* window) { loaded<&SDL_DestroyWindow>("SDL_DestroyWindow")(window); }
void SDL_GetWindowSize(SDL_Window* window, int* w, int* h) {
  loaded<&SDL_GetWindowSize>("SDL_GetWindowSize")(window, w, h);
}
void SDL_SetWindowSize(SDL_Window* window, int w, int h) {
  loaded<&SDL_SetWindowSize>("SDL_SetWindowSize")(window, w, h);
}
void SDL_GetWindowPosition(SDL_Window* window, int* x, int* y) {
  loaded<&SDL_GetWindowPosition>("SDL_GetWindowPosition")(window, x, y);
}
void SDL_SetWindowPosition(SDL_Window* window, int x, int y) {
  loaded<&SDL_SetWindowPosition>("SDL_SetWindowPosition")(window, x, y);
}
int SDL_GetWindowBordersSize(SDL_Window* window, int* top, int* left, int* bottom, int* right) {
  return loaded<&SDL_GetWindowBordersSize>("SDL_GetWindowBordersSize")(window, top, left, bottom, right);
}
int SDL_GetWindowDisplayIndex(SDL_Window* window) {
  return loaded<&SDL_GetWindowDisplayIndex>("SDL_GetWindowDisplayIndex")(window);
}
void SDL_SetWindowTitle(SDL_Window* window, const char* title) {
  loaded<&SDL_SetWindowTitle>("SDL_SetWindowTitle")(window, title);
}
SDL_Renderer* SDL_CreateRenderer(SDL_Window* window, int index, Uint32 flags) {
  return loaded<&SDL_CreateRenderer>("SDL_CreateRenderer")(window, index, flags);
}
void SDL_DestroyRenderer(SDL_Renderer* renderer) { loaded<&SDL_DestroyRenderer>("SDL_DestroyRenderer")(renderer); }
SDL_Texture* SDL_CreateTexture(SDL_Renderer* renderer, Uint32 format, int access, int w, int h) {
  return loaded<&SDL_CreateTexture>("SDL_CreateTexture")(renderer, format, access, w, h);
}
void SDL_DestroyTexture(SDL_Texture* texture) { loaded<&SDL_DestroyTexture>("SDL_DestroyTexture")(texture); }
int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch) {
  return loaded<&SDL_UpdateTexture>("SDL_UpdateTexture")(texture, rect, pixels, pitch);
}
int SDL_RenderClear(SDL_Renderer* renderer) { return loaded<&SDL_RenderClear>("SDL_RenderClear")(renderer); }
int SDL_RenderCopy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* source, const SDL_Rect* target) {
  return loaded<&SDL_RenderCopy>("SDL_RenderCopy")(renderer, texture, source, target);
}
void SDL_RenderPresent(SDL_Renderer* renderer) { loaded<&SDL_RenderPresent>("SDL_RenderPresent")(renderer); }
int SDL_RenderReadPixels(SDL_Renderer* renderer, const SDL_Rect* rect, Uint32 format, void* pixels, int pitch) {
  return loaded<&SDL_RenderReadPixels>("SDL_RenderReadPixels")(renderer, rect, format, pixels, pitch);
}
void SDL_StartTextInput(void) { loaded<&SDL_StartTextInput>("SDL_StartTextInput")(); }
void SDL_StopTextInput(void) { loaded<&SDL_StopTextInput>("SDL_StopTextInput")(); }
Uint64 SDL_GetPerformanceCounter(void) {
  return loaded<&SDL_GetPerformanceCounter>("SDL_GetPerformanceCounter")();
}
Uint64 SDL_GetPerformanceFrequency(void) {
  return loaded<&SDL_GetPerformanceFrequency>("SDL_GetPerformanceFrequency")();
}
int SDL_WaitEventTimeout(SDL_Event* event, int timeout) {
  return loaded<&SDL_WaitEventTimeout>("SDL_WaitEventTimeout")(event, timeout);
}
void SDL_SetEventFilter(SDL_EventFilter filter, void* userdata) {
  loaded<&SDL_SetEventFilter>("SDL_SetEventFilter")(filter, userdata);
}
Uint8 SDL_EventState(Uint32 type, int state) { return loaded<&SDL_EventState>("SDL_EventState")(type, state); }
Uint32 SDL_RegisterEvents(int numevents) { return loaded<&SDL_RegisterEvents>("SDL_RegisterEvents")(numevents); }
void SDL_PumpEvents(void) { loaded<&SDL_PumpEvents>("SDL_PumpEvents")(); }
int SDL_PollEvent(SDL_Event* event) { return loaded<&SDL_PollEvent>("SDL_PollEvent")(event); }
int SDL_PushEvent(SDL_Event* event) { return loaded<&SDL_PushEvent>("SDL_PushEvent")(event); }
void SDL_FlushEvents(Uint32 minType, Uint32 maxType) {
  loaded<&SDL_FlushEvents>("SDL_FlushEvents")(minType, maxType);
}
size_t SDL_strlcpy(char* destination, const char* source, size_t size) {
  return loaded<&SDL_strlcpy>("SDL_strlcpy")(destination, source, size);
}

}  // extern "C"
