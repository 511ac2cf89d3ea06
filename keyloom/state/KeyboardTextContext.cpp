#include "keyloom/state/KeyboardTextContext.h"

#include "platform/foundation/MainQueue.h"

namespace keyloom {

std::shared_ptr<KeyboardTextContext> KeyboardTextContext::create() {
  return std::shared_ptr<KeyboardTextContext>(new KeyboardTextContext());
}

std::optional<std::string> KeyboardTextContext::documentContext() const {
  return documentContextBeforeInput.get().value_or("") + documentContextAfterInput.get().value_or("");
}

void KeyboardTextContext::sync(std::shared_ptr<platform::InputViewController> controller) {
  platform::MainQueue::main().async([self = shared_from_this(), controller = std::move(controller)] {
    self->copy(controller ? controller->textDocumentProxy().get() : nullptr);
  });
}

void KeyboardTextContext::copy(const platform::TextDocumentProxy* proxy) {
  // One read per field: the value compared is the value written. No proxy
  // gives no values.
  documentContextBeforeInput.setIfChanged(proxy ? proxy->documentContextBeforeInput() : std::nullopt);
  documentContextAfterInput.setIfChanged(proxy ? proxy->documentContextAfterInput() : std::nullopt);
  selectedText.setIfChanged(proxy ? proxy->selectedText() : std::nullopt);
}

}  // namespace keyloom
