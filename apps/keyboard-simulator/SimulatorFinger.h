#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/foundation/Geometry.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/Node.h"
#include "platform/ui/TouchPipeline.h"
#include "platform/ui/ViewHost.h"

namespace keyboard_simulator {

// One finger on the keyboard's view, at points of the screen: it goes down,
// moves and lifts through the view's touch pipeline at the main queue's
// clock, as a finger on the device would. It finds where things are drawn
// (a key's frame) but never what a touch does.
class SimulatorFinger {
 public:
  // A sliding finger moves this far each frame.
  static constexpr double slideStep = 4;
  static constexpr platform::TimeInterval frameInterval = 1.0 / 60;

  SimulatorFinger(std::shared_ptr<platform::SimulatedHost> host,
                  std::shared_ptr<keyloom::KeyboardInputViewController> controller);

  // The keyboard's hosted view tree, laid out with the metrics the screen is
  // drawn with; null before it has one.
  platform::ui::ViewHost* view() const;
  // The centre on screen of the key of this action, or of a node of the
  // keyboard's view; absent when the keyboard's view shows no such key.
  std::optional<platform::Point> keyCenter(const keyloom::KeyboardAction& action) const;
  platform::Point center(const platform::ui::Node& node) const;
  // A point on screen, within `within` (view coordinates), where a touch
  // lands on `node` or on something inside it: its centre, else the nearest
  // point to it that no neighbour covers. Absent when no part takes a touch.
  std::optional<platform::Point> touchPoint(const platform::ui::Node& node, platform::Rect within) const;

  bool isDown() const { return touch_.has_value(); }
  // Throws platform::Error when the keyboard shows no view to touch.
  void down(platform::Point screen);
  void moveTo(platform::Point screen);
  // Moves by (dx, dy) through the points between, a frame at a time.
  void slide(double dx, double dy);
  void up();
  // Ends the touch without lifting it, as the system does when it takes the
  // screen from the keyboard: nothing the touch began is completed.
  void cancel();

 private:
  std::shared_ptr<platform::ui::Node> findKey(platform::ui::ViewHost& tree,
                                              const keyloom::KeyboardAction& action) const;
  platform::Point toView(platform::Point screen) const;
  platform::Point toScreen(platform::Point view) const;

  std::shared_ptr<platform::SimulatedHost> host_;
  std::shared_ptr<keyloom::KeyboardInputViewController> controller_;
  std::optional<platform::ui::TouchId> touch_;
  platform::Point point_;
  // Nodes found for keys, while the view tree keeps its structure.
  struct FoundKey {
    keyloom::KeyboardAction action;
    std::weak_ptr<platform::ui::Node> node;
  };
  mutable const platform::ui::ViewHost* foundIn_ = nullptr;
  mutable std::size_t foundAtVersion_ = 0;
  mutable std::vector<FoundKey> foundKeys_;
};

}  // namespace keyboard_simulator
