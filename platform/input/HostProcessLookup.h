#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// The platform's private services that tell which application a keyboard
// process serves: the extension's connection to the host process, found by
// the host's process identifier, and the bundle identifier at its other end.
// Undocumented on the real platform, absent here: the default answers nothing.
class HostProcessLookup {
 public:
  virtual ~HostProcessLookup() = default;

  // The bundle identifier of the application behind the host process
  // `hostProcessId`, as seen through this extension's connection to it;
  // absent when any step of the lookup fails.
  virtual std::optional<std::string> bundleIdentifier(std::int64_t hostProcessId) const;

  // The lookup in use; tests and platforms that have one replace it. Reset
  // to the default between tests.
  static std::shared_ptr<const HostProcessLookup> current();
  static void setCurrent(std::shared_ptr<const HostProcessLookup> lookup);
};

}  // namespace platform
