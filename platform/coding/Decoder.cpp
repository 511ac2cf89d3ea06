#include "platform/coding/Decoder.h"

#include <cfloat>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

namespace platform {

using nlohmann::ordered_json;

namespace {

CodingPath appending(const CodingPath& path, std::string key) {
  CodingPath result = path;
  result.push_back(std::move(key));
  return result;
}

std::string foundDescription(const ordered_json& value) {
  switch (value.type()) {
    case ordered_json::value_t::null:
    case ordered_json::value_t::discarded:
      return "null";
    case ordered_json::value_t::boolean:
      return "a boolean";
    case ordered_json::value_t::number_integer:
    case ordered_json::value_t::number_unsigned:
    case ordered_json::value_t::number_float:
      return "a number";
    case ordered_json::value_t::string:
      return "a string";
    case ordered_json::value_t::object:
      return "a dictionary";
    case ordered_json::value_t::array:
      return "an array";
    case ordered_json::value_t::binary:
      return "data";
  }
  return "a value";
}

DecodingError mismatch(const std::string& type, const CodingPath& path, const ordered_json& found) {
  return DecodingError::typeMismatch(
      type, path, "Expected to decode " + type + " but found " + foundDescription(found) + " instead.");
}

DecodingError nullFound(const std::string& type, const CodingPath& path) {
  return DecodingError::valueNotFound(type, path, "Expected " + type + " value but found null instead.");
}

DecodingError doesNotFit(const ordered_json& number, const std::string& type, const CodingPath& path) {
  return DecodingError::dataCorrupted(
      path, "Parsed JSON number <" + number.dump() + "> does not fit in " + type + ".");
}

// A primitive read of null is valueNotFound, not a type mismatch.
const ordered_json& requireValue(const ordered_json& value, const std::string& type, const CodingPath& path) {
  if (value.is_null()) throw nullFound(type, path);
  return value;
}

const ordered_json& nullJSON() {
  static const ordered_json null;
  return null;
}

constexpr double twoToThe63 = 9223372036854775808.0;
constexpr double twoToThe64 = 18446744073709551616.0;

}  // namespace

// Decoder

Decoder::Decoder(std::shared_ptr<const ordered_json> root, const ordered_json* value, CodingPath codingPath)
    : root_(std::move(root)), value_(value), codingPath_(std::move(codingPath)) {}

KeyedDecodingContainer Decoder::container() const {
  if (value_->is_null()) {
    throw DecodingError::valueNotFound("Dictionary<String, Any>", codingPath_,
                                       "Cannot get keyed decoding container -- found null value instead.");
  }
  if (!value_->is_object()) throw mismatch("Dictionary<String, Any>", codingPath_, *value_);
  return KeyedDecodingContainer(root_, value_, codingPath_);
}

UnkeyedDecodingContainer Decoder::unkeyedContainer() const {
  if (value_->is_null()) {
    throw DecodingError::valueNotFound("Array<Any>", codingPath_,
                                       "Cannot get unkeyed decoding container -- found null value instead.");
  }
  if (!value_->is_array()) throw mismatch("Array<Any>", codingPath_, *value_);
  return UnkeyedDecodingContainer(root_, value_, codingPath_);
}

SingleValueDecodingContainer Decoder::singleValueContainer() const {
  return SingleValueDecodingContainer(*this);
}

// KeyedDecodingContainer

KeyedDecodingContainer::KeyedDecodingContainer(std::shared_ptr<const ordered_json> root,
                                               const ordered_json* object, CodingPath codingPath)
    : root_(std::move(root)), object_(object), codingPath_(std::move(codingPath)) {}

std::vector<std::string> KeyedDecodingContainer::allKeys() const {
  std::vector<std::string> keys;
  keys.reserve(object_->size());
  for (const auto& item : object_->items()) keys.push_back(item.key());
  return keys;
}

bool KeyedDecodingContainer::contains(std::string_view key) const { return object_->contains(key); }

bool KeyedDecodingContainer::decodeNil(std::string_view key) const {
  return superDecoderRequiringKey(key).jsonValue().is_null();
}

KeyedDecodingContainer KeyedDecodingContainer::nestedContainer(std::string_view key) const {
  return superDecoderRequiringKey(key).container();
}

UnkeyedDecodingContainer KeyedDecodingContainer::nestedUnkeyedContainer(std::string_view key) const {
  return superDecoderRequiringKey(key).unkeyedContainer();
}

Decoder KeyedDecodingContainer::superDecoder() const { return superDecoder("super"); }

Decoder KeyedDecodingContainer::superDecoder(std::string_view key) const {
  auto found = object_->find(key);
  const ordered_json* value = found == object_->end() ? &nullJSON() : &*found;
  return Decoder(root_, value, appending(codingPath_, std::string(key)));
}

Decoder KeyedDecodingContainer::superDecoderRequiringKey(std::string_view key) const {
  auto found = object_->find(key);
  if (found == object_->end()) {
    throw DecodingError::keyNotFound(std::string(key), codingPath_,
                                     "No value associated with key \"" + std::string(key) + "\".");
  }
  return Decoder(root_, &*found, appending(codingPath_, std::string(key)));
}

DecodingError KeyedDecodingContainer::dataCorruptedError(std::string_view key,
                                                         std::string debugDescription) const {
  return DecodingError::dataCorrupted(appending(codingPath_, std::string(key)), std::move(debugDescription));
}

// UnkeyedDecodingContainer

UnkeyedDecodingContainer::UnkeyedDecodingContainer(std::shared_ptr<const ordered_json> root,
                                                   const ordered_json* array, CodingPath codingPath)
    : root_(std::move(root)), array_(array), codingPath_(std::move(codingPath)) {}

std::optional<std::size_t> UnkeyedDecodingContainer::count() const { return array_->size(); }

bool UnkeyedDecodingContainer::isAtEnd() const { return currentIndex_ >= array_->size(); }

bool UnkeyedDecodingContainer::decodeNil() {
  Decoder element = elementDecoder([] { return std::string("Optional<Any>"); });
  if (!element.jsonValue().is_null()) return false;
  ++currentIndex_;
  return true;
}

KeyedDecodingContainer UnkeyedDecodingContainer::nestedContainer() {
  if (isAtEnd()) {
    throw DecodingError::valueNotFound("KeyedDecodingContainer",
                                       appending(codingPath_, indexKey(currentIndex_)),
                                       "Cannot get nested keyed container -- unkeyed container is at end.");
  }
  KeyedDecodingContainer container = currentElement().container();
  ++currentIndex_;
  return container;
}

UnkeyedDecodingContainer UnkeyedDecodingContainer::nestedUnkeyedContainer() {
  if (isAtEnd()) {
    throw DecodingError::valueNotFound("UnkeyedDecodingContainer",
                                       appending(codingPath_, indexKey(currentIndex_)),
                                       "Cannot get nested unkeyed container -- unkeyed container is at end.");
  }
  UnkeyedDecodingContainer container = currentElement().unkeyedContainer();
  ++currentIndex_;
  return container;
}

Decoder UnkeyedDecodingContainer::superDecoder() {
  if (isAtEnd()) {
    throw DecodingError::valueNotFound("Decoder", appending(codingPath_, indexKey(currentIndex_)),
                                       "Cannot get superDecoder() -- unkeyed container is at end.");
  }
  Decoder decoder = currentElement();
  ++currentIndex_;
  return decoder;
}

Decoder UnkeyedDecodingContainer::elementDecoder(std::string (*typeName)()) const {
  if (isAtEnd()) {
    throw DecodingError::valueNotFound(typeName(), appending(codingPath_, indexKey(currentIndex_)),
                                       "Unkeyed container is at end.");
  }
  return currentElement();
}

Decoder UnkeyedDecodingContainer::currentElement() const {
  return Decoder(root_, &(*array_)[currentIndex_], appending(codingPath_, indexKey(currentIndex_)));
}

// SingleValueDecodingContainer

bool SingleValueDecodingContainer::decodeNil() const { return decoder_.jsonValue().is_null(); }

bool SingleValueDecodingContainer::decodeBool() const {
  const ordered_json& value = requireValue(decoder_.jsonValue(), "Bool", codingPath());
  if (!value.is_boolean()) throw mismatch("Bool", codingPath(), value);
  return value.get<bool>();
}

std::string SingleValueDecodingContainer::decodeString() const {
  const ordered_json& value = requireValue(decoder_.jsonValue(), "String", codingPath());
  if (!value.is_string()) throw mismatch("String", codingPath(), value);
  return value.get<std::string>();
}

double SingleValueDecodingContainer::decodeDouble() const {
  const ordered_json& value = requireValue(decoder_.jsonValue(), "Double", codingPath());
  if (!value.is_number()) throw mismatch("Double", codingPath(), value);
  return value.get<double>();
}

float SingleValueDecodingContainer::decodeFloat() const {
  const ordered_json& value = requireValue(decoder_.jsonValue(), "Float", codingPath());
  if (!value.is_number()) throw mismatch("Float", codingPath(), value);
  const double number = value.get<double>();
  if (std::isfinite(number) && std::fabs(number) > FLT_MAX) throw doesNotFit(value, "Float", codingPath());
  return static_cast<float>(number);
}

std::int64_t SingleValueDecodingContainer::decodeInteger(std::int64_t minimum, std::int64_t maximum,
                                                         const std::string& typeName) const {
  const ordered_json& value = requireValue(decoder_.jsonValue(), typeName, codingPath());
  std::int64_t result = 0;
  if (value.is_number_unsigned()) {
    const auto number = value.get<std::uint64_t>();
    if (maximum < 0 || number > static_cast<std::uint64_t>(maximum))
      throw doesNotFit(value, typeName, codingPath());
    result = static_cast<std::int64_t>(number);
  } else if (value.is_number_integer()) {
    result = value.get<std::int64_t>();
  } else if (value.is_number_float()) {
    // Range first: converting an out-of-range double is undefined.
    const double number = value.get<double>();
    if (!(number >= -twoToThe63 && number < twoToThe63)) throw doesNotFit(value, typeName, codingPath());
    result = static_cast<std::int64_t>(number);
    if (static_cast<double>(result) != number) throw doesNotFit(value, typeName, codingPath());
  } else {
    throw mismatch(typeName, codingPath(), value);
  }
  if (result < minimum || result > maximum) throw doesNotFit(value, typeName, codingPath());
  return result;
}

std::uint64_t SingleValueDecodingContainer::decodeUnsigned(std::uint64_t maximum,
                                                           const std::string& typeName) const {
  const ordered_json& value = requireValue(decoder_.jsonValue(), typeName, codingPath());
  std::uint64_t result = 0;
  if (value.is_number_unsigned()) {
    result = value.get<std::uint64_t>();
  } else if (value.is_number_integer()) {
    const auto number = value.get<std::int64_t>();
    if (number < 0) throw doesNotFit(value, typeName, codingPath());
    result = static_cast<std::uint64_t>(number);
  } else if (value.is_number_float()) {
    const double number = value.get<double>();
    if (!(number >= 0 && number < twoToThe64)) throw doesNotFit(value, typeName, codingPath());
    result = static_cast<std::uint64_t>(number);
    if (static_cast<double>(result) != number) throw doesNotFit(value, typeName, codingPath());
  } else {
    throw mismatch(typeName, codingPath(), value);
  }
  if (result > maximum) throw doesNotFit(value, typeName, codingPath());
  return result;
}

DecodingError SingleValueDecodingContainer::dataCorruptedError(std::string debugDescription) const {
  return DecodingError::dataCorrupted(codingPath(), std::move(debugDescription));
}

}  // namespace platform
