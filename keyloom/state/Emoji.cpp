#include "keyloom/state/Emoji.h"

#include <algorithm>
#include <cassert>

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/EmojiNameOverrides.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

std::string withoutSpaces(std::string text) {
  std::erase(text, ' ');
  return text;
}

void replaceAll(std::string& text, std::string_view what) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
}

}  // namespace

std::vector<Emoji> Emoji::all() {
  std::vector<Emoji> result;
  for (EmojiCategory category : allCases<EmojiCategory>()) {
    std::vector<Emoji> emojisOfCategory = emojis(category);
    result.insert(result.end(), emojisOfCategory.begin(), emojisOfCategory.end());
  }
  return result;
}

std::optional<std::string> Emoji::unicodeIdentifier() const {
  if (!platform::text::isValidUtf8(text_)) return std::nullopt;
  std::string result;
  for (char32_t scalar : platform::text::toScalars(text_)) {
    const std::string name = platform::text::scalarName(scalar);
    result += name.empty() ? platform::text::fromScalar(scalar) : "\\N{" + name + "}";
  }
  return result;
}

const std::map<std::string, std::string>& Emoji::unicodeNameOverrides() {
  // A constant, so it is built once and needs no process reset.
  static const std::map<std::string, std::string> overrides = [] {
    std::map<std::string, std::string> made;
    for (const EmojiNameOverride& entry : emojiNameOverrideList()) {
      [[maybe_unused]] const bool isNew = made.emplace(entry.emoji, entry.name).second;
      assert(isNew && "an emoji is named twice in the override list");
    }
    return made;
  }();
  return overrides;
}

std::optional<std::string> Emoji::unicodeNameOverride() const {
  const auto& overrides = unicodeNameOverrides();
  const auto found = overrides.find(text_);
  if (found == overrides.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> Emoji::unicodeName() const {
  if (auto name = unicodeNameOverride()) return name;
  std::optional<std::string> identifier = unicodeIdentifier();
  if (!identifier) return std::nullopt;
  std::string text = std::move(*identifier);
  replaceAll(text, "\\N");
  replaceAll(text, "{");
  // The first non-empty piece between the closing braces names the first scalar.
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('}', start), text.size());
    if (end > start) return platform::text::capitalized(std::string_view(text).substr(start, end - start));
    start = end + 1;
  }
  return std::nullopt;
}

std::string Emoji::localizationKey() const { return "Emoji." + localizationKeyId().value_or(""); }

std::optional<std::string> Emoji::localizationKeyId() const {
  std::optional<std::string> name = unicodeName();
  if (!name) return std::nullopt;
  return withoutSpaces(std::move(*name));
}

std::string Emoji::localizedName(KeyboardLocale locale) const { return localizedName(keyloom::locale(locale)); }

std::string Emoji::localizedName(const platform::Locale& locale) const {
  const std::string key = localizationKey();
  std::string text;
  if (const std::optional<std::filesystem::path> folder = bundlePath(keyloomBundle(), locale)) {
    if (const std::optional<platform::Bundle> language = platform::Bundle::atPath(*folder)) {
      text = language->localizedString(key);
    }
  }
  if (text.empty() || text == key) text = unicodeName().value_or("");
  return platform::text::trimmingWhitespace(text);
}

bool Emoji::matches(std::string_view query, KeyboardLocale locale) const {
  return matches(query, keyloom::locale(locale));
}

bool Emoji::matches(std::string_view query, const platform::Locale& locale) const {
  const std::string folded = platform::text::lowercased(platform::text::trimmingWhitespaceAndNewlines(query));
  if (folded.empty()) return true;
  // The Unicode name is cheap; the localized name needs the string tables.
  if (const std::optional<std::string> name = unicodeName()) {
    if (platform::text::lowercased(*name).find(folded) != std::string::npos) return true;
  }
  return platform::text::lowercased(localizedName(locale)).find(folded) != std::string::npos;
}

std::vector<Emoji> matching(std::span<const Emoji> emojis, std::string_view query, KeyboardLocale locale) {
  return matching(emojis, query, keyloom::locale(locale));
}

std::vector<Emoji> matching(std::span<const Emoji> emojis, std::string_view query, const platform::Locale& locale) {
  std::vector<Emoji> result;
  for (const Emoji& emoji : emojis) {
    if (emoji.matches(query, locale)) result.push_back(emoji);
  }
  return result;
}

void encodeValue(platform::Encoder& encoder, const Emoji& emoji) {
  encoder.container().encode("char", emoji.char_());
}

Emoji decodeValue(platform::Decoder& decoder, std::type_identity<Emoji>) {
  return Emoji(decoder.container().decode<std::string>("char"));
}

bool Emoji::operator==(const Emoji& other) const {
  return text_ == other.text_ || platform::text::nfc(text_) == platform::text::nfc(other.text_);
}

}  // namespace keyloom
