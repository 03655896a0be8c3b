// The host runtime's numbered file access: file numbers 1 to 255, Open in the five modes, Close,
// Line Input, Input$, Print #, Get and Put of bytes, Seek, LOF and EOF.
//
// Paths are library paths ("\" separators). Text crosses in the ANSI code page, one byte a
// character. Failures are the runtime's errors: 52 a number out of range or not open, 53 a missing
// file for reading, 54 an operation the mode does not allow, 55 a number in use or a file that is
// open for writing under another number, 62 reading past the end, 63 a position below 1, 67 no
// free number, 70 a file that another open refuses to share or that may not be opened, 75 a path
// that is no file, 76 a missing directory.
//
// Sharing, as the runtime's default open on Windows: input and read-only binary opens take a shared
// lock, so others may read the file too; every open that writes takes an exclusive lock, so the
// file belongs to its writer. The locks are flock locks: they hold between the numbers of one
// process and between processes that lock the same way; a program that ignores them is not
// stopped. Output truncates only after its lock is held.
//
// Reads and writes are buffered per number; Close writes out what is buffered and gives the number
// back even when that write fails (its error is raised after). Used from one thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tessera/platform/runtime/error.hpp"

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

// Test seam: once `bytes_left` more bytes have gone to the files, every write through numbered
// files raises `number` until the fault is dropped. Lets a test see what an operation leaves
// behind when the disk fails halfway.
class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(std::size_t bytes_left, int32_t number = err::kDeviceIoError);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace tessera::platform
