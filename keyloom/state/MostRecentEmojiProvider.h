#pragma once

#include <memory>
#include <string>
#include <vector>

#include "keyloom/state/EmojiProvider.h"
#include "platform/foundation/UserDefaults.h"

namespace keyloom {

// Remembers the emojis the user typed, most recent first, in a user-defaults
// store, so they survive launches of the keyboard. Keeps no copy in memory:
// providers on the same store and key share one list.
class MostRecentEmojiProvider : public FrequentEmojiProvider {
 public:
  // A negative maxCount keeps nothing, as 0 does.
  explicit MostRecentEmojiProvider(int maxCount = 30,
                                   std::shared_ptr<platform::UserDefaults> defaults =
                                       platform::UserDefaults::standardShared());

  const std::shared_ptr<platform::UserDefaults>& defaults() const { return defaults_; }
  int maxCount() const { return maxCount_; }
  // The library key prefix followed by ".MostRecentEmojiProvider.emojis".
  const std::string& key() const { return key_; }

  // The stored list; empty when nothing is stored or the stored value is not
  // an array of strings (which is left in place until the next registration).
  std::vector<Emoji> emojis() const override;
  std::vector<std::string> emojiChars() const;

  // Moves `emoji` to the front (adding it when new) and keeps at most maxCount.
  void registerEmoji(const Emoji& emoji) override;

 private:
  int maxCount_;
  std::shared_ptr<platform::UserDefaults> defaults_;
  std::string key_;
};

}  // namespace keyloom
