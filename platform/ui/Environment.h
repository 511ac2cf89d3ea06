#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <typeinfo>

#include "platform/foundation/Error.h"
#include "platform/ui/BlockPool.h"
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
//
// Each node of a tree holds its own copy, so copies must be cheap: the
// values are an immutable list shared between copies, newest first, and
// setting one puts a new entry in front of the shared rest.
class EnvironmentValues {
 public:
  template <class T>
  const T& get(const EnvironmentKey<T>& key) const {
    for (const Entry* entry = values_.get(); entry; entry = entry->next.get()) {
      if (entry->key == &key) return static_cast<const ValueEntry<T>*>(entry)->value;
    }
    return key.defaultValue();
  }

  template <class T>
  void set(const EnvironmentKey<T>& key, T value) {
    auto entry = makeShared<ValueEntry<T>>(std::move(value));
    entry->key = &key;
    // Setting the same key again replaces the newest entry instead of
    // growing the list.
    entry->next = values_ && values_->key == &key ? values_->next : values_;
    values_ = std::move(entry);
  }

  template <class T>
  void setObject(std::shared_ptr<T> object) {
    auto entry = std::make_shared<ObjectEntry>();
    entry->type = std::type_index(typeid(T));
    entry->object = std::move(object);
    entry->next = objects_ && objects_->type == entry->type ? objects_->next : objects_;
    objects_ = std::move(entry);
  }

  // The object of type T, or null when no ancestor supplied one.
  template <class T>
  std::shared_ptr<T> object() const {
    const ObjectEntry* entry = findObject(std::type_index(typeid(T)));
    if (!entry) return nullptr;
    return std::static_pointer_cast<T>(entry->object);
  }
  bool hasObject(std::type_index type) const { return findObject(type) != nullptr; }

  // Whether both hold the same entries in the same order: the same objects,
  // and values that compare equal (values without operator==, such as
  // functions, only when they are the very entry). Cheap when the two share
  // their entries, as a node's environment and its children's do.
  bool operator==(const EnvironmentValues& other) const;

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
  struct Entry {
    virtual ~Entry() = default;
    // Whether `other`, an entry of the same key, holds an equal value.
    virtual bool sameValue(const Entry& other) const = 0;
    const void* key = nullptr;
    std::shared_ptr<const Entry> next;
  };
  template <class T>
  struct ValueEntry : Entry {
    explicit ValueEntry(T v) : value(std::move(v)) {}
    bool sameValue(const Entry& other) const override {
      if constexpr (std::equality_comparable<T>) {
        return value == static_cast<const ValueEntry<T>&>(other).value;
      } else {
        return this == &other;
      }
    }
    T value;
  };
  struct ObjectEntry {
    std::type_index type = typeid(void);
    std::shared_ptr<void> object;
    std::shared_ptr<const ObjectEntry> next;
  };

  const ObjectEntry* findObject(std::type_index type) const {
    for (const ObjectEntry* entry = objects_.get(); entry; entry = entry->next.get()) {
      if (entry->type == type) return entry;
    }
    return nullptr;
  }

  std::shared_ptr<const Entry> values_;
  std::shared_ptr<const ObjectEntry> objects_;
};

}  // namespace platform::ui
