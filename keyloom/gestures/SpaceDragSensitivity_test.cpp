#include "keyloom/gestures/SpaceDragSensitivity.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "keyloom/state/SpaceLongPressBehavior.h"
#include "platform/coding/Codable.h"

namespace keyloom {
namespace {

template <class T>
platform::DecodingError decodingError(std::string_view json) {
  try {
    platform::JSONDecoder().decode<T>(json);
  } catch (const platform::DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded " << json;
  return platform::DecodingError::dataCorrupted({}, "none");
}

TEST(SpaceDragSensitivity, PointsAndIds) {
  struct Row {
    SpaceDragSensitivity sensitivity;
    std::int64_t points;
  };
  for (const Row& row : {Row{SpaceDragSensitivity::low(), 10}, Row{SpaceDragSensitivity::medium(), 5},
                         Row{SpaceDragSensitivity::high(), 2}, Row{SpaceDragSensitivity::custom(12), 12}}) {
    EXPECT_EQ(row.sensitivity.points(), row.points) << row.sensitivity.caseName();
    EXPECT_EQ(row.sensitivity.id(), row.points) << row.sensitivity.caseName();
  }
  EXPECT_EQ(SpaceDragSensitivity::medium().id(), SpaceDragSensitivity::custom(5).id());
}

TEST(SpaceDragSensitivity, EveryCaseRoundTripsInTheOneKeyForm) {
  const std::vector<SpaceDragSensitivity> all = {SpaceDragSensitivity::low(), SpaceDragSensitivity::medium(),
                                                 SpaceDragSensitivity::high(), SpaceDragSensitivity::custom(12),
                                                 SpaceDragSensitivity::custom(-3)};
  const std::string json = platform::JSONEncoder().encode(all);
  EXPECT_EQ(json, R"([{"low":{}},{"medium":{}},{"high":{}},{"custom":{"points":12}},{"custom":{"points":-3}}])");
  EXPECT_EQ(platform::JSONDecoder().decode<std::vector<SpaceDragSensitivity>>(json), all);
  EXPECT_EQ(platform::JSONDecoder().decode<SpaceDragSensitivity>(R"({"low":{},"other":1})"),
            SpaceDragSensitivity::low())
      << "keys that name no case are not counted";
}

TEST(SpaceDragSensitivity, DecodingFailures) {
  for (std::string_view json : {R"({})", R"({"low":{},"high":{}})", R"({"Medium":{}})"}) {
    const auto error = decodingError<SpaceDragSensitivity>(json);
    EXPECT_EQ(error.kind(), platform::DecodingError::Kind::typeMismatch) << json;
    EXPECT_EQ(error.debugDescription(), "Invalid number of keys found, expected one.") << json;
    EXPECT_EQ(error.type(), "SpaceDragSensitivity");
  }
  EXPECT_NE(decodingError<SpaceDragSensitivity>(R"({"low":true})").kind(),
            platform::DecodingError::Kind::dataCorrupted);
  EXPECT_EQ(decodingError<SpaceDragSensitivity>(R"({"custom":{}})").kind(),
            platform::DecodingError::Kind::keyNotFound);
  EXPECT_THROW(platform::JSONDecoder().decode<SpaceDragSensitivity>(R"({"custom":{"points":"5"}})"),
               platform::DecodingError);
  EXPECT_THROW(platform::JSONDecoder().decode<SpaceDragSensitivity>(R"({"custom":{"points":1.5}})"),
               platform::DecodingError);
}

TEST(SpaceLongPressBehavior, RoundTripsInTheOneKeyFormAndFailsOnOtherKeyCounts) {
  const std::vector<SpaceLongPressBehavior> all = {SpaceLongPressBehavior::moveInputCursor,
                                                   SpaceLongPressBehavior::openLocaleContextMenu};
  const std::string json = platform::JSONEncoder().encode(all);
  EXPECT_EQ(json, R"([{"moveInputCursor":{}},{"openLocaleContextMenu":{}}])");
  EXPECT_EQ(platform::JSONDecoder().decode<std::vector<SpaceLongPressBehavior>>(json), all);
  for (std::string_view json : {R"({})", R"({"moveInputCursor":{},"openLocaleContextMenu":{}})"}) {
    const auto error = decodingError<SpaceLongPressBehavior>(json);
    EXPECT_EQ(error.debugDescription(), "Invalid number of keys found, expected one.") << json;
    EXPECT_EQ(error.type(), "SpaceLongPressBehavior");
  }
  EXPECT_THROW(platform::JSONDecoder().decode<SpaceLongPressBehavior>(R"({"moveInputCursor":0})"),
               platform::DecodingError);
  EXPECT_NE(SpaceLongPressBehavior::moveInputCursor, SpaceLongPressBehavior::openLocaleContextMenu);
  const std::hash<SpaceLongPressBehavior> hash;
  EXPECT_NE(hash(SpaceLongPressBehavior::moveInputCursor), hash(SpaceLongPressBehavior::openLocaleContextMenu));
}

}  // namespace
}  // namespace keyloom
