#include "keyloom/text/CursorPlace.h"

namespace keyloom {

CursorPlace CursorPlace::of(const std::shared_ptr<platform::TextDocumentProxy>& proxy) {
  CursorPlace place;
  if (!proxy) return place;
  place.proxy_ = proxy;
  place.document_ = proxy->documentIdentifier();
  place.before_ = proxy->documentContextBeforeInput();
  place.after_ = proxy->documentContextAfterInput();
  return place;
}

bool CursorPlace::isCurrentIn(const std::shared_ptr<platform::TextDocumentProxy>& proxy) const {
  // The cheap comparisons first: this runs on key presses.
  return proxy && proxy_.lock() == proxy && proxy->documentIdentifier() == document_ &&
         proxy->documentContextBeforeInput() == before_ && proxy->documentContextAfterInput() == after_;
}

}  // namespace keyloom
