#include "platform/foundation/UUID.h"

#include <gtest/gtest.h>

#include <set>

namespace platform {
namespace {

TEST(UUIDTest, RandomUUIDsAreVersion4UpperCaseAndDistinct) {
  std::set<UUID> seen;
  for (int i = 0; i < 200; ++i) {
    const UUID uuid = UUID::random();
    const std::string text = uuid.uuidString();
    ASSERT_EQ(text.size(), 36u);
    EXPECT_EQ(text[14], '4');
    EXPECT_NE(std::string("89AB").find(text[19]), std::string::npos) << text;
    EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF-"), std::string::npos) << text;
    EXPECT_EQ(UUID::fromString(text), uuid);
    seen.insert(uuid);
  }
  EXPECT_EQ(seen.size(), 200u);
}

TEST(UUIDTest, ParsingAcceptsEitherCaseAndRefusesMalformedText) {
  EXPECT_EQ(UUID::fromString("e621e1f8-c36c-495a-93fc-0c247a3e6e5f")->uuidString(),
            "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  EXPECT_EQ(UUID().uuidString(), "00000000-0000-0000-0000-000000000000");
  for (std::string_view text :
       {"", "E621E1F8C36C495A93FC0C247A3E6E5F", "E621E1F8-C36C-495A-93FC-0C247A3E6E5",
        "E621E1F8-C36C-495A-93FC_0C247A3E6E5F", "G621E1F8-C36C-495A-93FC-0C247A3E6E5F"}) {
    EXPECT_FALSE(UUID::fromString(text)) << text;
  }
}

}  // namespace
}  // namespace platform
