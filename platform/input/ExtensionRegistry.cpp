#include "platform/input/ExtensionRegistry.h"

#include <algorithm>

#include "platform/foundation/Error.h"
#include "platform/foundation/ProcessState.h"

namespace platform {
namespace {

std::vector<KeyboardExtensionInfo>& installed() {
  static std::vector<KeyboardExtensionInfo>& extensions = []() -> std::vector<KeyboardExtensionInfo>& {
    static std::vector<KeyboardExtensionInfo> stored;
    registerProcessReset([] { stored.clear(); });
    return stored;
  }();
  return extensions;
}

std::vector<KeyboardExtensionInfo>::iterator find(std::string_view identifier) {
  auto& extensions = installed();
  return std::find_if(extensions.begin(), extensions.end(),
                      [&](const KeyboardExtensionInfo& info) { return info.identifier == identifier; });
}

}  // namespace

void ExtensionRegistry::install(KeyboardExtensionInfo extension) {
  if (extension.identifier.empty()) throw Error("A keyboard extension needs an identifier");
  if (!extension.makePrincipalController)
    throw Error("The keyboard extension " + extension.identifier + " has no principal controller");
  if (auto existing = find(extension.identifier); existing != installed().end()) {
    *existing = std::move(extension);
  } else {
    installed().push_back(std::move(extension));
  }
}

void ExtensionRegistry::uninstall(std::string_view identifier) {
  if (auto existing = find(identifier); existing != installed().end()) installed().erase(existing);
}

std::optional<KeyboardExtensionInfo> ExtensionRegistry::extension(std::string_view identifier) {
  auto existing = find(identifier);
  if (existing == installed().end()) return std::nullopt;
  return *existing;
}

std::vector<std::string> ExtensionRegistry::identifiers() {
  std::vector<std::string> result;
  for (const auto& info : installed()) result.push_back(info.identifier);
  return result;
}

}  // namespace platform
