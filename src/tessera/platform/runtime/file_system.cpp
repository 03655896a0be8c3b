#include "tessera/platform/runtime/file_system.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void RaiseFileError(std::error_code code) {
  Raise(FileErrorNumber(code));
}

// A name beside `target` that no other copy of this or another process uses at the same time.
fs::path TemporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  fs::path name = target;
  name += ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  return name;
}

void RefuseTarget(const fs::path& target, bool overwrite) {
  std::error_code code;
  const fs::path directory = target.parent_path();
  if (!directory.empty() && !fs::is_directory(directory, code)) Raise(err::kPathNotFound);
  const fs::file_status status = fs::status(target, code);
  if (code && code != std::errc::no_such_file_or_directory) RaiseFileError(code);
  if (!fs::exists(status)) return;
  if (!overwrite) Raise(err::kFileAlreadyExists);
  if (!fs::is_regular_file(status)) Raise(err::kPathFileAccessError);
  if (WriteProtected(target, static_cast<mode_t>(status.permissions()))) Raise(err::kPermissionDenied);
}

// Fills a new file beside `target` and renames it over `target`, so that `target` holds its old
// bytes or the new ones and nothing in between.
template <typename Fill>
void ReplaceBeside(const fs::path& target, Fill fill) {
  const fs::path temporary = TemporaryBeside(target);
  std::error_code code, ignored;
  try {
    if (fill(temporary, code)) fs::rename(temporary, target, code);
  } catch (...) {
    fs::remove(temporary, ignored);
    throw;
  }
  if (code) {
    fs::remove(temporary, ignored);
    RaiseFileError(code);
  }
}

}  // namespace

bool WriteProtected(const fs::path& path, mode_t mode) {
  return (mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0;
}

bool FileExists(std::string_view path) {
  if (path.empty()) return false;
  std::error_code code;
  return fs::is_regular_file(ToHostPath(path), code);
}

void CopyFile(std::string_view source, std::string_view target, bool overwrite) {
  const fs::path from = ToHostPath(source);
  const fs::path to = ToHostPath(target);
  std::error_code code;
  if (!fs::is_regular_file(from, code))
    RaiseFileError(code ? code : std::make_error_code(std::errc::no_such_file_or_directory));
  RefuseTarget(to, overwrite);
  ReplaceBeside(to, [&](const fs::path& temporary, std::error_code& failure) {
    return fs::copy_file(from, temporary, fs::copy_options::none, failure);
  });
}

void WriteFileReplacing(std::string_view path, std::string_view bytes) {
  WriteFileReplacing(path, [&](std::ostream& out) {
    return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
  });
}

void WriteFileReplacing(std::string_view path, const std::function<bool(std::ostream&)>& write) {
  const fs::path to = ToHostPath(path);
  RefuseTarget(to, true);
  ReplaceBeside(to, [&](const fs::path& temporary, std::error_code& failure) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      failure = std::error_code(errno, std::generic_category());
      return false;
    }
    const bool written = write(out);
    out.close();
    if (!written || !out) failure = std::make_error_code(std::errc::io_error);
    return !failure;
  });
}

std::vector<std::string> ReadAnsiTextLines(std::string_view path) {
  struct stat info {};
  const Descriptor file = OpenRegularFile(ToHostPath(path), O_RDONLY, info);
  if (!file) RaiseFileError(std::error_code(errno, std::generic_category()));
  const auto read = ReadToEnd(file.get(), info.st_size);
  if (!read) Raise(err::kDeviceIoError);
  const std::string& bytes = *read;

  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    lines.push_back(FromAnsi(std::string_view(bytes).substr(start, end - start)));
    if (end == std::string::npos) break;
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace tessera::platform
