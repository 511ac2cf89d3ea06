#pragma once

#include <cairo.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/Simulator.h"
#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Geometry.h"
#include "platform/input/TextInput.h"
#include "platform/ui/HostFrame.h"

namespace keyboard_simulator {

// What the window shows and does, without the window: the simulator, the
// window's events turned into touches, key presses and settings, the passing
// of real time, and the frame drawn only when something changed. The desktop
// window (SimulatorWindow) feeds it events and shows its frames; tests and
// the benchmark drive it directly.
class SimulatorSession {
 public:
  // What the window's own keys change.
  enum class Command { nextDevice, rotate, nextLocale, nextTheme, toggleDark, toggleKeyboard };

  // `scale`: window pixels a screen point.
  SimulatorSession(SimulatorOptions options, double scale);
  ~SimulatorSession();
  SimulatorSession(const SimulatorSession&) = delete;
  SimulatorSession& operator=(const SimulatorSession&) = delete;

  Simulator& simulator() { return *simulator_; }
  const SimulatorOptions& options() const { return options_; }
  double scale() const { return scale_; }
  // A new scale (when the device or orientation changed); the next frame
  // has the new size.
  void setScale(double scale);
  // The screen's size in points, as the device is turned now.
  platform::Size screenSize() const;
  // The window's size in pixels for the current screen.
  int pixelWidth() const;
  int pixelHeight() const;

  // The mouse, at window pixels: a finger on the screen.
  void pointerDown(platform::Point pixel);
  void pointerMove(platform::Point pixel);
  void pointerUp(platform::Point pixel);
  // A computer key: the matching on-screen key goes down, and up when the
  // computer's key is released.
  void keyDown(const SimulatorKey& key);
  void characterDown(const std::string& character);
  void keyUp();
  // Ends a press under way, of the mouse or a computer key, without
  // completing it: nothing is typed and no callout entry committed.
  void cancelPress();
  // Each command first cancels a press under way: the keyboard changes
  // under it.
  void perform(Command command);

  // Lets `seconds` of time pass on the keyboard's clock, running what falls
  // due (long presses, repeats, callouts).
  void advance(platform::TimeInterval seconds);
  // Seconds until the next scheduled work; negative when there is none.
  platform::TimeInterval timeToNextWork() const;

  // Whether the screen changed since the last frame.
  bool needsRedraw() const { return dirty_; }
  void setNeedsRedraw() { dirty_ = true; }
  // Draws the screen into the frame when it changed, only where its drawing
  // changed; the frame stays valid until the next call.
  cairo_surface_t* frame();
  // The pixels the last call to frame() changed (none when nothing changed).
  const std::vector<platform::ui::PixelRect>& repainted() const { return repainted_; }
  // Off: every frame is drawn whole (the pixels are the same).
  void setIncrementalDrawing(bool incremental) { frame_.setIncremental(incremental); }
  // Device, orientation, locale, appearance and the last problem, for the
  // window's title.
  std::string status() const;

 private:
  void rebuild();
  // The keyboard's locale now, however it changed (the window's key, the
  // keyboard's own locale menu).
  std::string locale() const;
  // What the screen shows, in a few numbers that change when it does: work
  // that ran on the clock without changing them needs no new frame.
  struct ScreenState {
    const void* view = nullptr;
    std::size_t viewUpdates = 0;
    std::size_t textBytes = 0;
    std::optional<platform::TextRange> selection;
    bool keyboardVisible = false;
    bool operator==(const ScreenState&) const = default;
  };
  ScreenState screenState() const;
  // Runs a simulator call; a key the keyboard lacks is shown, not fatal.
  template <class F>
  void attempt(F&& action);

  SimulatorOptions options_;
  double scale_;
  std::unique_ptr<Simulator> simulator_;
  platform::ui::HostFrame frame_;
  std::vector<platform::ui::PixelRect> repainted_;
  bool dirty_ = true;
  ScreenState drawnState_;
  bool dark_ = false;
  int theme_ = -1;
  std::string problem_;
};

}  // namespace keyboard_simulator
