// Arbitrary bytes as encoded image data (keyboard background images come from
// stored styles): decoding either gives a picture of a sane, positive size
// whose bytes are kept, or an empty image; it never crashes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/ui/Image.h"

using namespace platform::ui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  Image image = Image::fromData(bytes);
  if (image.isEmpty()) {
    if (!image.data().empty() || image.pixelSize().width != 0) std::abort();
  } else {
    if (image.data() != bytes) std::abort();
    if (image.pixelSize().width <= 0 || image.pixelSize().height <= 0) std::abort();
    if (image.pixelSize().width > 8192 || image.pixelSize().height > 8192) std::abort();
  }
  return 0;
}
