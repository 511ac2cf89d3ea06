#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// Characters the keyboard inserts or looks for by name.
namespace keyboard_characters {
inline constexpr std::string_view carriageReturn = "\r";
inline constexpr std::string_view newline = "\n";
inline constexpr std::string_view space = " ";
inline constexpr std::string_view tab = "\t";
inline constexpr std::string_view zeroWidthSpace = "\u200B";
}  // namespace keyboard_characters

// The process-wide delimiter lists, made with their defaults on first use.
// Assign or edit them through the returned reference; every word and sentence
// operation reads the current list when it runs. Main thread only.
std::vector<std::string>& sentenceDelimiters();  // "!", ".", "?"
std::vector<std::string>& wordDelimiters();      // "!.?,;:()[]{}<>", space, line feed

// The whole string equals an entry of the list ("!!" is no delimiter).
bool isSentenceDelimiter(std::string_view s);
bool isWordDelimiter(std::string_view s);

// Whether a character is one of the characters that make up the entries of a
// list: the split set of the sentence and word splits.
bool isCharacterOfAny(std::string_view character, const std::vector<std::string>& entries);

}  // namespace keyloom
