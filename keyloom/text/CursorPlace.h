#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/UUID.h"
#include "platform/input/TextDocumentProxy.h"

namespace keyloom {

// Where the cursor stands: the proxy and document it is in and the text on
// either side of it, as far as the proxy shows it. A cursor is still at a
// place only when nothing around it moved or changed since.
class CursorPlace {
 public:
  static CursorPlace of(const std::shared_ptr<platform::TextDocumentProxy>& proxy);

  // Whether this proxy's cursor stands here now; never for an absent proxy.
  bool isCurrentIn(const std::shared_ptr<platform::TextDocumentProxy>& proxy) const;

 private:
  // Not owned: a proxy that is gone is nowhere.
  std::weak_ptr<platform::TextDocumentProxy> proxy_;
  platform::UUID document_;
  std::optional<std::string> before_;
  std::optional<std::string> after_;
};

}  // namespace keyloom
