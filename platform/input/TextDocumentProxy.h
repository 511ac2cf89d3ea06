#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/foundation/UUID.h"
#include "platform/input/InputTraits.h"
#include "platform/input/TextInputMode.h"

namespace platform {

// A range in a text, counted in characters (grapheme clusters).
struct CharacterRange {
  std::size_t location = 0;
  std::size_t length = 0;
  bool operator==(const CharacterRange&) const = default;
};

// The keyboard's view of the document it types into: the text around the
// cursor, the edits a keyboard may make, and the document's input traits
// (each optional: absent means "not answered"). Offsets count grapheme
// clusters, so the cursor never lands inside a character. Proxies are
// compared by identity (the shared_ptr's object), never by value.
class TextDocumentProxy : public TextInputTraitsSource {
 public:
  // Text before and after the cursor (or the selection); absent when the
  // document gives none.
  virtual std::optional<std::string> documentContextBeforeInput() const = 0;
  virtual std::optional<std::string> documentContextAfterInput() const = 0;
  virtual std::optional<std::string> selectedText() const = 0;
  virtual bool hasText() const = 0;
  virtual std::optional<TextInputMode> documentInputMode() const = 0;
  virtual UUID documentIdentifier() const = 0;

  // Replaces the selection (or marked text) with `text`; the cursor follows it.
  virtual void insertText(const std::string& text) = 0;
  // Deletes the selection, or the one character before the cursor.
  virtual void deleteBackward() = 0;
  // Moves the cursor by a number of characters (negative: backwards).
  virtual void adjustTextPosition(int byCharacterOffset) = 0;
  // Provisional text an input method is still composing; `selectedRange` is
  // the cursor within it.
  virtual void setMarkedText(const std::string& text, CharacterRange selectedRange) = 0;
  // Accepts the marked text as ordinary text.
  virtual void unmarkText() = 0;
};

}  // namespace platform
