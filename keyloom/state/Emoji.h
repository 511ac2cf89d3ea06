#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "keyloom/state/KeyboardLocale.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

// One emoji as text: a single extended grapheme cluster, possibly of several
// scalars (skin tones, joiners, variation selectors, flag pairs, tags). The
// text is kept as given, without validation.
class Emoji {
 public:
  explicit Emoji(std::string text) : text_(std::move(text)) {}

  const std::string& char_() const { return text_; }
  const std::string& id() const { return text_; }

  // Every emoji of the keyboard: the recently used ones first, then the fixed
  // tables of the categories, in category order. Computed on every call.
  static std::vector<Emoji> all();

  // The Unicode names of the scalars, each as "\N{NAME}" (a scalar without a
  // name is kept as it is); absent when the text is not valid UTF-8.
  std::optional<std::string> unicodeIdentifier() const;
  // The display name of an emoji whose scalar name says little (flags).
  std::optional<std::string> unicodeNameOverride() const;
  static const std::map<std::string, std::string>& unicodeNameOverrides();
  // The override, else the first scalar's name capitalized word by word
  // ("Grinning Face", and "Thumbs Up Sign" for a thumbs up with a skin tone).
  std::optional<std::string> unicodeName() const;
  // "Emoji." followed by the name without spaces ("Emoji." alone without a name).
  std::string localizationKey() const;
  // The name without spaces.
  std::optional<std::string> localizationKeyId() const;

  // The name in the locale's string table of the library bundle, else the
  // Unicode name, else ""; trimmed of spaces and tabs.
  std::string localizedName(KeyboardLocale locale) const;
  std::string localizedName(const platform::Locale& locale) const;

  // Whether the emoji's Unicode name or localized name contains the query,
  // ignoring case and surrounding whitespace; a blank query matches all.
  bool matches(std::string_view query, KeyboardLocale locale) const;
  bool matches(std::string_view query, const platform::Locale& locale) const;

  // Texts that are canonically equivalent (the same once composed) are the
  // same emoji, however their scalars were written.
  bool operator==(const Emoji& other) const;

 private:
  std::string text_;
};

inline std::ostream& operator<<(std::ostream& out, const Emoji& emoji) { return out << emoji.char_(); }

// The emojis that match the query, in order.
std::vector<Emoji> matching(std::span<const Emoji> emojis, std::string_view query, KeyboardLocale locale);
std::vector<Emoji> matching(std::span<const Emoji> emojis, std::string_view query, const platform::Locale& locale);

// {"char": text}; the text is read back without checks.
void encodeValue(platform::Encoder& encoder, const Emoji& emoji);
Emoji decodeValue(platform::Decoder& decoder, std::type_identity<Emoji>);

}  // namespace keyloom
