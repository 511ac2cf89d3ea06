#include "platform/ui/ViewHost.h"

#include "platform/foundation/MainQueue.h"
#include "platform/foundation/ProcessState.h"
#include "platform/ui/Layout.h"
#include "platform/ui/MenuPresentation.h"
#include "platform/ui/TouchPipeline.h"
#include "platform/ui/ViewTree.h"

namespace platform::ui {

namespace {
// Layout rounds for GeometryReaders whose content depends on their size.
constexpr int maxLayoutRounds = 4;

void setNeedsLayoutEverywhere(Node& node) {
  node.setNeedsLayout();
  for (const auto& child : node.children()) setNeedsLayoutEverywhere(*child);
}

std::shared_ptr<const FontMetrics>& defaultFontMetrics() {
  static std::shared_ptr<const FontMetrics> metrics = [] {
    registerProcessReset([] { defaultFontMetrics().reset(); });
    return std::shared_ptr<const FontMetrics>();
  }();
  return metrics;
}
}  // namespace

ViewHost::ViewHost(View rootView, EnvironmentValues environment)
    : tree_(std::make_shared<ViewTree>(std::move(environment))),
      rootView_(std::move(rootView)),
      metrics_(defaultFontMetrics()) {
  tree_->setDidUpdate([this] { treeDidUpdate(); });
  tree_->setRootView(rootView_);
}

ViewHost::~ViewHost() {
  touches_.reset();
  tree_->setDidUpdate(nullptr);
}

void ViewHost::treeDidUpdate() {
  if (menuPresentation_) {
    auto menu = menu_.lock();
    if (!menu || !menu->isAttached()) {
      // Not now: the tree is in the middle of its update.
      std::weak_ptr<ViewHost*> self = self_;
      MainQueue::main().async([self] {
        if (auto host = self.lock()) {
          auto menu = (*host)->menu_.lock();
          if (!menu || !menu->isAttached()) (*host)->dismissMenu();
        }
      });
    }
  }
  if (layingOut_) {
    updatedDuringLayout_ = true;
    return;
  }
  relayout();
  if (didUpdate_) didUpdate_();
}

void ViewHost::layout(Rect bounds) {
  // An open menu was placed for the old bounds.
  if (bounds_ && *bounds_ != bounds) dismissMenu();
  bounds_ = bounds;
  relayout();
}

void ViewHost::relayout() {
  if (!bounds_ || layingOut_) return;
  layingOut_ = true;
  updatedDuringLayout_ = false;
  if (needsFullLayout_) {
    setNeedsLayoutEverywhere(*root());
    needsFullLayout_ = false;
  }
  const auto mode = incrementalLayout_ ? LayoutEngine::Mode::incremental : LayoutEngine::Mode::full;
  for (int round = 0;; ++round) {
    LayoutEngine engine(fontMetrics(), mode);
    engine.layout(*root(), *bounds_);
    if (engine.geometryChanges().empty()) break;
    if (round + 1 == maxLayoutRounds) {
      // Readers still off their size must be found again next time.
      needsFullLayout_ = true;
      break;
    }
    for (Node* reader : engine.geometryChanges()) reader->setNeedsEvaluation();
    tree_->update();
  }
  layingOut_ = false;
  if (updatedDuringLayout_) {
    updatedDuringLayout_ = false;
    if (didUpdate_) didUpdate_();
  }
}

Size ViewHost::sizeThatFits(ProposedSize proposal) const {
  Node& node = *root();
  // Laid out incrementally with nothing marked since, the nodes' answers
  // hold: the tree answers from them, measuring only what it was never
  // asked, and what it learns stays valid for the next incremental pass,
  // which checks every answer a changed node remembers. Otherwise a full
  // engine, which keeps no memory in the nodes, so the next incremental pass
  // is not disturbed.
  const bool answersHold = bounds_ && incrementalLayout_ && !needsFullLayout_ && !layingOut_ && !node.needsLayout();
  LayoutEngine engine(fontMetrics(), answersHold ? LayoutEngine::Mode::incremental : LayoutEngine::Mode::full);
  return engine.sizeThatFits(node, proposal);
}

void ViewHost::setFontMetrics(std::shared_ptr<const FontMetrics> metrics) {
  if (metrics == metrics_) return;
  metrics_ = std::move(metrics);
  needsFullLayout_ = true;  // every text may measure differently
  relayout();
  // Whoever follows the tree's size hears of it as of any other change.
  if (bounds_ && didUpdate_) didUpdate_();
}

void ViewHost::setDefaultFontMetrics(std::shared_ptr<const FontMetrics> metrics) {
  defaultFontMetrics() = std::move(metrics);
}

void ViewHost::setIncrementalLayout(bool incremental) { incrementalLayout_ = incremental; }

const FontMetrics& ViewHost::fontMetrics() const {
  return metrics_ ? *metrics_ : FixedFontMetrics::shared();
}

std::vector<HitLink> ViewHost::hitTest(Point point) const { return platform::ui::hitTest(*root(), point); }

TouchPipeline& ViewHost::touches() {
  if (!touches_) touches_ = std::make_unique<TouchPipeline>(*this);
  return *touches_;
}

void ViewHost::setRootView(View rootView) {
  rootView_ = std::move(rootView);
  tree_->setRootView(presentedRootView());
}

View ViewHost::presentedRootView() const {
  if (!menuPresentation_) return rootView_;
  return rootView_.overlay(*menuPresentation_, Alignment::topLeading());
}

void ViewHost::presentMenu(const std::shared_ptr<Node>& menu) {
  if (!menu || !menu->isAttached() || !menu->content<MenuContent>()) return;
  auto entries = MenuPresentation::entriesOf(*menu);
  if (entries.empty()) return;
  std::weak_ptr<ViewHost*> self = self_;
  MenuPresentation presentation{
      .entries = std::move(entries),
      .anchor = menu->frame,
      .bounds = bounds_.value_or(root()->frame),
      .colorScheme = menu->colorScheme(),
      .dismiss =
          [self] {
            if (auto host = self.lock()) (*host)->dismissMenu();
          },
  };
  menu_ = menu;
  menuPresentation_ = View(std::move(presentation));
  tree_->setRootView(presentedRootView());
}

void ViewHost::dismissMenu() {
  if (!menuPresentation_) return;
  menu_.reset();
  menuPresentation_.reset();
  tree_->setRootView(presentedRootView());
}

std::shared_ptr<Node> ViewHost::presentedMenu() const { return menuPresentation_ ? menu_.lock() : nullptr; }

const EnvironmentValues& ViewHost::environment() const { return tree_->environment(); }

void ViewHost::setEnvironment(EnvironmentValues environment) {
  tree_->setEnvironment(std::move(environment));
}

void ViewHost::update() { tree_->update(); }
bool ViewHost::needsUpdate() const { return tree_->needsUpdate(); }
bool ViewHost::isUpdateScheduled() const { return tree_->isUpdateScheduled(); }
std::size_t ViewHost::updateCount() const { return tree_->updateCount(); }
std::size_t ViewHost::structureVersion() const { return tree_->structureVersion(); }
bool ViewHost::reachedRoundLimit() const { return tree_->reachedRoundLimit(); }

std::shared_ptr<Node> ViewHost::root() const { return tree_->root(); }

void ViewHost::setDidUpdate(std::function<void()> didUpdate) { didUpdate_ = std::move(didUpdate); }

std::vector<std::shared_ptr<Node>> ViewHost::findAll(NodeKind kind) const {
  return root()->findAll(kind);
}

std::vector<std::shared_ptr<Node>> ViewHost::findAll(
    const std::function<bool(const Node&)>& match) const {
  return root()->findAll(match);
}

std::shared_ptr<Node> ViewHost::find(const std::function<bool(const Node&)>& match) const {
  return root()->find(match);
}

std::shared_ptr<Node> ViewHost::findText(std::string_view text) const {
  return root()->findText(text);
}

std::shared_ptr<Node> ViewHost::findByAccessibilityIdentifier(std::string_view identifier) const {
  return root()->findByAccessibilityIdentifier(identifier);
}

std::string ViewHost::dump(const DumpOptions& options) const { return root()->dump(options); }

}  // namespace platform::ui
