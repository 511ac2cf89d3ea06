#pragma once

#include <string>

#include "apps/keyboard-simulator/SimulatorSession.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace keyboard_simulator {

// The desktop window around a session: it shows the session's frames and
// feeds it the mouse as a finger, the computer's keys as on-screen key
// presses, the window keys (F1 device, F2 rotate, F3 locale, F4 theme,
// F5 dark mode, F6 hide or show the keyboard) and real time. It sleeps until
// an event or the keyboard's next timer, and draws only what changed.
class SimulatorWindow {
 public:
  // Whether a window can be opened: a display is there and SDL can use it.
  static bool displayAvailable();
  // The window scale that fits a screen of this many points on the display.
  static double fittingScale(double screenWidth, double screenHeight);

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

 private:
  // Returns false when the window should close.
  bool handle(const SDL_Event& event);
  void draw();

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
};

}  // namespace keyboard_simulator
