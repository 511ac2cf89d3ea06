#pragma once

#include <array>
#include <string_view>

#include "keyloom/core/RawValueTable.h"

namespace keyloom {

// How much one backspace deletes: the behaviour chooses, the proxy operation
// deleteBackward(proxy, range) carries it out.
enum class DeleteBackwardRange { character, word, sentence };

template <>
struct RawValueTable<DeleteBackwardRange> {
  static constexpr std::array<std::string_view, 3> names{"character", "word", "sentence"};
};

}  // namespace keyloom
