// The host's file system object, as far as the library uses it: FileExists, CopyFile and the
// writing of a whole file.
//
// Both take library paths ("\" separators) and reach the file system through ToHostPath. Failures
// are run-time errors numbered by FileErrorNumber (53 missing source, 76 missing directory, 70
// permission, 75 anything else).
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::platform {

// True only for an existing regular file (or a link to one); a directory is not a file.
bool FileExists(std::string_view path);

// True when a writer must leave the file or directory `path` (a host path, its mode bits in
// `mode`) as it is: it lacks its owner's write bit, which is the read-only attribute and binds the
// superuser too, or this process may not write it.
bool WriteProtected(const std::filesystem::path& path, mode_t mode);

// Copies `source` to `target`. With `overwrite` an existing target is replaced, otherwise its
// existence is error 58. The copy is written beside the target under a temporary name and renamed
// over it, so the target is never left half-written: it holds the old bytes or the new ones. A
// target that is write-protected is refused with 70, as the host's CopyFile refuses it.
void CopyFile(std::string_view source, std::string_view target, bool overwrite);

// Writes `bytes` as the whole of `path`, replacing a file that is there the way CopyFile does:
// the file holds its old bytes or the new ones, never a part of them.
void WriteFileReplacing(std::string_view path, std::string_view bytes);

// The same for bytes made as they are written: `write` puts them into the stream and answers false
// when it could not make them all, which leaves the old file; its exceptions leave it too.
void WriteFileReplacing(std::string_view path, const std::function<bool(std::ostream&)>& write);

// The lines of an existing text file in the ANSI code page, as a text stream's ReadLine gives them:
// split at CR LF, LF or a lone CR, without the line ends, converted to library text. A missing file
// is 53; a directory, pipe or device 75 (never waited on); an unreadable file 70.
std::vector<std::string> ReadAnsiTextLines(std::string_view path);

}  // namespace tessera::platform
