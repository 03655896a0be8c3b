// Profile files on disk: read through a cache of parsed files, written under a lock.
//
// A file that is read again and again is parsed once and served from that copy while its identity
// (device, inode, size, modification and change time to the nanosecond) is unchanged. A write
// takes an advisory lock (flock) on the file, or on its directory while the file does not exist
// yet, reads the current contents under it and hands the new bytes to RewriteFile, which keeps
// the file's owner, mode and links; concurrent writers lose no update. A read that parses the
// file takes a shared lock, so that it never sees a rewrite in place half done. Only regular files
// are opened: a pipe or a device in a file's place reads as missing and is refused for writes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "tessera/platform/profile/ini_document.hpp"

namespace tessera::platform {

// The parsed file; an empty document when the file is missing, unreadable or not a file.
std::shared_ptr<const IniDocument> ReadIniFile(std::string_view file);

// Replaces the file's bytes by what `edit` answers for its current contents, creating the file.
// Nothing is written when the bytes stay the same. Raises 76 for a missing directory, 70 when
// access is denied or the file is read-only, 61 for a full disk, 75 for a path that is a directory
// or not a file and for other failures; the file is then as it was.
void EditIniFile(std::string_view file, const std::function<std::string(const IniDocument&)>& edit);

// Turns the cache of parsed files off (every read parses the file) or on again; for measuring.
void SetIniCacheEnabled(bool enabled);

}  // namespace tessera::platform
