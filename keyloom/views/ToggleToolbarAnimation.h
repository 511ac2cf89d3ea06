#pragma once

#include <array>
#include <string_view>
#include <type_traits>

#include "keyloom/core/RawValueTable.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// How a toggle toolbar swaps its two toolbars: a cross-fade, or a vertical
// move. With a flip the new toolbar comes in from the side the old one leaves
// by; with a slide both move the same way.
enum class ToggleToolbarAnimation { opacity, flipUp, flipDown, slideUp, slideDown };

template <>
struct RawValueTable<ToggleToolbarAnimation> {
  static constexpr std::array<std::string_view, 5> names{"opacity", "flipUp", "flipDown", "slideUp",
                                                         "slideDown"};
};

// The raw value as one string; any other string fails as data corrupted.
void encodeValue(platform::Encoder& encoder, ToggleToolbarAnimation animation);
ToggleToolbarAnimation decodeValue(platform::Decoder& decoder, std::type_identity<ToggleToolbarAnimation>);

}  // namespace keyloom
