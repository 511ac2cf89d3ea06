#pragma once

#include <string_view>

// Casing of a string, by the locale-independent Unicode case mappings.
namespace keyloom {

// Lower-casing changes nothing and upper-casing changes something ("123" is neither).
bool isLowercased(std::string_view s);
// Upper-casing changes nothing and lower-casing changes something.
bool isUppercased(std::string_view s);
// Every whitespace-separated word starts upper case and goes on lower case ("" is capitalized).
bool isCapitalized(std::string_view s);

}  // namespace keyloom
