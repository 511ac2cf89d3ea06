#pragma once

#include <memory>

#include "platform/input/InputViewController.h"
#include "platform/input/TextDocumentProxy.h"

namespace keyloom {

// The input view controller a KeyboardContext syncs with: the platform's
// controller, which may redirect textDocumentProxy() to a text field inside
// the keyboard, plus the host application's own proxy. The keyboard's
// controller implements it; the context needs nothing more of it.
class SyncableInputViewController : public platform::InputViewController {
 public:
  // The host application's proxy, whatever textDocumentProxy() returns.
  virtual std::shared_ptr<platform::TextDocumentProxy> mainTextDocumentProxy() = 0;
};

}  // namespace keyloom
