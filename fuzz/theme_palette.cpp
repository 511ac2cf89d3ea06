// The theme index is written by the host app into the shared store, and theme
// colours are parsed from hex strings: arbitrary stored values and strings
// must give a theme or the standard look, never a crash.
#include <cstdint>
#include <cstring>
#include <string>

#include "keyboard-extension/ThemePalette.h"
#include "platform/foundation/UserDefaults.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  (void)zandorelle::colorFromHex(text);

  auto store = platform::UserDefaults::suite("group.fuzz.theme");
  if (!store) return 0;
  const std::string key(zandorelle::themeIndexKey);
  switch (size % 4) {
    case 0:
      store->set(key, text);
      break;
    case 1: {
      std::int64_t value = 0;
      std::memcpy(&value, data, std::min(size, sizeof value));
      store->set(key, value);
      break;
    }
    case 2: {
      double value = 0;
      std::memcpy(&value, data, std::min(size, sizeof value));
      store->set(key, value);
      break;
    }
    default:
      store->removeObject(key);
  }
  const int index = zandorelle::themeIndexFromStore(*store);
  // Only no theme (-1) or a theme of the table may come out of the store.
  if (index < -1 || index >= static_cast<int>(zandorelle::themeTable().size())) __builtin_trap();
  (void)zandorelle::themeAt(index);
  return 0;
}
