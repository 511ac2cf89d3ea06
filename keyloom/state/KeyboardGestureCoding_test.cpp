#include <gtest/gtest.h>

#include <vector>

#include "keyloom/state/KeyboardGesture.h"
#include "platform/coding/Codable.h"

namespace keyloom {
namespace {

TEST(KeyboardGestureCoding, BareRawStrings) {
  const std::vector<KeyboardGesture> all = {KeyboardGesture::doubleTap, KeyboardGesture::press,
                                            KeyboardGesture::release, KeyboardGesture::longPress,
                                            KeyboardGesture::repeatPress};
  const std::string json = platform::JSONEncoder().encode(all);
  EXPECT_EQ(json, R"(["doubleTap","press","release","longPress","repeatPress"])");
  EXPECT_EQ(platform::JSONDecoder().decode<std::vector<KeyboardGesture>>(json), all);
}

TEST(KeyboardGestureCoding, OtherStringsAreDataCorrupted) {
  for (std::string_view json : {R"("LongPress")", R"("tap")", R"("")"}) {
    try {
      platform::JSONDecoder().decode<KeyboardGesture>(json);
      ADD_FAILURE() << "decoded " << json;
    } catch (const platform::DecodingError& error) {
      EXPECT_EQ(error.kind(), platform::DecodingError::Kind::dataCorrupted) << json;
    }
  }
  EXPECT_THROW(platform::JSONDecoder().decode<KeyboardGesture>(R"({"press":{}})"), platform::DecodingError);
}

}  // namespace
}  // namespace keyloom
