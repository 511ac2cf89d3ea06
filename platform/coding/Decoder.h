#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/coding/CodingPath.h"
#include "platform/coding/CodingTypeName.h"
#include "platform/coding/DecodingError.h"

// How a type becomes decodable: declare, in the type's namespace (a hidden
// friend works well),
//
//   MyType decodeValue(platform::Decoder& decoder, std::type_identity<MyType>);
//
// and build the value from one of the decoder's containers, throwing
// DecodingError (the containers' own errors pass through). bool, integers
// (range-checked), floating point, std::string, std::optional (null is
// absent), std::vector and std::map<std::string, T> are built in.

namespace platform {

class KeyedDecodingContainer;
class UnkeyedDecodingContainer;
class SingleValueDecodingContainer;

class Decoder {
 public:
  const CodingPath& codingPath() const { return codingPath_; }

  // Throw typeMismatch when the value is of another kind, valueNotFound when it is null.
  KeyedDecodingContainer container() const;
  UnkeyedDecodingContainer unkeyedContainer() const;
  SingleValueDecodingContainer singleValueContainer() const;

  // The JSON value being decoded, for readers that need to look before decoding.
  const nlohmann::ordered_json& jsonValue() const { return *value_; }

  // Made by the containers and by JSONDecoder. `root` keeps `value` alive.
  Decoder(std::shared_ptr<const nlohmann::ordered_json> root, const nlohmann::ordered_json* value,
          CodingPath codingPath);

 private:
  std::shared_ptr<const nlohmann::ordered_json> root_;
  const nlohmann::ordered_json* value_;
  CodingPath codingPath_;
};

template <class T>
T decodeAny(Decoder& decoder);

class KeyedDecodingContainer {
 public:
  const CodingPath& codingPath() const { return codingPath_; }

  // The keys in the order the data holds them.
  std::vector<std::string> allKeys() const;
  bool contains(std::string_view key) const;

  // Whether the value under the key is null; keyNotFound when there is no key.
  bool decodeNil(std::string_view key) const;

  // keyNotFound when the key is missing; the value's own error otherwise.
  template <class T>
  T decode(std::string_view key) const {
    Decoder child = superDecoderRequiringKey(key);
    return decodeAny<T>(child);
  }
  // Absent when the key is missing or holds null.
  template <class T>
  std::optional<T> decodeIfPresent(std::string_view key) const {
    if (!contains(key) || decodeNil(key)) return std::nullopt;
    return decode<T>(key);
  }

  KeyedDecodingContainer nestedContainer(std::string_view key) const;
  UnkeyedDecodingContainer nestedUnkeyedContainer(std::string_view key) const;
  // A decoder for the value under the key ("super" for the first form); a
  // missing key gives a decoder of null.
  Decoder superDecoder() const;
  Decoder superDecoder(std::string_view key) const;

  // A dataCorrupted error at this container's path plus the key.
  DecodingError dataCorruptedError(std::string_view key, std::string debugDescription) const;

  KeyedDecodingContainer(std::shared_ptr<const nlohmann::ordered_json> root,
                         const nlohmann::ordered_json* object, CodingPath codingPath);

 private:
  Decoder superDecoderRequiringKey(std::string_view key) const;

  std::shared_ptr<const nlohmann::ordered_json> root_;
  const nlohmann::ordered_json* object_;
  CodingPath codingPath_;
};

// Reads an array front to back. A read that fails does not advance.
class UnkeyedDecodingContainer {
 public:
  const CodingPath& codingPath() const { return codingPath_; }
  std::optional<std::size_t> count() const;
  bool isAtEnd() const;
  std::size_t currentIndex() const { return currentIndex_; }

  // Advances past a null and returns true; returns false otherwise.
  // valueNotFound at the end.
  bool decodeNil();

  // valueNotFound ("Unkeyed container is at end.") at the end.
  template <class T>
  T decode() {
    Decoder child = elementDecoder(&codingTypeName<T>);
    T value = decodeAny<T>(child);
    ++currentIndex_;
    return value;
  }
  // Absent at the end or for a null (which is skipped).
  template <class T>
  std::optional<T> decodeIfPresent() {
    if (isAtEnd() || decodeNil()) return std::nullopt;
    return decode<T>();
  }

  KeyedDecodingContainer nestedContainer();
  UnkeyedDecodingContainer nestedUnkeyedContainer();
  Decoder superDecoder();

  UnkeyedDecodingContainer(std::shared_ptr<const nlohmann::ordered_json> root,
                           const nlohmann::ordered_json* array, CodingPath codingPath);

 private:
  // valueNotFound for `typeName` at the end.
  Decoder elementDecoder(std::string (*typeName)()) const;
  Decoder currentElement() const;  // requires !isAtEnd()

  std::shared_ptr<const nlohmann::ordered_json> root_;
  const nlohmann::ordered_json* array_;
  CodingPath codingPath_;
  std::size_t currentIndex_ = 0;
};

class SingleValueDecodingContainer {
 public:
  const CodingPath& codingPath() const { return decoder_.codingPath(); }

  bool decodeNil() const;

  template <class T>
  T decode() const {
    Decoder decoder = decoder_;
    return decodeAny<T>(decoder);
  }

  // The primitives every value starts from. Numbers that don't fit the target
  // are dataCorrupted ("Parsed JSON number <300> does not fit in Int8.").
  bool decodeBool() const;
  std::string decodeString() const;
  double decodeDouble() const;
  float decodeFloat() const;
  std::int64_t decodeInteger(std::int64_t minimum, std::int64_t maximum, const std::string& typeName) const;
  std::uint64_t decodeUnsigned(std::uint64_t maximum, const std::string& typeName) const;

  // A dataCorrupted error at this value's path.
  DecodingError dataCorruptedError(std::string debugDescription) const;

  explicit SingleValueDecodingContainer(Decoder decoder) : decoder_(std::move(decoder)) {}

 private:
  Decoder decoder_;
};

template <class T>
concept CustomDecodable = requires(Decoder& decoder) {
  { decodeValue(decoder, std::type_identity<T>{}) } -> std::same_as<T>;
};

// Decodes any supported value: the built-in kinds, or a type with decodeValue.
template <class T>
T decodeAny(Decoder& decoder) {
  if constexpr (std::is_same_v<T, bool>) {
    return decoder.singleValueContainer().decodeBool();
  } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
    return static_cast<T>(decoder.singleValueContainer().decodeInteger(
        std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), codingTypeName<T>()));
  } else if constexpr (std::is_integral_v<T>) {
    return static_cast<T>(
        decoder.singleValueContainer().decodeUnsigned(std::numeric_limits<T>::max(), codingTypeName<T>()));
  } else if constexpr (std::is_same_v<T, float>) {
    return decoder.singleValueContainer().decodeFloat();
  } else if constexpr (std::is_floating_point_v<T>) {
    return static_cast<T>(decoder.singleValueContainer().decodeDouble());
  } else if constexpr (std::is_same_v<T, std::string>) {
    return decoder.singleValueContainer().decodeString();
  } else if constexpr (coding_detail::IsOptional<T>::value) {
    if (decoder.singleValueContainer().decodeNil()) return std::nullopt;
    return T(decodeAny<typename T::value_type>(decoder));
  } else if constexpr (coding_detail::IsVector<T>::value) {
    UnkeyedDecodingContainer container = decoder.unkeyedContainer();
    T result;
    while (!container.isAtEnd()) result.push_back(container.decode<typename T::value_type>());
    return result;
  } else if constexpr (coding_detail::IsStringMap<T>::value) {
    KeyedDecodingContainer container = decoder.container();
    T result;
    for (const std::string& key : container.allKeys()) {
      result.emplace(key, container.decode<typename T::mapped_type>(key));
    }
    return result;
  } else {
    static_assert(CustomDecodable<T>,
                  "declare T decodeValue(platform::Decoder&, std::type_identity<T>) for this type");
    return decodeValue(decoder, std::type_identity<T>{});
  }
}

}  // namespace platform
