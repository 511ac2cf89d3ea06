#include "platform/ui/ViewHost.h"

#include "platform/ui/ViewTree.h"

namespace platform::ui {

ViewHost::ViewHost(View rootView, EnvironmentValues environment)
    : tree_(std::make_shared<ViewTree>(std::move(environment))) {
  tree_->setRootView(std::move(rootView));
}

ViewHost::~ViewHost() = default;

void ViewHost::setRootView(View rootView) { tree_->setRootView(std::move(rootView)); }

const EnvironmentValues& ViewHost::environment() const { return tree_->environment(); }

void ViewHost::setEnvironment(EnvironmentValues environment) {
  tree_->setEnvironment(std::move(environment));
}

void ViewHost::update() { tree_->update(); }
bool ViewHost::needsUpdate() const { return tree_->needsUpdate(); }
bool ViewHost::isUpdateScheduled() const { return tree_->isUpdateScheduled(); }
std::size_t ViewHost::updateCount() const { return tree_->updateCount(); }
bool ViewHost::reachedRoundLimit() const { return tree_->reachedRoundLimit(); }

std::shared_ptr<Node> ViewHost::root() const { return tree_->root(); }

void ViewHost::setDidUpdate(std::function<void()> didUpdate) {
  tree_->setDidUpdate(std::move(didUpdate));
}

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
