#pragma once

#include <functional>
#include <string>

#include "apps/keyboard-simulator/SimulatorSession.h"
#include "platform/foundation/Geometry.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace keyboard_simulator {

// The desktop window around a session: it shows the session's frames and
// feeds it the mouse as a finger, the computer's keys as on-screen key
// presses, the window keys (F1 device, F2 rotate, F3 locale, F4 theme,
// F5 dark mode, F6 hide or show the keyboard) and real time. A press under
// way is cancelled by those keys, by Escape and when the window loses the
// input focus; a computer key's also when its keys go elsewhere for a while
// (another client holds the keyboard). It sleeps until an event or the
// keyboard's next timer, and draws only what changed.
class SimulatorWindow {
 public:
  // Whether a window can be opened: a display is there and SDL can use it.
  static bool displayAvailable();
  // The scale, at most 1, at which a screen of `points` fits in `usable`
  // (the display's area free of panels) with the window's `frame` around
  // it, rounded down to a twentieth (0.7, 0.85): displays of nearly one
  // size give one scale. Never below a quarter.
  static double fittingScale(platform::Size points, platform::Rect usable, platform::EdgeInsets frame = {});
  // Where a window of `size` goes so that all of it (with its frame) is in
  // `usable`: `origin` itself when it is, else moved the least.
  static platform::Point keptOnScreen(platform::Point origin, platform::Size size, platform::Rect usable,
                                      platform::EdgeInsets frame);


  // Throws platform::Error when the window cannot be made.
  explicit SimulatorWindow(SimulatorSession& session);
  ~SimulatorWindow();
  SimulatorWindow(const SimulatorWindow&) = delete;
  SimulatorWindow& operator=(const SimulatorWindow&) = delete;

  // Handles events until the window is closed (or Ctrl+Q).
  void run();
  // Shows the session's frame now if it changed.
  void present();
  // Writes the pixels the window shows to a PNG.
  void capture(const std::string& path);
  // Called, while the window exists, when its display goes away (the X
  // server stopped); the program then ends with exit code 1.
  void setDisplayLostHandler(std::function<void()> handler);

 private:
  // Returns false when the window should close.
  bool handle(const SDL_Event& event);
  // The window's own keys: each cancels a press under way first.
  void perform(SimulatorSession::Command command);
  // A press of the mouse or a computer key under way ends without typing:
  // its release, when it comes, does nothing.
  void cancelPress();
  void draw();
  // At start, and after the screen's size (device, orientation), the
  // display or the window manager's frame changed: the scale that fits the
  // display, unless --scale chose one.
  void fitScale();
  // Moves the window so that all of it is on its display.
  void keepOnScreen();
  platform::Rect usableBounds() const;
  platform::EdgeInsets frameBorders() const;

  SimulatorSession& session_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
  // The computer key whose on-screen key is down, and whether the text it
  // sends next is its own auto-repeat (the on-screen key repeats by itself).
  int downScancode_ = -1;
  bool ignoreNextText_ = false;
  bool mouseDown_ = false;
  // The screen's size in points the scale was chosen for, and whether the
  // display changed since (the window moved to another, or one was added,
  // removed or turned).
  platform::Size fittedScreen_;
  bool displayChanged_ = false;
  // The frame the scale was chosen with: a window manager tells it only
  // after the window is mapped, and may change it.
  platform::EdgeInsets fittedFrame_;
};

}  // namespace keyboard_simulator
