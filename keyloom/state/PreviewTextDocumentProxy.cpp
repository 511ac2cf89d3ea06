#include "keyloom/state/PreviewTextDocumentProxy.h"

namespace keyloom {

PreviewTextDocumentProxy::PreviewTextDocumentProxy() : documentIdentifier_(platform::UUID::random()) {}

std::shared_ptr<PreviewTextDocumentProxy> PreviewTextDocumentProxy::preview() {
  return std::make_shared<PreviewTextDocumentProxy>();
}

}  // namespace keyloom
