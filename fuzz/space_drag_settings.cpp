// Arbitrary bytes as a stored space-drag sensitivity and space long-press
// behaviour: reading fails only with a DecodingError, whatever is read writes
// and reads back the same, and a drag with any sensitivity never fails.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "keyloom/gestures/SpaceCursorDragGestureHandler.h"
#include "keyloom/gestures/SpaceDragSensitivity.h"
#include "keyloom/state/SpaceLongPressBehavior.h"
#include "platform/coding/Codable.h"

using namespace keyloom;

namespace {

double readDouble(const std::uint8_t* data, std::size_t size, std::size_t index) {
  double value = 0;
  if (size >= (index + 1) * sizeof(double)) std::memcpy(&value, data + index * sizeof(double), sizeof(double));
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view json(reinterpret_cast<const char*>(data), size);
  try {
    const auto behavior = platform::JSONDecoder().decode<SpaceLongPressBehavior>(json);
    if (platform::JSONDecoder().decode<SpaceLongPressBehavior>(platform::JSONEncoder().encode(behavior)) != behavior) {
      std::abort();
    }
  } catch (const platform::DecodingError&) {
  }
  try {
    const auto sensitivity = platform::JSONDecoder().decode<SpaceDragSensitivity>(json);
    if (platform::JSONDecoder().decode<SpaceDragSensitivity>(platform::JSONEncoder().encode(sensitivity)) !=
        sensitivity) {
      std::abort();
    }
    // The same bytes as drag locations, with the sensitivity read.
    SpaceCursorDragGestureHandler handler(nullptr, sensitivity, 50, [](std::int64_t) {});
    handler.handleDragGesture({readDouble(data, size, 0), readDouble(data, size, 1)},
                              {readDouble(data, size, 2), readDouble(data, size, 3)});
  } catch (const platform::DecodingError&) {
  }
  return 0;
}
