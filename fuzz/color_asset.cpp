// Arbitrary bytes as a colour asset of the resource bundle: it either reads as
// a colour whose components all lie in 0...1, or fails with a decoding error.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "keyloom/resources/ColorAsset.h"
#include "platform/coding/DecodingError.h"

namespace {

bool inRange(const platform::ui::Rgba& c) {
  for (double v : {c.red, c.green, c.blue, c.alpha}) {
    if (!(v >= 0 && v <= 1)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const keyloom::ColorAsset asset = keyloom::ColorAsset::parse(text);
    if (!inRange(asset.light) || (asset.dark && !inRange(*asset.dark))) std::abort();
    (void)asset.color();
  } catch (const platform::DecodingError&) {
  }
  return 0;
}
