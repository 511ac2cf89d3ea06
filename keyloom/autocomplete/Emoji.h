#pragma once

#include <ostream>
#include <string>

namespace keyloom {

// One emoji as text: a single extended grapheme cluster, possibly of several
// scalars (skin tones, joiners, variation selectors, flag pairs, tags). The
// text is kept as given, without validation.
class Emoji {
 public:
  explicit Emoji(std::string text) : text_(std::move(text)) {}

  const std::string& char_() const { return text_; }
  const std::string& id() const { return text_; }

  bool operator==(const Emoji&) const = default;

 private:
  std::string text_;
};

inline std::ostream& operator<<(std::ostream& out, const Emoji& emoji) { return out << emoji.char_(); }

}  // namespace keyloom
