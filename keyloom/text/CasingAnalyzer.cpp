#include "keyloom/text/CasingAnalyzer.h"

#include "platform/foundation/Text.h"

namespace keyloom {

bool isLowercased(std::string_view s) {
  return platform::text::lowercased(s) == s && platform::text::uppercased(s) != s;
}

bool isUppercased(std::string_view s) {
  return platform::text::uppercased(s) == s && platform::text::lowercased(s) != s;
}

bool isCapitalized(std::string_view s) { return platform::text::capitalized(s) == s; }

}  // namespace keyloom
