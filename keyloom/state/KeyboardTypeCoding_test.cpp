#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "keyloom/state/KeyboardCase.h"
#include "keyloom/state/KeyboardReturnKeyType.h"
#include "keyloom/state/KeyboardType.h"
#include "platform/coding/Codable.h"

namespace keyloom {
namespace {

using platform::DecodingError;

template <class T>
std::string encode(const T& value) {
  return platform::JSONEncoder().encode(value);
}

template <class T>
T decode(std::string_view json) {
  return platform::JSONDecoder().decode<T>(json);
}

template <class T>
DecodingError decodingError(std::string_view json) {
  try {
    decode<T>(json);
  } catch (const DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded " << json;
  return DecodingError::dataCorrupted({}, "none");
}

TEST(KeyboardCaseCoding, RawStrings) {
  for (KeyboardCase casing : allCases<KeyboardCase>()) {
    EXPECT_EQ(encode(casing), "\"" + std::string(rawValue(casing)) + "\"");
    EXPECT_EQ(decode<KeyboardCase>(encode(casing)), casing);
  }
  EXPECT_EQ(encode(KeyboardCase::auto_), R"("auto")");
  const DecodingError error = decodingError<KeyboardCase>(R"("Auto")");
  EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
  EXPECT_EQ(decodingError<KeyboardCase>("{}").kind(), DecodingError::Kind::typeMismatch);
}

TEST(KeyboardTypeCoding, OneKeyFormPerCase) {
  const struct {
    KeyboardType type;
    std::string_view json;
  } cases[] = {
      {KeyboardType::alphabetic(KeyboardCase::uppercased), R"({"alphabetic":{"_0":"uppercased"}})"},
      {KeyboardType::alphabetic(KeyboardCase::auto_), R"({"alphabetic":{"_0":"auto"}})"},
      {KeyboardType::numeric(), R"({"numeric":{}})"},
      {KeyboardType::symbolic(), R"({"symbolic":{}})"},
      {KeyboardType::email(), R"({"email":{}})"},
      {KeyboardType::emojis(), R"({"emojis":{}})"},
      {KeyboardType::images(), R"({"images":{}})"},
      {KeyboardType::custom("dial"), R"({"custom":{"named":"dial"}})"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encode(c.type), c.json);
    EXPECT_EQ(decode<KeyboardType>(c.json), c.type) << c.json;
  }
}

TEST(KeyboardTypeCoding, Failures) {
  for (std::string_view json : {R"({})", R"({"numeric":{},"symbolic":{}})"}) {
    const DecodingError error = decodingError<KeyboardType>(json);
    EXPECT_EQ(error.kind(), DecodingError::Kind::typeMismatch) << json;
    EXPECT_EQ(error.type(), "KeyboardType");
    EXPECT_EQ(error.debugDescription(), "Invalid number of keys found, expected one.");
  }
  EXPECT_EQ(decodingError<KeyboardType>(R"({"alphabetic":{}})").kind(), DecodingError::Kind::keyNotFound);
  EXPECT_EQ(decodingError<KeyboardType>(R"({"custom":{"named":1}})").kind(), DecodingError::Kind::typeMismatch);
}

TEST(KeyboardReturnKeyTypeCoding, OneKeyFormPerCase) {
  for (const KeyboardReturnKeyType& type : KeyboardReturnKeyType::allCases()) {
    const std::string json = encode(type);
    EXPECT_EQ(json, "{\"" + std::string(type.caseName()) + "\":{}}");
    EXPECT_EQ(decode<KeyboardReturnKeyType>(json), type);
  }
  EXPECT_EQ(encode(KeyboardReturnKeyType::return_()), R"({"return":{}})");
  EXPECT_EQ(encode(KeyboardReturnKeyType::custom("Go on")), R"({"custom":{"title":"Go on"}})");
  EXPECT_EQ(decode<KeyboardReturnKeyType>(R"({"custom":{"title":"done"}})"), KeyboardReturnKeyType::custom("done"));
}

TEST(KeyboardReturnKeyTypeCoding, Failures) {
  for (std::string_view json : {R"({})", R"({"done":{},"custom":{"title":"x"}})"}) {
    const DecodingError error = decodingError<KeyboardReturnKeyType>(json);
    EXPECT_EQ(error.kind(), DecodingError::Kind::typeMismatch) << json;
    EXPECT_EQ(error.type(), "KeyboardReturnKeyType");
    EXPECT_EQ(error.debugDescription(), "Invalid number of keys found, expected one.");
  }
  EXPECT_EQ(decodingError<KeyboardReturnKeyType>(R"({"custom":{}})").kind(), DecodingError::Kind::keyNotFound);
}

}  // namespace
}  // namespace keyloom
