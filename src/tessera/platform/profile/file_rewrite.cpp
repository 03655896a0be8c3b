#include "tessera/platform/profile/file_rewrite.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/file_system.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;

// Temporary files are named ".<file>.tessera-<pid>-<n>", so that the next writer can tell whose
// they are.
std::string TemporaryPrefix(const fs::path& target) {
  return "." + target.filename().string() + ".tessera-";
}

std::string TemporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  return (target.parent_path() /
          (TemporaryPrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
      .string();
}

// The number that the whole of `text` spells in decimal digits, or nullopt.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  Number number{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

// The writer's process id of a temporary file named with `prefix`, or nullopt for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return std::nullopt;
  name.remove_prefix(prefix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !WholeNumber<unsigned>(name.substr(dash + 1))) return std::nullopt;
  const auto pid = WholeNumber<pid_t>(name.substr(0, dash));
  return pid && *pid > 0 ? pid : std::nullopt;
}

// A writer that was killed left its temporary file behind. Under the write lock no temporary of
// this process is in use, and one whose process is gone never will be again.
void RemoveStaleTemporaries(const fs::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(target.parent_path(), error)) {
    const auto owner = TemporaryOwner(entry.path().filename().string(), prefix);
    if (owner && (*owner == ::getpid() || (::kill(*owner, 0) != 0 && errno == ESRCH)))
      ::unlink(entry.path().c_str());
  }
}

void WriteFully(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) RaiseFileError(errno);
    done += static_cast<std::size_t>(n);
  }
}

struct stat StatusOf(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) RaiseFileError(errno);
  return info;
}

// Gives a new file the owner, group and mode of `original`; false where this process may not.
bool TakeIdentity(int fd, const struct stat& original) {
  if (::fchown(fd, original.st_uid, original.st_gid) != 0) return false;
  // After the owner: a change of owner clears the set-id bits.
  if (::fchmod(fd, original.st_mode & 07777) != 0) RaiseFileError(errno);
  return true;
}

// Writes `bytes` to a new file beside `target` and renames it over `target`. Answers nullopt,
// with nothing changed, where the new file could not take `original`'s owner and group.
std::optional<struct stat> ReplaceBeside(const fs::path& target, const std::string& bytes,
                                         const struct stat* original) {
  const std::string temporary = TemporaryName(target);
  const Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!out) RaiseFileError(errno, true);
  try {
    if (original != nullptr && !TakeIdentity(out.get(), *original)) {
      ::unlink(temporary.c_str());
      return std::nullopt;
    }
    WriteFully(out.get(), bytes);
    if (::fsync(out.get()) != 0) RaiseFileError(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) RaiseFileError(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  // The rename itself is made durable with the directory.
  const Descriptor directory(::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory) ::fsync(directory.get());
  // Taken from the file itself: another writer may already have replaced it at `target`.
  return StatusOf(out.get());
}

// The old bytes written back after a failed rewrite; the space is there, they held it a moment ago.
void PutBack(int fd, const std::string& old_bytes) {
  try {
    WriteFully(fd, old_bytes);
  } catch (const RuntimeError&) {
    return;  // the first failure is the one to report
  }
  [[maybe_unused]] const int ignored = ::ftruncate(fd, static_cast<off_t>(old_bytes.size()));
}

// Rewrites the file where it is. Space for a longer file is reserved first, so that a full disk
// is found before the first byte changes; a write that fails anyway puts the old bytes back.
struct stat RewriteInPlace(const fs::path& target, const std::string& bytes, const std::string& old_bytes) {
  struct stat info {};
  const Descriptor out = OpenRegularFile(target, O_WRONLY, info);
  if (!out) RaiseFileError(errno);
  if (bytes.size() > old_bytes.size() &&
      ::fallocate(out.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
      errno != EOPNOTSUPP)
    RaiseFileError(errno);
  try {
    WriteFully(out.get(), bytes);
    if (::ftruncate(out.get(), static_cast<off_t>(bytes.size())) != 0) RaiseFileError(errno);
  } catch (...) {
    PutBack(out.get(), old_bytes);
    throw;
  }
  if (::fsync(out.get()) != 0) RaiseFileError(errno);
  return StatusOf(out.get());
}

struct stat StatusOfDirectory(const fs::path& directory) {
  struct stat info {};
  if (::stat(directory.c_str(), &info) != 0) RaiseFileError(errno, true);
  return info;
}

}  // namespace

void RaiseFileError(int error_number, bool creating) {
  if (error_number == EISDIR) Raise(err::kPathFileAccessError);
  if (creating && (error_number == ENOENT || error_number == ENOTDIR)) Raise(err::kPathNotFound);
  Raise(FileErrorNumber(std::error_code(error_number, std::generic_category())));
}

struct stat RewriteFile(const std::string& path, const std::string& bytes, const struct stat* original,
                        const std::string& old_bytes) {
  const fs::path target = fs::absolute(path);
  if (original != nullptr && WriteProtected(target, original->st_mode)) Raise(err::kPermissionDenied);
  const fs::path directory = target.parent_path();
  const bool takes_new_files = !WriteProtected(directory, StatusOfDirectory(directory).st_mode);
  if (takes_new_files) RemoveStaleTemporaries(target);
  if (original == nullptr) {
    if (!takes_new_files) Raise(err::kPermissionDenied);
    return *ReplaceBeside(target, bytes, nullptr);
  }
  if (takes_new_files && original->st_nlink == 1) {
    if (auto written = ReplaceBeside(target, bytes, original)) return *written;
  }
  return RewriteInPlace(target, bytes, old_bytes);
}

}  // namespace tessera::platform
