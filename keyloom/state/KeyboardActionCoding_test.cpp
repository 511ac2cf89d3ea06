#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "keyloom/state/KeyboardAction.h"
#include "platform/coding/Codable.h"

namespace keyloom {
namespace {

using platform::CodingPath;
using platform::DecodingError;

// One action per case, in declaration order, with payloads that exercise
// nesting, joiners and optionals.
std::vector<KeyboardAction> oneActionPerCase() {
  return {
      KeyboardAction::backspace(),
      KeyboardAction::character("a"),
      KeyboardAction::characterMargin("\u00E9"),
      KeyboardAction::command(),
      KeyboardAction::control(),
      KeyboardAction::custom("macro"),
      KeyboardAction::dictation(),
      KeyboardAction::dismissKeyboard(),
      KeyboardAction::emoji(Emoji("\U0001F43B\u200D\u2744\uFE0F")),
      KeyboardAction::emojiCategory(EmojiCategory::flags),
      KeyboardAction::escape(),
      KeyboardAction::function(),
      KeyboardAction::image("Sun", "sun-key", "sun"),
      KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::capsLocked)),
      KeyboardAction::moveCursorBackward(),
      KeyboardAction::moveCursorForward(),
      KeyboardAction::nextKeyboard(),
      KeyboardAction::nextLocale(),
      KeyboardAction::none(),
      KeyboardAction::option(),
      KeyboardAction::primary(KeyboardReturnKeyType::custom("Post")),
      KeyboardAction::settings(),
      KeyboardAction::shift(KeyboardCase::uppercased),
      KeyboardAction::space(),
      KeyboardAction::systemImage("Globe", "globe-key", "globe"),
      KeyboardAction::systemSettings(),
      KeyboardAction::tab(),
      KeyboardAction::url(platform::URL::fromString("https://example.com/a?b=1"), "link"),
  };
}

std::string encode(const KeyboardAction& action) { return platform::JSONEncoder().encode(action); }

KeyboardAction decode(std::string_view json) { return platform::JSONDecoder().decode<KeyboardAction>(json); }

// The error of decoding a list whose second element is `element`, so paths
// show that they start at the failing action.
DecodingError decodingError(std::string_view element) {
  const std::string json = "[{\"space\":{}}," + std::string(element) + "]";
  try {
    platform::JSONDecoder().decode<std::vector<KeyboardAction>>(json);
  } catch (const DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded " << json;
  return DecodingError::dataCorrupted({}, "none");
}

TEST(KeyboardActionCoding, EveryCaseRoundTripsUnderItsOwnName) {
  const std::vector<KeyboardAction> actions = oneActionPerCase();
  ASSERT_EQ(actions.size(), 28u);
  ASSERT_EQ(actions.size(), std::variant_size_v<KeyboardAction::Value>);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const KeyboardAction& action = actions[i];
    ASSERT_EQ(action.value().index(), i);  // one sample per case
    const std::string json = encode(action);
    EXPECT_EQ(json.rfind("{\"" + std::string(action.caseName()) + "\":{", 0), 0u) << json;
    EXPECT_EQ(decode(json), action) << json;
  }
  EXPECT_EQ(platform::JSONDecoder().decode<std::vector<KeyboardAction>>(platform::JSONEncoder().encode(actions)),
            actions);
}

TEST(KeyboardActionCoding, WrittenShapes) {
  const struct {
    KeyboardAction action;
    std::string_view json;
  } cases[] = {
      {KeyboardAction::character("a"), R"({"character":{"_0":"a"}})"},
      {KeyboardAction::space(), R"({"space":{}})"},
      {KeyboardAction::shift(KeyboardCase::uppercased), R"({"shift":{"currentCasing":"uppercased"}})"},
      {KeyboardAction::keyboardType(KeyboardType::numeric()), R"({"keyboardType":{"_0":{"numeric":{}}}})"},
      {KeyboardAction::custom("x"), R"({"custom":{"named":"x"}})"},
      {KeyboardAction::emoji(Emoji("\U0001F600")), "{\"emoji\":{\"_0\":{\"char\":\"\U0001F600\"}}}"},
      {KeyboardAction::emojiCategory(EmojiCategory::smileys), R"({"emojiCategory":{"_0":"smileys"}})"},
      {KeyboardAction::primary(KeyboardReturnKeyType::done()), R"({"primary":{"_0":{"done":{}}}})"},
      {KeyboardAction::image("d", "k", "i"), R"({"image":{"description":"d","keyboardImageName":"k","imageName":"i"}})"},
      {KeyboardAction::url(std::nullopt), R"({"url":{}})"},
      {KeyboardAction::url(platform::URL::fromString("https://a.example"), std::nullopt),
       R"({"url":{"_0":"https://a.example"}})"},
      {KeyboardAction::url(std::nullopt, "id1"), R"({"url":{"id":"id1"}})"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encode(c.action), c.json);
    EXPECT_EQ(decode(c.json), c.action) << c.json;
  }
}

TEST(KeyboardActionCoding, LenientReads) {
  EXPECT_EQ(decode(R"({"space":{},"spacebar":1})"), KeyboardAction::space());  // keys naming no case are ignored
  EXPECT_EQ(decode(R"({"space":{"extra":true}})"), KeyboardAction::space());
  EXPECT_EQ(decode(R"({"url":{"_0":null,"id":"a"}})"), KeyboardAction::url(std::nullopt, "a"));
  EXPECT_EQ(decode(R"({"url":{"id":null}})"), KeyboardAction::url(std::nullopt, std::nullopt));
}

TEST(KeyboardActionCoding, ZeroOrSeveralCaseKeysFailWithTheOneKeyError) {
  for (std::string_view element : {R"({})", R"({"space":{},"tab":{}})", R"({"Space":{}})", R"({"other":{}})"}) {
    SCOPED_TRACE(element);
    const DecodingError error = decodingError(element);
    EXPECT_EQ(error.kind(), DecodingError::Kind::typeMismatch);
    EXPECT_EQ(error.type(), "KeyboardAction");
    EXPECT_EQ(error.debugDescription(), "Invalid number of keys found, expected one.");
    EXPECT_EQ(error.codingPath(), (CodingPath{"Index 1"}));
    EXPECT_FALSE(error.underlyingError());
  }
}

TEST(KeyboardActionCoding, NonContainerValuesFailWithTheDecodersError) {
  const struct {
    std::string_view element;
    DecodingError::Kind kind;
    CodingPath path;
  } cases[] = {
      {R"("space")", DecodingError::Kind::typeMismatch, {"Index 1"}},
      {R"({"space":null})", DecodingError::Kind::valueNotFound, {"Index 1", "space"}},
      {R"({"space":3})", DecodingError::Kind::typeMismatch, {"Index 1", "space"}},
      {R"({"tab":"x"})", DecodingError::Kind::typeMismatch, {"Index 1", "tab"}},
      {R"({"character":["a"]})", DecodingError::Kind::typeMismatch, {"Index 1", "character"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.element);
    const DecodingError error = decodingError(c.element);
    EXPECT_EQ(error.kind(), c.kind);
    EXPECT_EQ(error.codingPath(), c.path);
  }
}

TEST(KeyboardActionCoding, PayloadFailuresPassThroughWithTheirPath) {
  const struct {
    std::string_view element;
    DecodingError::Kind kind;
    CodingPath path;
    std::string_view description;
  } cases[] = {
      {R"({"character":{}})", DecodingError::Kind::keyNotFound, {"Index 1", "character"},
       "No value associated with key \"_0\"."},
      {R"({"image":{"description":"d","imageName":"i"}})", DecodingError::Kind::keyNotFound, {"Index 1", "image"},
       "No value associated with key \"keyboardImageName\"."},
      {R"({"character":{"_0":5}})", DecodingError::Kind::typeMismatch, {"Index 1", "character", "_0"}, ""},
      {R"({"custom":{"named":null}})", DecodingError::Kind::valueNotFound, {"Index 1", "custom", "named"}, ""},
      {R"({"emoji":{"_0":{"char":1}}})", DecodingError::Kind::typeMismatch, {"Index 1", "emoji", "_0", "char"}, ""},
      {R"({"emoji":{"_0":"x"}})", DecodingError::Kind::typeMismatch, {"Index 1", "emoji", "_0"}, ""},
      {R"({"emojiCategory":{"_0":"Smileys"}})", DecodingError::Kind::dataCorrupted,
       {"Index 1", "emojiCategory", "_0"}, "Cannot initialize EmojiCategory from invalid String value Smileys"},
      {R"({"shift":{"currentCasing":"capsLock"}})", DecodingError::Kind::dataCorrupted,
       {"Index 1", "shift", "currentCasing"}, "Cannot initialize KeyboardCase from invalid String value capsLock"},
      {R"({"keyboardType":{"_0":{}}})", DecodingError::Kind::typeMismatch, {"Index 1", "keyboardType", "_0"},
       "Invalid number of keys found, expected one."},
      {R"({"primary":{"_0":{"done":{},"go":{}}}})", DecodingError::Kind::typeMismatch, {"Index 1", "primary", "_0"},
       "Invalid number of keys found, expected one."},
      {R"({"url":{"_0":"not a url"}})", DecodingError::Kind::dataCorrupted, {"Index 1", "url", "_0"},
       "Invalid URL string."},
      {R"({"url":{"id":7}})", DecodingError::Kind::typeMismatch, {"Index 1", "url", "id"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.element);
    const DecodingError error = decodingError(c.element);
    EXPECT_EQ(error.kind(), c.kind);
    EXPECT_EQ(error.codingPath(), c.path);
    if (!c.description.empty()) {
      EXPECT_EQ(error.debugDescription(), c.description);
    }
  }
}

}  // namespace
}  // namespace keyloom
