// Arbitrary bytes as serialized feedback and dictation configurations: reading
// fails only with a DecodingError, and whatever is read writes and reads back
// equal. The first byte picks the type, the rest is the JSON text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "keyloom/autocomplete/DictationConfiguration.h"
#include "keyloom/autocomplete/KeyboardDictationConfiguration.h"
#include "keyloom/gestures/AudioFeedbackConfiguration.h"
#include "keyloom/gestures/HapticFeedbackConfiguration.h"
#include "platform/coding/Codable.h"

using namespace keyloom;

namespace {

template <class T>
void roundTrip(std::string_view json) {
  std::optional<T> value;
  try {
    value.emplace(platform::JSONDecoder().decode<T>(json));
  } catch (const platform::DecodingError&) {
    return;
  }
  const std::string written = platform::JSONEncoder().encode(*value);
  if (!(platform::JSONDecoder().decode<T>(written) == *value)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view json(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 6) {
    case 0:
      roundTrip<AudioFeedbackConfiguration>(json);
      break;
    case 1:
      roundTrip<HapticFeedbackConfiguration>(json);
      break;
    case 2:
      roundTrip<AudioFeedback>(json);
      break;
    case 3:
      roundTrip<HapticFeedback>(json);
      break;
    case 4:
      roundTrip<KeyboardDictationConfiguration>(json);
      break;
    default:
      roundTrip<DictationConfiguration>(json);
      break;
  }
  return 0;
}
