#pragma once

#include "platform/foundation/Locale.h"

namespace keyloom {

// Writing directions of a locale's language (the empty code when the locale
// has none, which has no direction).
platform::LanguageDirection characterDirection(const platform::Locale& locale);
platform::LanguageDirection lineDirection(const platform::Locale& locale);

bool isLeftToRight(const platform::Locale& locale);
bool isRightToLeft(const platform::Locale& locale);
bool isTopToBottom(const platform::Locale& locale);
bool isBottomToTop(const platform::Locale& locale);

}  // namespace keyloom
