#include "keyloom/appearance/ImageDataCoding.h"

namespace keyloom {

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextet(char c) {
  const auto position = alphabet.find(c);
  return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

}  // namespace

std::string base64Encoded(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    const std::uint32_t group = (std::uint32_t{bytes[i]} << 16) | (left > 1 ? std::uint32_t{bytes[i + 1]} << 8 : 0) |
                                (left > 2 ? std::uint32_t{bytes[i + 2]} : 0);
    text += alphabet[(group >> 18) & 63];
    text += alphabet[(group >> 12) & 63];
    text += left > 1 ? alphabet[(group >> 6) & 63] : '=';
    text += left > 2 ? alphabet[group & 63] : '=';
  }
  return text;
}

std::optional<std::vector<std::uint8_t>> base64Decoded(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    int padding = 0;
    std::uint32_t group = 0;
    for (std::size_t j = 0; j < 4; ++j) {
      const char c = text[i + j];
      if (c == '=') {
        // Padding only at the end of the last group, at most two.
        if (!last || j < 2) return std::nullopt;
        ++padding;
        group <<= 6;
        continue;
      }
      if (padding > 0) return std::nullopt;
      const int value = sextet(c);
      if (value < 0) return std::nullopt;
      group = (group << 6) | static_cast<std::uint32_t>(value);
    }
    bytes.push_back(static_cast<std::uint8_t>(group >> 16));
    if (padding < 2) bytes.push_back(static_cast<std::uint8_t>(group >> 8));
    if (padding < 1) bytes.push_back(static_cast<std::uint8_t>(group));
  }
  return bytes;
}

void encodeImageData(platform::Encoder& encoder, const std::vector<std::uint8_t>& bytes) {
  encoder.singleValueContainer().encodeString(base64Encoded(bytes));
}

std::vector<std::uint8_t> decodeImageData(platform::Decoder& decoder) {
  const auto container = decoder.singleValueContainer();
  auto bytes = base64Decoded(container.decodeString());
  if (!bytes) throw container.dataCorruptedError("Encountered Data is not valid Base64.");
  return std::move(*bytes);
}

}  // namespace keyloom
