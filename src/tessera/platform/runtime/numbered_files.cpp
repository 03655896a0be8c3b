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
#include "tessera/platform/runtime/disk_space.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// How far ahead of the buffer space is claimed at once: one claim serves many writes.
constexpr int64_t kClaimAhead = 1024 * 1024;

struct NumberedFile {
  int descriptor = -1;
  FileMode mode = FileMode::kInput;
  bool can_read = false;
  bool can_write = false;
  int32_t record_length = kDefaultRecordLength;
  dev_t device = 0;
  ino_t inode = 0;
  int64_t position = 0;  // byte offset of the next read or write, from 0
  int64_t size = 0;      // the file's length as last looked at, buffered writes included
  // The file's length and modification time when last looked at; the bytes read ahead are its
  // bytes only while both stay so.
  int64_t seen_size = 0;
  timespec seen_modified{};
  std::string read_buffer;
  int64_t read_start = 0;
  std::string write_buffer;
  int64_t write_start = 0;
  // Bytes whose space on disk is held: the file's own bytes at the open, then what claims
  // reserved ahead of the buffer. Where the file system cannot claim, every write goes through.
  int64_t claimed_from = 0;
  int64_t claimed_to = 0;
  bool write_through = false;
  bool in_one_look = false;  // a OneLook has looked at the file for the reads that follow
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

struct DiskSpace {
  int64_t free_bytes = 0;
  bool claims = true;
};
std::optional<DiskSpace>& TestDisk() {
  static std::optional<DiskSpace> disk;
  return disk;
}

// Takes up to `wanted` bytes from the test disk, all of them when there is none; answers how many.
int64_t TakeSpace(int64_t wanted) {
  auto& disk = TestDisk();
  if (!disk) return wanted;
  const int64_t taken = std::min(wanted, disk->free_bytes);
  disk->free_bytes -= taken;
  return taken;
}

Claim ClaimOnDisk(int fd, int64_t from, int64_t to) {
  const auto& disk = TestDisk();
  if (disk && !disk->claims) return Claim::kUnsupported;
  if (disk && disk->free_bytes < to - from) return Claim::kNoRoom;
  const Claim claim = ClaimSpace(fd, from, to);
  if (claim == Claim::kClaimed) TakeSpace(to - from);
  return claim;
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
  file.size = file.seen_size = file.claimed_to = status.st_size;
  file.seen_modified = status.st_mtim;
  if (mode == FileMode::kOutput) {
    if (::ftruncate(descriptor.get(), 0) != 0) Raise(err::kPathFileAccessError);
    file.size = file.seen_size = file.claimed_to = 0;
  }
  if (mode == FileMode::kAppend) file.position = file.size;
  file.descriptor = descriptor.release();
  return file;
}

// Writes the buffered bytes; the buffer is gone afterwards whether the write succeeded or not.
// Written through, bytes take their space as they go, and a full disk may stop them partway.
void Flush(NumberedFile& file) {
  std::string pending;
  pending.swap(file.write_buffer);
  const auto wanted = static_cast<int64_t>(pending.size());
  const auto allowed = static_cast<std::size_t>(file.write_through ? TakeSpace(wanted) : wanted);
  std::size_t done = 0;
  while (done < allowed) {
    const ssize_t written = ::pwrite(file.descriptor, pending.data() + done, allowed - done,
                                     static_cast<off_t>(file.write_start) + static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Raise(FileErrorNumber(std::error_code(errno, std::generic_category())));
    done += static_cast<std::size_t>(written);
  }
  if (allowed < pending.size()) Raise(err::kDiskFull);
}

// Holds the space of the bytes [from, to) before they are taken into the buffer, so that a full
// disk fails this write and not the later flush of bytes already accepted. Claims well ahead, or
// just what the write needs when the disk has less room; raises 61 when not even that is there.
void ClaimFor(NumberedFile& file, int64_t from, int64_t to) {
  if (file.write_through || (from >= file.claimed_from && to <= file.claimed_to)) return;
  const bool extends = from >= file.claimed_from && from <= file.claimed_to;
  const int64_t start = extends ? file.claimed_to : from;
  for (const int64_t end : {std::max(to, from + kClaimAhead), to}) {
    const Claim claim = ClaimOnDisk(file.descriptor, start, end);
    if (claim == Claim::kUnsupported) {
      file.write_through = true;
      if (!file.write_buffer.empty()) Flush(file);
      return;
    }
    if (claim == Claim::kClaimed) {
      if (!extends) file.claimed_from = from;
      file.claimed_to = end;
      return;
    }
  }
  Raise(err::kDiskFull);
}

// A write that went straight to disk and failed there is taken back as far as it lengthened the
// file, so that a partial line is not left behind.
void WriteThrough(NumberedFile& file, int64_t from, int64_t size_before) {
  try {
    Flush(file);
  } catch (...) {
    if (file.size > size_before) {
      [[maybe_unused]] const int ignored = ::ftruncate(file.descriptor, size_before);
    }
    file.position = from;
    file.size = size_before;
    throw;
  }
}

void Write(NumberedFile& file, std::string_view bytes) {
  if (!file.write_buffer.empty() &&
      file.write_start + static_cast<int64_t>(file.write_buffer.size()) != file.position) {
    Flush(file);
  }
  const int64_t from = file.position;
  const int64_t size_before = file.size;
  ClaimFor(file, from, from + static_cast<int64_t>(bytes.size()));
  file.read_buffer.clear();
  if (file.write_buffer.empty()) file.write_start = from;
  file.write_buffer.append(bytes);
  file.position += static_cast<int64_t>(bytes.size());
  file.size = std::max(file.size, file.position);
  if (file.write_through) {
    WriteThrough(file, from, size_before);
  } else if (file.write_buffer.size() >= kBufferSize) {
    Flush(file);
  }
}

// Looks at the file as it is now, since another program may have cut, grown or rewritten it: its
// length, and whether the bytes read ahead are still its bytes.
void Refresh(NumberedFile& file) {
  if (file.in_one_look) return;
  struct stat info {};
  if (::fstat(file.descriptor, &info) != 0) Raise(err::kDeviceIoError);
  if (info.st_size != file.seen_size || info.st_mtim.tv_sec != file.seen_modified.tv_sec ||
      info.st_mtim.tv_nsec != file.seen_modified.tv_nsec) {
    file.read_buffer.clear();
    file.seen_size = info.st_size;
    file.seen_modified = info.st_mtim;
  }
  const int64_t buffered_end = file.write_start + static_cast<int64_t>(file.write_buffer.size());
  file.size = file.write_buffer.empty() ? info.st_size : std::max<int64_t>(info.st_size, buffered_end);
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
  const auto to = static_cast<std::size_t>(
      std::min<int64_t>(file.size - file.read_start, static_cast<int64_t>(file.read_buffer.size())));
  return std::string_view(file.read_buffer).substr(from, to - std::min(from, to));  // ends at the length seen
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
  // Space claimed past the end goes back, on every way out.
  struct Closer {
    const NumberedFile& file;
    ~Closer() {
      if (file.claimed_to > file.size) ReleaseSpacePastEnd(file.descriptor, file.claimed_to);
      ::close(file.descriptor);
    }
  } closer{file};
  if (!file.write_buffer.empty()) Flush(file);
}

void CloseAllFiles() {
  const std::lock_guard lock(TableGuard());
  for (int16_t number = 1; number <= kMaxFileNumber; ++number) CloseFile(number);
}

std::string LineInput(int16_t number) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kInput, FileMode::kBinary});
  Refresh(file);
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
  Refresh(file);
  const std::string bytes = ReadBytes(file, static_cast<std::size_t>(count));
  if (bytes.size() < static_cast<std::size_t>(count)) Raise(err::kInputPastEndOfFile);
  return FromAnsi(bytes);
}

std::string InputUntil(int16_t number, std::string_view stops, int32_t count) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number, {FileMode::kInput, FileMode::kBinary});
  if (count < 0) Raise(err::kInvalidProcedureCall);
  Refresh(file);
  std::string bytes;
  for (std::string_view ahead = Buffered(file);
       !ahead.empty() && bytes.size() < static_cast<std::size_t>(count); ahead = Buffered(file)) {
    ahead = ahead.substr(0, static_cast<std::size_t>(count) - bytes.size());
    const std::size_t stop = std::min(ahead.find_first_of(stops), ahead.size());
    bytes.append(ahead.substr(0, stop));
    file.position += static_cast<int64_t>(stop);
    if (stop < ahead.size()) break;
  }
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
  Refresh(file);
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
  NumberedFile& file = OpenNumber(number);
  Refresh(file);
  return ToLong(file.size);
}

bool Eof(int16_t number) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number);
  Refresh(file);
  return file.position >= file.size;
}

OneLook::OneLook(int16_t number) : number_(number) {
  const std::lock_guard lock(TableGuard());
  NumberedFile& file = OpenNumber(number);
  Refresh(file);
  file.in_one_look = true;
}

OneLook::~OneLook() {
  const std::lock_guard lock(TableGuard());
  if (InRange(number_) && Table()[static_cast<std::size_t>(number_)])
    Table()[static_cast<std::size_t>(number_)]->in_one_look = false;
}

ScopedDiskSpace::ScopedDiskSpace(std::size_t free_bytes, bool claims) {
  TestDisk() = DiskSpace{static_cast<int64_t>(free_bytes), claims};
}

ScopedDiskSpace::~ScopedDiskSpace() {
  TestDisk().reset();
}

}  // namespace tessera::platform
