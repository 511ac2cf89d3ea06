#pragma once

#include <memory>
#include <string>

namespace platform::ui {

// A view of the platform's own kind (a button, a text field) shown inside the
// tree. Concrete platform views derive from it or wrap one.
class PlatformView {
 public:
  virtual ~PlatformView();
  virtual std::string description() const;
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
