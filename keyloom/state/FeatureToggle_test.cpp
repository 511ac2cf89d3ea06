#include "keyloom/state/FeatureToggle.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

using Feature = FeatureToggle::Feature;
using State = FeatureToggle::State;

TEST(FeatureToggleTest, TogglingKeepsEachFeatureOnceInOrder) {
  FeatureToggle toggle;
  EXPECT_TRUE(toggle.enabledFeatures().empty());
  toggle.toggleFeature(Feature::placeholder, State::on);
  toggle.toggleFeature(Feature::placeholder, State::on);
  toggle.toggleFeature(Feature::newAutocompleteEngine, State::on);
  EXPECT_EQ(toggle.enabledFeatures(), (std::vector{Feature::placeholder, Feature::newAutocompleteEngine}));
  toggle.toggleFeature(Feature::placeholder, State::off);
  toggle.toggleFeature(Feature::placeholder, State::off);
  EXPECT_EQ(toggle.enabledFeatures(), (std::vector{Feature::newAutocompleteEngine}));
  EXPECT_FALSE(toggle.isFeatureEnabled(Feature::placeholder));
  EXPECT_TRUE(toggle.isFeatureEnabled(Feature::newAutocompleteEngine));
  toggle.reset();
  EXPECT_TRUE(toggle.enabledFeatures().empty());
  EXPECT_FALSE(toggle.isFeatureEnabled(Feature::newAutocompleteEngine));
}

TEST(FeatureToggleTest, ReplacingTheSharedToggleReachesLaterReaders) {
  FeatureToggle::shared()->toggleFeature(Feature::placeholder, State::on);
  auto replacement = std::make_shared<FeatureToggle>();
  replacement->toggleFeature(Feature::newAutocompleteEngine, State::on);
  FeatureToggle::setShared(replacement);
  EXPECT_EQ(FeatureToggle::shared(), replacement);
  EXPECT_EQ(FeatureToggle::shared()->enabledFeatures(), (std::vector{Feature::newAutocompleteEngine}));
}

TEST(FeatureToggleTest, TheProcessResetRestoresAFreshSharedToggle) {
  // The previous test enabled a feature on a replacement; the reset between
  // tests put back an empty toggle.
  EXPECT_TRUE(FeatureToggle::shared()->enabledFeatures().empty());
}

TEST(FeatureToggleTest, RawValuesAreCaseSensitive) {
  EXPECT_EQ(fromRawValue<Feature>("placeholder"), Feature::placeholder);
  EXPECT_EQ(fromRawValue<Feature>("Placeholder"), std::nullopt);
  EXPECT_EQ(fromRawValue<State>("off"), State::off);
  EXPECT_EQ(fromRawValue<State>("On"), std::nullopt);
}

}  // namespace
}  // namespace keyloom
