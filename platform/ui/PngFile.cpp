#include "platform/ui/PngFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/foundation/Error.h"
#include "platform/foundation/SiblingFile.h"

namespace platform::ui {

namespace {

struct PngSink {
  int fd = -1;
  int error = 0;
};

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length) {
  auto* sink = static_cast<PngSink*>(closure);
  while (length > 0) {
    const ssize_t written = ::write(sink->fd, data, length);
    if (written < 0) {
      if (errno == EINTR) continue;
      sink->error = errno;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    data += written;
    length -= static_cast<unsigned int>(written);
  }
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void writePngFile(cairo_surface_t* surface, const std::string& path) {
  const auto fail = [&path](const std::string& reason) { throw Error("cannot write " + path + ": " + reason); };
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  const bool inPlace = exists && !S_ISREG(existing.st_mode);
  std::filesystem::path temporary;
  PngSink sink;
  sink.fd = inPlace ? ::open(path.c_str(), O_WRONLY | O_CLOEXEC) : createTemporarySibling(path, temporary);
  if (sink.fd < 0) fail(std::strerror(errno));
  // A picture written again keeps the file's mode.
  if (exists && !inPlace) ::fchmod(sink.fd, existing.st_mode & 07777);
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface, writeChunk, &sink);
  int error = sink.error;
  if (status == CAIRO_STATUS_SUCCESS && error == 0 && !inPlace && ::fsync(sink.fd) != 0) error = errno;
  if (::close(sink.fd) != 0 && error == 0) error = errno;
  if (status == CAIRO_STATUS_SUCCESS && error == 0 && !inPlace && ::rename(temporary.c_str(), path.c_str()) != 0) {
    error = errno;
  }
  if (status == CAIRO_STATUS_SUCCESS && error == 0) return;
  if (!inPlace) ::unlink(temporary.c_str());
  fail(error != 0 ? std::strerror(error) : cairo_status_to_string(status));
}

}  // namespace platform::ui
