#include "keyloom/state/KeyboardCaseAdjustable.h"

#include "platform/foundation/Text.h"

namespace keyloom {

std::string caseAdjusted(std::string_view text, std::string_view reference) {
  namespace t = platform::text;
  if (reference == t::capitalized(reference)) return t::capitalized(text);
  if (reference == t::uppercased(reference)) return t::uppercased(text);
  if (reference == t::lowercased(reference)) return t::lowercased(text);
  return std::string(text);
}

}  // namespace keyloom
