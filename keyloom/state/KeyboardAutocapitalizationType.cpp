#include "keyloom/state/KeyboardAutocapitalizationType.h"

namespace keyloom {

KeyboardAutocapitalizationType keyboardType(platform::AutocapitalizationType type) {
  const int raw = platform::rawValue(type);
  // The platform counts up from none; the library lists its cases the other way round.
  if (raw < 0 || raw > 3) return KeyboardAutocapitalizationType::none;
  return static_cast<KeyboardAutocapitalizationType>(3 - raw);
}

}  // namespace keyloom
