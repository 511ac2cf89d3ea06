#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether the text before the cursor ends a sentence, and which sentence that is.
// Each reads the text from its end only as far as the last sentence reaches.
namespace keyloom {

// Trimmed of spaces and tabs and read without line feeds, the text is empty or
// ends with a sentence delimiter: "Hello.\n" is ended, "Hello\n" is not.
bool isLastSentenceEnded(std::string_view text);

// The text ends with whitespace or a newline that follows a sentence delimiter
// ("Hello. " yes, "Hello." no); a text that is empty or only whitespace counts.
bool isLastSentenceEndedWithTrailingWhitespace(std::string_view text);

// The last ended sentence without its delimiter, untrimmed: " How are you" for
// "Hello. How are you?". nullopt when the last sentence is not ended or is blank.
std::optional<std::string> lastSentence(std::string_view text);

// The last character is a sentence delimiter; false for "".
bool hasSentenceDelimiterSuffix(std::string_view text);

}  // namespace keyloom
