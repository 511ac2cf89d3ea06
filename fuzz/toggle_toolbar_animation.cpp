// Arbitrary bytes as a stored toggle-toolbar animation: decoding either gives
// one of the five cases, which encodes back to the same string, or fails with
// a decoding error.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "keyloom/views/ToggleToolbarAnimation.h"
#include "platform/coding/DecodingError.h"
#include "platform/coding/JSONDecoder.h"
#include "platform/coding/JSONEncoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto animation = platform::JSONDecoder().decode<keyloom::ToggleToolbarAnimation>(text);
    const std::string encoded = platform::JSONEncoder().encode(animation);
    if (platform::JSONDecoder().decode<keyloom::ToggleToolbarAnimation>(encoded) != animation) std::abort();
  } catch (const platform::DecodingError&) {
  }
  (void)keyloom::fromRawValue<keyloom::ToggleToolbarAnimation>(text);
  return 0;
}
