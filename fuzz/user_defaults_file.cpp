// Arbitrary bytes as the file of a shared user-defaults store (written by
// another process): parsing must never crash, a parsed store must survive a
// write and re-read unchanged, and the typed reads must accept every value.
// What a damaged file still yields must be a store that writes and reads back
// unchanged too, and a file that parses whole yields exactly that.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/foundation/FileUserDefaultsStore.h"

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  auto entries = FileUserDefaultsStore::parseEntries(text);
  auto parsed = FileUserDefaultsStore::parse(text);
  if (parsed && (!entries || !entries->complete || entries->values != *parsed)) std::abort();
  if (entries && FileUserDefaultsStore::parse(FileUserDefaultsStore::serialize(entries->values)) != entries->values) {
    std::abort();
  }
  if (!parsed) return 0;
  auto again = FileUserDefaultsStore::parse(FileUserDefaultsStore::serialize(*parsed));
  if (!again || *again != *parsed) std::abort();
  for (const auto& [key, value] : *parsed) {
    (void)userDefaultsConversion::integer(value);
    (void)userDefaultsConversion::boolean(value);
    (void)userDefaultsConversion::doubleValue(value);
    (void)userDefaultsConversion::string(value);
    (void)userDefaultsConversion::stringArray(value);
  }
  return 0;
}
