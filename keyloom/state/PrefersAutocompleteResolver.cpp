#include "keyloom/state/PrefersAutocompleteResolver.h"

namespace keyloom {

bool prefersAutocomplete(platform::KeyboardType type) {
  using Platform = platform::KeyboardType;
  switch (type) {
    case Platform::default_:
    case Platform::asciiCapable:
    case Platform::twitter:
      return true;
    case Platform::numbersAndPunctuation:
    case Platform::URL:
    case Platform::numberPad:
    case Platform::phonePad:
    case Platform::namePhonePad:
    case Platform::emailAddress:
    case Platform::decimalPad:
    case Platform::webSearch:
    case Platform::asciiCapableNumberPad:
      return false;
  }
  return true;
}

}  // namespace keyloom
