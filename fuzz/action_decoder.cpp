// Arbitrary bytes as a serialized key action: reading fails only with a
// DecodingError, and whatever is read writes and reads back equal.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "keyloom/state/KeyboardAction.h"
#include "platform/coding/Codable.h"

using namespace keyloom;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view json(reinterpret_cast<const char*>(data), size);
  KeyboardAction action = KeyboardAction::none();
  try {
    action = platform::JSONDecoder().decode<KeyboardAction>(json);
  } catch (const platform::DecodingError&) {
    return 0;
  }
  const std::string written = platform::JSONEncoder().encode(action);
  if (platform::JSONDecoder().decode<KeyboardAction>(written) != action) std::abort();
  // Emoji payloads also answer their name questions without failing.
  if (const auto* emoji = action.get<keyboard_action::Emoji>()) {
    (void)emoji->emoji.unicodeName();
    (void)emoji->emoji.localizationKey();
  }
  return 0;
}
