#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string_view>

#include "platform/coding/Decoder.h"

namespace platform {

// Reads values from JSON text. Never crashes on any input: text that is not
// JSON, or nested deeper than maximumDepth, is dataCorrupted ("The given data
// was not valid JSON."); everything else fails with the decoders' own errors.
class JSONDecoder {
 public:
  static constexpr int maximumDepth = 512;

  // Throws DecodingError.
  template <class T>
  T decode(std::string_view json) const {
    return decodeRoot<T>(std::make_shared<const nlohmann::ordered_json>(parse(json)));
  }

  // Decodes an already parsed value.
  template <class T>
  T decodeFromJSON(const nlohmann::ordered_json& json) const {
    return decodeRoot<T>(std::make_shared<const nlohmann::ordered_json>(json));
  }

  // The JSON value of the text, keys in their written order; throws
  // dataCorrupted when the text is not valid JSON or nests too deep.
  static nlohmann::ordered_json parse(std::string_view json);

 private:
  template <class T>
  static T decodeRoot(std::shared_ptr<const nlohmann::ordered_json> root) {
    const nlohmann::ordered_json* value = root.get();
    Decoder decoder(std::move(root), value, {});
    return decodeAny<T>(decoder);
  }
};

}  // namespace platform
