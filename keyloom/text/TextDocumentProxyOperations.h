#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "keyloom/text/AutocompleteSuggestion.h"
#include "keyloom/text/DeleteBackwardRange.h"
#include "platform/foundation/Locale.h"
#include "platform/input/TextDocumentProxy.h"

// The keyboard's reading and editing operations on any text document proxy.
// Every read asks the proxy again; nothing is cached. Lengths and counts are
// characters (grapheme clusters), as the proxy counts them.
namespace keyloom {

// ---- Reading

// The text before the cursor followed by the text after it; never absent.
std::optional<std::string> documentContext(const platform::TextDocumentProxy& proxy);

// The word fragment that ends at (starts at) the cursor; absent when the proxy
// gives no text before (after) the cursor.
std::optional<std::string> currentWordPreCursorPart(const platform::TextDocumentProxy& proxy);
std::optional<std::string> currentWordPostCursorPart(const platform::TextDocumentProxy& proxy);
// Both parts joined; "" when the cursor touches no word, absent when the proxy
// gives no text on either side.
std::optional<std::string> currentWord(const platform::TextDocumentProxy& proxy);
// The current word when it is at most `longest` characters long; absent when
// it is longer (only so much of it is looked at) or as currentWord is.
std::optional<std::string> currentWord(const platform::TextDocumentProxy& proxy, std::size_t longest);
bool hasCurrentWord(const platform::TextDocumentProxy& proxy);

// No text before the cursor, or it ends with a word delimiter.
bool isCursorAtNewWord(const platform::TextDocumentProxy& proxy);
// No text before the cursor, or it ends a sentence.
bool isCursorAtNewSentence(const platform::TextDocumentProxy& proxy);
bool isCursorAtNewSentenceWithTrailingWhitespace(const platform::TextDocumentProxy& proxy);
// The cursor stands after a word (or after delimiters) and no word follows it.
bool isCursorAtTheEndOfTheCurrentWord(const platform::TextDocumentProxy& proxy);

// The last ended sentence before the cursor.
std::optional<std::string> sentenceBeforeInput(const platform::TextDocumentProxy& proxy);
// The word just completed by the delimiter before the cursor ("world" for
// "Hello world "); absent at a new sentence or inside a word.
std::optional<std::string> wordBeforeInput(const platform::TextDocumentProxy& proxy);

bool hasUnclosedQuotationBeforeInput(const platform::TextDocumentProxy& proxy,
                                     const platform::Locale& locale);
bool hasUnclosedAlternateQuotationBeforeInput(const platform::TextDocumentProxy& proxy,
                                              const platform::Locale& locale);
// The quotation mark to insert in place of `whenInserting`; absent to keep it.
std::optional<std::string> preferredQuotationReplacement(const platform::TextDocumentProxy& proxy,
                                                         std::string_view whenInserting,
                                                         const platform::Locale& locale);

// The last suggestion inserted a space, and it is still before the cursor.
bool hasAutocompleteInsertedSpace(const platform::TextDocumentProxy& proxy);
// A key action has just removed that space.
bool hasAutocompleteRemovedSpace(const platform::TextDocumentProxy& proxy);

// ---- Editing

// Deletes `times` characters before the cursor; zero or less deletes nothing.
void deleteBackward(platform::TextDocumentProxy& proxy, int times);
// Deletes one character, or the word or sentence before the cursor together
// with the whitespace that follows it, never more than the text before the
// cursor. With no text before the cursor it deletes one character.
void deleteBackward(platform::TextDocumentProxy& proxy, DeleteBackwardRange range);
// How many characters deleteBackward(proxy, range) removes from this text
// before the cursor (one for `character` on an empty text).
std::size_t deleteBackwardLength(std::string_view textBeforeCursor, DeleteBackwardRange range);

// At the end of a word, replaces the spaces before the cursor with ". ".
// Counts the spaces once, so it ends even on a proxy that ignores deletions.
void endSentence(platform::TextDocumentProxy& proxy);

// Replaces the whole current word (both parts) and leaves the cursor after the
// replacement. An empty current word only inserts the replacement.
void replaceCurrentWord(platform::TextDocumentProxy& proxy, const std::string& replacement);

// Replaces the current word with the suggestion's text, then, when asked,
// tries to insert a space after it.
void insertAutocompleteSuggestion(platform::TextDocumentProxy& proxy,
                                  const AutocompleteSuggestion& suggestion, bool tryInsertSpace);

// The autocomplete space rules: insert a space after an applied suggestion
// unless one is already there; take it away before a typed delimiter; put it
// back after the delimiter.
void tryInsertSpaceAfterAutocomplete(platform::TextDocumentProxy& proxy);
void tryRemoveAutocompleteInsertedSpace(platform::TextDocumentProxy& proxy);
void tryReinsertAutocompleteRemovedSpace(platform::TextDocumentProxy& proxy);

}  // namespace keyloom
