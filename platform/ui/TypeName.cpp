#include "platform/ui/TypeName.h"

#include <cxxabi.h>

#include <cctype>
#include <cstdlib>
#include <memory>

namespace platform::ui {

std::string qualifiedTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

std::string readableTypeName(const std::type_info& type) {
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

}  // namespace platform::ui
