#pragma once

#include <string>
#include <string_view>
#include <typeinfo>

namespace platform::ui {

// A type's name as a person writes it, without namespaces ("KeyboardContext",
// "Row<Key>"), for tree dumps and error messages.
std::string readableTypeName(const std::type_info& type);
// The same name, made once per type and kept for the life of the process:
// views name themselves on every build, and demangling is slow.
std::string_view internedTypeName(const std::type_info& type);

// The demangled name with its namespaces ("keyloom::KeyboardContext").
std::string qualifiedTypeName(const std::type_info& type);

}  // namespace platform::ui
