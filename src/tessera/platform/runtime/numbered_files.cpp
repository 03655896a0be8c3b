#include "tessera/platform/runtime/numbered_files.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <mutex>
#include <system_error>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

struct NumberedFile {
  int descriptor = -1;
  FileMode mode = FileMode::kInput;
  bool can_read = false;
  bool can_write = false;
  int32_t record_length = kDefaultRecordLength;
  dev_t device = 0;
  ino_t inode = 0;
  int64_t position = 0;  // byte offset of the next read or write, from 0
  int64_t size = 0;      // the file's length, buffered writes included
  std::string read_buffer;
  int64_t read_start = 0;
  std::string write_buffer;
  int64_t write_start = 0;
};

std::array<std::optional<NumberedFile>, kMaxFileNumber + 1>& Table() {
  static std::array<std::optional<NumberedFile>, kMaxFileNumber + 1> table;
  return table;
}

// The table is the process's, and a host may call from several threads: every public call holds
// this for its whole length.
std::recursive_mutex& TableGuard() {
  static std::recursive_mutex guard;
  return guard;
}

// FreeFile's answer stays the asking thread's until it opens that number or asks again, so that
// two threads asking at once are not given the same number.
std::array<bool, kMaxFileNumber + 1>& Promised() {
  static std::array<bool, kMaxFileNumber + 1> promised{};
  return promised;
}

struct Promise {
  int16_t number = 0;
  void Keep(int16_t kept) {
    Drop();
    number = kept;
    Promised()[static_cast<std::size_t>(number)] = true;
  }
  void Drop() {
    if (number != 0) Promised()[static_cast<std::size_t>(number)] = false;
    number = 0;
  }
  ~Promise() {
    const std::lock_guard lock(TableGuard());
    Drop();
  }
};
thread_local Promise promise;

struct WriteFault {
  std::size_t bytes_left = 0;
  int32_t number = 0;
};
std::optional<WriteFault>& ActiveWriteFault() {
  static std::optional<WriteFault> fault;
  return fault;
}

bool InRange(int16_t number) {
  return number >= 1 && number <= kMaxFileNumber;
}

NumberedFile& OpenNumber(int16_t number) {
  if (!InRange(number) || !Table()[static_cast<std::size_t>(number)]) Raise(err::kBadFileNameOrNumber);
  return *Table()[static_cast<std::size_t>(number)];
}

NumberedFile& OpenNumber(int16_t number, std::initializer_list<FileMode> allowed) {
  NumberedFile& file = OpenNumber(number);
  if (std::find(allowed.begin(), allowed.end(), file.mode) == allowed.end()) Raise(err::kBadFileMode);
  return file;
}

bool Writes(FileMode mode) {
  return mode == FileMode::kOutput || mode == FileMode::kAppend;
}

// The flags of open(2) and whether the file is read and written.
struct OpenFlags {
  int flags;
  bool reads;
  bool writes;
};

OpenFlags FlagsFor(FileMode mode, FileAccess access) {
  switch (mode) {
    case FileMode::kInput:
      return {O_RDONLY, true, false};
    case FileMode::kOutput:
    case FileMode::kAppend:
      return {O_WRONLY | O_CREAT, false, true};
    case FileMode::kRandom:
      return {O_RDWR | O_CREAT, true, true};
    case FileMode::kBinary:
      break;
  }
  if (access == FileAccess::kRead) return {O_RDONLY, true, false};
  if (access == FileAccess::kWrite) return {O_WRONLY | O_CREAT, false, true};
  return {O_RDWR | O_CREAT, true, true};
}

[[noreturn]] void RaiseOpenError(const std::filesystem::path& path, int error) {
  std::error_code ignored;
  const std::filesystem::path directory = path.parent_path();
  if (error == ENOENT && !directory.empty() && !std::filesystem::is_directory(directory, ignored))
    Raise(err::kPathNotFound);
  if (error == EISDIR) Raise(err::kPathFileAccessError);
  Raise(FileErrorNumber(std::error_code(error, std::generic_category())));
}

// Output and Append own their file in this process: no second number may open it beside them.
void RefuseSecondOpen(const struct stat& status, FileMode mode) {
  for (const auto& other : Table()) {
    if (!other || other->device != status.st_dev || other->inode != status.st_ino) continue;
    if (Writes(mode) || Writes(other->mode)) Raise(err::kFileAlreadyOpen);
  }
}

// Checks and locks a freshly opened regular file of that status; raises after closing it on any
// failure.
NumberedFile Prepared(Descriptor descriptor, const struct stat& status, FileMode mode,
                      const OpenFlags& flags) {
  RefuseSecondOpen(status, mode);
  if (::flock(descriptor.get(), (flags.writes ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0)
    Raise(err::kPermissionDenied);
  NumberedFile file;
  file.mode = mode;
  file.can_read = flags.reads;
  file.can_write = flags.writes;
  file.device = status.st_dev;
  file.inode = status.st_ino;
  file.size = status.st_size;
  if (mode == FileMode::kOutput) {
    if (::ftruncate(descriptor.get(), 0) != 0) Raise(err::kPathFileAccessError);
    file.size = 0;
  }
  if (mode == FileMode::kAppend) file.position = file.size;
  file.descriptor = descriptor.release();
  return file;
}

// Writes the buffered bytes; the buffer is gone afterwards whether the write succeeded or not.
void Flush(NumberedFile& file) {
  std::string pending;
  pending.swap(file.write_buffer);
  std::size_t allowed = pending.size();
  auto& fault = ActiveWriteFault();
  if (fault) allowed = std::min(allowed, fault->bytes_left);
  std::size_t done = 0;
  while (done < allowed) {
    const ssize_t written = ::pwrite(file.descriptor, pending.data() + done, allowed - done,
                                     static_cast<off_t>(file.write_start) + static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Raise(FileErrorNumber(std::error_code(errno, std::generic_category())));
    done += static_cast<std::size_t>(written);
  }
  if (fault) {
    fault->bytes_left -= allowed;
    if (allowed < pending.size()) Raise(fault->number);
  }
}

void Write(NumberedFile& file, std::string_view bytes) {
  file.read_buffer.clear();
  if (!file.write_buffer.empty() &&
      file.write_start + static_cast<int64_t>(file.write_buffer.size()) != file.position) {
    Flush(file);
  }
  if (file.write_buffer.empty()) file.write_start = file.position;
  file.write_buffer.append(bytes);
  file.position += static_cast<int64_t>(bytes.size());
  file.size = std::max(file.size, file.position);
  if (file.write_buffer.size() >= kBufferSize) Flush(file);
}

// The bytes from the position to the end of the read buffer, refilled when the position has left
// it; empty at the end of the file.
std::string_view Buffered(NumberedFile& file) {
  if (file.position >= file.size) return {};
  if (!file.write_buffer.empty()) Flush(file);
  const int64_t offset = file.position - file.read_start;
  if (offset < 0 || offset >= static_cast<int64_t>(file.read_buffer.size())) {
    file.read_buffer.resize(kBufferSize);
    ssize_t got = -1;
    do {
      got = ::pread(file.descriptor, file.read_buffer.data(), kBufferSize, static_cast<off_t>(file.position));
    } while (got < 0 && errno == EINTR);
    file.read_buffer.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    file.read_start = file.position;
    if (got < 0) Raise(err::kDeviceIoError);
  }
  const auto from = static_cast<std::size_t>(file.position - file.read_start);
  return std::string_view(file.read_buffer).substr(from);  // empty when the file shrank under us
}

std::string ReadBytes(NumberedFile& file, std::size_t count) {
  std::string bytes;
  while (bytes.size() < count) {
    const std::string_view ahead = Buffered(file).substr(0, count - bytes.size());
    if (ahead.empty()) break;
    bytes.append(ahead);
    file.position += static_cast<int64_t>(ahead.size());
  }
  return bytes;
}

int32_t ToLong(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) Raise(err::kOverflow);
  return static_cast<int32_t>(value);
}

}  // namespace

int16_t FreeFile() {
  const std::lock_guard lock(TableGuard());
  promise.Drop();
  for (int16_t number = 1; number <= kMaxFileNumber; ++number) {
    const auto at = static_cast<std::size_t>(number);
    if (Table()[at] || Promised()[at]) continue;
    promise.Keep(number);
    return number;
  }
  Raise(err::kTooManyFiles);
}

void OpenFile(std::string_view path, FileMode mode, int16_t number, FileAccess access,
              int32_t record_length) {
  const std::lock_guard lock(TableGuard());
  if (promise.number == number) promise.Drop();
  if (!InRange(number)) Raise(err::kBadFileNameOrNumber);
  if (Table()[static_cast<std::size_t>(number)]) Raise(err::kFileAlreadyOpen);
  if (record_length < 1) Raise(err::kBadRecordNumber);
  if (path.empty()) Raise(err::kPathFileAccessError);
  const std::filesystem::path host = ToHostPath(path);
  const OpenFlags flags = FlagsFor(mode, access);
  // A pipe or device in the file's place is refused without waiting on it.
  struct stat status {};
  Descriptor opened = OpenRegularFile(host, flags.flags, status);
  if (!opened) RaiseOpenError(host, errno);
  NumberedFile file = Prepared(std::move(opened), status, mode, flags);
  file.record_length = record_length;
  Table()[static_cast<std::size_t>(number)] = std::move(file);
}

void CloseFile(int16_t number) {
  const std::lock_guard lock(TableGuard());
  if (!InRange(number) || !Table()[static_cast<std::size_t>(number)]) return;
  NumberedFile file = std::move(*Table()[static_cast<std::size_t>(number)]);
  Table()[static_cast<std::size_t>(number)].reset();
  struct Closer {
    int descriptor;
    ~Closer() { ::close(descriptor); }
  } closer{file.descriptor};
  if (!file.write_buffer.empty()) Flush(file);
}

void CloseAllFiles() {
  const std::lock_guard lock(TableGuard());
  for (int16_t number = 1; number <= kMaxFileNumber; ++number) CloseFile(number);
}

std::string LineInput(int16_t number) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kInput, FileMode::kBinary});
  if (file.position >= file.size) Raise(err::kInputPastEndOfFile);
  std::string line;
  for (std::string_view ahead = Buffered(file); !ahead.empty(); ahead = Buffered(file)) {
    const std::size_t cr = ahead.find('\r');
    line.append(ahead.substr(0, cr));
    if (cr == std::string_view::npos) {
      file.position += static_cast<int64_t>(ahead.size());
      continue;
    }
    file.position += static_cast<int64_t>(cr) + 1;
    if (Buffered(file).starts_with('\n')) ++file.position;
    break;
  }
  return FromAnsi(line);
}

std::string InputChars(int32_t count, int16_t number) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kInput, FileMode::kBinary});
  if (count < 0) Raise(err::kInvalidProcedureCall);
  const std::string bytes = ReadBytes(file, static_cast<std::size_t>(count));
  if (bytes.size() < static_cast<std::size_t>(count)) Raise(err::kInputPastEndOfFile);
  return FromAnsi(bytes);
}

void PrintLine(int16_t number, std::string_view text) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kOutput, FileMode::kAppend});
  Write(file, ToAnsi(text) + "\r\n");
}

std::string GetBytes(int16_t number, std::size_t count) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kBinary});
  if (!file.can_read) Raise(err::kPathFileAccessError);
  return ReadBytes(file, count);
}

void PutBytes(int16_t number, std::string_view bytes) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kBinary});
  if (!file.can_write) Raise(err::kPathFileAccessError);
  Write(file, bytes);
}

int32_t Seek(int16_t number) {
  const std::lock_guard lock(TableGuard());
  const NumberedFile& file = OpenNumber(number);
  if (file.mode == FileMode::kRandom) return ToLong(file.position / file.record_length + 1);
  return ToLong(file.position + 1);
}

void Seek(int16_t number, int32_t position) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number);
  if (position < 1) Raise(err::kBadRecordNumber);
  const int64_t unit = file.mode == FileMode::kRandom ? file.record_length : 1;
  file.position = (int64_t{position} - 1) * unit;
}

int32_t LOF(int16_t number) {
  const std::lock_guard lock(TableGuard());
  return ToLong(OpenNumber(number).size);
}

bool Eof(int16_t number) {
  const std::lock_guard lock(TableGuard());
  const NumberedFile& file = OpenNumber(number);
  return file.position >= file.size;
}

ScopedWriteFault::ScopedWriteFault(std::size_t bytes_left, int32_t number) {
  ActiveWriteFault() = WriteFault{bytes_left, number};
}

ScopedWriteFault::~ScopedWriteFault() {
  ActiveWriteFault().reset();
}

}  // namespace tessera::platform
