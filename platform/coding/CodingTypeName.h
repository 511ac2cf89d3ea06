#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace platform {

namespace coding_detail {

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
struct IsVector : std::false_type {};
template <class T, class A>
struct IsVector<std::vector<T, A>> : std::true_type {};

template <class T>
struct IsStringMap : std::false_type {};
template <class T, class C, class A>
struct IsStringMap<std::map<std::string, T, C, A>> : std::true_type {};

// The readable name of a C++ type, from the compiler's type information.
std::string demangledName(const std::type_info& type);

}  // namespace coding_detail

// The name a decoding error gives for a type: the platform's names for the
// built-in kinds ("Bool", "Int", "Int8", "UInt64", "Double", "String",
// "Array<Any>", "Dictionary<String, Any>"), the C++ name for any other type.
template <class T>
std::string codingTypeName() {
  if constexpr (std::is_same_v<T, bool>) {
    return "Bool";
  } else if constexpr (std::is_integral_v<T>) {
    constexpr bool isSigned = std::is_signed_v<T>;
    if constexpr (sizeof(T) == 8) {
      return isSigned ? "Int" : "UInt";
    } else {
      return std::string(isSigned ? "Int" : "UInt") + std::to_string(sizeof(T) * 8);
    }
  } else if constexpr (std::is_same_v<T, float>) {
    return "Float";
  } else if constexpr (std::is_floating_point_v<T>) {
    return "Double";
  } else if constexpr (std::is_same_v<T, std::string>) {
    return "String";
  } else if constexpr (coding_detail::IsOptional<T>::value) {
    return codingTypeName<typename T::value_type>();
  } else if constexpr (coding_detail::IsVector<T>::value) {
    return "Array<Any>";
  } else if constexpr (coding_detail::IsStringMap<T>::value) {
    return "Dictionary<String, Any>";
  } else {
    return coding_detail::demangledName(typeid(T));
  }
}

}  // namespace platform
