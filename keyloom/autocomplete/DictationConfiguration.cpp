#include "keyloom/autocomplete/DictationConfiguration.h"

#include "platform/foundation/Locale.h"

namespace keyloom {

DictationConfiguration DictationConfiguration::standard() {
  return DictationConfiguration(platform::Locale::current().identifier());
}

void encodeValue(platform::Encoder& encoder, const DictationConfiguration& configuration) {
  platform::KeyedEncodingContainer container = encoder.container();
  container.encode("localeId", configuration.localeId);
}

DictationConfiguration decodeValue(platform::Decoder& decoder, std::type_identity<DictationConfiguration>) {
  const platform::KeyedDecodingContainer container = decoder.container();
  return DictationConfiguration(container.decode<std::string>("localeId"));
}

}  // namespace keyloom
