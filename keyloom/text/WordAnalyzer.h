#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The word fragments that touch a position, with the current word delimiters.
// Offsets count characters (grapheme clusters) from the start of the text;
// offsets outside the text are clamped to it.
namespace keyloom {

// The trailing (leading) run of characters that are not word delimiters.
std::string wordFragmentAtEnd(std::string_view text);
std::string wordFragmentAtStart(std::string_view text);
// The same when it is at most `longest` characters long, else none: looking
// no further keeps the cost flat however long the run.
std::optional<std::string> wordFragmentAtEnd(std::string_view text, std::size_t longest);
std::optional<std::string> wordFragmentAtStart(std::string_view text, std::size_t longest);

// The last character is a word delimiter; false for "".
bool hasWordDelimiterSuffix(std::string_view text);

// The word around the offset: the fragment before it followed by the fragment
// after it; nullopt when both are empty.
std::optional<std::string> word(std::string_view text, int offset);
std::string wordFragmentBefore(std::string_view text, int offset);
std::string wordFragmentAfter(std::string_view text, int offset);

}  // namespace keyloom
