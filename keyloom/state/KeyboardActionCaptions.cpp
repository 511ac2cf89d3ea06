#include "keyloom/state/KeyboardActionCaptions.h"

#include <type_traits>
#include <variant>

#include "keyloom/state/KLL10n.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardImageReader.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace ka = keyboard_action;

namespace {

constexpr std::string_view zeroWidthSpace = "\u200B";
constexpr std::string_view zeroWidthSpaceCaption = "\u205E";  // ⁞
constexpr std::string_view returnArrow = "\u21B5";            // ↵
constexpr std::string_view newlineArrow = "\u21B3";           // ↳

}  // namespace

std::optional<std::string> standardButtonText(const KeyboardReturnKeyType& type, const platform::Locale& locale) {
  namespace rk = keyboard_return_key_type;
  return std::visit(
      [&locale](const auto& value) -> std::optional<std::string> {
        using Case = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Case, rk::Return>) return text(KLL10n::return_, locale);
        if constexpr (std::is_same_v<Case, rk::Done>) return text(KLL10n::done, locale);
        if constexpr (std::is_same_v<Case, rk::Go>) return text(KLL10n::go, locale);
        if constexpr (std::is_same_v<Case, rk::Join>) return text(KLL10n::join, locale);
        if constexpr (std::is_same_v<Case, rk::NewLine>) return std::nullopt;
        if constexpr (std::is_same_v<Case, rk::Next>) return text(KLL10n::next, locale);
        if constexpr (std::is_same_v<Case, rk::Ok>) return text(KLL10n::ok, locale);
        if constexpr (std::is_same_v<Case, rk::Search>) return text(KLL10n::search, locale);
        if constexpr (std::is_same_v<Case, rk::Send>) return text(KLL10n::send, locale);
        if constexpr (std::is_same_v<Case, rk::Custom>) return value.title;
        return std::nullopt;
      },
      type.value());
}

std::optional<std::string> standardButtonText(const KeyboardType& type, const platform::Locale& locale) {
  if (type.isAlphabetic()) return text(KLL10n::keyboardTypeAlphabetic, locale);
  if (type.is<keyboard_type::Numeric>()) return text(KLL10n::keyboardTypeNumeric, locale);
  if (type.is<keyboard_type::Symbolic>()) return text(KLL10n::keyboardTypeSymbolic, locale);
  return std::nullopt;
}

std::optional<std::string> standardButtonText(const KeyboardAction& action, const platform::Locale& locale) {
  if (const auto* character = action.get<ka::Character>()) {
    if (character->text == zeroWidthSpace) return std::string(zeroWidthSpaceCaption);
    return character->text;
  }
  if (const auto* emoji = action.get<ka::Emoji>()) return emoji->emoji.char_();
  if (const auto* category = action.get<ka::EmojiCategory>()) {
    return fallbackDisplayEmoji(category->category).char_();
  }
  if (const auto* keyboardType = action.get<ka::KeyboardType>()) {
    return standardButtonText(keyboardType->type, locale);
  }
  if (const auto* primary = action.get<ka::Primary>()) return standardButtonText(primary->returnKeyType, locale);
  if (action.is<ka::NextLocale>()) {
    const std::optional<std::string> language = locale.languageCode();
    if (!language) return std::nullopt;
    return platform::text::uppercased(*language);
  }
  if (action.is<ka::Space>()) return text(KLL10n::space, locale);
  return std::nullopt;
}

std::optional<KeyboardImage> standardButtonTextImageReplacement(const KeyboardAction& action,
                                                                const platform::Locale& locale) {
  const std::optional<std::string> caption = standardButtonText(action, locale);
  if (caption == returnArrow || caption == newlineArrow) return KeyboardImageReader::keyboardNewline(locale);
  return std::nullopt;
}

std::optional<KeyboardImage> standardButtonImage(const KeyboardAction& action, const platform::Locale& locale) {
  if (std::optional<KeyboardImage> replacement = standardButtonTextImageReplacement(action, locale)) {
    return replacement;
  }
  using Reader = KeyboardImageReader;
  return std::visit(
      [&locale](const auto& value) -> std::optional<KeyboardImage> {
        using Case = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Case, ka::Backspace>) return Reader::keyboardBackspace(locale);
        if constexpr (std::is_same_v<Case, ka::Command>) return Reader::keyboardCommand();
        if constexpr (std::is_same_v<Case, ka::Control>) return Reader::keyboardControl();
        if constexpr (std::is_same_v<Case, ka::Dictation>) return Reader::keyboardDictation();
        if constexpr (std::is_same_v<Case, ka::DismissKeyboard>) return Reader::keyboardDismiss();
        if constexpr (std::is_same_v<Case, ka::Image>) return KeyboardImage::mainBundleAsset(value.keyboardImageName);
        if constexpr (std::is_same_v<Case, ka::KeyboardType>) return value.type.standardButtonImage();
        if constexpr (std::is_same_v<Case, ka::MoveCursorBackward>) return Reader::keyboardLeft();
        if constexpr (std::is_same_v<Case, ka::MoveCursorForward>) return Reader::keyboardRight();
        if constexpr (std::is_same_v<Case, ka::NextKeyboard>) return Reader::keyboardGlobe();
        if constexpr (std::is_same_v<Case, ka::Option>) return Reader::keyboardOption();
        if constexpr (std::is_same_v<Case, ka::Primary>) return value.returnKeyType.standardButtonImage(locale);
        if constexpr (std::is_same_v<Case, ka::Settings>) return Reader::keyboardSettings();
        if constexpr (std::is_same_v<Case, ka::Shift>) return keyloom::standardButtonImage(value.currentCasing);
        if constexpr (std::is_same_v<Case, ka::SystemImage>) {
          return KeyboardImage::systemSymbol(value.keyboardImageName);
        }
        if constexpr (std::is_same_v<Case, ka::SystemSettings>) return Reader::keyboardSettings();
        if constexpr (std::is_same_v<Case, ka::Tab>) return Reader::keyboardTab();
        return std::nullopt;
      },
      action.value());
}

std::optional<std::string> standardButtonText(const KeyboardType& type, const KeyboardContext& context) {
  return standardButtonText(type, context.locale.get());
}

std::optional<std::string> standardButtonText(const KeyboardAction& action, const KeyboardContext& context) {
  return standardButtonText(action, context.locale.get());
}

std::optional<KeyboardImage> standardButtonTextImageReplacement(const KeyboardAction& action,
                                                                const KeyboardContext& context) {
  return standardButtonTextImageReplacement(action, context.locale.get());
}

std::optional<KeyboardImage> standardButtonImage(const KeyboardAction& action, const KeyboardContext& context) {
  return standardButtonImage(action, context.locale.get());
}

std::optional<KeyboardImage> image(const KeyboardAction& action) {
  if (const auto* asset = action.get<ka::Image>()) return KeyboardImage::libraryAsset(asset->keyboardImageName);
  if (const auto* symbol = action.get<ka::SystemImage>()) return KeyboardImage::systemSymbol(symbol->keyboardImageName);
  return std::nullopt;
}

}  // namespace keyloom
