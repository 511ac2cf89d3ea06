#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <typeinfo>

#include "platform/foundation/Error.h"
#include "platform/ui/Color.h"
#include "platform/ui/ColorScheme.h"
#include "platform/ui/Font.h"

namespace platform::ui {

// A typed environment key. Keys are identified by their address, so declare
// each once, as an inline variable in a header:
//   inline const EnvironmentKey<bool> isInScrollViewKey{"isInScrollView", false};
template <class T>
class EnvironmentKey {
 public:
  EnvironmentKey(std::string name, T defaultValue)
      : name_(std::move(name)), defaultValue_(std::move(defaultValue)) {}
  EnvironmentKey(const EnvironmentKey&) = delete;
  EnvironmentKey& operator=(const EnvironmentKey&) = delete;

  const std::string& name() const { return name_; }
  const T& defaultValue() const { return defaultValue_; }

 private:
  std::string name_;
  T defaultValue_;
};

enum class TextCase { uppercase, lowercase };

inline const EnvironmentKey<std::optional<Font>> fontKey{"font", std::nullopt};
inline const EnvironmentKey<std::optional<Color>> foregroundColorKey{"foregroundColor",
                                                                     std::nullopt};
inline const EnvironmentKey<ColorScheme> colorSchemeKey{"colorScheme", ColorScheme::light};
inline const EnvironmentKey<bool> boldKey{"bold", false};
inline const EnvironmentKey<std::optional<int>> lineLimitKey{"lineLimit", std::nullopt};
inline const EnvironmentKey<std::optional<TextCase>> textCaseKey{"textCase", std::nullopt};
inline const EnvironmentKey<double> minimumScaleFactorKey{"minimumScaleFactor", 1.0};
// What a link does when tapped; the host sets it (the default does nothing).
inline const EnvironmentKey<std::function<void(const std::string&)>> openURLKey{
    "openURL", std::function<void(const std::string&)>()};

// Thrown when a view asks for an environment object that no ancestor supplied.
class MissingEnvironmentObjectError : public Error {
 public:
  explicit MissingEnvironmentObjectError(const std::string& typeName);
  const std::string& typeName() const { return typeName_; }

 private:
  std::string typeName_;
};

// The values that flow down the view tree: typed values by key, and shared
// objects by type. A view sees what its ancestors set, the nearest one
// winning; setting a value affects only the views below the setter.
class EnvironmentValues {
 public:
  template <class T>
  const T& get(const EnvironmentKey<T>& key) const {
    auto it = values_.find(&key);
    if (it == values_.end()) return key.defaultValue();
    return *static_cast<const T*>(it->second.get());
  }

  template <class T>
  void set(const EnvironmentKey<T>& key, T value) {
    values_[&key] = std::make_shared<const T>(std::move(value));
  }

  template <class T>
  void setObject(std::shared_ptr<T> object) {
    objects_[std::type_index(typeid(T))] = std::move(object);
  }

  // The object of type T, or null when no ancestor supplied one.
  template <class T>
  std::shared_ptr<T> object() const {
    auto it = objects_.find(std::type_index(typeid(T)));
    if (it == objects_.end()) return nullptr;
    return std::static_pointer_cast<T>(it->second);
  }
  bool hasObject(std::type_index type) const { return objects_.count(type) != 0; }

  // Conveniences for the values the toolkit itself reads.
  ColorScheme colorScheme() const { return get(colorSchemeKey); }
  std::optional<Font> font() const { return get(fontKey); }
  std::optional<Color> foregroundColor() const { return get(foregroundColorKey); }
  // The font text is drawn with: the environment's font (body when none),
  // made bold when bold() applies.
  Font resolvedFont() const;
  // The colour text and shapes are drawn with: the foreground colour, or
  // the scheme's primary colour.
  Color resolvedForegroundColor() const;

 private:
  std::map<const void*, std::shared_ptr<const void>> values_;
  std::map<std::type_index, std::shared_ptr<void>> objects_;
};

}  // namespace platform::ui
