#include <gtest/gtest.h>

#include "keyloom/state/KeyboardType.h"
#include "keyloom/state/PrefersAutocompleteResolver.h"

namespace keyloom {
namespace {

TEST(PrefersAutocompleteResolver, PlatformKeyboardTypes) {
  // Raw values 0 to 13; beyond the known kinds the platform's text kinds win.
  const bool expected[] = {true,  true,  false, false, false, false, false,
                           false, false, true,  false, false, true,  true};
  for (int raw = 0; raw < 14; ++raw) {
    EXPECT_EQ(prefersAutocomplete(static_cast<platform::KeyboardType>(raw)), expected[raw]) << "raw " << raw;
  }
  EXPECT_FALSE(prefersAutocomplete(KeyboardType::email()));
}

}  // namespace
}  // namespace keyloom
