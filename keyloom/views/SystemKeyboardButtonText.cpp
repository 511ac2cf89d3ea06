#include "keyloom/views/SystemKeyboardButtonText.h"

#include "platform/foundation/Text.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

bool SystemKeyboardButtonText::isLowercase(const std::string& text) {
  return platform::text::lowercased(text) == text && platform::text::uppercased(text) != text;
}

double SystemKeyboardButtonText::verticalOffset() const {
  return isInputAction && isLowercase(text) ? -2 : 0;
}

platform::ui::View SystemKeyboardButtonText::body() const {
  return platform::ui::Text(text).lineLimit(1).offset(0, verticalOffset());
}

}  // namespace keyloom
