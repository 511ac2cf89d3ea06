#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// Encoded image bytes in a coded style: one base64 string (standard alphabet,
// padded), as data is written in JSON.
void encodeImageData(platform::Encoder& encoder, const std::vector<std::uint8_t>& bytes);
// Text that is not padded standard base64 is dataCorrupted.
std::vector<std::uint8_t> decodeImageData(platform::Decoder& decoder);

std::string base64Encoded(const std::vector<std::uint8_t>& bytes);
// Absent for text that is not padded standard base64.
std::optional<std::vector<std::uint8_t>> base64Decoded(std::string_view text);

}  // namespace keyloom
