// The recent emojis and the last emoji category are read back from user
// defaults, which any earlier version or a damaged store may have written:
// arbitrary stored values must read as nothing or a valid value.
#include <cstdint>
#include <string>
#include <vector>

#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/MostRecentEmojiProvider.h"
#include "keyloom/views/EmojiCategoryKeyboard.h"
#include "platform/foundation/UserDefaults.h"

using namespace keyloom;

namespace {

platform::UserDefaultsValue valueFrom(const std::string& bytes) {
  if (bytes.empty()) return {};
  switch (static_cast<unsigned char>(bytes[0]) % 4) {
    case 0:
      return bytes.substr(1);
    case 1: {
      platform::UserDefaultsValue::Array items;
      for (std::size_t i = 1; i < bytes.size(); i += 3) items.emplace_back(bytes.substr(i, 3));
      return items;
    }
    case 2:
      return static_cast<std::int64_t>(bytes.size());
    default:
      return platform::UserDefaultsValue::Array{platform::UserDefaultsValue(1.5), platform::UserDefaultsValue(true)};
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  auto& store = platform::UserDefaults::standard();

  MostRecentEmojiProvider recent;
  store.set(recent.key(), valueFrom(bytes));
  (void)recent.emojis();

  store.set(EmojiCategoryKeyboard::defaultsKey(), valueFrom(bytes));
  EmojiCategoryKeyboard keyboard(std::nullopt, {EmojiCategory::smileys, EmojiCategory::animals}, nullptr, nullptr,
                                 nullptr, nullptr, EmojiKeyboardStyle::standardPhonePortrait());
  (void)keyboard.rememberedCategory();
  return 0;
}
