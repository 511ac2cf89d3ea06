#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "platform/coding/Encoder.h"

namespace platform {

// Writes values as JSON text. Object keys come out in the order they were
// encoded; non-ASCII text is written as UTF-8.
class JSONEncoder {
 public:
  enum class OutputFormatting { compact, prettyPrinted };
  OutputFormatting outputFormatting = OutputFormatting::compact;

  // Throws EncodingError.
  template <class T>
  std::string encode(const T& value) const {
    return dump(encodeToJSON(value));
  }

  template <class T>
  nlohmann::ordered_json encodeToJSON(const T& value) const {
    auto root = makeRoot();
    Encoder encoder(root, {});
    encodeAny(encoder, value);
    return finish(*root, codingTypeName<T>());
  }

 private:
  static std::shared_ptr<coding_detail::EncodingNode> makeRoot();
  static nlohmann::ordered_json finish(const coding_detail::EncodingNode& root, const std::string& typeName);
  std::string dump(const nlohmann::ordered_json& json) const;
};

}  // namespace platform
