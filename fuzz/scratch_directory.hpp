// A fresh directory under the temporary one for a fuzz target that makes files, made the working
// directory so that the names an input makes up stay inside it.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline void EnterScratchDirectory(const char* prefix) {
  std::string directory =
      (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
  if (::mkdtemp(directory.data()) == nullptr || ::chdir(directory.c_str()) != 0) std::abort();
}
