#include "platform/ui/Image.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>

#include "platform/ui/Color.h"

namespace platform::ui {

namespace {

constexpr std::uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Larger pictures are refused before decoding, so hostile headers cannot ask
// for gigabytes.
constexpr std::uint32_t maxSide = 8192;
constexpr std::uint64_t maxPixels = 16u * 1024 * 1024;

std::uint32_t readBigEndian32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
         std::uint32_t(p[3]);
}

// The header must be a PNG signature followed by an IHDR chunk of sane size.
bool headerAcceptable(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 33 || std::memcmp(bytes.data(), pngSignature, 8) != 0) return false;
  if (readBigEndian32(&bytes[8]) != 13 || std::memcmp(&bytes[12], "IHDR", 4) != 0) return false;
  std::uint32_t width = readBigEndian32(&bytes[16]);
  std::uint32_t height = readBigEndian32(&bytes[20]);
  return width > 0 && height > 0 && width <= maxSide && height <= maxSide &&
         std::uint64_t(width) * height <= maxPixels;
}

struct Reader {
  const std::vector<std::uint8_t>* bytes;
  std::size_t offset;
};

cairo_status_t readChunk(void* closure, unsigned char* out, unsigned int length) {
  auto* reader = static_cast<Reader*>(closure);
  if (reader->bytes->size() - reader->offset < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, reader->bytes->data() + reader->offset, length);
  reader->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

Image Image::system(std::string name) {
  Image image;
  image.source_ = Source::system;
  image.name_ = std::move(name);
  return image;
}

Image Image::asset(std::string name, std::string bundlePath) {
  Image image;
  image.source_ = Source::asset;
  image.name_ = std::move(name);
  image.bundlePath_ = std::move(bundlePath);
  return image;
}

Image Image::fromData(std::vector<std::uint8_t> bytes) {
  Image image;
  image.source_ = Source::data;
  if (!headerAcceptable(bytes)) return image;
  Reader reader{&bytes, 0};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readChunk, &reader);
  bool decoded = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  if (decoded) {
    image.pixelSize_ = Size{double(cairo_image_surface_get_width(surface)),
                            double(cairo_image_surface_get_height(surface))};
    image.data_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
  }
  cairo_surface_destroy(surface);
  return image;
}

const std::vector<std::uint8_t>& Image::data() const {
  static const std::vector<std::uint8_t> none;
  return data_ ? *data_ : none;
}

std::string Image::description() const {
  switch (source_) {
    case Source::system:
      return "Image(systemName: \"" + name_ + "\")";
    case Source::asset:
      return "Image(\"" + name_ + "\"" + (bundlePath_.empty() ? "" : ", bundle: " + bundlePath_) +
             ")";
    case Source::data:
      if (!data_) return "Image(data: empty)";
      return "Image(data: " + formatNumber(pixelSize_.width) + "x" +
             formatNumber(pixelSize_.height) + ")";
  }
  return "Image";
}

bool Image::operator==(const Image& other) const {
  if (source_ != other.source_ || name_ != other.name_ || bundlePath_ != other.bundlePath_)
    return false;
  if (data_ == other.data_) return true;
  return data_ && other.data_ && *data_ == *other.data_;
}

}  // namespace platform::ui
