#include "tessera/platform/runtime/regular_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tessera::platform {

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

Descriptor OpenRegularFile(const std::filesystem::path& path, int flags, struct stat& info) {
  Descriptor fd(::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
  if (!fd) return fd;
  if (::fstat(fd.get(), &info) != 0) return Descriptor();
  if (!S_ISREG(info.st_mode)) {
    errno = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
    return Descriptor();
  }
  const int status = ::fcntl(fd.get(), F_GETFL);
  if (status < 0 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) != 0) return Descriptor();
  return fd;
}

std::optional<std::string> ReadToEnd(int fd, off_t size_hint) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size_hint));
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) return bytes;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
}

}  // namespace tessera::platform
