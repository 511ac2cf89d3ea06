#include "apps/keyboard-simulator/SimulatorWindow.h"

#include <SDL.h>
#include <cairo.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

#include "apps/keyboard-simulator/KeyboardLoss.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Text.h"
#include "platform/ui/PngFile.h"

namespace keyboard_simulator {

namespace {

constexpr const char* kTitle = "Keyloom keyboard simulator";

std::function<void()>& displayLostHandler() {
  static std::function<void()> handler;
  return handler;
}

// Xlib calls this when the connection to the X server breaks, and ends the
// process if it returns. Nothing may talk to the display any more: the exit
// skips the atexit handlers, where SDL_Quit would.
int endOnLostDisplay(void* /* Display* */) {
  try {
    if (const auto& handler = displayLostHandler()) handler();
  } catch (const std::exception& error) {
    std::cerr << "keyboard-simulator: " << error.what() << "\n";
  }
  std::cerr << "keyboard-simulator: the display went away (the X server closed the connection)\n";
  std::cerr.flush();
  std::_Exit(1);
}

// SDL loads Xlib itself, so its handler is set through the library SDL
// loaded rather than by linking another copy in.
void watchForLostDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::string(driver) != "x11") return;
  void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (!xlib) return;
  using IOErrorHandler = int (*)(void*);
  using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);
  if (auto set = reinterpret_cast<SetIOErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"))) {
    set(&endOnLostDisplay);
  }
  dlclose(xlib);
}

bool initializeVideo() {
  static const bool initialized = [] {
    // Only the desktop that is named; SDL_VIDEODRIVER still wins.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!wayland || !*wayland) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // The frame is drawn by Cairo and only copied to the window. Without
    // these SDL opens a hidden OpenGL window to decide how to copy it,
    // which maps the GL driver (with Mesa's software rasterizer some
    // 60 MB resident) for nothing.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    std::atexit(SDL_Quit);
    watchKeyboardLoss();
    watchForLostDisplay();
    return true;
  }();
  return initialized;
}

// Whether a key is one of shift, control, alt, the system key or the
// alternative letters' switch: it presses no on-screen key, but changes what
// the next key types, and its release lets go of none.
bool isModifier(SDL_Scancode scancode) {
  return (scancode >= SDL_SCANCODE_LCTRL && scancode <= SDL_SCANCODE_RGUI) || scancode == SDL_SCANCODE_MODE;
}

[[noreturn]] void fail(const std::string& what) { throw platform::Error(what + ": " + SDL_GetError()); }

}  // namespace

bool SimulatorWindow::displayAvailable() {
  // SDL would fall back to an off-screen driver; only a real display counts.
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!display || !*display) && (!wayland || !*wayland)) return false;
  if (!initializeVideo()) return false;
  // With an unreachable display SDL may settle for a driver that shows
  // nothing; a driver chosen on purpose (SDL_VIDEODRIVER) is taken as it is.
  const char* chosen = std::getenv("SDL_VIDEODRIVER");
  const char* driver = SDL_GetCurrentVideoDriver();
  if (chosen && *chosen) return true;
  return driver && (std::string(driver) == "x11" || std::string(driver) == "wayland");
}

void SimulatorWindow::setDisplayLostHandler(std::function<void()> handler) {
  displayLostHandler() = std::move(handler);
}

double SimulatorWindow::fittingScale(platform::Size points, platform::Rect usable, platform::EdgeInsets frame) {
  const double width = usable.width() - frame.leading - frame.trailing;
  const double height = usable.height() - frame.top - frame.bottom;
  if (points.width <= 0 || points.height <= 0 || width <= 0 || height <= 0) return 1;
  constexpr double steps = 20;
  // Down to a whole step; the small allowance keeps an exact fit (0.7 that
  // the division gives as 0.6999...) from losing a step.
  const double fit = std::floor(std::min(width / points.width, height / points.height) * steps + 1e-9) / steps;
  return std::clamp(fit, 0.25, 1.0);
}

platform::Point SimulatorWindow::keptOnScreen(platform::Point origin, platform::Size size,
                                              platform::Rect usable, platform::EdgeInsets frame) {
  // Along each axis: the window's frame at the usable area's start when it
  // does not fit, else moved just far enough in.
  auto keep = [](double at, double length, double start, double end, double before, double after) {
    const double lowest = start + before;
    const double highest = end - after - length;
    return highest < lowest ? lowest : std::clamp(at, lowest, highest);
  };
  return {keep(origin.x, size.width, usable.minX(), usable.maxX(), frame.leading, frame.trailing),
          keep(origin.y, size.height, usable.minY(), usable.maxY(), frame.top, frame.bottom)};
}

platform::Rect SimulatorWindow::usableBounds() const {
  const int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return {};
  return {static_cast<double>(usable.x), static_cast<double>(usable.y), static_cast<double>(usable.w),
          static_cast<double>(usable.h)};
}

platform::EdgeInsets SimulatorWindow::frameBorders() const {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (!window_ || SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) return {};
  return {static_cast<double>(top), static_cast<double>(left), static_cast<double>(bottom),
          static_cast<double>(right)};
}

void SimulatorWindow::fitScale() {
  fittedScreen_ = session_.screenSize();
  fittedFrame_ = frameBorders();
  displayChanged_ = false;
  if (session_.options().scale) return;
  session_.setScale(fittingScale(fittedScreen_, usableBounds(), fittedFrame_));
}

void SimulatorWindow::keepOnScreen() {
  const platform::Rect usable = usableBounds();
  if (usable.width() <= 0 || usable.height() <= 0) return;
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &width, &height);
  const platform::Point kept =
      keptOnScreen({static_cast<double>(x), static_cast<double>(y)},
                   {static_cast<double>(width), static_cast<double>(height)}, usable, frameBorders());
  if (kept.x != x || kept.y != y)
    SDL_SetWindowPosition(window_, static_cast<int>(kept.x), static_cast<int>(kept.y));
}

SimulatorWindow::SimulatorWindow(SimulatorSession& session) : session_(session) {
  if (!initializeVideo()) fail("cannot open a window");
  fitScale();
  window_ = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, session_.pixelWidth(),
                             session_.pixelHeight(), SDL_WINDOW_SHOWN);
  if (!window_) fail("cannot open a window");
  // The frame is drawn by Cairo; the renderer only copies it, which the
  // software renderer does as fast as any, without loading a GPU driver.
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) fail("cannot draw in the window");
  // A window manager announces the frame it put around the window once the
  // window is mapped; the announcement is queued by now, and SDL reads it
  // as it takes in events. Later changes of the frame fit the window again.
  SDL_PumpEvents();
  // Now on its display, with the desktop's frame around it where there is one.
  fitScale();
  SDL_StartTextInput();
  session_.setNeedsRedraw();
  present();
  keepOnScreen();
}

SimulatorWindow::~SimulatorWindow() {
  displayLostHandler() = nullptr;
  SDL_StopTextInput();
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

void SimulatorWindow::draw() {
  cairo_surface_t* frame = session_.frame();
  const int width = cairo_image_surface_get_width(frame);
  const int height = cairo_image_surface_get_height(frame);
  bool whole = false;
  if (!texture_ || width != textureWidth_ || height != textureHeight_) {
    whole = true;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) fail("cannot draw in the window");
    textureWidth_ = width;
    textureHeight_ = height;
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    if (windowWidth != width || windowHeight != height) {
      SDL_SetWindowSize(window_, width, height);
      keepOnScreen();
    }
  }
  // Cairo's ARGB32 is SDL's ARGB8888: 32-bit native-endian words. Only the
  // pixels the frame repainted are copied into a texture that has the rest.
  const unsigned char* pixels = cairo_image_surface_get_data(frame);
  const int stride = cairo_image_surface_get_stride(frame);
  if (whole) {
    SDL_UpdateTexture(texture_, nullptr, pixels, stride);
  } else {
    for (const auto& rect : session_.repainted()) {
      const SDL_Rect area{rect.x, rect.y, rect.width, rect.height};
      SDL_UpdateTexture(texture_, &area, pixels + rect.y * stride + rect.x * 4, stride);
    }
  }
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
}

void SimulatorWindow::present() {
  const bool refit = displayChanged_ || session_.screenSize() != fittedScreen_ || frameBorders() != fittedFrame_;
  if (refit) fitScale();
  if (session_.needsRedraw() || !texture_) {
    draw();
    SDL_RenderPresent(renderer_);
    SDL_SetWindowTitle(window_, (std::string(kTitle) + " - " + session_.status()).c_str());
  }
  // A new frame may need another place even where the size stays.
  if (refit) keepOnScreen();
}

void SimulatorWindow::capture(const std::string& path) {
  present();
  // Read back what the renderer puts in the window, before it is shown again.
  draw();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(textureWidth_) * textureHeight_);
  const int pitch = textureWidth_ * 4;
  if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), pitch) != 0) {
    fail("cannot read the window");
  }
  SDL_RenderPresent(renderer_);
  cairo_surface_t* surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()),
                                                                 CAIRO_FORMAT_RGB24, textureWidth_, textureHeight_, pitch);
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> owner(surface, cairo_surface_destroy);
  platform::ui::writePngFile(surface, path);
}

void SimulatorWindow::run() {
  Uint64 last = SDL_GetPerformanceCounter();
  const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
  bool open = true;
  while (open) {
    // Sleep until an event or the keyboard's next timer.
    const double wait = session_.timeToNextWork();
    const int timeout = wait < 0 ? 1000 : static_cast<int>(std::clamp(wait * 1000.0 + 1, 1.0, 1000.0));
    SDL_Event event;
    bool hasEvent = SDL_WaitEventTimeout(&event, timeout) != 0;
    const Uint64 now = SDL_GetPerformanceCounter();
    session_.advance(static_cast<double>(now - last) / frequency);
    last = now;
    while (hasEvent && open) {
      open = handle(event);
      hasEvent = SDL_PollEvent(&event) != 0;
    }
    session_.advance(0);
    present();
  }
}

bool SimulatorWindow::handle(const SDL_Event& event) {
  using Command = SimulatorSession::Command;
  // A computer key's release would go to another window, or be made up
  // once the keys are back; the mouse is not the keyboard's.
  if (isKeyboardLoss(event)) {
    if (downScancode_ >= 0) cancelPress();
    return true;
  }
  switch (event.type) {
    case SDL_QUIT:
      return false;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        session_.setNeedsRedraw();
      }
      if (event.window.event == SDL_WINDOWEVENT_DISPLAY_CHANGED) displayChanged_ = true;
      // The release would go to another window, or come long after.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) cancelPress();
      return true;
    case SDL_DISPLAYEVENT:
      displayChanged_ = true;
      return true;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) {
        mouseDown_ = true;
        session_.pointerDown({static_cast<double>(event.button.x), static_cast<double>(event.button.y)});
      }
      return true;
    case SDL_MOUSEMOTION:
      if (mouseDown_) session_.pointerMove({static_cast<double>(event.motion.x), static_cast<double>(event.motion.y)});
      return true;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT && mouseDown_) {
        mouseDown_ = false;
        session_.pointerUp({static_cast<double>(event.button.x), static_cast<double>(event.button.y)});
      }
      return true;
    case SDL_KEYDOWN: {
      const SDL_Keycode key = event.key.keysym.sym;
      if ((event.key.keysym.mod & KMOD_CTRL) && key == SDLK_q) return false;
      ignoreNextText_ = event.key.repeat != 0;
      if (event.key.repeat) return true;
      switch (key) {
        case SDLK_F1: perform(Command::nextDevice); return true;
        case SDLK_F2: perform(Command::rotate); return true;
        case SDLK_F3: perform(Command::nextLocale); return true;
        case SDLK_F4: perform(Command::nextTheme); return true;
        case SDLK_F5: perform(Command::toggleDark); return true;
        case SDLK_F6: perform(Command::toggleKeyboard); return true;
        case SDLK_ESCAPE: cancelPress(); return true;
        case SDLK_BACKSPACE:
          session_.keyDown(SimulatorKey::named(SimulatorKey::Kind::backspace));
          downScancode_ = event.key.keysym.scancode;
          return true;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
          session_.keyDown(SimulatorKey::named(SimulatorKey::Kind::return_));
          downScancode_ = event.key.keysym.scancode;
          return true;
        default:
          // A character key: its text arrives next, as SDL_TEXTINPUT.
          if ((key < SDLK_CAPSLOCK || key >= SDLK_KP_DIVIDE) && !isModifier(event.key.keysym.scancode))
            downScancode_ = event.key.keysym.scancode;
          return true;
      }
    }
    case SDL_TEXTINPUT: {
      if (ignoreNextText_) return true;
      for (const auto& character : platform::text::graphemes(event.text.text)) session_.characterDown(character);
      return true;
    }
    case SDL_KEYUP:
      // A key still down when the keys stopped coming to the window is not
      // let go here: that cut its press short (watchKeyboardLoss).
      if (event.key.keysym.scancode != downScancode_) return true;
      downScancode_ = -1;
      session_.keyUp();
      return true;
    default:
      return true;
  }
}

void SimulatorWindow::perform(SimulatorSession::Command command) {
  cancelPress();
  session_.perform(command);
}

void SimulatorWindow::cancelPress() {
  session_.cancelPress();
  mouseDown_ = false;
  downScancode_ = -1;
}

}  // namespace keyboard_simulator
