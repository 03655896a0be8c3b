// The host runtime's numbered file access: file numbers 1 to 255, Open in the five modes, Close,
// Line Input, Input$, Print #, Get and Put of bytes, Seek, LOF and EOF.
//
// Paths are library paths ("\" separators). Text crosses in the ANSI code page, one byte a
// character. Failures are the runtime's errors: 52 a number out of range or not open, 53 a missing
// file for reading, 54 an operation the mode does not allow, 55 a number in use or a file that is
// open for writing under another number, 61 a full disk, 62 reading past the end, 63 a position below 1, 67
// no free number, 70 a file that another open refuses to share or that may not be opened, 75 a path that is
// no file, 76 a missing directory.
//
// Sharing, as the runtime's default open on Windows: input and read-only binary opens take a shared
// lock, so others may read the file too; every open that writes takes an exclusive lock, so the
// file belongs to its writer. The locks are flock locks: they hold between the numbers of one
// process and between processes that lock the same way; a program that ignores them is not
// stopped. Output truncates only after its lock is held.
//
// Reads and writes are buffered per number. A write holds the disk space of what it buffers
// before it answers (space is claimed ahead, where the file system can; elsewhere every write goes
// straight through), so a full disk fails the write that needs the space (61), never the flush of bytes
// already accepted; a write-through that fails takes its bytes back. Every read, LOF and EOF first
// looks at the file as it is now: a file that another program cut or grew is read to its new end,
// and bytes read ahead that it no longer holds are dropped. Close writes out what is buffered and
// gives the number back even when that write fails (its error is raised after). Used from one
// thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessera::platform {

enum class FileMode { kInput, kOutput, kAppend, kRandom, kBinary };

// The Access clause of a binary open: both ways (the default, creating a missing file), read only
// (a missing file is 53) or write only (creating a missing file).
enum class FileAccess { kReadWrite, kRead, kWrite };

inline constexpr int16_t kMaxFileNumber = 255;
inline constexpr int32_t kDefaultRecordLength = 128;

// The lowest file number that is not open; 67 when all are.
int16_t FreeFile();

// Opens `path` under `number`. Output starts an empty file, Append writes at the end, Input reads
// from the start; Random and Binary read and write, Random by records of `record_length` bytes.
void OpenFile(std::string_view path, FileMode mode, int16_t number,
              FileAccess access = FileAccess::kReadWrite, int32_t record_length = kDefaultRecordLength);

// Closes `number`; a number that is not open is passed by, as the runtime's Close does.
void CloseFile(int16_t number);

// Closes every open number (the runtime's Reset).
void CloseAllFiles();

// Line Input #: the text up to the next CR, without it; a CR LF pair ends the line as one, a lone
// LF stays in the text. Input and Binary only.
std::string LineInput(int16_t number);

// Input$(count, #number): the next `count` characters. Input and Binary only; 62 when fewer are
// left, 5 for a negative count.
std::string InputChars(int32_t count, int16_t number);

// At most `count` of the next characters, ending before the first of `stops`, which stays unread,
// or at the end of the file ("" there). Input and Binary only; 5 for a negative count.
std::string InputUntil(int16_t number, std::string_view stops, int32_t count);

// Print #number, text: the text and CR LF. Output and Append only.
void PrintLine(int16_t number, std::string_view text);

// Get and Put of bytes at the current position (Binary only). GetBytes answers fewer bytes than
// asked at the end of the file.
std::string GetBytes(int16_t number, std::size_t count);
void PutBytes(int16_t number, std::string_view bytes);

// Seek: the current position counted from 1 (in Random mode the record number), and moving it.
int32_t Seek(int16_t number);
void Seek(int16_t number, int32_t position);

// LOF: the length of the file in bytes (6 when it does not fit in 32 bits). Eof, the runtime's
// EOF (a name the C library keeps as a macro): whether the position is at or past the end.
int32_t LOF(int16_t number);
bool Eof(int16_t number);

// Looks at the file once for all the reads, LOF and EOF calls on `number` while it lives, instead
// of once for each: for a caller that reads several times for one answer. Raises 52 for a number
// that is not open.
class OneLook {
 public:
  explicit OneLook(int16_t number);
  ~OneLook();
  OneLook(const OneLook&) = delete;
  OneLook& operator=(const OneLook&) = delete;

 private:
  int16_t number_;
};

// Test seam: while it lives, the numbered files write to a disk with `free_bytes` left, on a file
// system that can claim space (`claims`) or cannot, so that everything goes straight through.
// Claims and bytes written through take from it; the file's bytes at its open hold their space.
// Lets a test fill the disk halfway through an operation without a file system of that size.
class ScopedDiskSpace {
 public:
  explicit ScopedDiskSpace(std::size_t free_bytes, bool claims = true);
  ~ScopedDiskSpace();
  ScopedDiskSpace(const ScopedDiskSpace&) = delete;
  ScopedDiskSpace& operator=(const ScopedDiskSpace&) = delete;
};

}  // namespace tessera::platform
