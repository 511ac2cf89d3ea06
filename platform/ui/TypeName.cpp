#include "platform/ui/TypeName.h"

#include <cxxabi.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <typeindex>
#include <unordered_map>

namespace platform::ui {

std::string qualifiedTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

namespace {

std::string makeReadableTypeName(const std::type_info& type) {
  // Drop every "qualifier::" prefix, also inside template arguments.
  const std::string name = qualifiedTypeName(type);
  std::string result;
  std::string word;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (c == ':' && i + 1 < name.size() && name[i + 1] == ':') {
      word.clear();
      ++i;
      continue;
    }
    bool wordChar = std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '(' ||
                    c == ')' || c == ' ';
    if (wordChar && !(c == ' ' && word.empty())) {
      word += c;
    } else {
      result += word;
      word.clear();
      result += c;
    }
  }
  result += word;
  return result;
}

}  // namespace

std::string_view internedTypeName(const std::type_info& type) {
  static std::mutex mutex;
  // Never destroyed: names may be read while other statics are torn down.
  static auto* names = new std::unordered_map<std::type_index, std::string>;
  std::lock_guard lock(mutex);
  auto [entry, inserted] = names->try_emplace(std::type_index(type));
  if (inserted) entry->second = makeReadableTypeName(type);
  return entry->second;
}

std::string readableTypeName(const std::type_info& type) { return std::string(internedTypeName(type)); }

}  // namespace platform::ui
