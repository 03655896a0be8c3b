#include "tessera/platform/runtime/regular_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tessera::platform {

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

Descriptor OpenRegularFile(const std::filesystem::path& path, int flags, struct stat& info) {
  Descriptor fd(::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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

}  // namespace tessera::platform
