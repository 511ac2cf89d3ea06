#include "keyloom/controller/KeyboardHostingController.h"

#include "keyloom/controller/KeyboardInputViewController.h"

namespace keyloom {

KeyboardHostingController::KeyboardHostingController(platform::ui::View rootView)
    : HostingController(std::move(rootView)) {}

KeyboardHostingController::~KeyboardHostingController() {
  removeFromParent();
  if (auto hosted = viewIfLoaded()) hosted->removeFromSuperview();
}

void KeyboardHostingController::add(KeyboardInputViewController& controller) {
  auto self = shared_from_this();
  controller.addChild(self);
  auto parentView = controller.view();
  auto hostedView = view();
  parentView->addSubview(hostedView);
  didMoveToParent(&controller);
  hostedView->setBackgroundColor(platform::View::Color::clear());
  hostedView->setTranslatesAutoresizingMaskIntoConstraints(false);
  using platform::LayoutAttribute;
  for (LayoutAttribute edge :
       {LayoutAttribute::leading, LayoutAttribute::trailing, LayoutAttribute::top, LayoutAttribute::bottom}) {
    parentView->addConstraint(platform::LayoutConstraint{hostedView, edge, parentView, edge, 0});
  }
}

void KeyboardHostingController::viewWillLayoutSubviews() {
  HostingController::viewWillLayoutSubviews();
  updateViewConstraints();
}

}  // namespace keyloom
