#include "platform/ui/TouchPipeline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/DragGesture.h"
#include "platform/ui/HitTest.h"
#include "platform/ui/LongPressGesture.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/TapGesture.h"
#include "platform/ui/ViewHost.h"

namespace platform::ui {

namespace {

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

Date now() { return Clock::current().now(); }

enum class ParticipantKind { drag, tap, tapAction, longPress };

struct Participant {
  ParticipantKind kind = ParticipantKind::drag;
  std::weak_ptr<Node> node;
  std::size_t modifierIndex = 0;
  std::size_t chainIndex = 0;  // 0: the touched view
  GesturePriority priority = GesturePriority::normal;
  std::shared_ptr<const Gesture> gesture;
  int tapCount = 1;
  std::function<void()> tapAction;
  Rect frame;
  bool recognized = false;
  bool finished = false;  // failed, ended or cancelled
  DragValue last;
};

struct Touch {
  TouchId id = 0;
  Point start;
  Point location;
  std::weak_ptr<Node> target;
  std::vector<Participant> participants;  // the touched view's first
  std::weak_ptr<Node> button;
  std::size_t buttonChainIndex = 0;
  bool buttonCancelled = false;
  std::weak_ptr<Node> scrollView;
  std::size_t scrollChainIndex = 0;
  bool scrolling = false;
  bool scrollFailed = false;
  Point scrollStartOffset;
  Point scrollStartLocation;
  std::weak_ptr<Node> platformNode;
  bool platformCancelled = false;
  // The touch moved too far, or a scroll view took it: no menu opens.
  bool menuFailed = false;
};

struct LastTap {
  Date time;
  Point location;
  int count = 0;
};

// Keeps a participant's gesture and frame current: views are evaluated again
// while a touch lasts, and their gestures with them.
void refresh(Participant& p) {
  auto node = p.node.lock();
  if (!node || !node->isAttached()) return;
  const auto& modifiers = node->modifiers();
  if (p.modifierIndex < modifiers.size()) {
    const Modifier& m = modifiers[p.modifierIndex];
    if (auto* attachment = m.as<GestureAttachment>()) {
      if (attachment->gesture && p.gesture && typeid(*attachment->gesture) == typeid(*p.gesture)) {
        p.gesture = attachment->gesture;
      }
    } else if (auto* tap = m.as<TapAction>()) {
      p.tapAction = tap->action;
    }
  }
  p.frame = node->frameAt(p.modifierIndex);
}

DragValue dragValue(const Participant& p, const DragGesture& drag, Point start, Point location) {
  Point origin;
  if (auto node = p.node.lock()) origin = coordinateSpaceOrigin(*node, p.modifierIndex, drag.coordinateSpace());
  DragValue value;
  value.startLocation = Point{start.x - origin.x, start.y - origin.y};
  value.location = Point{location.x - origin.x, location.y - origin.y};
  value.translation = Size{location.x - start.x, location.y - start.y};
  value.time = now();
  return value;
}

void runButtonAction(Node& node) {
  if (auto* button = node.content<ButtonContent>()) {
    if (button->action) button->action();
  } else if (auto* link = node.content<LinkContent>()) {
    if (const auto& open = node.environment().get(openURLKey)) open(link->url);
  } else if (auto* menu = node.content<MenuContent>()) {
    if (menu->primaryAction) menu->primaryAction();
  }
}

bool isButtonLike(const Node& node) {
  return node.content<ButtonContent>() || node.content<LinkContent>() || node.content<MenuContent>();
}

Point localTo(const Node& node, Point point) {
  return Point{point.x - node.contentFrame.origin.x, point.y - node.contentFrame.origin.y};
}

}  // namespace

struct TouchPipeline::State : std::enable_shared_from_this<TouchPipeline::State> {
  explicit State(ViewHost& host) : host(host) {}

  ViewHost& host;
  std::map<TouchId, Touch> touches;
  TouchId nextId = 1;
  std::optional<LastTap> lastTap;

  void afterEvent() {
    if (host.needsUpdate()) host.update();
  }

  // A gesture inside a menu's label recognised the touch: the label's own
  // gestures handle it, and the menu neither shows pressed nor acts.
  void yieldMenuTo(Touch& touch, const Participant& p) {
    auto button = touch.button.lock();
    if (!button || touch.buttonCancelled || p.chainIndex >= touch.buttonChainIndex) return;
    if (!button->content<MenuContent>()) return;
    // A long press of the label's own is not the menu's to open on.
    if (p.kind == ParticipantKind::longPress) touch.menuFailed = true;
    touch.buttonCancelled = true;
    button->setPressed(false);
  }

  Touch* find(TouchId id) {
    auto it = touches.find(id);
    return it == touches.end() ? nullptr : &it->second;
  }

  void collect(Touch& touch, const std::vector<HitLink>& chain) {
    bool enabled = true;
    for (std::size_t ci = chain.size(); ci-- > 0;) {
      const HitLink& link = chain[ci];
      const auto& node = link.node;
      const auto& modifiers = node->modifiers();
      for (std::size_t i = modifiers.size(); i-- > link.firstModifier;) {
        const Modifier& m = modifiers[i];
        if (auto* attachment = m.as<GestureAttachment>()) {
          bool own = enabled && (attachment->mask == GestureMask::gesture ||
                                 attachment->mask == GestureMask::all);
          if (own && attachment->gesture) add(touch, node, i, ci, *attachment);
          if (attachment->mask == GestureMask::gesture || attachment->mask == GestureMask::none) {
            enabled = false;
          }
        } else if (auto* tap = m.as<TapAction>(); tap && enabled) {
          Participant p;
          p.kind = ParticipantKind::tapAction;
          p.node = node;
          p.modifierIndex = i;
          p.chainIndex = ci;
          p.tapCount = std::max(1, tap->count);
          p.tapAction = tap->action;
          touch.participants.push_back(std::move(p));
        }
      }
      if (!enabled) continue;
      if (isButtonLike(*node)) {
        touch.button = node;
        touch.buttonChainIndex = ci;
      }
      if (node->kind() == NodeKind::scrollView) {
        touch.scrollView = node;
        touch.scrollChainIndex = ci;
      }
      if (ci == 0 && node->platformView()) touch.platformNode = node;
    }
    std::stable_sort(touch.participants.begin(), touch.participants.end(),
                     [](const Participant& a, const Participant& b) { return a.chainIndex < b.chainIndex; });
    for (auto& p : touch.participants) refresh(p);
  }

  void add(Touch& touch, const std::shared_ptr<Node>& node, std::size_t index, std::size_t ci,
           const GestureAttachment& attachment) {
    Participant p;
    p.node = node;
    p.modifierIndex = index;
    p.chainIndex = ci;
    p.priority = attachment.priority;
    p.gesture = attachment.gesture;
    if (dynamic_cast<const DragGesture*>(p.gesture.get())) p.kind = ParticipantKind::drag;
    else if (dynamic_cast<const TapGesture*>(p.gesture.get())) p.kind = ParticipantKind::tap;
    else if (dynamic_cast<const LongPressGesture*>(p.gesture.get())) p.kind = ParticipantKind::longPress;
    else return;  // a gesture this pipeline does not know how to recognise
    touch.participants.push_back(std::move(p));
  }

  // Drags that have moved far enough are recognised and told of the move.
  void deliverMove(Touch& touch) {
    if (distance(touch.start, touch.location) > tapSlop) touch.menuFailed = true;
    for (auto& p : touch.participants) {
      if (p.finished) continue;
      refresh(p);
      const double moved = distance(touch.start, touch.location);
      switch (p.kind) {
        case ParticipantKind::drag: {
          auto drag = std::static_pointer_cast<const DragGesture>(p.gesture);
          if (!p.recognized && moved >= drag->minimumDistance()) {
            p.recognized = true;
            yieldMenuTo(touch, p);
          }
          if (p.recognized) {
            p.last = dragValue(p, *drag, touch.start, touch.location);
            drag->changed(p.last);
          }
          break;
        }
        case ParticipantKind::tap:
        case ParticipantKind::tapAction:
          if (moved > tapSlop) p.finished = true;
          break;
        case ParticipantKind::longPress: {
          auto press = std::static_pointer_cast<const LongPressGesture>(p.gesture);
          if (moved > press->maximumDistance()) p.finished = true;
          break;
        }
      }
    }
  }

  void scheduleLongPresses(Touch& touch) {
    for (std::size_t i = 0; i < touch.participants.size(); ++i) {
      auto& p = touch.participants[i];
      if (p.kind != ParticipantKind::longPress) continue;
      auto press = std::static_pointer_cast<const LongPressGesture>(p.gesture);
      std::weak_ptr<State> weak = weak_from_this();
      TouchId id = touch.id;
      MainQueue::main().asyncAfter(press->minimumDuration(), [weak, id, i] {
        auto state = weak.lock();
        if (!state) return;
        Touch* touch = state->find(id);
        if (!touch || i >= touch->participants.size()) return;
        Participant& p = touch->participants[i];
        if (p.finished) return;
        p.finished = true;
        refresh(p);
        state->yieldMenuTo(*touch, p);
        std::static_pointer_cast<const LongPressGesture>(p.gesture)->ended();
        state->afterEvent();
      });
    }
  }

  // A menu under the touch opens once the touch has stayed on it long enough.
  void scheduleMenu(Touch& touch) {
    auto menu = touch.button.lock();
    if (!menu || !menu->content<MenuContent>() || menu->children(NodeRole::menuItems).empty()) return;
    std::weak_ptr<State> weak = weak_from_this();
    TouchId id = touch.id;
    MainQueue::main().asyncAfter(menuPressDuration, [weak, id] {
      auto state = weak.lock();
      if (!state) return;
      Touch* touch = state->find(id);
      if (!touch || touch->menuFailed) return;
      auto menu = touch->button.lock();
      if (!menu || !menu->isAttached()) return;
      // The menu has the touch now: nothing else acts on it, and lifting it
      // leaves the menu open.
      touch->menuFailed = true;
      touch->scrollFailed = true;
      state->cancelInside(*touch, std::numeric_limits<std::size_t>::max());
      state->host.presentMenu(menu);
      state->afterEvent();
    });
  }

  // The views inside the scroll view lose the touch.
  void cancelInside(Touch& touch, std::size_t chainLimit) {
    touch.menuFailed = true;
    for (auto& p : touch.participants) {
      if (p.chainIndex >= chainLimit || p.finished) continue;
      p.finished = true;
      if (p.kind == ParticipantKind::drag && p.recognized) {
        refresh(p);
        DragValue value = p.last;
        value.time = now();
        value.isCancelled = true;
        std::static_pointer_cast<const DragGesture>(p.gesture)->ended(value);
      }
    }
    if (auto button = touch.button.lock(); button && touch.buttonChainIndex < chainLimit) {
      touch.buttonCancelled = true;
      button->setPressed(false);
    }
    if (auto node = touch.platformNode.lock(); node && !touch.platformCancelled && chainLimit > 0) {
      touch.platformCancelled = true;
      if (auto view = node->platformView()) view->touch(TouchPhase::cancelled, localTo(*node, touch.location));
    }
  }

  void updateScroll(Touch& touch) {
    auto scroll = touch.scrollView.lock();
    if (!scroll || touch.scrollFailed) return;
    const Axis axis = scroll->content<ScrollViewContent>()->axis;
    const double dx = touch.location.x - touch.start.x;
    const double dy = touch.location.y - touch.start.y;
    const double alongMove = axis == Axis::horizontal ? dx : dy;
    const double acrossMove = axis == Axis::horizontal ? dy : dx;
    if (!touch.scrolling) {
      if (std::abs(alongMove) > scrollSlop && std::abs(alongMove) >= std::abs(acrossMove)) {
        // The content follows the finger from where it went down, so a quick
        // drag that crosses the slop in one move loses none of it.
        touch.scrolling = true;
        touch.scrollStartOffset = scroll->scrollOffset;
        touch.scrollStartLocation = touch.start;
        cancelInside(touch, touch.scrollChainIndex);
      } else {
        if (std::abs(acrossMove) > scrollSlop) touch.scrollFailed = true;
        return;
      }
    }
    if (axis == Axis::horizontal) {
      scroll->scrollOffset.x = touch.scrollStartOffset.x - (touch.location.x - touch.scrollStartLocation.x);
    } else {
      scroll->scrollOffset.y = touch.scrollStartOffset.y - (touch.location.y - touch.scrollStartLocation.y);
    }
    scroll->setNeedsLayout();
    host.relayout();
  }

  void updateButton(Touch& touch) {
    auto button = touch.button.lock();
    if (!button || touch.buttonCancelled) return;
    button->setPressed(button->contentFrame.contains(touch.location));
  }

  void finishTaps(Touch& touch) {
    std::vector<Participant*> completed;
    for (auto& p : touch.participants) {
      if (p.finished || (p.kind != ParticipantKind::tap && p.kind != ParticipantKind::tapAction)) continue;
      refresh(p);
      p.finished = true;
      if (p.frame.contains(touch.location)) completed.push_back(&p);
    }
    const Date time = now();
    int count = 1;
    if (lastTap && time.timeIntervalSince(lastTap->time) <= multiTapInterval &&
        distance(lastTap->location, touch.location) <= 2 * tapSlop) {
      count = lastTap->count + 1;
    }
    if (distance(touch.start, touch.location) <= tapSlop) lastTap = LastTap{time, touch.location, count};

    auto countOf = [](const Participant& p) {
      if (p.kind == ParticipantKind::tapAction) return p.tapCount;
      return std::static_pointer_cast<const TapGesture>(p.gesture)->count();
    };
    std::vector<Participant*> matching;
    for (auto* p : completed) {
      if (count % countOf(*p) == 0) matching.push_back(p);
    }
    // Innermost first; on one view, the tap of more taps first.
    std::stable_sort(matching.begin(), matching.end(), [&](const Participant* a, const Participant* b) {
      if (a->chainIndex != b->chainIndex) return a->chainIndex < b->chainIndex;
      return countOf(*a) > countOf(*b);
    });
    Participant* exclusive = nullptr;
    for (auto* p : matching) {  // innermost first
      if (p->priority == GesturePriority::high) exclusive = p;  // the outermost high one wins
    }
    if (!exclusive) {
      for (auto* p : matching) {
        if (p->priority == GesturePriority::normal) {
          exclusive = p;
          break;
        }
      }
    }
    for (auto* p : matching) {
      if (p != exclusive && p->priority != GesturePriority::simultaneous) continue;
      yieldMenuTo(touch, *p);
      if (p->kind == ParticipantKind::tapAction) {
        if (p->tapAction) p->tapAction();
      } else {
        std::static_pointer_cast<const TapGesture>(p->gesture)->ended();
      }
    }
  }

  void finish(Touch& touch, bool cancelled) {
    for (auto& p : touch.participants) {
      if (p.finished) continue;
      if (p.kind == ParticipantKind::drag) {
        p.finished = true;
        if (!p.recognized) continue;
        refresh(p);
        auto drag = std::static_pointer_cast<const DragGesture>(p.gesture);
        DragValue value = cancelled ? p.last : dragValue(p, *drag, touch.start, touch.location);
        value.time = now();
        value.isCancelled = cancelled;
        drag->ended(value);
      } else if (p.kind == ParticipantKind::longPress) {
        p.finished = true;
      }
    }
    if (!cancelled) finishTaps(touch);
    if (auto button = touch.button.lock(); button && !touch.buttonCancelled) {
      bool inside = !cancelled && button->contentFrame.contains(touch.location) && button->isPressed();
      button->setPressed(false);
      if (inside) runButtonAction(*button);
    }
    if (auto node = touch.platformNode.lock(); node && !touch.platformCancelled) {
      if (auto view = node->platformView()) {
        view->touch(cancelled ? TouchPhase::cancelled : TouchPhase::ended, localTo(*node, touch.location));
      }
    }
  }
};

TouchPipeline::TouchPipeline(ViewHost& host) : state_(std::make_shared<State>(host)) {}

TouchPipeline::~TouchPipeline() = default;

TouchId TouchPipeline::down(Point location) {
  State& s = *state_;
  Touch touch;
  touch.id = s.nextId++;
  touch.start = location;
  touch.location = location;
  auto chain = s.host.hitTest(location);
  if (!chain.empty()) {
    touch.target = chain.front().node;
    s.collect(touch, chain);
  }
  Touch& stored = s.touches.emplace(touch.id, std::move(touch)).first->second;
  if (auto node = stored.platformNode.lock()) {
    if (auto view = node->platformView()) view->touch(TouchPhase::began, localTo(*node, location));
  }
  s.deliverMove(stored);
  if (auto button = stored.button.lock(); button && !stored.buttonCancelled) button->setPressed(true);
  s.scheduleLongPresses(stored);
  s.scheduleMenu(stored);
  s.afterEvent();
  return stored.id;
}

void TouchPipeline::move(TouchId id, Point location) {
  State& s = *state_;
  Touch* touch = s.find(id);
  if (!touch || touch->location == location) return;
  touch->location = location;
  s.updateScroll(*touch);
  s.deliverMove(*touch);
  s.updateButton(*touch);
  if (auto node = touch->platformNode.lock(); node && !touch->platformCancelled) {
    if (auto view = node->platformView()) view->touch(TouchPhase::moved, localTo(*node, location));
  }
  s.afterEvent();
}

void TouchPipeline::up(TouchId id, Point location) {
  State& s = *state_;
  if (!s.find(id)) return;
  move(id, location);
  Touch* touch = s.find(id);
  if (!touch) return;
  Touch ended = std::move(*touch);
  s.touches.erase(id);
  s.finish(ended, false);
  s.afterEvent();
}

void TouchPipeline::up(TouchId id) {
  if (Touch* touch = state_->find(id)) up(id, touch->location);
}

void TouchPipeline::cancel(TouchId id) {
  State& s = *state_;
  Touch* touch = s.find(id);
  if (!touch) return;
  Touch ended = std::move(*touch);
  s.touches.erase(id);
  s.finish(ended, true);
  s.afterEvent();
}

void TouchPipeline::cancelAll() {
  std::vector<TouchId> ids;
  for (const auto& [id, touch] : state_->touches) ids.push_back(id);
  for (TouchId id : ids) cancel(id);
}

void TouchPipeline::tap(Point location) { up(down(location), location); }

bool TouchPipeline::isActive(TouchId id) const { return state_->touches.count(id) != 0; }

std::size_t TouchPipeline::activeTouchCount() const { return state_->touches.size(); }

std::shared_ptr<Node> TouchPipeline::target(TouchId id) const {
  auto it = state_->touches.find(id);
  return it == state_->touches.end() ? nullptr : it->second.target.lock();
}

bool TouchPipeline::isScrolling(TouchId id) const {
  auto it = state_->touches.find(id);
  return it != state_->touches.end() && it->second.scrolling;
}

}  // namespace platform::ui
