#include "keyloom/services/KeyboardUrlOpener.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

const char* describe(KeyboardUrlOpener::UrlError::Kind kind) {
  switch (kind) {
    case KeyboardUrlOpener::UrlError::Kind::nilUrl:
      return "The URL to open is missing.";
    case KeyboardUrlOpener::UrlError::Kind::noKeyboardController:
      return "No keyboard controller is available to open the URL.";
  }
  return "The URL could not be opened.";
}

}  // namespace

KeyboardUrlOpener::UrlError::UrlError(Kind kind) : platform::Error(describe(kind)), kind_(kind) {}

KeyboardUrlOpener& KeyboardUrlOpener::shared() {
  static KeyboardUrlOpener* instance = [] {
    static KeyboardUrlOpener opener;
    platform::registerProcessReset([] { opener.setController({}); });
    return &opener;
  }();
  return *instance;
}

void KeyboardUrlOpener::open(const std::optional<platform::URL>& url) {
  auto current = controller();
  if (!current) throw UrlError(UrlError::Kind::noKeyboardController);
  current->openUrl(url);
}

}  // namespace keyloom
