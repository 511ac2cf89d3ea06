#include "platform/ui/HostingController.h"

#include "platform/ui/TouchPipeline.h"

namespace platform::ui {

std::shared_ptr<HostingView> HostingView::make(ui::View rootView) {
  return std::shared_ptr<HostingView>(new HostingView(std::move(rootView)));
}

HostingView::HostingView(ui::View rootView) : platform::View(Rect()), host_(std::move(rootView)) {
  announcedStructure_ = host_.structureVersion();
  // A tree that shows other views (another keyboard) may ask for another
  // size; updates within the same views leave it as it was.
  host_.setDidUpdate([this] {
    if (host_.structureVersion() == announcedStructure_) return;
    announcedStructure_ = host_.structureVersion();
    invalidateIntrinsicContentSize();
  });
}

void HostingView::layoutSubviews() {
  platform::View::layoutSubviews();
  host_.layout(bounds());
}

Size HostingView::systemLayoutSizeFitting(Size target) {
  return Size{target.width, host_.sizeThatFits({target.width, target.height}).height};
}

void HostingView::didMoveToWindow() {
  if (window()) return;
  host_.touches().cancelAll();
  host_.dismissMenu();
}

HostingController::HostingController(View rootView) : rootView_(std::move(rootView)) {}

HostingController::~HostingController() = default;

void HostingController::setRootView(View rootView) {
  rootView_ = std::move(rootView);
  if (isViewLoaded()) hostingView()->host().setRootView(rootView_);
}

std::shared_ptr<HostingView> HostingController::hostingView() {
  return std::static_pointer_cast<HostingView>(view());
}

void HostingController::loadView() { setView(HostingView::make(rootView_)); }

std::shared_ptr<Responder> HostingController::sharedResponder() const {
  return std::const_pointer_cast<HostingController>(weak_from_this().lock());
}

}  // namespace platform::ui
