#include "apps/keyboard-simulator/SimulatorFinger.h"

#include <algorithm>
#include <cmath>

#include "keyloom/controller/KeyboardHostingController.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/MainQueue.h"

namespace keyboard_simulator {

SimulatorFinger::SimulatorFinger(std::shared_ptr<platform::SimulatedHost> host,
                                 std::shared_ptr<keyloom::KeyboardInputViewController> controller)
    : host_(std::move(host)), controller_(std::move(controller)) {}

platform::ui::ViewHost* SimulatorFinger::view() const {
  auto hosting = controller_->hostingController();
  if (!hosting) return nullptr;
  // Measured with the fonts the screen is drawn with from the start (the
  // simulator makes them every tree's), so touches land where keys are drawn.
  return &hosting->viewHost();
}

// The view lays out in its own bounds; the screen shows it in the keyboard's frame.
platform::Point SimulatorFinger::toView(platform::Point screen) const {
  const platform::Rect frame = host_->keyboardFrame();
  platform::Point origin;
  if (auto* tree = view(); tree && tree->layoutBounds()) origin = tree->layoutBounds()->origin;
  return {screen.x - frame.origin.x + origin.x, screen.y - frame.origin.y + origin.y};
}

platform::Point SimulatorFinger::toScreen(platform::Point point) const {
  const platform::Rect frame = host_->keyboardFrame();
  platform::Point origin;
  if (auto* tree = view(); tree && tree->layoutBounds()) origin = tree->layoutBounds()->origin;
  return {point.x - origin.x + frame.origin.x, point.y - origin.y + frame.origin.y};
}

platform::Point SimulatorFinger::center(const platform::ui::Node& node) const {
  return toScreen({node.frame.midX(), node.frame.midY()});
}

std::optional<platform::Point> SimulatorFinger::touchPoint(const platform::ui::Node& node,
                                                           platform::Rect within) const {
  auto* tree = view();
  if (!tree) return std::nullopt;
  const platform::Rect& frame = node.frame;
  const double minX = std::max(frame.minX(), within.minX()), maxX = std::min(frame.maxX(), within.maxX());
  const double minY = std::max(frame.minY(), within.minY()), maxY = std::min(frame.maxY(), within.maxY());
  if (minX >= maxX || minY >= maxY) return std::nullopt;
  auto lands = [&](platform::Point point) {
    for (const auto& link : tree->hitTest(point)) {
      if (link.node.get() == &node) return true;
    }
    return false;
  };
  // Points sampled from the middle out, as a person aims at the middle of
  // what they see of it.
  constexpr int kSamples = 9;
  for (int ring = 0; ring <= kSamples / 2; ++ring) {
    for (int dy = -ring; dy <= ring; ++dy) {
      for (int dx = -ring; dx <= ring; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const platform::Point point{minX + (maxX - minX) * (0.5 + dx / static_cast<double>(kSamples)),
                                    minY + (maxY - minY) * (0.5 + dy / static_cast<double>(kSamples))};
        if (lands(point)) return toScreen(point);
      }
    }
  }
  return std::nullopt;
}

std::optional<platform::Point> SimulatorFinger::keyCenter(const keyloom::KeyboardAction& action) const {
  auto* tree = view();
  if (!tree || !host_->isKeyboardVisible()) return std::nullopt;
  host_->runMainQueue();
  auto node = findKey(*tree, action);
  if (!node) return std::nullopt;
  return center(*node);
}

// A search of the whole tree per key press costs more than the press: a node
// found before is still the key's while the tree has kept its structure and
// the node still carries the action.
std::shared_ptr<platform::ui::Node> SimulatorFinger::findKey(platform::ui::ViewHost& tree,
                                                            const keyloom::KeyboardAction& action) const {
  if (foundIn_ != &tree || foundAtVersion_ != tree.structureVersion()) {
    foundKeys_.clear();
    foundIn_ = &tree;
    foundAtVersion_ = tree.structureVersion();
  }
  for (const auto& found : foundKeys_) {
    if (!(found.action == action)) continue;
    auto node = found.node.lock();
    const auto* attached = node ? node->attached<keyloom::KeyboardAction>() : nullptr;
    if (node && node->isAttached() && attached && *attached == action) return node;
    break;
  }
  auto node = tree.findAttached(action);
  std::erase_if(foundKeys_, [&](const FoundKey& found) { return found.action == action; });
  if (node) foundKeys_.push_back({action, node});
  return node;
}

void SimulatorFinger::down(platform::Point screen) {
  if (touch_) up();
  auto* tree = view();
  if (!tree) throw platform::Error("the keyboard shows nothing to touch");
  touch_ = tree->touches().down(toView(screen));
  point_ = screen;
  host_->runMainQueue();
}

void SimulatorFinger::moveTo(platform::Point screen) {
  if (!touch_) return;
  if (auto* tree = view(); tree && tree->touches().isActive(*touch_)) tree->touches().move(*touch_, toView(screen));
  point_ = screen;
  host_->runMainQueue();
}

void SimulatorFinger::slide(double dx, double dy) {
  const double distance = std::hypot(dx, dy);
  const int steps = std::max(1, static_cast<int>(std::ceil(distance / slideStep)));
  const platform::Point from = point_;
  for (int step = 1; step <= steps; ++step) {
    host_->runMainQueue();
    platform::MainQueue::main().advance(frameInterval);
    moveTo({from.x + dx * step / steps, from.y + dy * step / steps});
  }
}

void SimulatorFinger::up() {
  if (!touch_) return;
  if (auto* tree = view(); tree && tree->touches().isActive(*touch_)) tree->touches().up(*touch_, toView(point_));
  touch_.reset();
  host_->runMainQueue();
}

void SimulatorFinger::cancel() {
  if (!touch_) return;
  if (auto* tree = view(); tree && tree->touches().isActive(*touch_)) tree->touches().cancel(*touch_);
  touch_.reset();
  host_->runMainQueue();
}

}  // namespace keyboard_simulator
