#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/coding/CodingPath.h"
#include "platform/coding/CodingTypeName.h"
#include "platform/coding/EncodingError.h"

// How a type becomes encodable: declare, in the type's namespace (a hidden
// friend works well),
//
//   void encodeValue(platform::Encoder& encoder, const MyType& value);
//
// and write the value through one of the encoder's containers. bool, integers,
// floating point, strings, std::optional, std::vector and
// std::map<std::string, T> are built in. Keyed containers keep their keys in the
// order they are first written.

namespace platform {

namespace coding_detail {
class EncodingNode;
}

class KeyedEncodingContainer;
class UnkeyedEncodingContainer;
class SingleValueEncodingContainer;

class Encoder {
 public:
  const CodingPath& codingPath() const { return codingPath_; }

  // Asking twice for the same kind of container gives the same storage;
  // asking for another kind than the one already written throws EncodingError.
  KeyedEncodingContainer container();
  UnkeyedEncodingContainer unkeyedContainer();
  SingleValueEncodingContainer singleValueContainer();

  // Made by the containers and by JSONEncoder.
  Encoder(std::shared_ptr<coding_detail::EncodingNode> node, CodingPath codingPath);

 private:
  std::shared_ptr<coding_detail::EncodingNode> node_;
  CodingPath codingPath_;
};

template <class T>
void encodeAny(Encoder& encoder, const T& value);

class KeyedEncodingContainer {
 public:
  const CodingPath& codingPath() const { return codingPath_; }

  // Writing a key again replaces its value in place.
  template <class T>
  void encode(std::string_view key, const T& value) {
    Encoder child = superEncoder(key);
    encodeAny(child, value);
  }
  // Writes nothing when the value is absent.
  template <class T>
  void encodeIfPresent(std::string_view key, const std::optional<T>& value) {
    if (value) encode(key, *value);
  }
  void encodeNil(std::string_view key);

  KeyedEncodingContainer nestedContainer(std::string_view key);
  UnkeyedEncodingContainer nestedUnkeyedContainer(std::string_view key);
  // An encoder for the value under the key ("super" for the first form); if it
  // writes nothing, the key holds an empty container.
  Encoder superEncoder();
  Encoder superEncoder(std::string_view key);

  KeyedEncodingContainer(std::shared_ptr<coding_detail::EncodingNode> node, CodingPath codingPath);

 private:
  std::shared_ptr<coding_detail::EncodingNode> node_;
  CodingPath codingPath_;
};

class UnkeyedEncodingContainer {
 public:
  const CodingPath& codingPath() const { return codingPath_; }
  std::size_t count() const;

  template <class T>
  void encode(const T& value) {
    Encoder child = superEncoder();
    encodeAny(child, value);
  }
  void encodeNil();

  KeyedEncodingContainer nestedContainer();
  UnkeyedEncodingContainer nestedUnkeyedContainer();
  // An encoder for a new element at the end.
  Encoder superEncoder();

  UnkeyedEncodingContainer(std::shared_ptr<coding_detail::EncodingNode> node, CodingPath codingPath);

 private:
  std::shared_ptr<coding_detail::EncodingNode> node_;
  CodingPath codingPath_;
};

class SingleValueEncodingContainer {
 public:
  const CodingPath& codingPath() const { return codingPath_; }

  // Any encodable value, written in place.
  template <class T>
  void encode(const T& value) {
    Encoder encoder(node_, codingPath_);
    encodeAny(encoder, value);
  }
  void encodeNil();

  // The primitives every value ends in.
  void encodeBool(bool value);
  void encodeInt64(std::int64_t value);
  void encodeUInt64(std::uint64_t value);
  // Throws EncodingError for NaN and infinities, which JSON cannot hold.
  void encodeDouble(double value);
  void encodeString(std::string_view value);

  SingleValueEncodingContainer(std::shared_ptr<coding_detail::EncodingNode> node, CodingPath codingPath);

 private:
  std::shared_ptr<coding_detail::EncodingNode> node_;
  CodingPath codingPath_;
};

template <class T>
concept CustomEncodable = requires(Encoder& encoder, const T& value) {
  encodeValue(encoder, value);
};

// Encodes any supported value: the built-in kinds, or a type with encodeValue.
template <class T>
void encodeAny(Encoder& encoder, const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    encoder.singleValueContainer().encodeBool(value);
  } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
    encoder.singleValueContainer().encodeInt64(static_cast<std::int64_t>(value));
  } else if constexpr (std::is_integral_v<T>) {
    encoder.singleValueContainer().encodeUInt64(static_cast<std::uint64_t>(value));
  } else if constexpr (std::is_floating_point_v<T>) {
    encoder.singleValueContainer().encodeDouble(static_cast<double>(value));
  } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
    encoder.singleValueContainer().encodeString(std::string_view(value));
  } else if constexpr (coding_detail::IsOptional<T>::value) {
    if (value) {
      encodeAny(encoder, *value);
    } else {
      encoder.singleValueContainer().encodeNil();
    }
  } else if constexpr (coding_detail::IsVector<T>::value) {
    UnkeyedEncodingContainer container = encoder.unkeyedContainer();
    for (const auto& element : value) container.encode(static_cast<const typename T::value_type&>(element));
  } else if constexpr (coding_detail::IsStringMap<T>::value) {
    KeyedEncodingContainer container = encoder.container();
    for (const auto& [key, element] : value) container.encode(key, element);
  } else {
    static_assert(CustomEncodable<T>, "declare void encodeValue(platform::Encoder&, const T&) for this type");
    encodeValue(encoder, value);
  }
}

}  // namespace platform
