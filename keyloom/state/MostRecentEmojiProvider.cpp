#include "keyloom/state/MostRecentEmojiProvider.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

#include "keyloom/core/LibraryKeyPrefix.h"

namespace keyloom {

MostRecentEmojiProvider::MostRecentEmojiProvider(int maxCount, std::shared_ptr<platform::UserDefaults> defaults)
    : maxCount_(std::max(maxCount, 0)),
      defaults_(std::move(defaults)),
      key_(libraryDefaultsKey(".MostRecentEmojiProvider.emojis")) {
  assert(defaults_ && "a recent-emoji store needs a user-defaults store");
}

std::vector<std::string> MostRecentEmojiProvider::emojiChars() const {
  return defaults_->stringArray(key_).value_or(std::vector<std::string>{});
}

std::vector<Emoji> MostRecentEmojiProvider::emojis() const {
  std::vector<Emoji> result;
  for (std::string& text : emojiChars()) result.emplace_back(std::move(text));
  return result;
}

void MostRecentEmojiProvider::registerEmoji(const Emoji& emoji) {
  std::vector<std::string> chars = emojiChars();
  // One entry per emoji, also when an earlier use wrote it with other but
  // canonically equivalent scalars.
  std::erase_if(chars, [&emoji](const std::string& text) { return Emoji(text) == emoji; });
  chars.insert(chars.begin(), emoji.char_());
  if (chars.size() > static_cast<std::size_t>(maxCount_)) chars.resize(static_cast<std::size_t>(maxCount_));
  defaults_->set(key_, platform::UserDefaultsValue(chars));
}

}  // namespace keyloom
