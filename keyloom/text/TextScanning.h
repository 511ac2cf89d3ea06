#pragma once

#include <optional>
#include <string_view>

// Reading a text from one end without segmenting the rest of it. A key press
// looks at the few characters near the cursor however long the document is, so
// the text operations walk inwards from the end (or start) they care about.
namespace keyloom::textscan {

using ScalarPredicate = bool (*)(char32_t);

// First or last scalar; nullopt for "". Ill-formed bytes read as U+FFFD.
std::optional<char32_t> firstScalar(std::string_view s);
std::optional<char32_t> lastScalar(std::string_view s);

// The text without its leading, trailing or both runs of matching scalars.
std::string_view trimStart(std::string_view s, ScalarPredicate matches);
std::string_view trimEnd(std::string_view s, ScalarPredicate matches);
std::string_view trim(std::string_view s, ScalarPredicate matches);

// Splits the last (first) character off the text and returns it; "" when the
// text is empty. The returned view points into the original text.
std::string_view popLastCharacter(std::string_view& s);
std::string_view popFirstCharacter(std::string_view& s);

// A character's class is the class of its first scalar, so "\r\n" is a newline
// and a space carrying a combining mark is still whitespace.
bool characterStartsWith(std::string_view character, ScalarPredicate matches);

}  // namespace keyloom::textscan
