#include "tessera/platform/profile/ini_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <list>
#include <mutex>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "tessera/platform/profile/file_rewrite.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;

// What tells two versions of a file apart without reading them.
struct Identity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  static Identity Of(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
  }
  bool operator==(const Identity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
  }
};

// Parsed files by path, the most recently used first; a few dozen settings files is what a host
// has open, so the cache keeps a bounded number.
class IniCache {
 public:
  std::shared_ptr<const IniDocument> Find(const std::string& path, const Identity& identity) {
    const std::lock_guard lock(mutex_);
    const auto found = index_.find(path);
    if (found == index_.end() || !(found->second->identity == identity)) return nullptr;
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->document;
  }

  void Store(const std::string& path, const Identity& identity, std::shared_ptr<const IniDocument> document) {
    const std::lock_guard lock(mutex_);
    if (const auto found = index_.find(path); found != index_.end()) {
      entries_.erase(found->second);
      index_.erase(found);
    }
    entries_.push_front({path, identity, std::move(document)});
    index_[path] = entries_.begin();
    if (entries_.size() > kCapacity) {
      index_.erase(entries_.back().path);
      entries_.pop_back();
    }
  }

 private:
  static constexpr std::size_t kCapacity = 64;
  struct Entry {
    std::string path;
    Identity identity;
    std::shared_ptr<const IniDocument> document;
  };
  std::mutex mutex_;
  std::list<Entry> entries_;
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

IniCache& Cache() {
  static IniCache cache;
  return cache;
}

std::atomic<bool> cache_enabled{true};

std::shared_ptr<const IniDocument> Cached(const std::string& path, const struct stat& info) {
  return cache_enabled ? Cache().Find(path, Identity::Of(info)) : nullptr;
}

// Reads and parses the open file `fd` of `path` and keeps the copy for the next read.
std::shared_ptr<const IniDocument> Parsed(const std::string& path, int fd, const struct stat& info) {
  auto bytes = ReadToEnd(fd, info.st_size);
  if (!bytes) return std::make_shared<IniDocument>();
  auto document = std::make_shared<const IniDocument>(std::move(*bytes));
  if (cache_enabled) Cache().Store(path, Identity::Of(info), document);
  return document;
}

// The file a path stands for, with symbolic links followed so that a write replaces the file the
// link points to and keeps the link.
std::string ResolvedPath(std::string_view file) {
  fs::path path = ToHostPath(file);
  std::error_code error;
  if (fs::is_symlink(path, error)) {
    const fs::path target = fs::weakly_canonical(path, error);
    if (!error) path = target;
  }
  return path.string();
}

std::string DirectoryOf(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// An exclusive advisory lock for one read-modify-write of `path`: on the file itself, checked to
// be the file the path still names (a writer may have renamed a new one over it meanwhile), or on
// the directory while the file does not exist.
struct WriteLock {
  Descriptor held;
  Descriptor file;  // the locked file, invalid when it does not exist yet
  struct stat info {};
};

WriteLock LockForWriting(const std::string& path) {
  for (;;) {
    WriteLock lock;
    lock.file = OpenRegularFile(path, O_RDONLY, lock.info);
    if (lock.file) {
      if (::flock(lock.file.get(), LOCK_EX) != 0) RaiseFileError(errno);
      struct stat now {};
      if (::fstat(lock.file.get(), &lock.info) != 0) RaiseFileError(errno);
      if (::stat(path.c_str(), &now) == 0 && now.st_ino == lock.info.st_ino &&
          now.st_dev == lock.info.st_dev) {
        lock.held = std::move(lock.file);
        lock.file = Descriptor(::dup(lock.held.get()));
        return lock;
      }
      continue;  // replaced while we waited: lock the new file
    }
    if (errno != ENOENT) RaiseFileError(errno);
    lock.held = Descriptor(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!lock.held) RaiseFileError(errno, true);
    if (::flock(lock.held.get(), LOCK_EX) != 0) RaiseFileError(errno);
    if (::access(path.c_str(), F_OK) != 0) return lock;  // still missing: we create it
  }
}

}  // namespace

std::shared_ptr<const IniDocument> ReadIniFile(std::string_view file) {
  const std::string path = ResolvedPath(file);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::make_shared<IniDocument>();
  if (auto cached = Cached(path, info)) return cached;
  // Opened after the look-up, so that a hit costs one stat. A file that is rewritten in place is
  // whole only to a reader that waits for the writer's lock; where no locks are kept, it is read
  // anyway. The status taken under the lock names the version read.
  const Descriptor fd = OpenRegularFile(path, O_RDONLY, info);
  if (!fd) return std::make_shared<IniDocument>();
  [[maybe_unused]] const int locked = ::flock(fd.get(), LOCK_SH);
  if (::fstat(fd.get(), &info) != 0) return std::make_shared<IniDocument>();
  return Parsed(path, fd.get(), info);
}

void EditIniFile(std::string_view file, const std::function<std::string(const IniDocument&)>& edit) {
  const std::string path = ResolvedPath(file);
  const WriteLock lock = LockForWriting(path);
  const bool exists = static_cast<bool>(lock.file);
  std::shared_ptr<const IniDocument> current = std::make_shared<IniDocument>();
  if (exists) {
    current = Cached(path, lock.info);
    if (current == nullptr) current = Parsed(path, lock.file.get(), lock.info);
  }
  std::string bytes = edit(*current);
  if (bytes == current->bytes()) return;  // also: no empty file for removing from a missing one
  const Identity written =
      Identity::Of(RewriteFile(path, bytes, exists ? &lock.info : nullptr, current->bytes()));
  if (cache_enabled) Cache().Store(path, written, std::make_shared<const IniDocument>(std::move(bytes)));
}

void SetIniCacheEnabled(bool enabled) {
  cache_enabled = enabled;
}

}  // namespace tessera::platform
