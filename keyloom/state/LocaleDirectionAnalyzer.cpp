#include "keyloom/state/LocaleDirectionAnalyzer.h"

namespace keyloom {

using platform::LanguageDirection;

LanguageDirection characterDirection(const platform::Locale& locale) {
  return platform::Locale::characterDirection(locale.languageCode().value_or(""));
}

LanguageDirection lineDirection(const platform::Locale& locale) {
  return platform::Locale::lineDirection(locale.languageCode().value_or(""));
}

// isLeftToRight(const Locale&) is defined beside the key images, which
// needed it first; it follows the same rule as the functions here.

bool isRightToLeft(const platform::Locale& locale) {
  return characterDirection(locale) == LanguageDirection::rightToLeft;
}

bool isTopToBottom(const platform::Locale& locale) {
  return lineDirection(locale) == LanguageDirection::topToBottom;
}

bool isBottomToTop(const platform::Locale& locale) {
  return lineDirection(locale) == LanguageDirection::bottomToTop;
}

}  // namespace keyloom
