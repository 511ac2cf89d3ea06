#include "keyloom/state/FeatureToggle.h"

#include <algorithm>
#include <utility>

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

std::shared_ptr<FeatureToggle>& sharedStorage() {
  // The magic static makes the first creation happen exactly once, even when
  // several threads reach it together.
  static std::shared_ptr<FeatureToggle> toggle = [] {
    platform::registerProcessReset([] { sharedStorage() = std::make_shared<FeatureToggle>(); });
    return std::make_shared<FeatureToggle>();
  }();
  return toggle;
}

}  // namespace

std::shared_ptr<FeatureToggle> FeatureToggle::shared() { return sharedStorage(); }

void FeatureToggle::setShared(std::shared_ptr<FeatureToggle> toggle) { sharedStorage() = std::move(toggle); }

bool FeatureToggle::isFeatureEnabled(Feature feature) const {
  return std::find(enabledFeatures_.begin(), enabledFeatures_.end(), feature) != enabledFeatures_.end();
}

void FeatureToggle::toggleFeature(Feature feature, State state) {
  const bool wanted = state == State::on;
  if (wanted == isFeatureEnabled(feature)) return;
  if (wanted) {
    enabledFeatures_.push_back(feature);
  } else {
    std::erase(enabledFeatures_, feature);
  }
}

void FeatureToggle::reset() { enabledFeatures_ = defaultEnabledFeatures_; }

}  // namespace keyloom
