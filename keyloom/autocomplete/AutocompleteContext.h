#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "keyloom/text/AutocompleteSuggestion.h"
#include "keyloom/text/CursorPlace.h"
#include "platform/foundation/Error.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/reactive/Cancellable.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"

namespace keyloom {

// Why a provider has no suggestions; absent when nothing failed.
using AutocompleteError = std::shared_ptr<const platform::Error>;

// The suggestion state that the keyboard's views observe.
class AutocompleteContext : public platform::ObservableObject {
 public:
  AutocompleteContext();

  // Gates the controller's suggestion requests.
  platform::Published<bool> isEnabled{*this, true};
  // For providers and views that show progress; only reset() touches it here.
  platform::Published<bool> isLoading{*this, false};
  // The last failure; a later success leaves it as it is.
  platform::Published<AutocompleteError> lastError{*this, nullptr};
  // The last successful result, in the provider's order.
  platform::Published<std::vector<AutocompleteSuggestion>> suggestions{*this, {}};

  // Clears loading, error and suggestions, in that order (a change for each
  // that was set; a clear context does not change, so the keyboard is not
  // rebuilt on every key that has no word to complete); keeps isEnabled.
  virtual void reset();

  // Suggestions belong to the place they were computed for: applied anywhere
  // else, one would replace a word it was not meant for. Publishing sets them
  // with their place. Taking them down keeps it, so a suggestion still on
  // screen a moment longer applies nowhere else either, until an answer for
  // the new place comes; suggestions set directly, without a place, apply
  // wherever the cursor is.
  void publish(std::vector<AutocompleteSuggestion> suggestions, CursorPlace place);
  // Where the suggestions shown (or none) now belong, with no change to
  // publish: an answer equal to them came for that place.
  void setSuggestionsPlace(CursorPlace place) { suggestionsPlace_ = std::move(place); }
  // Whether the suggestions may replace the word at this proxy's cursor now.
  bool suggestionsApplyAt(const std::shared_ptr<platform::TextDocumentProxy>& proxy) const;

 private:
  std::optional<CursorPlace> suggestionsPlace_;
  platform::Cancellable forgetsPlaceOfDirectlySetSuggestions_;
};

}  // namespace keyloom
