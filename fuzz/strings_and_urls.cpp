// Arbitrary bytes as a string table, as a URL, and as JSON for a nested
// payload type: every reader must refuse bad input with an error, never crash.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/coding/Codable.h"
#include "platform/foundation/StringsFile.h"
#include "platform/foundation/URL.h"

namespace {

struct Sample {
  std::map<std::string, std::vector<std::optional<std::int16_t>>> values;
  std::optional<platform::URL> url;

  friend Sample decodeValue(platform::Decoder& decoder, std::type_identity<Sample>) {
    auto found = platform::decodeCase(decoder, std::array<std::string_view, 2>{"x", "y"}, "Sample");
    Sample sample;
    sample.values = found.payload.decode<decltype(sample.values)>("a");
    sample.url = found.payload.decodeIfPresent<platform::URL>("u");
    return sample;
  }
  friend void encodeValue(platform::Encoder& encoder, const Sample& sample) {
    auto payload = platform::encodeCase(encoder, "x");
    payload.encode("a", sample.values);
    payload.encodeIfPresent("u", sample.url);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    auto sample = platform::JSONDecoder().decode<Sample>(text);
    (void)platform::JSONEncoder().encode(sample);
  } catch (const platform::DecodingError&) {
  } catch (const platform::EncodingError&) {
  }
  (void)platform::StringsFile::parse(text);
  if (auto url = platform::URL::fromString(text)) {
    (void)url->path();
    (void)url->host();
    (void)url->lastPathComponent();
    (void)url->deletingLastPathComponent();
    (void)url->appendingPathComponent("a b");
  }
  return 0;
}
