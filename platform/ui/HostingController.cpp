#include "platform/ui/HostingController.h"

#include "platform/ui/TouchPipeline.h"

namespace platform::ui {

std::shared_ptr<HostingView> HostingView::make(ui::View rootView) {
  return std::shared_ptr<HostingView>(new HostingView(std::move(rootView)));
}

HostingView::HostingView(ui::View rootView) : platform::View(Rect()), host_(std::move(rootView)) {
  host_.setDidUpdate([this] { remeasure(); });
}

void HostingView::remeasure() {
  // Off screen nobody is told; the host asks again when it shows the view.
  if (!fitting_ || !window()) return;
  // The height asked for may change with other views (another keyboard),
  // with other text measuring, or when the same views no longer fill their
  // bounds (turned, in the dark): a tree that fills the bounds it was fitted
  // to, with the views and metrics it was measured with, asks for them still.
  // That check is free; asking the tree is not, so a key that changes
  // nothing but itself costs no measuring.
  const bool otherViews = host_.structureVersion() != fitting_->structure;
  const bool otherMetrics = &host_.fontMetrics() != fitting_->metrics;
  const auto bounds = host_.layoutBounds();
  const bool unfilled = bounds && host_.root()->frame.height() != bounds->height();
  if (!otherViews && !otherMetrics && !unfilled) return;
  const double height = host_.sizeThatFits({fitting_->target.width, fitting_->target.height}).height;
  const bool changed = height != fitting_->height;
  remember(fitting_->target, height);
  if (changed) invalidateIntrinsicContentSize();
}

void HostingView::remember(Size target, double height) {
  fitting_ = Fitting{target, height, host_.structureVersion(), &host_.fontMetrics()};
}

void HostingView::layoutSubviews() {
  platform::View::layoutSubviews();
  host_.layout(bounds());
}

Size HostingView::systemLayoutSizeFitting(Size target) {
  const double height = host_.sizeThatFits({target.width, target.height}).height;
  remember(target, height);
  return Size{target.width, height};
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
