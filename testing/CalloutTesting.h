#pragma once

#include <memory>
#include <string>

#include "platform/ui/UI.h"
#include "platform/ui/ViewHost.h"

namespace keyloom::testing {

// A key measured in a named coordinate space: the proxy reports `frame` in
// the space named `space`, which is `spaceSize` big.
class KeyGeometry {
 public:
  KeyGeometry(const std::string& space, platform::Rect frame, platform::Size spaceSize = {400, 800})
      : host_(std::make_unique<platform::ui::ViewHost>(
            platform::ui::VStack({platform::ui::GeometryReader([this](const platform::ui::GeometryProxy& proxy) {
              proxy_ = proxy;
              return platform::ui::View(platform::ui::Color::clear());
            })}).coordinateSpace(space))) {
    host_->root()->frame = platform::Rect(100, 200, spaceSize.width, spaceSize.height);
    host_->findAll(platform::ui::NodeKind::geometryReader).at(0)->frame =
        platform::Rect(frame.origin.x + 100, frame.origin.y + 200, frame.width(), frame.height());
  }

  const platform::ui::GeometryProxy& proxy() const { return proxy_; }

 private:
  platform::ui::GeometryProxy proxy_;
  std::unique_ptr<platform::ui::ViewHost> host_;
};

}  // namespace keyloom::testing
