#pragma once

#include <functional>

#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// The root of the keyboard's hosted view tree. Its body is whatever the
// builder returns, made anew on every evaluation; the root observes the
// autocomplete, callout and keyboard contexts of the environment, so a
// published change of any of them calls the builder again. The other
// environment objects are left to the views below that read them. Every view
// below resolves its colours in the colour scheme the keyboard context reports.
//
// The three contexts must be in the environment (the controller supplies
// them, with three more, when it hosts the root).
class KeyboardRootView {
 public:
  using Builder = std::function<platform::ui::View()>;

  explicit KeyboardRootView(Builder view) : view_(std::move(view)) {}

  platform::ui::View body(platform::ui::BodyContext& context) const;

 private:
  Builder view_;
};

}  // namespace keyloom
