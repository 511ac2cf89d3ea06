#pragma once

#include <memory>

#include "platform/ui/HostingController.h"

namespace keyloom {

class KeyboardInputViewController;

// Hosts the keyboard's view tree inside the keyboard controller's view.
// Always owned by std::shared_ptr.
class KeyboardHostingController : public platform::ui::HostingController {
 public:
  explicit KeyboardHostingController(platform::ui::View rootView);
  // Leaves its parent and takes its view out of the view tree, so no view of
  // a replaced hosting controller stays on screen.
  ~KeyboardHostingController() override;

  // Becomes a child of the controller, with its view as a clear subview of
  // the controller's view pinned to all four edges.
  virtual void add(KeyboardInputViewController& controller);

  void viewWillLayoutSubviews() override;
};

}  // namespace keyloom
