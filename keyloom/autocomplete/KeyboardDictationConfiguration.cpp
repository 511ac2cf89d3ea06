#include "keyloom/autocomplete/KeyboardDictationConfiguration.h"

namespace keyloom {

void encodeValue(platform::Encoder& encoder, const KeyboardDictationConfiguration& configuration) {
  platform::KeyedEncodingContainer container = encoder.container();
  container.encode("appGroupId", configuration.appGroupId);
  container.encode("appDeepLink", configuration.appDeepLink);
}

KeyboardDictationConfiguration decodeValue(platform::Decoder& decoder,
                                           std::type_identity<KeyboardDictationConfiguration>) {
  const platform::KeyedDecodingContainer container = decoder.container();
  std::string appGroupId = container.decode<std::string>("appGroupId");
  std::string appDeepLink = container.decode<std::string>("appDeepLink");
  return {std::move(appGroupId), std::move(appDeepLink)};
}

}  // namespace keyloom
