// How a settings file receives its new bytes, keeping what the file is: its owner, group, mode,
// hard links and the place its links point at.
//
// The caller holds the file's write lock. Where the directory takes a new file, the bytes go to a
// temporary file beside it, flushed, which is renamed over the file: a crash leaves the old bytes
// or the new ones. Where it cannot (the directory is write-protected, the file has further hard
// links, or this process could not give a new file the owner and group), the file is rewritten in
// place: the space is reserved first, so a full disk fails before any byte changes, and a failed
// write puts the old bytes back. Temporary files of writers that died are removed on the way.
#pragma once

#include <sys/stat.h>

#include <string>

namespace tessera::platform {

// Raises the run-time error for a failed system call. Where the call creates something in a
// directory, a missing entry means the directory is missing (76), not the file.
[[noreturn]] void RaiseFileError(int error_number, bool creating = false);

// Gives `path` the bytes `bytes`. `original` is the status of the existing file and `old_bytes`
// its contents, or nullptr for a file to be created. Answers the written file's status. Raises 70
// for a write-protected file or a new file in a write-protected directory, 61 for a full disk and
// the file's other errors as RaiseFileError; the file then holds its old bytes.
struct stat RewriteFile(const std::string& path, const std::string& bytes, const struct stat* original,
                        const std::string& old_bytes);

}  // namespace tessera::platform
