// Opening files that must be regular files, without ever waiting on something that is not one.
//
// A named pipe opened for reading blocks until a writer comes, and a device may block or act on
// the open itself. So the open never waits (O_NONBLOCK), the type is checked on the open
// descriptor, which is the thing then read, and only a regular file is handed back, in blocking
// mode again.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace tessera::platform {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor();
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  int get() const { return fd_; }
  // Hands the descriptor over to a caller that closes it.
  int release() { return std::exchange(fd_, -1); }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

// The regular file `path` names (a host path; links followed), opened with `flags` (O_RDONLY,
// O_WRONLY or O_RDWR, with O_CREAT making a missing file with mode 0666 less the umask), and its
// status in `info`. Answers an invalid descriptor with errno
// set when it cannot be opened: as open sets it (ENOENT for a missing file, ENOTDIR for a missing
// directory), EISDIR for a directory, ENODEV for a pipe, device or socket.
Descriptor OpenRegularFile(const std::filesystem::path& path, int flags, struct stat& info);

// The bytes of an open file from where it stands to its end (`size_hint` of them expected), or
// nullopt when reading fails.
std::optional<std::string> ReadToEnd(int fd, off_t size_hint);

}  // namespace tessera::platform
