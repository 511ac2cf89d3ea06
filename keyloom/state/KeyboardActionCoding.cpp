#include "keyloom/state/KeyboardAction.h"

#include "keyloom/core/CaseValue.h"
#include "platform/coding/EnumCoding.h"
#include "platform/coding/FoundationCoding.h"

// The one-key form of KeyboardAction: {"<case>": {<payload>}}, an unlabelled
// payload value under "_0", optional values written only when present.

namespace keyloom {

namespace ka = keyboard_action;

namespace {

using Cases = VariantCases<KeyboardAction::Value>;

template <class Case>
constexpr std::size_t caseIndex = Cases::indexOf<Case>();

// Cases without payload write nothing into their container.
void encodePayload(platform::KeyedEncodingContainer&, const auto&) {}

void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Character& value) {
  payload.encode("_0", value.text);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::CharacterMargin& value) {
  payload.encode("_0", value.text);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Custom& value) {
  payload.encode("named", value.named);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Emoji& value) {
  payload.encode("_0", value.emoji);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::EmojiCategory& value) {
  payload.encode("_0", value.category);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Image& value) {
  payload.encode("description", value.description);
  payload.encode("keyboardImageName", value.keyboardImageName);
  payload.encode("imageName", value.imageName);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::KeyboardType& value) {
  payload.encode("_0", value.type);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Primary& value) {
  payload.encode("_0", value.returnKeyType);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Shift& value) {
  payload.encode("currentCasing", value.currentCasing);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::SystemImage& value) {
  payload.encode("description", value.description);
  payload.encode("keyboardImageName", value.keyboardImageName);
  payload.encode("imageName", value.imageName);
}
void encodePayload(platform::KeyedEncodingContainer& payload, const ka::Url& value) {
  payload.encodeIfPresent("_0", value.url);
  payload.encodeIfPresent("id", value.id);
}

}  // namespace

void encodeValue(platform::Encoder& encoder, const KeyboardAction& action) {
  platform::KeyedEncodingContainer payload = platform::encodeCase(encoder, action.caseName());
  std::visit([&payload](const auto& value) { encodePayload(payload, value); }, action.value());
}

KeyboardAction decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardAction>) {
  const platform::DecodedCase found = platform::decodeCase(decoder, Cases::names, "KeyboardAction");
  const platform::KeyedDecodingContainer& payload = found.payload;
  switch (found.index) {
    case caseIndex<ka::Backspace>:
      return KeyboardAction::backspace();
    case caseIndex<ka::Character>:
      return KeyboardAction::character(payload.decode<std::string>("_0"));
    case caseIndex<ka::CharacterMargin>:
      return KeyboardAction::characterMargin(payload.decode<std::string>("_0"));
    case caseIndex<ka::Command>:
      return KeyboardAction::command();
    case caseIndex<ka::Control>:
      return KeyboardAction::control();
    case caseIndex<ka::Custom>:
      return KeyboardAction::custom(payload.decode<std::string>("named"));
    case caseIndex<ka::Dictation>:
      return KeyboardAction::dictation();
    case caseIndex<ka::DismissKeyboard>:
      return KeyboardAction::dismissKeyboard();
    case caseIndex<ka::Emoji>:
      return KeyboardAction::emoji(payload.decode<Emoji>("_0"));
    case caseIndex<ka::EmojiCategory>:
      return KeyboardAction::emojiCategory(payload.decode<EmojiCategory>("_0"));
    case caseIndex<ka::Escape>:
      return KeyboardAction::escape();
    case caseIndex<ka::Function>:
      return KeyboardAction::function();
    case caseIndex<ka::Image>: {
      std::string description = payload.decode<std::string>("description");
      std::string keyboardImageName = payload.decode<std::string>("keyboardImageName");
      return KeyboardAction::image(std::move(description), std::move(keyboardImageName),
                                   payload.decode<std::string>("imageName"));
    }
    case caseIndex<ka::KeyboardType>:
      return KeyboardAction::keyboardType(payload.decode<KeyboardType>("_0"));
    case caseIndex<ka::MoveCursorBackward>:
      return KeyboardAction::moveCursorBackward();
    case caseIndex<ka::MoveCursorForward>:
      return KeyboardAction::moveCursorForward();
    case caseIndex<ka::NextKeyboard>:
      return KeyboardAction::nextKeyboard();
    case caseIndex<ka::NextLocale>:
      return KeyboardAction::nextLocale();
    case caseIndex<ka::None>:
      return KeyboardAction::none();
    case caseIndex<ka::Option>:
      return KeyboardAction::option();
    case caseIndex<ka::Primary>:
      return KeyboardAction::primary(payload.decode<KeyboardReturnKeyType>("_0"));
    case caseIndex<ka::Settings>:
      return KeyboardAction::settings();
    case caseIndex<ka::Shift>:
      return KeyboardAction::shift(payload.decode<KeyboardCase>("currentCasing"));
    case caseIndex<ka::Space>:
      return KeyboardAction::space();
    case caseIndex<ka::SystemImage>: {
      std::string description = payload.decode<std::string>("description");
      std::string keyboardImageName = payload.decode<std::string>("keyboardImageName");
      return KeyboardAction::systemImage(std::move(description), std::move(keyboardImageName),
                                         payload.decode<std::string>("imageName"));
    }
    case caseIndex<ka::SystemSettings>:
      return KeyboardAction::systemSettings();
    case caseIndex<ka::Tab>:
      return KeyboardAction::tab();
    case caseIndex<ka::Url>: {
      std::optional<platform::URL> url = payload.decodeIfPresent<platform::URL>("_0");
      return KeyboardAction::url(std::move(url), payload.decodeIfPresent<std::string>("id"));
    }
  }
  // decodeCase only returns indices of the names given.
  throw platform::DecodingError::dataCorrupted(decoder.codingPath(), "Unknown KeyboardAction case.");
}

}  // namespace keyloom
