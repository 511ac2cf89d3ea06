#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "keyloom/core/RawValueTable.h"

namespace keyloom {

// An in-memory switchboard of features under development. Nothing is stored:
// every process starts with the default set, which is empty.
class FeatureToggle {
 public:
  enum class Feature { placeholder, newAutocompleteEngine };
  enum class State { on, off };

  FeatureToggle() = default;

  // The process-wide toggle, made on first use (once, whichever thread comes
  // first); setShared replaces it for every later reader.
  static std::shared_ptr<FeatureToggle> shared();
  static void setShared(std::shared_ptr<FeatureToggle> toggle);

  const std::vector<Feature>& defaultEnabledFeatures() const { return defaultEnabledFeatures_; }
  const std::vector<Feature>& enabledFeatures() const { return enabledFeatures_; }

  bool isFeatureEnabled(Feature feature) const;
  // On appends a feature that is off; off removes every occurrence of a
  // feature that is on; anything else changes nothing.
  void toggleFeature(Feature feature, State state);
  // Back to the default features.
  void reset();

 private:
  std::vector<Feature> defaultEnabledFeatures_;
  std::vector<Feature> enabledFeatures_ = defaultEnabledFeatures_;
};

template <>
struct RawValueTable<FeatureToggle::Feature> {
  static constexpr std::array<std::string_view, 2> names{"placeholder", "newAutocompleteEngine"};
};

template <>
struct RawValueTable<FeatureToggle::State> {
  static constexpr std::array<std::string_view, 2> names{"on", "off"};
};

}  // namespace keyloom
