#pragma once

#include <vector>

#include "keyloom/state/Emoji.h"

namespace keyloom {

// A source of a list of emojis.
class EmojiProvider {
 public:
  virtual ~EmojiProvider() = default;
  virtual std::vector<Emoji> emojis() const = 0;
};

// A source of emojis that learns from the emojis the user types.
class FrequentEmojiProvider : public EmojiProvider {
 public:
  // Called each time the user has used `emoji`.
  virtual void registerEmoji(const Emoji& emoji) = 0;
};

}  // namespace keyloom
