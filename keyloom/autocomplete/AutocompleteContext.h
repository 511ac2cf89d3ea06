#pragma once

#include <memory>
#include <vector>

#include "keyloom/text/AutocompleteSuggestion.h"
#include "platform/foundation/Error.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"

namespace keyloom {

// Why a provider has no suggestions; absent when nothing failed.
using AutocompleteError = std::shared_ptr<const platform::Error>;

// The suggestion state that the keyboard's views observe.
class AutocompleteContext : public platform::ObservableObject {
 public:
  AutocompleteContext() = default;

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
};

}  // namespace keyloom
