#include "platform/ui/Environment.h"

namespace platform::ui {

MissingEnvironmentObjectError::MissingEnvironmentObjectError(const std::string& typeName)
    : Error("Missing environment object of type " + typeName +
            ": an ancestor view must supply it with environmentObject()"),
      typeName_(typeName) {}

Font EnvironmentValues::resolvedFont() const {
  Font font = get(fontKey).value_or(Font::body());
  return get(boldKey) ? font.bold() : font;
}

Color EnvironmentValues::resolvedForegroundColor() const {
  return get(foregroundColorKey).value_or(Color::primary());
}

}  // namespace platform::ui
