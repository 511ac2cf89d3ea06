#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Unicode text helpers over UTF-8 strings, backed by ICU. Counts, offsets and
// "characters" are extended grapheme clusters ("\r\n" is one character).
namespace platform::text {

// Grapheme clusters.
std::vector<std::string> graphemes(std::string_view s);
std::size_t graphemeCount(std::string_view s);

// The head and tail helpers only segment a bounded window at that end, so
// they stay cheap on long documents.
std::string lastGraphemes(std::string_view s, std::size_t n);
std::string firstGraphemes(std::string_view s, std::size_t n);
std::optional<std::string> lastGrapheme(std::string_view s);   // nullopt for ""
std::optional<std::string> firstGrapheme(std::string_view s);  // nullopt for ""
std::string dropLastGraphemes(std::string_view s, std::size_t n);
std::string dropFirstGraphemes(std::string_view s, std::size_t n);

// Byte offset where the cluster with this index starts; s.size() past the end.
std::size_t byteOffsetOfGrapheme(std::string_view s, std::size_t index);
// Every cluster boundary as a byte offset: 0, ..., s.size() ({0} for "").
std::vector<std::size_t> graphemeBoundaries(std::string_view s);

// Full case mapping ("straße" -> "STRASSE"); localeId selects language rules
// such as Turkish dotted i. An empty id uses root rules.
std::string uppercased(std::string_view s, std::string_view localeId = "");
std::string lowercased(std::string_view s, std::string_view localeId = "");
// Each whitespace-separated word: first letter title-cased, the rest lowercased.
std::string capitalized(std::string_view s);

// Character classes.
bool isWhitespace(char32_t c);           // Zs and tab
bool isWhitespaceOrNewline(char32_t c);  // Zs, Zl, Zp, U+0009..U+000D, U+0085
bool isUnicodeWhiteSpace(char32_t c);    // the White_Space property
bool isAlphanumeric(char32_t c);         // letters, marks and numbers (L*, M*, N*)
std::string trimmingWhitespace(std::string_view s);
std::string trimmingWhitespaceAndNewlines(std::string_view s);

// Scalars. Invalid bytes decode to U+FFFD; invalid scalars encode as U+FFFD.
std::u32string toScalars(std::string_view s);
std::string fromScalars(std::u32string_view s);
std::string fromScalar(char32_t c);
bool isValidUtf8(std::string_view s);
// The text less the byte-order mark (U+FEFF as UTF-8) that some editors start
// a file with; only one at the very start, anywhere else it is text.
std::string_view withoutByteOrderMark(std::string_view s);

// Unicode properties.
bool isEmoji(char32_t c);              // Emoji
bool isEmojiPresentation(char32_t c);  // Emoji_Presentation
bool isEmojiModifier(char32_t c);      // Emoji_Modifier (the skin tones)
// The text with U+FE0F after each character that has the Emoji property but
// shows as text unless asked (no Emoji_Presentation), where no variation
// selector or skin tone follows it already: so an emoji drawn alone, or in
// a sequence written without its selectors, comes from a colour emoji font.
// Bytes that are not valid UTF-8 are kept as they are.
std::string withEmojiPresentation(std::string_view s);
std::string scalarName(char32_t c);    // "GRINNING FACE"; "" when the scalar has no name

// Canonical composition (NFC).
std::string nfc(std::string_view s);

}  // namespace platform::text
