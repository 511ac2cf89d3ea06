#include "keyloom/text/ProxyState.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

struct ProxyState {
  AutocompleteSpaceState autocompleteSpaceState = AutocompleteSpaceState::none;
  bool isReadingFullDocumentContext = false;
};

ProxyState& proxyState() {
  static ProxyState state = [] {
    platform::registerProcessReset([] { proxyState() = ProxyState{}; });
    return ProxyState{};
  }();
  return state;
}

}  // namespace

AutocompleteSpaceState autocompleteSpaceState() { return proxyState().autocompleteSpaceState; }

void setAutocompleteSpaceState(AutocompleteSpaceState state) { proxyState().autocompleteSpaceState = state; }

bool isReadingFullDocumentContext() { return proxyState().isReadingFullDocumentContext; }

void setReadingFullDocumentContext(bool reading) { proxyState().isReadingFullDocumentContext = reading; }

}  // namespace keyloom
