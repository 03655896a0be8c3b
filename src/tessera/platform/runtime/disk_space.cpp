#include "tessera/platform/runtime/disk_space.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

Claim ClaimSpace(int fd, int64_t from, int64_t to) {
  if (to <= from) return Claim::kClaimed;
  int result = 0;
  do {
    result = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, static_cast<off_t>(from), static_cast<off_t>(to - from));
  } while (result != 0 && errno == EINTR);
  if (result == 0) return Claim::kClaimed;
  if (errno == ENOSPC || errno == EDQUOT) return Claim::kNoRoom;
  if (errno == EOPNOTSUPP || errno == ENOSYS) return Claim::kUnsupported;
  Raise(FileErrorNumber(std::error_code(errno, std::generic_category())));
}

void ReleaseSpacePastEnd(int fd, int64_t claimed_to) noexcept {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size >= claimed_to) return;
  // Setting the length it has drops the blocks past it; punching a hole there would not (ext4
  // ignores holes past the end).
  [[maybe_unused]] const int ignored = ::ftruncate(fd, info.st_size);
}

}  // namespace tessera::platform
