#pragma once

#include <array>
#include <string_view>
#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// What a long press on the space bar leads to: moving the text cursor by
// dragging, or the menu of keyboard locales.
enum class SpaceLongPressBehavior { moveInputCursor, openLocaleContextMenu };

// The case names, in declaration order; also the serialized keys.
inline constexpr std::array<std::string_view, 2> spaceLongPressBehaviorNames{"moveInputCursor",
                                                                              "openLocaleContextMenu"};

// The one-key form: {"moveInputCursor": {}}.
void encodeValue(platform::Encoder& encoder, SpaceLongPressBehavior behavior);
SpaceLongPressBehavior decodeValue(platform::Decoder& decoder, std::type_identity<SpaceLongPressBehavior>);

}  // namespace keyloom
