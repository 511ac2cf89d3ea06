#pragma once

#include <string>
#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/URL.h"

namespace keyloom {

// How the keyboard hands dictation to its host app: the app group of the store
// both share, and the deep link that opens the app for dictation.
struct KeyboardDictationConfiguration {
  KeyboardDictationConfiguration(std::string appGroupId, std::string appDeepLink)
      : appGroupId(std::move(appGroupId)), appDeepLink(std::move(appDeepLink)) {}

  std::string appGroupId;
  std::string appDeepLink;

  // Whether the URL is exactly the deep link, compared as plain strings (no
  // normalisation of case, trailing slashes, query or fragment).
  bool matchesDeepLink(const platform::URL& url) const { return url.absoluteString() == appDeepLink; }

  bool operator==(const KeyboardDictationConfiguration&) const = default;
};

// {"appGroupId": "…", "appDeepLink": "…"}; both required.
void encodeValue(platform::Encoder& encoder, const KeyboardDictationConfiguration& configuration);
KeyboardDictationConfiguration decodeValue(platform::Decoder& decoder,
                                           std::type_identity<KeyboardDictationConfiguration>);

}  // namespace keyloom
