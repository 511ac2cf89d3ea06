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

bool EnvironmentValues::operator==(const EnvironmentValues& other) const {
  const Entry* a = values_.get();
  const Entry* b = other.values_.get();
  for (; a != b; a = a->next.get(), b = b->next.get()) {  // a shared rest is equal
    if (!a || !b || a->key != b->key || !a->sameValue(*b)) return false;
  }
  const ObjectEntry* objectA = objects_.get();
  const ObjectEntry* objectB = other.objects_.get();
  for (; objectA != objectB; objectA = objectA->next.get(), objectB = objectB->next.get()) {
    if (!objectA || !objectB || objectA->type != objectB->type || objectA->object != objectB->object) {
      return false;
    }
  }
  return true;
}

}  // namespace platform::ui
