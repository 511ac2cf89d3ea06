#include "platform/ui/PngFile.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/foundation/FileSizeLimitGuard.h"
#include "platform/foundation/SiblingFile.h"

namespace platform::ui {

namespace {

// Where the encoded bytes go, and the system's error once writing failed.
struct PngSink {
  int fd = -1;
  int error = 0;
};

bool writeAll(PngSink& sink, const unsigned char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t written = ::write(sink.fd, data, length);
    if (written < 0) {
      if (errno == EINTR) continue;
      sink.error = errno;
      return false;
    }
    data += written;
    length -= static_cast<std::size_t>(written);
  }
  return true;
}

[[noreturn]] void failWriting(const std::string& path, const std::string& reason) {
  throw Error("cannot write " + path + ": " + reason);
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether `file` is what standard output or standard error writes to, as
// when a shell redirected it there.
bool isStandardStream(const struct stat& file) {
  for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat open {};
    if (::fstat(stream, &open) == 0 && sameFile(open, file)) return true;
  }
  return false;
}

// Where a picture named `path` is written.
struct Destination {
  // The regular file (or the name of one to come) that a complete picture
  // replaces by a rename: `path` itself, or the end of the links it is.
  std::string file;
  // Written in place instead, through `path`: a device, a pipe, a standard
  // stream, or what a descriptor's link in /proc leads to.
  bool inPlace = false;
  // The file replaced, when there is one.
  std::optional<struct stat> replaced;
};

// Follows the links `path` is, one by one, to the file they lead to. Throws
// the system's reason when that cannot be told.
Destination destinationOf(const std::string& path) {
  const auto fail = [&path](int error) { failWriting(path, std::strerror(error)); };
  namespace fs = std::filesystem;
  fs::path file = path;
  for (int links = 0;; ++links) {
    struct stat named {};
    if (::lstat(file.c_str(), &named) != 0) {
      // Nothing there yet: a new file, there.
      if (errno == ENOENT) return {file.string(), false, std::nullopt};
      fail(errno);
    }
    if (S_ISREG(named.st_mode)) return {file.string(), false, named};
    if (!S_ISLNK(named.st_mode)) return {path, true, std::nullopt};
    // A descriptor's link (/dev/stdout, /proc/self/fd/1) names no file to
    // rename over: it may be a pipe, or a file a shell holds open.
    std::error_code error;
    const fs::path folder = fs::canonical(file.has_parent_path() ? file.parent_path() : fs::path("."), error);
    if (!error && (folder == "/proc" || folder.string().rfind("/proc/", 0) == 0)) return {path, true, std::nullopt};
    struct stat target {};
    if (::stat(file.c_str(), &target) == 0 && (!S_ISREG(target.st_mode) || isStandardStream(target))) {
      return {path, true, std::nullopt};
    }
    if (links == 40) fail(ELOOP);
    const fs::path next = fs::read_symlink(file, error);
    if (error) fail(error.value());
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
}

// Gives the new picture at `fd` the owner, group and mode of the file it
// replaces, as far as this user may: anyone but root owns a picture they
// write, as a new file, and keeps its group only when they are in it. A
// set-id bit goes with an owner or group not kept. The owner comes first, as
// a change of owner clears the set-id bits.
void keepOwnerAndMode(int fd, const struct stat& replaced) {
  struct stat created {};
  if (::fstat(fd, &created) != 0) return;
  if ((created.st_uid != replaced.st_uid || created.st_gid != replaced.st_gid) &&
      ::fchown(fd, replaced.st_uid, replaced.st_gid) != 0 && created.st_gid != replaced.st_gid) {
    ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
  }
  mode_t mode = replaced.st_mode & 07777;
  if (::fstat(fd, &created) == 0) {
    if (created.st_uid != replaced.st_uid) mode &= ~S_ISUID;
    if (created.st_gid != replaced.st_gid) mode &= ~S_ISGID;
  }
  ::fchmod(fd, mode);
}

// Opens the temporary beside the file `path` names (or the file itself, when
// it is no regular file: see Destination), lets `encode` write the picture
// and returns its failure (empty on success), then syncs and renames into
// place. On any failure the temporary is removed and Error names the path
// and the reason: the system's when writing failed, the encoder's otherwise.
void writeSafely(const std::string& path, const std::function<std::string(PngSink&)>& encode) {
  const auto fail = [&path](const std::string& reason) { failWriting(path, reason); };
  if (auto problem = pictureNameProblem(path)) fail(*problem);
  // A picture past the file-size limit fails as on a full disk.
  const FileSizeLimitGuard sizeLimit;
  // Only a regular file is replaced, also at the end of a link, which stays
  // a link: a failed write leaves the earlier picture, or nothing at all.
  const Destination destination = destinationOf(path);
  const bool inPlace = destination.inPlace;
  // What writes of this picture killed before their rename left beside it
  // goes first.
  if (!inPlace) removeStaleTemporarySiblings(destination.file, TemporaryNames::tagged);
  std::filesystem::path temporary;
  PngSink sink;
  sink.fd = inPlace ? ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)
                    : createTemporarySibling(destination.file, temporary);
  if (sink.fd < 0) fail(std::strerror(errno));
  if (destination.replaced) keepOwnerAndMode(sink.fd, *destination.replaced);
  std::string failure;
  try {
    failure = encode(sink);
  } catch (...) {
    ::close(sink.fd);
    if (!inPlace) ::unlink(temporary.c_str());
    throw;
  }
  int error = sink.error;
  const bool encoded = failure.empty() && error == 0;
  if (encoded && !inPlace && ::fsync(sink.fd) != 0) error = errno;
  if (::close(sink.fd) != 0 && error == 0) error = errno;
  if (encoded && error == 0 && !inPlace && ::rename(temporary.c_str(), destination.file.c_str()) != 0) error = errno;
  if (failure.empty() && error == 0) return;
  if (!inPlace) ::unlink(temporary.c_str());
  fail(error != 0 ? std::strerror(error) : failure);
}

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length) {
  return writeAll(*static_cast<PngSink*>(closure), data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

// libpng reports failures by jumping back to the step that called it. Each
// step below sets the jump and holds nothing that needs destroying, so the
// jump skips no destructor.
struct PngEncoder {
  png_structp png = nullptr;
  png_infop info = nullptr;
  char failure[160] = "";

  explicit PngEncoder(PngSink& sink) {
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, fail, warn);
    if (png) info = png_create_info_struct(png);
    if (png) png_set_write_fn(png, &sink, write, flush);
  }
  ~PngEncoder() { png_destroy_write_struct(&png, info ? &info : nullptr); }
  PngEncoder(const PngEncoder&) = delete;
  PngEncoder& operator=(const PngEncoder&) = delete;

  bool begin(int width, int height) {
    if (!png || !info) {
      std::snprintf(failure, sizeof failure, "out of memory");
      return false;
    }
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // A small deflate window and table: a screen of flat colours compresses
    // nearly as well in a quarter of the memory.
    png_set_compression_window_bits(png, 13);
    png_set_compression_mem_level(png, 6);
    png_write_info(png, info);
    return true;
  }
  bool writeRow(png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_write_row(png, row);
    return true;
  }
  bool end() {
    if (setjmp(png_jmpbuf(png))) return false;
    png_write_end(png, nullptr);
    return true;
  }

  static void write(png_structp png, png_bytep data, png_size_t length) {
    if (!writeAll(*static_cast<PngSink*>(png_get_io_ptr(png)), data, length)) png_error(png, "write error");
  }
  static void flush(png_structp) {}
  static void fail(png_structp png, png_const_charp message) {
    auto* encoder = static_cast<PngEncoder*>(png_get_error_ptr(png));
    std::snprintf(encoder->failure, sizeof encoder->failure, "%s", message);
    png_longjmp(png, 1);
  }
  static void warn(png_structp, png_const_charp) {}
};

// Bands with their margins of a quarter of a megabyte: a picture of a
// phone's screen at 1x is some five of them. Wide margins make them no
// narrower than a few rows.
constexpr int kBandBytes = 256 * 1024;
constexpr int kLeastBandRows = 16;

}  // namespace

std::optional<std::string> pictureNameProblem(std::string_view path) {
  static constexpr std::pair<std::string_view, std::string_view> kOtherFormats[] = {
      {".jpg", "JPEG"}, {".jpeg", "JPEG"}, {".gif", "GIF"},   {".bmp", "BMP"},
      {".webp", "WebP"}, {".tif", "TIFF"}, {".tiff", "TIFF"},
  };
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) return std::nullopt;
  std::string extension(path.substr(dot));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& [name, format] : kOtherFormats) {
    if (extension == name) {
      return "pictures are written as PNG, not " + std::string(format) + " (name the file .png)";
    }
  }
  return std::nullopt;
}

void writePngFile(cairo_surface_t* surface, const std::string& path) {
  writeSafely(path, [surface](PngSink& sink) -> std::string {
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, writeChunk, &sink);
    return status == CAIRO_STATUS_SUCCESS ? "" : cairo_status_to_string(status);
  });
}

void writeOpaquePngFile(const std::string& path, int width, int height, int margin,
                        const std::function<void(cairo_t* cr, PixelRows rows)>& drawBand) {
  if (width <= 0 || height <= 0) throw Error("cannot write " + path + ": an empty picture");
  margin = std::max(0, margin);
  writeSafely(path, [&](PngSink& sink) -> std::string {
    PngEncoder encoder(sink);
    if (!encoder.begin(width, height)) return encoder.failure;
    const int bandRows = std::clamp(kBandBytes / (4 * width) - 2 * margin, kLeastBandRows, height);
    // The surface holds exactly the rows drawn, no more: drawing that runs
    // past the picture's edges is cut there, as in the whole picture.
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(nullptr, cairo_surface_destroy);
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(nullptr, cairo_destroy);
    std::vector<unsigned char> row(3 * static_cast<std::size_t>(width));
    for (int top = 0; top < height; top += bandRows) {
      const int count = std::min(bandRows, height - top);
      const int first = std::max(0, top - margin);
      const int rows = std::min(height, top + count + margin) - first;
      context.reset();
      if (!surface || cairo_image_surface_get_height(surface.get()) != rows) {
        surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, rows));
      }
      // Moved by the surface's offset, not the context's transformation:
      // every point then lands exactly where it lands in the whole picture,
      // less whole rows.
      cairo_surface_set_device_offset(surface.get(), 0, -first);
      context.reset(cairo_create(surface.get()));
      if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
        return cairo_status_to_string(cairo_status(context.get()));
      }
      cairo_t* cr = context.get();
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_paint(cr);
      drawBand(cr, PixelRows{first, rows});
      cairo_surface_flush(surface.get());
      const unsigned char* data = cairo_image_surface_get_data(surface.get());
      const int stride = cairo_image_surface_get_stride(surface.get());
      for (int y = top - first; y < top - first + count; ++y) {
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
          row[3 * x] = static_cast<unsigned char>(pixels[x] >> 16);
          row[3 * x + 1] = static_cast<unsigned char>(pixels[x] >> 8);
          row[3 * x + 2] = static_cast<unsigned char>(pixels[x]);
        }
        if (!encoder.writeRow(row.data())) return encoder.failure;
      }
    }
    if (!encoder.end()) return encoder.failure;
    return "";
  });
}

}  // namespace platform::ui
