#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Geometry.h"

namespace platform::ui {

// A view of the platform's own kind (a button, a text field) shown inside the
// tree. Concrete platform views derive from it or wrap one.
enum class TouchPhase { began, moved, ended, cancelled };

class PlatformView {
 public:
  virtual ~PlatformView();
  virtual std::string description() const;
  // The frame the layout gave the view, in the host's coordinates.
  virtual void setLayoutFrame(Rect frame);
  // A touch on the view, at a point in its own coordinates. Platform views
  // take every touch that lands on them, whatever the gestures around.
  virtual void touch(TouchPhase phase, Point location);
};

// Embeds a platform view: made once per identity, updated at every
// evaluation with the newest representable value.
class ViewRepresentable {
 public:
  virtual ~ViewRepresentable();
  virtual std::shared_ptr<PlatformView> makeView() const = 0;
  virtual void updateView(PlatformView& view) const;
  virtual std::string description() const;
};

}  // namespace platform::ui
