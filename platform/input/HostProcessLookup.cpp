#include "platform/input/HostProcessLookup.h"

#include "platform/foundation/ProcessState.h"

namespace platform {

namespace {

std::shared_ptr<const HostProcessLookup>& currentLookup() {
  static auto* slot = [] {
    static std::shared_ptr<const HostProcessLookup> lookup;
    registerProcessReset([] { lookup.reset(); });
    return &lookup;
  }();
  return *slot;
}

}  // namespace

std::optional<std::string> HostProcessLookup::bundleIdentifier(std::int64_t) const { return std::nullopt; }

std::shared_ptr<const HostProcessLookup> HostProcessLookup::current() {
  auto& lookup = currentLookup();
  if (!lookup) lookup = std::make_shared<HostProcessLookup>();
  return lookup;
}

void HostProcessLookup::setCurrent(std::shared_ptr<const HostProcessLookup> lookup) {
  currentLookup() = std::move(lookup);
}

}  // namespace platform
