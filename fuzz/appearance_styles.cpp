// Arbitrary text as every serialized appearance style (fonts, colours, key,
// border and shadow, callout, background and suggestion-bar styles): each
// either reads or fails with a decoding error, and what reads writes back to
// text that reads as the same value.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "keyloom/appearance/AutocompleteToolbarStyle.h"
#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/KeyboardActionCalloutStyle.h"
#include "keyloom/appearance/KeyboardBackgroundStyle.h"
#include "keyloom/appearance/KeyboardButtonStyle.h"
#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "keyloom/appearance/KeyboardFont.h"
#include "keyloom/appearance/KeyboardInputCalloutStyle.h"
#include "platform/coding/Codable.h"

namespace {

template <class T>
void check(std::string_view text) {
  const T value = platform::JSONDecoder().decode<T>(text);
  const std::string written = platform::JSONEncoder().encode(value);
  const T again = platform::JSONDecoder().decode<T>(written);
  if (!(again == value)) std::abort();
}

template <class T>
void tryDecode(std::string_view text) {
  try {
    check<T>(text);
  } catch (const platform::DecodingError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tryDecode<platform::ui::Color>(text);
  tryDecode<keyloom::KeyboardFontWeight>(text);
  tryDecode<keyloom::KeyboardFontType>(text);
  tryDecode<keyloom::KeyboardFont>(text);
  tryDecode<keyloom::KeyboardButtonBorderStyle>(text);
  tryDecode<keyloom::KeyboardButtonShadowStyle>(text);
  tryDecode<keyloom::KeyboardButtonStyle>(text);
  tryDecode<keyloom::KeyboardCalloutStyle>(text);
  tryDecode<keyloom::KeyboardActionCalloutStyle>(text);
  tryDecode<keyloom::KeyboardInputCalloutStyle>(text);
  tryDecode<keyloom::KeyboardBackgroundType>(text);
  tryDecode<keyloom::AutocompleteToolbarItemBackgroundStyle>(text);
  tryDecode<keyloom::AutocompleteToolbarItemStyle>(text);
  tryDecode<keyloom::AutocompleteToolbarSeparatorStyle>(text);
  tryDecode<keyloom::AutocompleteToolbarStyle>(text);
  try {
    const auto style = platform::JSONDecoder().decode<keyloom::KeyboardBackgroundStyle>(text);
    (void)style.backgroundView();
    const auto again = platform::JSONDecoder().decode<keyloom::KeyboardBackgroundStyle>(
        platform::JSONEncoder().encode(style));
    if (!(again == style)) std::abort();
  } catch (const platform::DecodingError&) {
  }
  return 0;
}
