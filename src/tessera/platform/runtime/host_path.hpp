// The one path rule between the library and the file system.
//
// Inside the library "\" separates directories, as the host's files and settings write it. Where a
// path reaches the file system every "\" becomes "/"; paths handed back to the library (a chosen
// file, a directory listing) come with "\" again. A Linux name that itself holds a backslash is
// out of reach; that is the price of one notation.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tessera/export.hpp"

namespace tessera::platform {

// The file-system path of a library path (UTF-8).
TESSERA_API std::filesystem::path ToHostPath(std::string_view library_path);

// The library form (UTF-8, "\" separators) of a file-system path.
TESSERA_API std::string ToLibraryPath(const std::filesystem::path& host_path);

}  // namespace tessera::platform
